#pragma once

#include <QStyledItemDelegate>

// Draws the panel's elements. Every item has one size, the widest text's or,
// with large icons, the grid's cell, so the view lays out a group of any size
// without measuring each element.
class Elementtegner : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

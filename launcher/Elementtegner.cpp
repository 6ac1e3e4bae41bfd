#include "Elementtegner.h"

#include "Elementmodel.h"

#include <QApplication>
#include <QListView>

QSize Elementtegner::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const auto* liste = qobject_cast<const QListView*>(option.widget);
    // A little less than the cell, so selected neighbours stay apart.
    if (liste && liste->viewMode() == QListView::IconMode && liste->gridSize().isValid())
        return liste->gridSize() - QSize(4, 4);
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    if (const auto* model = qobject_cast<const Elementmodel*>(index.model()))
        opt.text = model->bredesteTekst(opt.fontMetrics);
    const QStyle* stil = option.widget ? option.widget->style() : QApplication::style();
    return stil->sizeFromContents(QStyle::CT_ItemViewItem, &opt, QSize(), option.widget);
}

#pragma once

#include <QListWidget>
#include <QSignalBlocker>
#include <QStringList>

// Parts shared by the group window's pages.

inline QListWidget* listeboks(const QString& navn, const QString& tilgaengeligt)
{
    auto* boks = new QListWidget;
    boks->setObjectName(navn);
    boks->setAccessibleName(tilgaengeligt);
    return boks;
}

// A list box's entries as lines, and back, without reporting the refill as a
// change of selection.
inline void fyld(QListWidget* boks, const QStringList& linjer)
{
    const QSignalBlocker blok(boks);
    boks->clear();
    boks->addItems(linjer);
}

inline QStringList indhold(const QListWidget* boks)
{
    QStringList ud;
    for (int i = 0; i < boks->count(); ++i)
        ud.append(boks->item(i)->text());
    return ud;
}

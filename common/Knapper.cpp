#include "Knapper.h"

#include <QPushButton>
#include <QToolButton>

QPushButton* knap(const QString& navn, const QString& caption, const QString& hint)
{
    auto* k = new QPushButton(caption);
    k->setObjectName(navn);
    // A caption broken over two lines is one name to a screen reader; any
    // other button's name is its caption, and follows it when it changes.
    if (caption.contains(QLatin1Char('\n')))
        k->setAccessibleName(QString(caption).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    k->setToolTip(hint);
    k->setStatusTip(hint);
    // Enter in a field belongs to that field, not to the first button.
    k->setAutoDefault(false);
    return k;
}

QToolButton* fladKnap(const QString& navn, const QString& caption, const QString& hint)
{
    auto* k = new QToolButton;
    k->setObjectName(navn);
    k->setText(caption);
    k->setToolTip(hint);
    k->setStatusTip(hint);
    k->setAutoRaise(true);
    k->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return k;
}

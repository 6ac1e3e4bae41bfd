#include "Soegefelt.h"

#include <QKeyEvent>

Soegefelt::Soegefelt(QWidget* parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("soegefelt"));
    setAccessibleName(QStringLiteral("Søg element"));
    setPlaceholderText(QStringLiteral("Søg element"));
    setClearButtonEnabled(true);
}

void Soegefelt::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        emit flyt(-1);
        return;
    case Qt::Key_Down:
        emit flyt(1);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit start();
        return;
    case Qt::Key_Escape:
        emit luk();
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}

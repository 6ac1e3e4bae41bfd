#include "Operationsvindue.h"

Operationsvindue::Operationsvindue(const QString& caption, QWidget* hovedvindue)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      m_hovedvindue(hovedvindue)
{
    setWindowTitle(caption);
}

void Operationsvindue::showEvent(QShowEvent* event)
{
    if (m_hovedvindue) {
        QRect sted = frameGeometry();
        sted.moveCenter(m_hovedvindue->frameGeometry().center());
        move(sted.topLeft());
    }
    QDialog::showEvent(event);
}

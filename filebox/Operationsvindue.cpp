#include "Operationsvindue.h"

#include <QScreen>
#include <algorithm>

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
        // The main window may be a strip along the screen's edge: the window stays whole.
        if (const QScreen* skaerm = m_hovedvindue->screen()) {
            const QRect plads = skaerm->availableGeometry();
            sted.moveLeft(std::clamp(sted.left(), plads.left(),
                                     std::max(plads.left(), plads.right() - sted.width())));
            sted.moveTop(std::clamp(sted.top(), plads.top(),
                                    std::max(plads.top(), plads.bottom() - sted.height())));
        }
        move(sted.topLeft());
    }
    QDialog::showEvent(event);
}

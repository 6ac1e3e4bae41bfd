#include "information.h"

Tinfoform::Tinfoform(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Tavlum information"));
}

void Tinfoform::hentStruktur()
{
    m_opstart = false;
}

void Tinfoform::goToInfo(const QString&)
{
    show();
    raise();
    activateWindow();
}

#include "WindowApplets.h"

TwaForm::TwaForm(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Window applets"));
}

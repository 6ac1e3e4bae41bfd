#include "egenskaber.h"

Tegenskabsform::Tegenskabsform(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Egenskaber"));
}

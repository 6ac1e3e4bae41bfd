#include "visBilled.h"

Tbilledform::Tbilledform(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Billede"));
}

#include "opentekstfil.h"

Topenfilform::Topenfilform(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Filboksen"));
}

#include "progress.h"

Tprogressform::Tprogressform(QWidget* parent) : QDialog(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Kopierer"));
}

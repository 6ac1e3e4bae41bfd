#include "Spm_FileExists.h"

TfileExistsForm::TfileExistsForm(QWidget* parent) : QDialog(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Hvad skal der gøres"));
}

#include "Spm_Kopiering.h"

Tkopieringsform::Tkopieringsform(QWidget* parent) : QDialog(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Kopiering/Flytning/Sletning"));
}

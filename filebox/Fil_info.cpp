#include "Fil_info.h"

Tfilinfoform::Tfilinfoform(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Fil egenskaber"));
}

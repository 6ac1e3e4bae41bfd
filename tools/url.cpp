#include "url.h"

Turlform::Turlform(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Urlboks"));
}

#include "Filboksbilleder.h"

#include <QFile>

namespace {

QString sti(const QString& del, bool moerk)
{
    return (moerk ? QStringLiteral(":/filboks/moerk/") : QStringLiteral(":/filboks/lys/")) + del +
           QStringLiteral(".svg");
}

// Every place up to the highest that has a picture; the others stay empty.
QList<QIcon> liste(const QString& mappe, int antal, bool moerk)
{
    QList<QIcon> ud(antal);
    for (int i = 0; i < antal; ++i)
        if (const QString fil = sti(mappe + u'/' + QString::number(i), moerk); QFile::exists(fil))
            ud[i] = QIcon(fil);
    return ud;
}

} // namespace

namespace Filboksbilleder {

QList<QIcon> ImageFilliste(bool moerk)
{
    return liste(QStringLiteral("liste"), 27, moerk);
}

QList<QIcon> AImageDirliste(bool moerk)
{
    return liste(QStringLiteral("drev"), 13, moerk);
}

QList<QIcon> ImageListMapper(bool moerk)
{
    return liste(QStringLiteral("mapper"), 16, moerk);
}

QIcon knap(const QString& navn, bool moerk)
{
    return QIcon(sti(QStringLiteral("knap/") + navn, moerk));
}

} // namespace Filboksbilleder

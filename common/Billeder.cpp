#include "Billeder.h"

namespace Billeder {

QIcon billede(const QString& navn, bool moerk)
{
    const QString mappe =
        moerk ? QStringLiteral(":/billeder/moerk/") : QStringLiteral(":/billeder/lys/");
    return QIcon(mappe + navn + QStringLiteral(".svg"));
}

QList<QIcon> liste(bool moerk)
{
    static constexpr int brugte[] = {0,  1,  2,  5,  6,  7,  8,  9,  10, 11,
                                     14, 15, 16, 18, 19, 20, 21, 22, 23};
    QList<QIcon> ud(antal);
    for (int sted : brugte)
        ud[sted] = billede(QString::number(sted), moerk);
    return ud;
}

} // namespace Billeder

#include "Billeder.h"

namespace Billeder {

QList<QIcon> liste(bool moerk)
{
    static constexpr int brugte[] = {0,  1,  2,  5,  6,  7,  8,  9,  10, 11,
                                     14, 15, 16, 18, 19, 20, 21, 22, 23};
    const QString mappe =
        moerk ? QStringLiteral(":/billeder/moerk/") : QStringLiteral(":/billeder/lys/");
    QList<QIcon> ud(antal);
    for (int sted : brugte)
        ud[sted] = QIcon(mappe + QString::number(sted) + QStringLiteral(".svg"));
    return ud;
}

} // namespace Billeder

#include "Placering.h"

#include <algorithm>

namespace Placering {

Resultat beregn(Valg valg, const QRect& ramme, const QSize& skaerm, const QRect& flade)
{
    QSize s = ramme.size();
    const bool side = valg == Venstre || valg == Hoejre;
    const bool kant = valg == Top || valg == Bund;
    if (side && s.width() == skaerm.width())
        s.setWidth(s.height() + 24);
    if (kant && s.height() == skaerm.height() - 40)
        s.setHeight(s.width() - 24);
    s = s.boundedTo(flade.size()).expandedTo(QSize(1, 1));

    QRect ud(flade.topLeft(), s);
    switch (valg) {
    case Hjoerne:
        return {ud, std::nullopt};
    case Venstre:
        ud.setHeight(flade.height());
        return {ud, Options::Hoejre};
    case Hoejre:
        ud.setHeight(flade.height());
        ud.moveRight(flade.right());
        return {ud, Options::Venstre};
    case Top:
        ud.setWidth(flade.width());
        return {ud, Options::Top};
    case Bund:
        ud.setWidth(flade.width());
        ud.moveBottom(flade.bottom());
        return {ud, Options::Bund};
    }
    return {ramme, std::nullopt};
}

} // namespace Placering

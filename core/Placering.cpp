#include "Placering.h"

namespace Placering {

Resultat beregn(Valg valg, const QRect& ramme, const QRect& flade, const QSize& mindst,
                const QSize& stoerst)
{
    QSize s = ramme.size();
    const bool side = valg == Venstre || valg == Hoejre;
    const bool kant = valg == Top || valg == Bund;
    // A window docked at one side spans the work area, so docking it at the
    // next side first turns it: otherwise it would cover the whole screen.
    if (side && s.width() >= flade.width())
        s.setWidth(s.height() + 24);
    if (kant && s.height() >= flade.height())
        s.setHeight(s.width() - 24);
    if (side)
        s.setHeight(flade.height());
    if (kant)
        s.setWidth(flade.width());
    s = s.expandedTo(mindst).boundedTo(stoerst).boundedTo(flade.size()).expandedTo(QSize(1, 1));

    QRect ud(flade.topLeft(), s);
    switch (valg) {
    case Hjoerne:
        return {ud, std::nullopt};
    case Venstre:
        return {ud, Options::Hoejre};
    case Hoejre:
        ud.moveRight(flade.right());
        return {ud, Options::Venstre};
    case Top:
        return {ud, Options::Top};
    case Bund:
        ud.moveBottom(flade.bottom());
        return {ud, Options::Bund};
    }
    return {ramme, std::nullopt};
}

} // namespace Placering

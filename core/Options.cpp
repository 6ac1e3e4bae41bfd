#include "Options.h"

#include "Linjefil.h"
#include "Skaermplads.h"

namespace {

using Linjefil::tal;
using Skaermplads::koordinat;
using Skaermplads::stoerrelse;

QString tekst(const QStringList& linjer, int i, const QString& standard)
{
    return i < linjer.size() && !linjer.at(i).isEmpty() ? linjer.at(i) : standard;
}

} // namespace

Options Options::fraLinjer(const QStringList& linjer, const QString& standardInitDir)
{
    Options o;
    o.designName = tekst(linjer, 0, o.designName);
    o.gruppenavn = linjer.value(1);
    o.pWidth = stoerrelse(linjer, 2).value_or(o.pWidth);
    o.pHeight = stoerrelse(linjer, 3).value_or(o.pHeight);
    o.pLeft = koordinat(linjer, 4).value_or(o.pLeft);
    o.pTop = koordinat(linjer, 5).value_or(o.pTop);
    o.boksHeight = stoerrelse(linjer, 6).value_or(o.boksHeight);
    o.boksTop = koordinat(linjer, 7).value_or(o.boksTop);
    o.boksLeft = koordinat(linjer, 8).value_or(o.boksLeft);
    o.boksWidth = stoerrelse(linjer, 9).value_or(o.boksWidth);
    o.egenskaberHeight = stoerrelse(linjer, 10);
    o.egenskaberTop = koordinat(linjer, 11).value_or(o.egenskaberTop);
    o.egenskaberLeft = koordinat(linjer, 12).value_or(o.egenskaberLeft);
    o.egenskaberWidth = stoerrelse(linjer, 13);
    if (const auto v = tal(linjer, 14))
        o.visning = *v == 0 ? Rapport : *v == 1 ? StoreIkoner : Liste;
    // A point size no panel can draw would make glyphs of many megabytes.
    if (const auto f = tal(linjer, 15); f && *f >= mindsteFont && *f <= stoersteFont)
        o.fontSize = *f;
    if (const auto p = tal(linjer, 16))
        o.toolbarPlace = *p == 0 ? Top : *p == 1 ? Venstre : *p == 2 ? Hoejre : Bund;
    o.toolbarVisible = Linjefil::heltal(linjer, 17, 1) != 0;
    o.menuVis = Linjefil::heltal(linjer, 18, 0) != 0;
    o.initDir = tekst(linjer, 19, standardInitDir);
    return o;
}

QStringList Options::tilLinjer() const
{
    const auto n = [](int v) { return QString::number(v); };
    return {designName,
            gruppenavn,
            n(pWidth),
            n(pHeight),
            n(pLeft),
            n(pTop),
            n(boksHeight),
            n(boksTop),
            n(boksLeft),
            n(boksWidth),
            egenskaberHeight ? n(*egenskaberHeight) : QString(),
            n(egenskaberTop),
            n(egenskaberLeft),
            egenskaberWidth ? n(*egenskaberWidth) : QString(),
            n(visning),
            n(fontSize),
            n(toolbarPlace),
            toolbarVisible ? QStringLiteral("1") : QStringLiteral("0"),
            menuVis ? QStringLiteral("1") : QStringLiteral("0"),
            initDir};
}

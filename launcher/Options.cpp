#include "Options.h"

#include "Linjefil.h"

namespace {

using Linjefil::tal;

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
    o.pWidth = Linjefil::heltal(linjer, 2, o.pWidth);
    o.pHeight = Linjefil::heltal(linjer, 3, o.pHeight);
    o.pLeft = Linjefil::heltal(linjer, 4, o.pLeft);
    o.pTop = Linjefil::heltal(linjer, 5, o.pTop);
    o.boksHeight = Linjefil::heltal(linjer, 6, o.boksHeight);
    o.boksTop = Linjefil::heltal(linjer, 7, o.boksTop);
    o.boksLeft = Linjefil::heltal(linjer, 8, o.boksLeft);
    o.boksWidth = Linjefil::heltal(linjer, 9, o.boksWidth);
    o.egenskaberHeight = tal(linjer, 10);
    o.egenskaberTop = Linjefil::heltal(linjer, 11, o.egenskaberTop);
    o.egenskaberLeft = Linjefil::heltal(linjer, 12, o.egenskaberLeft);
    o.egenskaberWidth = tal(linjer, 13);
    if (const auto v = tal(linjer, 14))
        o.visning = *v == 0 ? Rapport : *v == 1 ? StoreIkoner : Liste;
    o.fontSize = Linjefil::heltal(linjer, 15, o.fontSize);
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

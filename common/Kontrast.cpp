#include "Kontrast.h"

#include <algorithm>
#include <cmath>

namespace Kontrast {

namespace {

double lys(const QColor& farve)
{
    const auto del = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const QColor c = farve.toRgb();
    return 0.2126 * del(c.redF()) + 0.7152 * del(c.greenF()) + 0.0722 * del(c.blueF());
}

// The fainter of the disabled looks: readable, but well below the text's contrast.
constexpr double slukketMaal = 2.6;

} // namespace

double forhold(const QColor& a, const QColor& b)
{
    const double la = lys(a), lb = lys(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor blanding(const QColor& a, const QColor& b, double andel)
{
    const QColor x = a.toRgb(), y = b.toRgb();
    const auto mix = [andel](double p, double q) { return p + (q - p) * andel; };
    return QColor::fromRgbF(static_cast<float>(mix(x.redF(), y.redF())),
                            static_cast<float>(mix(x.greenF(), y.greenF())),
                            static_cast<float>(mix(x.blueF(), y.blueF())));
}

QColor mindst(const QColor& fra, const QColor& mod, std::initializer_list<QColor> baggrunde,
              double maal)
{
    for (int trin = 0; trin <= 64; ++trin) {
        const QColor c = blanding(fra, mod, trin / 64.0);
        if (std::all_of(baggrunde.begin(), baggrunde.end(),
                        [&](const QColor& b) { return forhold(c, b) >= maal; }))
            return c;
    }
    return mod;
}

QColor kant(const QPalette& palet)
{
    QPalette aktiv = palet;
    aktiv.setCurrentColorGroup(QPalette::Active);
    const QColor vindue = aktiv.color(QPalette::Window);
    // A little above the rule, so rounding on screen never takes it below.
    const QColor k = mindst(vindue, aktiv.color(QPalette::Text),
                            {vindue, aktiv.color(QPalette::Base), aktiv.color(QPalette::Button)},
                            graense + 0.15);
    return palet.currentColorGroup() == QPalette::Disabled ? blanding(vindue, k, 0.45) : k;
}

QColor fokus(const QPalette& palet)
{
    const QColor fremhaev = palet.color(QPalette::Active, QPalette::Highlight);
    return mindst(fremhaev, palet.color(QPalette::Active, QPalette::Text),
                  {palet.color(QPalette::Active, QPalette::Window),
                   palet.color(QPalette::Active, QPalette::Button),
                   palet.color(QPalette::Active, QPalette::Base)},
                  graense + 0.15);
}

QColor slukket(const QColor& forgrund, const QColor& baggrund)
{
    const QColor c = mindst(baggrund, forgrund, {baggrund}, slukketMaal);
    const QColor graa = QColor::fromHslF(c.hslHueF(), c.hslSaturationF() * 0.2F, c.lightnessF());
    // Taking the hue away moves the lightness a little; the contrast stays.
    return mindst(baggrund, graa, {baggrund}, slukketMaal);
}

} // namespace Kontrast

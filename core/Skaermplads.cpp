#include "Skaermplads.h"

#include "Linjefil.h"

#include <algorithm>

namespace Skaermplads {

namespace {

std::optional<int> inden(const QStringList& linjer, int i, int fra)
{
    const auto v = Linjefil::tal(linjer, i);
    return v && *v >= fra && *v <= hoejst ? v : std::nullopt;
}

qint64 overlap(const QRect& a, const QRect& b)
{
    const QRect f = a.intersected(b);
    return f.isEmpty() ? 0 : qint64(f.width()) * f.height();
}

qint64 afstand(const QRect& a, const QRect& b)
{
    const QPoint d = a.center() - b.center();
    return qint64(d.x()) * d.x() + qint64(d.y()) * d.y();
}

} // namespace

std::optional<int> koordinat(const QStringList& linjer, int i)
{
    return inden(linjer, i, -hoejst);
}

std::optional<int> stoerrelse(const QStringList& linjer, int i)
{
    return inden(linjer, i, 1);
}

QRect tilpas(const QRect& sted, const QSize& minimum, const QList<QRect>& flader)
{
    if (flader.isEmpty())
        return QRect(sted.topLeft(), sted.size().expandedTo(minimum).expandedTo(mindst));
    // The screen that holds the title bar, else the one most covered, else the nearest.
    const auto fundet = std::find_if(flader.begin(), flader.end(),
                                     [&](const QRect& f) { return f.contains(sted.topLeft()); });
    const QRect flade =
        fundet != flader.end()
            ? *fundet
            : *std::max_element(flader.begin(), flader.end(), [&](const QRect& a, const QRect& b) {
                  const qint64 oa = overlap(a, sted), ob = overlap(b, sted);
                  return oa != ob ? oa < ob : afstand(a, sted) > afstand(b, sted);
              });
    const QSize mindste = minimum.expandedTo(mindst);
    const int w =
        std::clamp(sted.width(), mindste.width(), std::max(mindste.width(), flade.width()));
    const int h =
        std::clamp(sted.height(), mindste.height(), std::max(mindste.height(), flade.height()));
    const int x = std::clamp(sted.x(), flade.left(), std::max(flade.left(), flade.right() + 1 - w));
    const int y = std::clamp(sted.y(), flade.top(), std::max(flade.top(), flade.bottom() + 1 - h));
    return QRect(x, y, w, h);
}

} // namespace Skaermplads

#include "Skaermflader.h"

#include <QGuiApplication>
#include <QScreen>

namespace Skaermplads {

QRect tilpas(const QRect& sted, const QSize& minimum)
{
    QList<QRect> flader;
    for (const QScreen* s : QGuiApplication::screens())
        flader << s->availableGeometry();
    return tilpas(sted, minimum, flader);
}

} // namespace Skaermplads

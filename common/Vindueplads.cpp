#include "Vindueplads.h"

#include "Filvagt.h"
#include "Linjefil.h"
#include "Skaermflader.h"

#include <QWidget>

namespace Vindueplads {

namespace {

QStringList linjer(const QWidget* vindue)
{
    return {QString::number(vindue->pos().y()), QString::number(vindue->pos().x()),
            QString::number(vindue->width()), QString::number(vindue->height())};
}

} // namespace

QRect hent(Filvagt& vagt, const QString& filnavn, const QRect& standard)
{
    const QStringList l = vagt.hent(filnavn, Linjefil::Graense::indstillinger);
    return QRect(Skaermplads::koordinat(l, 1).value_or(standard.left()),
                 Skaermplads::koordinat(l, 0).value_or(standard.top()),
                 Skaermplads::stoerrelse(l, 2).value_or(standard.width()),
                 Skaermplads::stoerrelse(l, 3).value_or(standard.height()));
}

void anvend(QWidget* vindue, Filvagt& vagt, const QString& filnavn, const QRect& standard)
{
    QRect sted = hent(vagt, filnavn, standard);
    sted.setSize(sted.size().boundedTo(vindue->maximumSize()));
    sted = Skaermplads::tilpas(sted, vindue->minimumSize());
    vindue->move(sted.topLeft());
    vindue->resize(sted.size());
    // Where an unreadable file put the window is no change of the user's.
    vagt.grundlag(filnavn, linjer(vindue));
}

QString gem(Filvagt& vagt, const QString& filnavn, const QWidget* vindue)
{
    return vagt.gem(filnavn, linjer(vindue));
}

} // namespace Vindueplads

#include "Vindueplads.h"

#include "Linjefil.h"

#include <QWidget>

namespace Vindueplads {

QRect hent(const QString& filnavn, const QRect& standard)
{
    const QStringList linjer = Linjefil::hent(filnavn);
    const int top = Linjefil::heltal(linjer, 0, standard.top());
    const int left = Linjefil::heltal(linjer, 1, standard.left());
    const int width = Linjefil::heltal(linjer, 2, standard.width());
    const int height = Linjefil::heltal(linjer, 3, standard.height());
    return QRect(left, top, width, height);
}

void anvend(QWidget* vindue, const QString& filnavn, const QRect& standard)
{
    const QRect sted = hent(filnavn, standard);
    vindue->move(sted.topLeft());
    vindue->resize(sted.size().expandedTo(vindue->minimumSize()));
}

QString gem(const QString& filnavn, const QWidget* vindue)
{
    return Linjefil::gem(filnavn,
                         {QString::number(vindue->pos().y()), QString::number(vindue->pos().x()),
                          QString::number(vindue->width()), QString::number(vindue->height())});
}

} // namespace Vindueplads

#include "Egenskabsfil.h"

#include "Filvagt.h"
#include "Linjefil.h"

#include <QFileInfo>

namespace {

bool tjek(const QStringList& linjer, int i, bool& vaerdi)
{
    bool ok = false;
    const int v = linjer.value(i).trimmed().toInt(&ok);
    if (ok)
        vaerdi = v != 0;
    return ok;
}

} // namespace

Egenskabsfil Egenskabsfil::fraLinjer(const QStringList& linjer, bool findes)
{
    Egenskabsfil e;
    if (!findes)
        return e;
    if (!tjek(linjer, 0, e.tray) || !tjek(linjer, 1, e.minimer) || linjer.size() < 3)
        return e;
    e.tavlumFilename = linjer.at(2);
    return e;
}

Egenskabsfil Egenskabsfil::hent(Filvagt& vagt, const QString& filnavn)
{
    const QStringList linjer = vagt.hent(filnavn, Linjefil::Graense::indstillinger);
    // A file that cannot be read counts as missing, and stays as it is until saved otherwise.
    const Egenskabsfil e =
        fraLinjer(linjer, QFileInfo::exists(filnavn) && !vagt.ulaeselig(filnavn));
    vagt.grundlag(filnavn, e.tilLinjer());
    return e;
}

QString Egenskabsfil::filnavn(const QString& brugermappe)
{
    return brugermappe + QStringLiteral("/egenskaber.txt");
}

QStringList Egenskabsfil::tilLinjer() const
{
    return {tray ? QStringLiteral("1") : QStringLiteral("0"),
            minimer ? QStringLiteral("1") : QStringLiteral("0"), tavlumFilename};
}

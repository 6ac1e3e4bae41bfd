#include "Egenskabsfil.h"

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

Egenskabsfil Egenskabsfil::hent(const QString& filnavn)
{
    return fraLinjer(Linjefil::hent(filnavn), QFileInfo::exists(filnavn));
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

#include "Filvagt.h"

#include "Linjefil.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString noegle(const QString& filnavn)
{
    return QFileInfo(filnavn).absoluteFilePath();
}

} // namespace

QStringList Filvagt::hent(const QString& filnavn, qint64 hoejst)
{
    Linjefil::Laesning l = Linjefil::laes(filnavn, hoejst);
    const QString n = noegle(filnavn);
    if (l.udfald != Linjefil::Laesning::Ulaeselig) {
        m_grundlag.remove(n);
        return std::move(l.linjer);
    }
    m_grundlag.insert(n, {});
    if (!m_fortalt.contains(n)) {
        m_fortalt.insert(n);
        m_nye.append(QDir::toNativeSeparators(n));
    }
    return {};
}

bool Filvagt::ulaeselig(const QString& filnavn) const
{
    return m_grundlag.contains(noegle(filnavn));
}

void Filvagt::grundlag(const QString& filnavn, const QStringList& linjer)
{
    if (auto it = m_grundlag.find(noegle(filnavn)); it != m_grundlag.end())
        *it = linjer;
}

QString Filvagt::gem(const QString& filnavn, const QStringList& linjer)
{
    const QString n = noegle(filnavn);
    if (const auto it = m_grundlag.constFind(n); it != m_grundlag.cend() && *it == linjer)
        return {};
    QString fejl = Linjefil::gem(filnavn, linjer);
    if (fejl.isEmpty())
        m_grundlag.remove(n);
    return fejl;
}

QStringList Filvagt::nyeUlaeselige()
{
    return std::exchange(m_nye, {});
}

QString Filvagt::besked(const QStringList& filer)
{
    const bool en = filer.size() == 1;
    return (en ? QStringLiteral("Tavlum kunne ikke læse denne fil, fordi den er beskadiget eller "
                                "for stor:\r")
               : QStringLiteral("Tavlum kunne ikke læse disse filer, fordi de er beskadigede "
                                "eller for store:\r")) +
           filer.join(QLatin1Char('\r')) +
           (en ? QStringLiteral("\rTavlum bruger standardværdierne i stedet og skriver ikke over "
                                "filen, før du selv ændrer det, den indeholder.")
               : QStringLiteral("\rTavlum bruger standardværdierne i stedet og skriver ikke over "
                                "filerne, før du selv ændrer det, de indeholder."));
}

QStringList Filvagt::hent(Filvagt* vagt, const QString& filnavn, qint64 hoejst)
{
    return vagt ? vagt->hent(filnavn, hoejst) : Linjefil::hent(filnavn, hoejst);
}

QString Filvagt::gem(Filvagt* vagt, const QString& filnavn, const QStringList& linjer)
{
    return vagt ? vagt->gem(filnavn, linjer) : Linjefil::gem(filnavn, linjer);
}

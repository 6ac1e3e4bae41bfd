#include "Filvagt.h"

#include "Linjefil.h"
#include "Sikkerhedskopi.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

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

bool Filvagt::uaendret(const QString& filnavn, const QStringList& linjer) const
{
    const auto it = m_grundlag.constFind(noegle(filnavn));
    return it != m_grundlag.cend() && *it == linjer;
}

QString Filvagt::gem(const QString& filnavn, const QStringList& linjer)
{
    if (uaendret(filnavn, linjer))
        return {};
    // A copy that fails is told once by whoever saves; the save goes on.
    if (m_kopi)
        m_kopi->foerAendring(filnavn);
    QString fejl = Linjefil::gem(filnavn, linjer);
    if (fejl.isEmpty())
        m_grundlag.remove(noegle(filnavn));
    return fejl;
}

void Filvagt::foerSletning(const QStringList& filnavne)
{
    if (!m_kopi)
        return;
    for (const QString& f : filnavne)
        if (!f.isEmpty())
            m_kopi->foerAendring(f);
}

QStringList Filvagt::nyeUlaeselige()
{
    return std::exchange(m_nye, {});
}

QString Filvagt::besked(const QStringList& filer)
{
    const bool en = filer.size() == 1;
    // Files of one folder are named by their names, with the folder once.
    const QString mappe = QFileInfo(filer.value(0)).path();
    const bool samlet = std::all_of(filer.begin(), filer.end(),
                                    [&](const QString& f) { return QFileInfo(f).path() == mappe; });
    QStringList navne;
    for (const QString& f : filer)
        navne << (samlet ? QFileInfo(f).fileName() : f);
    return (en ? QStringLiteral("Tavlum kunne ikke læse denne fil, fordi den er beskadiget eller "
                                "for stor:\r\r")
               : QStringLiteral("Tavlum kunne ikke læse disse filer, fordi de er beskadigede "
                                "eller for store:\r\r")) +
           navne.join(QLatin1Char('\r')) +
           (samlet ? QStringLiteral("\r\ri mappen ") + QDir::toNativeSeparators(mappe)
                   : QString()) +
           (en ? QStringLiteral("\r\rTavlum bruger standardværdierne i stedet og skriver ikke "
                                "over filen, før du selv ændrer det, den indeholder.")
               : QStringLiteral("\r\rTavlum bruger standardværdierne i stedet og skriver ikke "
                                "over filerne, før du selv ændrer det, de indeholder."));
}

QStringList Filvagt::hent(Filvagt* vagt, const QString& filnavn, qint64 hoejst)
{
    return vagt ? vagt->hent(filnavn, hoejst) : Linjefil::hent(filnavn, hoejst);
}

QString Filvagt::gem(Filvagt* vagt, const QString& filnavn, const QStringList& linjer)
{
    return vagt ? vagt->gem(filnavn, linjer) : Linjefil::gem(filnavn, linjer);
}

#include "Filvagt.h"

#include "Filskriver.h"
#include "Linjefil.h"
#include "Sikkerhedskopi.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

QString noegle(const QString& filnavn)
{
    return QFileInfo(filnavn).absoluteFilePath();
}

// Two changes of the same lines joined place by place: each place takes the
// side that changed it; nothing when both changed one place or the length.
std::optional<QStringList> fletPladser(const QStringList& grund, const QStringList& egne,
                                       const QStringList& andres)
{
    if (egne.size() != grund.size() || andres.size() != grund.size())
        return std::nullopt;
    QStringList ud = andres;
    for (qsizetype i = 0; i < grund.size(); ++i) {
        if (egne.at(i) == grund.at(i))
            continue;
        if (andres.at(i) != grund.at(i) && andres.at(i) != egne.at(i))
            return std::nullopt;
        ud[i] = egne.at(i);
    }
    return ud;
}

// Two changes of a list joined line by line: the other side's list, less what
// the program took out, and with what it added at the end.
QStringList fletListe(const QStringList& grund, const QStringList& egne, const QStringList& andres)
{
    QStringList ud;
    for (const QString& l : andres)
        if (!grund.contains(l) || egne.contains(l))
            ud << l;
    for (const QString& l : egne)
        if (!grund.contains(l) && !ud.contains(l))
            ud << l;
    return ud;
}

// Where the program's own lines go when they cannot join another's change.
QString tilsidenavn(const QString& filnavn)
{
    const QFileInfo info(filnavn);
    return info.dir().filePath(
        info.completeBaseName() + QStringLiteral(" (Tavlums udgave ") +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh.mm.ss")) +
        QStringLiteral(").") + info.suffix());
}

} // namespace

struct Filvagt::Udfald
{
    enum Slags { Skriv, Spring, Konflikt };
    Slags slags = Skriv;
    QStringList linjer; // what is written, or what the other side wrote
};

QStringList Filvagt::hent(const QString& filnavn, qint64 hoejst)
{
    Linjefil::Laesning l = Linjefil::laes(filnavn, hoejst);
    const QString n = noegle(filnavn);
    if (l.udfald != Linjefil::Laesning::Ulaeselig) {
        m_grundlag.remove(n);
        m_kendt.insert(n, l.linjer);
        return std::move(l.linjer);
    }
    m_kendt.remove(n);
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
    return gem(QList<Aendring>{{filnavn, linjer}});
}

void Filvagt::somListe(const QString& filnavn)
{
    m_lister.insert(noegle(filnavn));
}

std::optional<QStringList> Filvagt::kendt(const QString& filnavn) const
{
    const auto it = m_kendt.constFind(noegle(filnavn));
    return it == m_kendt.cend() ? std::nullopt : std::optional<QStringList>(*it);
}

Filvagt::Udfald Filvagt::flet(const QString& n, const Aendring& a) const
{
    if (uaendret(a.filnavn, a.linjer))
        return {Udfald::Spring, {}};
    const auto kendt = m_kendt.constFind(n);
    // Nothing there to keep: what cannot be written is told by the writer.
    if (kendt == m_kendt.cend() || !QFileInfo(a.filnavn).isFile())
        return {Udfald::Skriv, a.linjer};
    Linjefil::Laesning nu = Linjefil::laes(a.filnavn, Linjefil::Graense::grupper);
    if (nu.udfald != Linjefil::Laesning::Laest)
        return {Udfald::Konflikt, {}};
    if (nu.linjer == *kendt)
        return {Udfald::Skriv, a.linjer};
    // Changed outside since read: the program's side may have nothing to add.
    if (nu.linjer == a.linjer || a.linjer == *kendt)
        return {Udfald::Spring, std::move(nu.linjer)};
    if (m_lister.contains(n))
        return {Udfald::Skriv, fletListe(*kendt, a.linjer, nu.linjer)};
    if (std::optional<QStringList> flettet = fletPladser(*kendt, a.linjer, nu.linjer))
        return {Udfald::Skriv, std::move(*flettet)};
    return {Udfald::Konflikt, std::move(nu.linjer)};
}

QString Filvagt::gem(const QList<Aendring>& filer)
{
    QList<Aendring> skrives;
    QList<Aendring> konflikter;
    for (const Aendring& a : filer) {
        if (const QString fejl = Linjefil::linjeFejl(a.linjer); !fejl.isEmpty())
            return Filskriver::fejltekst(a.filnavn, fejl);
        const QString n = noegle(a.filnavn);
        Udfald u = flet(n, a);
        if (u.slags == Udfald::Konflikt)
            konflikter << a;
        else if (u.slags == Udfald::Skriv)
            skrives << Aendring{a.filnavn, std::move(u.linjer)};
        else if (u.linjer == a.linjer)
            m_kendt.insert(n, a.linjer);
    }
    // Files that belong together are kept together: one that cannot be joined
    // keeps the other side's version of all of them.
    if (!konflikter.isEmpty())
        return gemTilside(konflikter + skrives);
    if (skrives.isEmpty())
        return {};
    QList<Filskriver::Fil> bytes;
    for (const Aendring& a : std::as_const(skrives)) {
        // A copy that fails is told by whoever saves; the save goes on.
        if (m_kopi)
            m_kopi->foerAendring(a.filnavn);
        bytes << Filskriver::Fil{a.filnavn, Linjefil::bytesTil(a.filnavn, a.linjer)};
    }
    if (QString fejl = Filskriver::skrivSammen(bytes); !fejl.isEmpty())
        return fejl;
    for (const Aendring& a : std::as_const(skrives)) {
        m_grundlag.remove(noegle(a.filnavn));
        m_kendt.insert(noegle(a.filnavn), a.linjer);
    }
    return {};
}

QString Filvagt::gemTilside(const QList<Aendring>& egne)
{
    QStringList filer, tilside;
    QString fejl;
    for (const Aendring& a : egne) {
        const QString side = tilsidenavn(a.filnavn);
        if (fejl.isEmpty())
            fejl = Linjefil::gem(side, a.linjer);
        filer << QDir::toNativeSeparators(a.filnavn);
        tilside << QDir::toNativeSeparators(side);
        // From now on the file on disk is the one to join with.
        const Linjefil::Laesning nu = Linjefil::laes(a.filnavn, Linjefil::Graense::grupper);
        if (nu.udfald == Linjefil::Laesning::Laest)
            m_kendt.insert(noegle(a.filnavn), nu.linjer);
    }
    const QString start =
        (filer.size() == 1 ? QStringLiteral("Filen\r%1\rer ændret af et andet program, siden "
                                            "Tavlum læste den.")
                           : QStringLiteral("Filerne\r%1\rer ændret af et andet program, siden "
                                            "Tavlum læste dem."))
            .arg(filer.join(u'\r'));
    if (!fejl.isEmpty())
        return start + QStringLiteral("\rTavlum har beholdt den ændrede udgave, men kunne ikke "
                                      "gemme sine egne ændringer ved siden af:\r") + fejl;
    return start + QStringLiteral("\rTavlum har beholdt den ændrede udgave og gemt sine egne "
                                  "ændringer ved siden af i\r") + tilside.join(u'\r');
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
    Filvagt egen;
    return (vagt ? *vagt : egen).gem(filnavn, linjer);
}

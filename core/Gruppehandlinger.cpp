// What the group window does to the groups: new, sorted, deleted, renamed and
// stored groups, apart from the widgets that show them.
#include "Grupper.h"

#include "Filvagt.h"

#include <QCollator>
#include <QFile>
#include <algorithm>

namespace {

QString manglerNavn()
{
    return QStringLiteral("Der mangler et gruppenavn!");
}

QString findesAllerede(const QString& navn)
{
    return QStringLiteral("Der findes allerede en gruppe med navnet ") + navn + QStringLiteral("!");
}

// The entry of the list that is `navn` but for case; empty when none is.
QString sammeNavn(const QStringList& liste, const QString& navn)
{
    for (const QString& anden : liste)
        if (anden.compare(navn, Qt::CaseInsensitive) == 0)
            return anden;
    return {};
}

} // namespace

QString Grupper::nyGruppeFejl(const QString& navn) const
{
    if (navn.isEmpty())
        return manglerNavn();
    // Two entries of one name would share, and delete, each other's files.
    if (const QString findes = sammeNavn(gruppeliste + lagerliste, navn); !findes.isEmpty())
        return findesAllerede(findes);
    return navnFejl(navn, gruppeliste + lagerliste);
}

QString Grupper::nyGruppe(const QString& navn)
{
    QString fejl = nyGruppeFejl(navn);
    if (fejl.isEmpty())
        gruppeliste.append(navn);
    return fejl;
}

void Grupper::sorter()
{
    QCollator orden{QLocale()};
    orden.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(gruppeliste.begin(), gruppeliste.end(), orden);
}

QString Grupper::sletAktiv()
{
    if (gruppenavn.isEmpty())
        return manglerNavn();
    const qsizetype sted = gruppeliste.indexOf(gruppenavn);
    if (sted >= 0)
        gruppeliste.removeAt(sted);
    // Files that another entry still names (lists edited by hand) stay.
    const QString del = filnavnsdel(gruppenavn);
    const QStringList alle = gruppeliste + lagerliste;
    if (std::none_of(alle.cbegin(), alle.cend(), [&](const QString& a) {
            return filnavnsdel(a).compare(del, Qt::CaseInsensitive) == 0;
        })) {
        const QStringList filer{makeFilnavn(), makeTekstnavn(), makeParameternavn()};
        if (vagt)
            vagt->foerSletning(filer);
        for (const QString& f : filer)
            if (!f.isEmpty())
                QFile::remove(f);
    }
    rydAktiv();
    return {};
}

QString Grupper::omdoebAktiv(const QString& nyt)
{
    const qsizetype sted = gruppeliste.indexOf(gruppenavn);
    if (gruppenavn.isEmpty() || nyt.isEmpty() || nyt == gruppenavn || sted < 0)
        return {};
    // The group itself may change the case of its name.
    QStringList andre = gruppeliste;
    andre.removeAt(sted);
    andre += lagerliste;
    // Another group's files are never taken over or overwritten.
    if (!sammeNavn(andre, nyt).isEmpty())
        return findesAllerede(nyt);
    if (QString fejl = navnFejl(nyt, gruppeliste + lagerliste); !fejl.isEmpty())
        return fejl;
    const QString gammelFil = makeFilnavn(), gammelTekst = makeTekstnavn(),
                  gammelParametre = makeParameternavn();
    // Renamed files are changed files: the day's copy is taken first.
    if (vagt)
        vagt->foerSletning({gammelFil, gammelTekst, gammelParametre});
    gruppenavn = nyt;
    gruppeliste[sted] = nyt;
    filnavn = makeFilnavn();
    tekstnavn = makeTekstnavn();
    if (QFile::exists(gammelFil))
        QFile::rename(gammelFil, filnavn);
    if (QFile::exists(gammelTekst))
        QFile::rename(gammelTekst, tekstnavn);
    if (const QString nyParametre = makeParameternavn();
        !gammelParametre.isEmpty() && !nyParametre.isEmpty() && QFile::exists(gammelParametre))
        QFile::rename(gammelParametre, nyParametre);
    return {};
}

void Grupper::aktiver(const QString& navn)
{
    gruppenavn = navn;
    filnavn = makeFilnavn();
    tekstnavn = makeTekstnavn();
    if (!hentAktiv()) {
        programliste.clear();
        tekstliste.clear();
        parameterliste.clear();
    }
}

void Grupper::fjernDubletter(QStringList& programgrupper, QStringList& lager)
{
    programgrupper.removeDuplicates();
    lager.removeDuplicates();
    lager.removeIf([&](const QString& navn) { return programgrupper.contains(navn); });
}

void Grupper::flytGrupper(QStringList& fra, QStringList& til, const QList<int>& steder)
{
    for (int i : steder)
        til.append(fra.at(i));
    for (auto i = steder.crbegin(); i != steder.crend(); ++i)
        fra.removeAt(*i);
}

Grupper::Lagerudfald Grupper::saetLister(const QStringList& programgrupper,
                                         const QStringList& lager)
{
    Lagerudfald udfald;
    if (!gruppenavn.isEmpty()) {
        udfald.aktivRyddet = !programgrupper.contains(gruppenavn);
        udfald.besked = udfald.aktivRyddet ? QStringLiteral("Aktuelle gruppe er sat på lager!")
                                           : QStringLiteral("Forandringer gemmes!");
        if (udfald.aktivRyddet)
            rydAktiv();
    }
    gruppeliste = programgrupper;
    lagerliste = lager;
    return udfald;
}

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

} // namespace

QString Grupper::nyGruppeFejl(const QString& navn) const
{
    if (navn.isEmpty())
        return manglerNavn();
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
    if (vagt)
        vagt->foerSletning({makeFilnavn(), makeTekstnavn(), makeParameternavn()});
    QFile::remove(makeFilnavn());
    QFile::remove(makeTekstnavn());
    if (const QString p = makeParameternavn(); !p.isEmpty())
        QFile::remove(p);
    if (const qsizetype sted = gruppeliste.indexOf(gruppenavn); sted >= 0)
        gruppeliste.removeAt(sted);
    rydAktiv();
    return {};
}

QString Grupper::omdoebAktiv(const QString& nyt)
{
    const qsizetype sted = gruppeliste.indexOf(gruppenavn);
    if (gruppenavn.isEmpty() || nyt.isEmpty() || nyt == gruppenavn || sted < 0)
        return {};
    if (QString fejl = navnFejl(nyt, gruppeliste + lagerliste); !fejl.isEmpty())
        return fejl;
    // Another group's files are never taken over or overwritten.
    if (gruppeliste.contains(nyt) || lagerliste.contains(nyt))
        return QStringLiteral("Der findes allerede en gruppe med navnet ") + nyt +
               QStringLiteral("!");
    const QString gammelFil = makeFilnavn(), gammelTekst = makeTekstnavn(),
                  gammelParametre = makeParameternavn();
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

// The "Grupper" page: new, sorted, deleted and renamed groups.
#include "boks.h"

#include "Beskeder.h"
#include "Boksdele.h"
#include "main.h"

#include <QCollator>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <algorithm>

void Tboksform::gruppelisteAendret()
{
    Grupper& g = m_hub.grupper;
    m_hub.gemListe(m_hub.mapper().gruppefilnavn, g.gruppeliste);
    fyld(gruppeBoks, g.gruppeliste);
    fyld(Box, g.gruppeliste);
    opdaterLager();
    m_hub.opdaterAktioner();
}

void Tboksform::nyGruppeKnapClick()
{
    Grupper& g = m_hub.grupper;
    const QString navn = gEdit->text();
    if (navn.isEmpty()) {
        m_hub.beskeder().besked(QStringLiteral("Der mangler et gruppenavn!"));
        return;
    }
    if (const QString fejl = Grupper::navnFejl(navn, g.gruppeliste + g.lagerliste);
        !fejl.isEmpty()) {
        m_hub.beskeder().besked(fejl);
        return;
    }
    gemVentendeLager();
    g.gruppeliste.append(navn);
    gruppelisteAendret();
    gEdit->clear();
    // Without an active group there is nowhere to put elements: the new group is it.
    if (g.gruppenavn.isEmpty())
        SkiftGruppe(static_cast<int>(g.gruppeliste.size()) - 1);
}

void Tboksform::sorterKnapClick()
{
    QCollator orden{QLocale()};
    orden.setCaseSensitivity(Qt::CaseInsensitive);
    gemVentendeLager();
    QStringList& liste = m_hub.grupper.gruppeliste;
    std::stable_sort(liste.begin(), liste.end(), orden);
    gruppelisteAendret();
}

void Tboksform::sletKnapClick()
{
    Grupper& g = m_hub.grupper;
    // The storage tab may have taken the active group away.
    gemVentendeLager();
    if (g.gruppenavn.isEmpty()) {
        m_hub.beskeder().besked(QStringLiteral("Der mangler et gruppenavn!"));
        return;
    }
    if (!m_hub.beskeder().spoerg(QStringLiteral("Skal programgruppen ") + g.gruppenavn +
                                 QStringLiteral(" slettes?")))
        return;
    QFile::remove(g.makeFilnavn());
    QFile::remove(g.makeTekstnavn());
    const qsizetype sted = g.gruppeliste.indexOf(g.gruppenavn);
    if (sted >= 0)
        g.gruppeliste.removeAt(sted);
    gruppelisteAendret();
    g.rydAktiv();
    m_hub.LoadProgramBoks(true);
}

void Tboksform::redigerKnapClick()
{
    Grupper& g = m_hub.grupper;
    gemVentendeLager();
    const QString nyt = valgtGruppeEdit->text();
    const qsizetype sted = g.gruppeliste.indexOf(g.gruppenavn);
    if (g.gruppenavn.isEmpty() || nyt.isEmpty() || nyt == g.gruppenavn || sted < 0)
        return;
    if (const QString fejl = Grupper::navnFejl(nyt, g.gruppeliste + g.lagerliste);
        !fejl.isEmpty()) {
        m_hub.beskeder().besked(fejl);
        return;
    }
    // Another group's files are never taken over or overwritten.
    if (g.gruppeliste.contains(nyt) || g.lagerliste.contains(nyt)) {
        m_hub.beskeder().besked(QStringLiteral("Der findes allerede en gruppe med navnet ") + nyt +
                                QStringLiteral("!"));
        return;
    }
    const QString gammelFil = g.makeFilnavn(), gammelTekst = g.makeTekstnavn();
    g.gruppenavn = nyt;
    g.gruppeliste[sted] = nyt;
    gruppelisteAendret();
    {
        const QSignalBlocker blok(gruppeBoks);
        gruppeBoks->setCurrentRow(static_cast<int>(sted));
    }
    g.filnavn = g.makeFilnavn();
    g.tekstnavn = g.makeTekstnavn();
    // A rename never replaces an existing file; a failed one is silent.
    if (QFile::exists(gammelFil))
        QFile::rename(gammelFil, g.filnavn);
    if (QFile::exists(gammelTekst))
        QFile::rename(gammelTekst, g.tekstnavn);
    m_hub.setOverskrift(nyt);
}

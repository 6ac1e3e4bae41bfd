// The "Grupper" page: new, sorted, deleted and renamed groups.
#include "boks.h"

#include "Beskeder.h"
#include "Boksdele.h"
#include "DataMapper.h"
#include "Grupper.h"
#include "Hub.h"

#include <QLineEdit>
#include <QListWidget>

void Tboksform::gruppelisteAendret()
{
    Grupper& g = m_hub.grupperne();
    m_hub.gemListe(m_hub.mapper().gruppefilnavn, g.gruppeliste);
    fyldGruppeBoks();
    fyld(Box, g.gruppeliste);
    opdaterLager();
    m_hub.opdaterAktioner();
}

void Tboksform::nyGruppeKnapClick()
{
    Grupper& g = m_hub.grupperne();
    const QString navn = gEdit->text();
    if (const QString fejl = g.nyGruppeFejl(navn); !fejl.isEmpty()) {
        m_hub.beskeder().besked(fejl);
        return;
    }
    gemVentendeLager();
    if (const QString fejl = g.nyGruppe(navn); !fejl.isEmpty()) {
        m_hub.beskeder().besked(fejl);
        return;
    }
    gruppelisteAendret();
    gEdit->clear();
    // Without an active group there is nowhere to put elements: the new group is it.
    if (g.gruppenavn.isEmpty())
        SkiftGruppe(static_cast<int>(g.gruppeliste.size()) - 1);
}

void Tboksform::sorterKnapClick()
{
    gemVentendeLager();
    m_hub.grupperne().sorter();
    gruppelisteAendret();
}

void Tboksform::sletKnapClick()
{
    Grupper& g = m_hub.grupperne();
    // The storage tab may have taken the active group away.
    gemVentendeLager();
    if (g.gruppenavn.isEmpty()) {
        m_hub.beskeder().besked(g.sletAktiv());
        return;
    }
    if (!m_hub.beskeder().spoerg(QStringLiteral("Skal programgruppen ") + g.gruppenavn +
                                 QStringLiteral(" slettes?")))
        return;
    (void)g.sletAktiv();
    gruppelisteAendret();
    m_hub.LoadProgramBoks(true);
}

void Tboksform::redigerKnapClick()
{
    Grupper& g = m_hub.grupperne();
    gemVentendeLager();
    const QString foer = g.gruppenavn;
    if (const QString fejl = g.omdoebAktiv(valgtGruppeEdit->text()); !fejl.isEmpty()) {
        m_hub.beskeder().besked(fejl);
        return;
    }
    if (g.gruppenavn == foer)
        return;
    gruppelisteAendret();
    m_hub.setOverskrift(g.gruppenavn);
}

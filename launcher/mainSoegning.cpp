// The main window's find as you type, and starting a whole group.
#include "main.h"

#include "Elementmodel.h"
#include "Soegefelt.h"
#include "Soegning.h"
#include "Starter.h"

#include <QAction>
#include <QBoxLayout>
#include <QHeaderView>
#include <QListView>
#include <QMenu>

namespace {
// As the strip's group menus: more is for the panel view.
constexpr int hoejstISoegemenu = 1000;
} // namespace

void Tmainform::lavSoegning()
{
    m_soegning = std::make_unique<Soegning>();
    m_soegemodel = new Elementmodel(*m_ikonvalg, this);
    m_soegefelt = new Soegefelt(this);
    m_soegefelt->hide();
    connect(m_soegefelt, &QLineEdit::textChanged, this, &Tmainform::soeg);
    connect(m_soegefelt, &Soegefelt::flyt, this, &Tmainform::flytSoegevalg);
    connect(m_soegefelt, &Soegefelt::start, this, &Tmainform::startSoegevalg);
    connect(m_soegefelt, &Soegefelt::luk, this, &Tmainform::afslutSoegning);
    m_soegemenu = new QMenu(this);
    m_soegemenu->setObjectName(QStringLiteral("soegemenu"));
    m_soegemenu->setToolTipsVisible(true);
    connect(m_soegemenu, &QMenu::triggered, this,
            [this](QAction* punkt) { startSoegeresultat(punkt->data().toInt()); });
    placerSoegefelt();
}

void Tmainform::placerSoegefelt()
{
    if (opts.menuVis) {
        m_soegefelt->setFixedWidth(180);
        m_stripLag->insertWidget(1, m_soegefelt);
    } else {
        m_soegefelt->setMinimumWidth(0);
        m_soegefelt->setMaximumWidth(QWIDGETSIZE_MAX);
        m_panelLag->insertWidget(0, m_soegefelt);
    }
}

bool Tmainform::soeger() const
{
    return m_soegefelt && !m_soegefelt->isHidden();
}

void Tmainform::visSoegning()
{
    if (!soeger()) {
        // Read anew each time, so a group changed since is found as it is now.
        m_soegning->indlaes(grupper);
        m_soegefelt->show();
    }
    m_soegefelt->selectAll();
    m_soegefelt->setFocus(Qt::ShortcutFocusReason);
}

void Tmainform::afslutSoegning()
{
    if (!soeger())
        return;
    const bool fokus = m_soegefelt->hasFocus();
    m_soegefelt->hide();
    {
        const QSignalBlocker blok(m_soegefelt);
        m_soegefelt->clear();
    }
    m_soegemodel->nulstil({}, {});
    visModel(elementer);
    setOverskrift(grupper.gruppenavn);
    tilpasGitter();
    opdaterAktioner();
    if (fokus)
        fokuserVisning();
}

Elementmodel& Tmainform::vistModel() const
{
    return programBoks->model() == m_soegemodel ? *m_soegemodel : *elementer;
}

void Tmainform::visModel(Elementmodel* model)
{
    if (programBoks->model() == model)
        return;
    QItemSelectionModel* gammel = programBoks->selectionModel();
    programBoks->setModel(model);
    delete gammel;
    connect(programBoks->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &Tmainform::opdaterAktioner);
}

void Tmainform::soeg(const QString& tekst)
{
    if (!soeger())
        return;
    if (tekst.simplified().isEmpty()) {
        m_soegning->filtrer({});
        visModel(elementer);
        setOverskrift(grupper.gruppenavn);
    } else {
        QStringList filer, tekster, navne;
        for (int i : m_soegning->filtrer(tekst)) {
            const Soegning::Element& e = m_soegning->element(i);
            filer << e.fil;
            tekster << e.tekst;
            navne << e.gruppe;
        }
        m_soegemodel->skift(filer, tekster, navne);
        visModel(m_soegemodel);
        kolonne->model()->setHeaderData(0, Qt::Horizontal, QStringLiteral("Søgning"));
        if (!filer.isEmpty())
            programBoks->setCurrentIndex(m_soegemodel->index(0));
    }
    tilpasGitter();
    opdaterAktioner();
}

void Tmainform::flytSoegevalg(int retning)
{
    if (opts.menuVis) {
        if (retning > 0)
            visSoegemenu();
        return;
    }
    const int antal = programBoks->model()->rowCount();
    if (antal == 0)
        return;
    const int nu = programBoks->currentIndex().row();
    const int ny = std::clamp(nu < 0 ? 0 : nu + retning, 0, antal - 1);
    programBoks->setCurrentIndex(programBoks->model()->index(ny, 0));
}

void Tmainform::startSoegevalg()
{
    if (programBoks->model() != m_soegemodel || m_soegemodel->rowCount() == 0)
        return;
    int i = valgtElement();
    if (i < 0)
        i = std::max(0, programBoks->currentIndex().row());
    startSoegeresultat(i);
}

void Tmainform::startSoegeresultat(int raekke)
{
    // A copy: the results go before the launch, whose messages may take a while.
    const Soegning::Element e = m_soegning->fundet(raekke);
    afslutSoegning();
    m_starter->executeProg(e.fil, e.parametre, e.startmappe);
}

void Tmainform::visSoegemenu()
{
    m_soegemenu->clear();
    const int antal = std::min(m_soegemodel->rowCount(), hoejstISoegemenu);
    if (programBoks->model() != m_soegemodel || antal == 0)
        return;
    for (int i = 0; i < antal; ++i) {
        const QModelIndex r = m_soegemodel->index(i);
        QAction* punkt = m_soegemenu->addAction(m_soegemodel->udskudtIkon(i), r.data().toString());
        punkt->setData(i);
        punkt->setToolTip(r.data(Qt::ToolTipRole).toString());
    }
    m_soegemenu->setActiveAction(m_soegemenu->actions().constFirst());
    m_soegemenu->popup(m_soegefelt->mapToGlobal(m_soegefelt->rect().bottomLeft()));
}

void Tmainform::startAlleIGruppen()
{
    if (grupper.gruppenavn.isEmpty()) {
        beskeder().besked(QStringLiteral("Der mangler et gruppenavn!"));
        return;
    }
    QStringList parametre, startmapper;
    for (int i = 0; i < grupper.programliste.size(); ++i) {
        parametre << grupper.parametre(i);
        startmapper << grupper.startmappe(i);
    }
    m_starter->startAlle(grupper.programliste, grupper.tekstliste, parametre, startmapper);
}

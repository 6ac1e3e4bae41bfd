// The main window's find as you type, and starting a whole group.
#include "main.h"

#include "Elementmodel.h"
#include "Soegefelt.h"
#include "Soegning.h"
#include "Starter.h"

#include <QAbstractItemView>
#include <QAction>
#include <QBoxLayout>
#include <QCompleter>
#include <QHeaderView>
#include <QListView>

namespace {
// The menu view's list of results is at least this wide, for the group names.
constexpr int soegelisteBredde = 320;
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
    // The menu view has no panel: its results drop down under the field as the
    // user types, while the field keeps the keys.
    m_soegeliste = new QCompleter(m_soegemodel, this);
    m_soegeliste->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    m_soegeliste->setMaxVisibleItems(12);
    m_soegeliste->setWidget(m_soegefelt);
    m_soegeliste->popup()->setObjectName(QStringLiteral("soegeliste"));
    m_soegeliste->popup()->setAccessibleName(QStringLiteral("Søgning"));
    connect(m_soegeliste, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& valgt) { startSoegeresultat(valgt.row()); });
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
    const bool fokus = m_soegefelt->hasFocus() || m_soegeliste->popup()->isVisible();
    m_soegeliste->popup()->hide();
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
        if (opts.menuVis)
            visSoegeliste();
    }
    tilpasGitter();
    opdaterAktioner();
}

void Tmainform::flytSoegevalg(int retning)
{
    if (opts.menuVis) {
        if (retning > 0)
            visSoegeliste();
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
    // The field has Enter before the menu view's list does.
    const QAbstractItemView* liste = m_soegeliste->popup();
    int i = liste->isVisible() ? liste->currentIndex().row() : valgtElement();
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

void Tmainform::visSoegeliste()
{
    if (programBoks->model() != m_soegemodel || m_soegemodel->rowCount() == 0) {
        m_soegeliste->popup()->hide();
        return;
    }
    m_soegeliste->complete(QRect(
        QPoint(), QSize(std::max(m_soegefelt->width(), soegelisteBredde), m_soegefelt->height())));
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

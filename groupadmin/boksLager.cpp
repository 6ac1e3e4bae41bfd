// The page "Administrer grupper": groups moved to and from storage, written
// only when saved.
#include "boks.h"

#include "Beskeder.h"
#include "Billeder.h"
#include "Boksdele.h"
#include "DataMapper.h"
#include "Grupper.h"
#include "Hub.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The rows of the selected entries, or of all of them, in order.
QList<int> raekker(const QListWidget* boks, bool alle)
{
    QList<int> steder;
    for (int i = 0; i < boks->count(); ++i)
        if (alle || boks->item(i)->isSelected())
            steder.append(i);
    return steder;
}

// Refills a list box keeping the selection and the current entry of the rows
// that stay; `fjernet` are the rows taken out, ascending.
void genfyld(QListWidget* boks, const QStringList& linjer, const QList<int>& fjernet)
{
    const QList<int> valgt = raekker(boks, false);
    const int aktuel = boks->currentRow();
    fyld(boks, linjer);
    const QSignalBlocker blok(boks);
    const auto nyRaekke = [&fjernet](int raekke) {
        if (fjernet.contains(raekke))
            return -1;
        return raekke - static_cast<int>(std::count_if(fjernet.cbegin(), fjernet.cend(),
                                                       [raekke](int f) { return f < raekke; }));
    };
    if (const int r = aktuel < 0 ? -1 : nyRaekke(aktuel); r >= 0)
        boks->selectionModel()->setCurrentIndex(boks->model()->index(r, 0),
                                                QItemSelectionModel::NoUpdate);
    for (int i : valgt)
        if (const int r = nyRaekke(i); r >= 0)
            boks->item(r)->setSelected(true);
}

// Moves the selected entries, or all of them, to the end of the other list.
void flyt(QListWidget* fra, QListWidget* til, bool alle)
{
    QStringList fraLinjer = indhold(fra), tilLinjer = indhold(til);
    const QList<int> steder = raekker(fra, alle);
    Grupper::flytGrupper(fraLinjer, tilLinjer, steder);
    genfyld(fra, fraLinjer, steder);
    genfyld(til, tilLinjer, {});
}

int valgte(const QListWidget* boks)
{
    return static_cast<int>(boks->selectedItems().size());
}

// The one selected entry swapped with its neighbour, and selected again there.
void bytNabo(QListWidget* boks, int retning)
{
    const int fra = boks->row(boks->selectedItems().constFirst());
    QListWidgetItem* item = boks->takeItem(fra);
    boks->insertItem(fra + retning, item);
    boks->clearSelection();
    boks->setCurrentItem(item);
    item->setSelected(true);
}

} // namespace

QAction* Tboksform::lageraktion(QWidget* side, const QString& knapnavn, const char* billede,
                                const QString& hint, void (Tboksform::*udfoer)())
{
    auto* a = new QAction(hint, this);
    a->setProperty("billede", QLatin1String(billede));
    a->setToolTip(hint);
    a->setStatusTip(hint);
    connect(a, &QAction::triggered, this, udfoer);
    auto* k = new QToolButton(side);
    k->setObjectName(knapnavn);
    k->setDefaultAction(a);
    k->setIconSize(QSize(16, 16));
    k->setMinimumSize(32, 28);
    return a;
}

QWidget* Tboksform::lavLagerside()
{
    auto* side = new QWidget;
    side->setObjectName(QStringLiteral("side4"));
    Box = listeboks(QStringLiteral("Box"), QStringLiteral("Programgrupper"));
    lagerBox = listeboks(QStringLiteral("lagerBox"), QStringLiteral("Lagergrupper"));
    for (QListWidget* b : {Box, lagerBox}) {
        b->setSelectionMode(QAbstractItemView::ExtendedSelection);
        connect(b, &QListWidget::itemSelectionChanged, this, &Tboksform::opdaterLager);
    }
    sbInformation =
        informationsKnap(QStringLiteral("sbInformation"), QStringLiteral("Administrer grupper"));
    sbInformation->setToolButtonStyle(Qt::ToolButtonIconOnly);
    sbInformation->setMinimumSize(32, 28);
    AvalgteTilLager =
        lageraktion(side, QStringLiteral("tilLagerValgte"), "tillager",
                    QStringLiteral("Flyt valgte til lager"), &Tboksform::AvalgteTilLagerExecute);
    AvalgteTilbage =
        lageraktion(side, QStringLiteral("tilbageValgte"), "tilbage",
                    QStringLiteral("Flyt valgte tilbage"), &Tboksform::AvalgteTilbageExecute);
    AalleTilLager =
        lageraktion(side, QStringLiteral("tilLagerAlle"), "alletillager",
                    QStringLiteral("Flyt alle til lager"), &Tboksform::AalleTilLagerExecute);
    AalleTilbage =
        lageraktion(side, QStringLiteral("tilbageAlle"), "alletilbage",
                    QStringLiteral("Flyt alle tilbage"), &Tboksform::AalleTilbageExecute);
    AflytOp = lageraktion(side, QStringLiteral("flytOp"), "op", QStringLiteral("Flyt valgte op"),
                          &Tboksform::AflytOpExecute);
    AflytNed = lageraktion(side, QStringLiteral("flytNed"), "ned",
                           QStringLiteral("Flyt valgte ned"), &Tboksform::AflytNedExecute);
    AgemForandringer =
        lageraktion(side, QStringLiteral("gemKnap"), "gem", QStringLiteral("Gem de nye lister"),
                    &Tboksform::AgemForandringerExecute);

    auto* knapper = new QVBoxLayout;
    knapper->addStretch(1);
    knapper->addWidget(sbInformation);
    knapper->addSpacing(8);
    for (const char* navn :
         {"tilLagerValgte", "tilbageValgte", "tilLagerAlle", "tilbageAlle", "flytOp", "flytNed"})
        knapper->addWidget(side->findChild<QToolButton*>(QLatin1String(navn)));
    knapper->addSpacing(8);
    knapper->addWidget(side->findChild<QToolButton*>(QStringLiteral("gemKnap")));
    knapper->addStretch(1);

    auto* lag = new QGridLayout(side);
    lag->addWidget(new QLabel(QStringLiteral("Programgrupper")), 0, 0);
    lag->addWidget(new QLabel(QStringLiteral("Lager")), 0, 2);
    lag->addWidget(Box, 1, 0);
    lag->addLayout(knapper, 1, 1);
    lag->addWidget(lagerBox, 1, 2);
    lag->setColumnStretch(0, 1);
    lag->setColumnStretch(2, 1);
    return side;
}

void Tboksform::setBilleder(bool moerk)
{
    for (QAction* a : findChildren<QAction*>())
        if (const QVariant navn = a->property("billede"); navn.isValid())
            a->setIcon(Billeder::billede(navn.toString(), moerk));
    for (QToolButton* k : findChildren<QToolButton*>())
        if (const QVariant navn = k->property("billede"); navn.isValid())
            k->setIcon(Billeder::billede(navn.toString(), moerk));
}

void Tboksform::opdaterLager()
{
    const int valgtIBox = valgte(Box);
    const bool eneste = valgtIBox == 1 && Box->count() >= 2;
    const int sted = eneste ? Box->row(Box->selectedItems().constFirst()) : -1;
    AvalgteTilLager->setEnabled(Box->count() >= 1 && valgtIBox >= 1);
    AalleTilLager->setEnabled(Box->count() > 0);
    AvalgteTilbage->setEnabled(lagerBox->count() >= 1 && valgte(lagerBox) >= 1);
    AalleTilbage->setEnabled(lagerBox->count() > 0);
    AflytOp->setEnabled(eneste && sted != 0);
    AflytNed->setEnabled(eneste && sted != Box->count() - 1);
    AgemForandringer->setEnabled(listerModified);
}

void Tboksform::lagerAendret()
{
    listerModified = true;
    opdaterLager();
}

void Tboksform::AvalgteTilLagerExecute()
{
    flyt(Box, lagerBox, false);
    lagerAendret();
}

void Tboksform::AalleTilLagerExecute()
{
    flyt(Box, lagerBox, true);
    lagerAendret();
}

void Tboksform::AvalgteTilbageExecute()
{
    flyt(lagerBox, Box, false);
    lagerAendret();
}

void Tboksform::AalleTilbageExecute()
{
    flyt(lagerBox, Box, true);
    lagerAendret();
}

void Tboksform::AflytOpExecute()
{
    bytNabo(Box, -1);
    lagerAendret();
}

void Tboksform::AflytNedExecute()
{
    bytNabo(Box, 1);
    lagerAendret();
}

bool Tboksform::gemVentendeLager()
{
    if (!listerModified)
        return false;
    AgemForandringerExecute();
    return true;
}

void Tboksform::AgemForandringerExecute()
{
    Grupper& g = m_hub.grupperne();
    const Grupper::Lagerudfald udfald = g.saetLister(indhold(Box), indhold(lagerBox));
    if (udfald.aktivRyddet)
        m_hub.LoadProgramBoks(true);
    if (!udfald.besked.isEmpty())
        m_hub.beskeder().besked(udfald.besked);
    m_hub.gemListe(m_hub.mapper().gruppefilnavn, g.gruppeliste);
    fyldGruppeBoks();
    m_hub.gemListe(m_hub.mapper().lagerfilnavn, g.lagerliste);
    listerModified = false;
    opdaterLager();
    m_hub.opdaterAktioner();
}

void Tboksform::closeEvent(QCloseEvent* event)
{
    if (listerModified) {
        if (m_hub.beskeder().spoerg(QStringLiteral("Skal ændringerne gemmes?")))
            AgemForandringerExecute();
        else
            genfyldLister();
    }
    QWidget::closeEvent(event);
}

void Tboksform::BogChanging(int forrige)
{
    if (forrige == 3 && listerModified)
        AgemForandringerExecute();
}

void Tboksform::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    passHoejde();
}

void Tboksform::passHoejde()
{
    // Worked out from the layouts, not from where the pages are now, so it
    // holds before the window is first shown. The tab widget does not pass its
    // pages' height for a width on, so the pages are asked themselves.
    const QMargins kant = layout()->contentsMargins();
    const int bredde = width() - kant.left() - kant.right() -
                       2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, Bog);
    int mindst = 0;
    int noedig = 0;
    for (int i = 0; i < Bog->count(); ++i) {
        const QLayout* side = Bog->widget(i)->layout();
        mindst = std::max(mindst, side->totalMinimumSize().height());
        noedig = std::max(noedig, side->totalHeightForWidth(bredde));
    }
    const int hoejde = layout()->totalMinimumSize().height() - mindst + noedig;
    if (hoejde <= minimumHeight())
        return;
    setMinimumHeight(hoejde);
    resize(width(), std::max(height(), hoejde));
}

void Tboksform::BogChange(int side)
{
    passHoejde();
    if (side == 3) {
        fyld(Box, indhold(gruppeBoks));
        opdaterLager();
    }
}

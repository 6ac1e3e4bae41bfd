#include "boks.h"

#include "Beskeder.h"
#include "main.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QLineEdit* felt(const QString& navn, const QString& label, bool readOnly = false)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(navn);
    edit->setAccessibleName(label);
    edit->setReadOnly(readOnly);
    return edit;
}

QListWidget* listeboks(const QString& navn, const QString& tilgaengeligt)
{
    auto* boks = new QListWidget;
    boks->setObjectName(navn);
    boks->setAccessibleName(tilgaengeligt);
    return boks;
}

QPushButton* knap(const QString& navn, const QString& caption, const QString& hint)
{
    auto* k = new QPushButton(caption);
    k->setObjectName(navn);
    k->setToolTip(hint);
    k->setStatusTip(hint);
    return k;
}

QToolButton* fladKnap(const QString& navn, const QString& caption, const QString& hint)
{
    auto* k = new QToolButton;
    k->setObjectName(navn);
    k->setText(caption);
    k->setToolTip(hint);
    k->setStatusTip(hint);
    k->setAutoRaise(true);
    return k;
}

QWidget* raekke(std::initializer_list<QWidget*> knapper)
{
    auto* r = new QWidget;
    auto* lag = new QHBoxLayout(r);
    lag->setContentsMargins(0, 0, 0, 0);
    for (QWidget* k : knapper)
        lag->addWidget(k);
    lag->addStretch(1);
    return r;
}

// A page with a list at the left and labelled fields at the right.
QFormLayout* listeside(QWidget* side, const QString& navn, QWidget* liste)
{
    side->setObjectName(navn);
    auto* felter = new QFormLayout;
    felter->setRowWrapPolicy(QFormLayout::WrapAllRows);
    auto* lag = new QHBoxLayout(side);
    lag->addWidget(liste, 1);
    lag->addLayout(felter, 1);
    return felter;
}

void fyld(QListWidget* boks, const QStringList& linjer)
{
    const QSignalBlocker blok(boks);
    boks->clear();
    boks->addItems(linjer);
}

QStringList indhold(const QListWidget* boks)
{
    QStringList ud;
    for (int i = 0; i < boks->count(); ++i)
        ud.append(boks->item(i)->text());
    return ud;
}

} // namespace

Tboksform::Tboksform(Tmainform& hub, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      m_hub(hub)
{
    setWindowTitle(QStringLiteral("Administrer grupper og elementer"));
    setObjectName(QStringLiteral("boksform"));

    Bog = new QTabWidget(this);
    Bog->setObjectName(QStringLiteral("Bog"));
    // Every page's caption stays readable; the window is widened instead.
    Bog->setUsesScrollButtons(false);
    Bog->addTab(lavGruppeside(), QStringLiteral("Grupper"));
    Bog->addTab(lavIndfoerside(), QStringLiteral("Indfør element"));
    Bog->addTab(lavRedigerside(), QStringLiteral("Fjern eller rediger element"));
    Bog->addTab(lavLagerside(), QStringLiteral("Administrer grupper"));
    infoBar = new QStatusBar(this);
    infoBar->setObjectName(QStringLiteral("infoBar"));
    infoBar->setSizeGripEnabled(false);
    auto* lag = new QVBoxLayout(this);
    lag->setContentsMargins(6, 6, 6, 0);
    lag->addWidget(Bog, 1);
    lag->addWidget(infoBar);
    setMinimumSize(std::max(470, lag->minimumSize().width()), 400);

    const Options& o = hub.opts;
    move(o.boksLeft, o.boksTop);
    resize(std::max(o.boksWidth, 470), std::max(o.boksHeight, 400));

    visGruppeliste();
    rydElementer(hub.grupper.gruppenavn);
    for (int i = 0; i < hub.programBoks->count(); ++i)
        tilfoejElement(hub.programBoks->item(i)->text(), hub.programBoks->item(i)->icon());
    fyld(lagerBox, hub.grupper.lagerliste);

    connect(gruppeBoks, &QListWidget::currentRowChanged, this, &Tboksform::SkiftGruppe);
    gruppeBoks->installEventFilter(this);
}

QWidget* Tboksform::lavGruppeside()
{
    auto* side = new QWidget;
    gruppeBoks = listeboks(QStringLiteral("gruppeBoks"), QStringLiteral("Programgrupper"));
    gruppeBoks->setMinimumWidth(182);
    gEdit = felt(QStringLiteral("gEdit"), QStringLiteral("Gruppe navn"));
    nyGruppeKnap = knap(QStringLiteral("nyGruppeKnap"), QStringLiteral("Indfør"),
                        QStringLiteral("Indfør ny gruppe"));
    sorterKnap = fladKnap(QStringLiteral("sorterKnap"), QStringLiteral("Sorter listen"),
                          QStringLiteral("Sorter listen alfabetisk"));
    valgtGruppeEdit = felt(QStringLiteral("valgtGruppeEdit"), QStringLiteral("Valgt gruppe"));
    valgtGruppeEdit->setFocusPolicy(Qt::ClickFocus);
    sletKnap = knap(QStringLiteral("sletKnap"), QStringLiteral("Slet"),
                    QStringLiteral("Slet valgte gruppe"));
    redigerKnap = knap(QStringLiteral("redigerKnap"), QStringLiteral("Omdøb"),
                       QStringLiteral("Giv valgte gruppe et andet navn"));
    sbInformationsKnap = fladKnap(QStringLiteral("sbInformationsKnap"),
                                  QStringLiteral("Information"), QStringLiteral("Information"));
    QFormLayout* felter = listeside(side, QStringLiteral("side0"), gruppeBoks);
    felter->addRow(QStringLiteral("Gruppe navn"), gEdit);
    felter->addRow(raekke({nyGruppeKnap, sorterKnap}));
    felter->addRow(QStringLiteral("Valgt gruppe"), valgtGruppeEdit);
    felter->addRow(raekke({sletKnap, redigerKnap}));
    felter->addRow(raekke({sbInformationsKnap}));

    connect(nyGruppeKnap, &QPushButton::clicked, this, &Tboksform::nyGruppeKnapClick);
    connect(gEdit, &QLineEdit::returnPressed, this, &Tboksform::nyGruppeKnapClick);
    connect(sorterKnap, &QToolButton::clicked, this, &Tboksform::sorterKnapClick);
    connect(sletKnap, &QPushButton::clicked, this, &Tboksform::sletKnapClick);
    connect(redigerKnap, &QPushButton::clicked, this, &Tboksform::redigerKnapClick);
    connect(sbInformationsKnap, &QToolButton::clicked, this,
            [this] { m_hub.HelpInfo(QStringLiteral("Grupper")); });
    return side;
}

QWidget* Tboksform::lavIndfoerside()
{
    auto* side = new QWidget;
    side->setObjectName(QStringLiteral("side1"));
    gruppeEdit = felt(QStringLiteral("gruppeEdit"), QStringLiteral("Gruppe navn"), true);
    auto* lag = new QFormLayout(side);
    lag->setRowWrapPolicy(QFormLayout::WrapAllRows);
    lag->addRow(new QLabel(
        QStringLiteral("Elementer kan også droppes direkte fra Stifinder på hovedprogrammet")));
    Image = new QLabel;
    Image->setObjectName(QStringLiteral("Image"));
    Image->setFixedSize(32, 32);
    Image->setScaledContents(true);
    lag->addRow(Image);
    lag->addRow(QStringLiteral("Gruppe navn"), gruppeEdit);
    return side;
}

QWidget* Tboksform::lavRedigerside()
{
    auto* side = new QWidget;
    programBoks = new QTreeWidget;
    programBoks->setObjectName(QStringLiteral("programBoks"));
    programBoks->setAccessibleName(QStringLiteral("Elementer"));
    programBoks->setHeaderLabels({QStringLiteral("Elementer")});
    programBoks->setRootIsDecorated(false);
    programBoks->setEditTriggers(QAbstractItemView::NoEditTriggers);
    programBoks->header()->setSectionResizeMode(QHeaderView::Stretch);
    nytekstEdit = felt(QStringLiteral("nytekstEdit"), QStringLiteral("Ny tekst"));
    fraEdit = felt(QStringLiteral("fraEdit"), QStringLiteral("Nyt placering"), true);
    fraEdit->setToolTip(QStringLiteral("Nuværende placering"));
    fraEdit->setFocusPolicy(Qt::ClickFocus);
    fraEdit->setText(QStringLiteral("0"));
    gNameEdit = felt(QStringLiteral("gNameEdit"), QStringLiteral("Gruppe navn"), true);
    QFormLayout* felter = listeside(side, QStringLiteral("side2"), programBoks);
    felter->addRow(QStringLiteral("Ny tekst"), nytekstEdit);
    felter->addRow(QStringLiteral("Nyt placering"), fraEdit);
    felter->addRow(QStringLiteral("Gruppe navn"), gNameEdit);
    return side;
}

QWidget* Tboksform::lavLagerside()
{
    auto* side = new QWidget;
    side->setObjectName(QStringLiteral("side4"));
    Box = listeboks(QStringLiteral("Box"), QStringLiteral("Programgrupper"));
    Box->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lagerBox = listeboks(QStringLiteral("lagerBox"), QStringLiteral("Lagergrupper"));
    lagerBox->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* lag = new QHBoxLayout(side);
    lag->addWidget(Box, 1);
    lag->addWidget(lagerBox, 1);
    return side;
}

bool Tboksform::eventFilter(QObject* watched, QEvent* event)
{
    // A character key (Enter too) switches to the group selected at that moment.
    if (watched == gruppeBoks && event->type() == QEvent::KeyPress &&
        !static_cast<QKeyEvent*>(event)->text().isEmpty())
        SkiftGruppe(gruppeBoks->currentRow());
    return QWidget::eventFilter(watched, event);
}

void Tboksform::visGruppeliste()
{
    fyld(gruppeBoks, m_hub.grupper.gruppeliste);
    fyld(Box, m_hub.grupper.gruppeliste);
}

void Tboksform::SkiftGruppe(int Index)
{
    Grupper& g = m_hub.grupper;
    if (Index < 0 || Index >= gruppeBoks->count())
        return;
    {
        const QSignalBlocker blok(gruppeBoks);
        gruppeBoks->setCurrentRow(Index);
    }
    const QString navn = gruppeBoks->item(Index)->text();
    valgtGruppeEdit->setText(navn);
    gruppeEdit->setText(navn);
    g.gruppenavn = navn;
    g.filnavn = g.makeFilnavn();
    g.tekstnavn = g.makeTekstnavn();
    if (!g.hentAktiv()) {
        g.programliste.clear();
        g.tekstliste.clear();
        m_hub.LoadProgramBoks(true);
        return;
    }
    m_hub.LoadProgramBoks(true);
    infoBar->showMessage(QStringLiteral("Der er %1 elementer i gruppen.").arg(g.tekstliste.size()));
}

void Tboksform::MoveProgram(int Fra, int Til)
{
    if (Fra == Til)
        return;
    m_hub.grupper.flyt(Fra, Til);
    m_hub.gemAktivGruppe();
    m_hub.LoadProgramBoks(true);
}

int Tboksform::valgtGruppe() const
{
    const QListWidgetItem* item = gruppeBoks->currentItem();
    return item && item->isSelected() ? gruppeBoks->row(item) : -1;
}

void Tboksform::visSide(int side)
{
    if (side >= 0)
        Bog->setCurrentIndex(side);
    show();
    raise();
    activateWindow();
}

void Tboksform::rydElementer(const QString& gruppenavn)
{
    programBoks->clear();
    gruppeEdit->setText(gruppenavn);
    valgtGruppeEdit->setText(gruppenavn);
    gNameEdit->setText(gruppenavn);
}

void Tboksform::tilfoejElement(const QString& tekst, const QIcon& ikon)
{
    auto* item = new QTreeWidgetItem(programBoks, {tekst});
    item->setIcon(0, ikon);
    item->setCheckState(0, Qt::Unchecked);
}

void Tboksform::visElementSti(const QString& sti)
{
    if (isVisible())
        infoBar->showMessage(sti);
}

void Tboksform::visIkon(const QIcon& ikon)
{
    Image->setPixmap(ikon.pixmap(32, 32));
}

void Tboksform::elementSlettet()
{
    nytekstEdit->clear();
    fraEdit->setText(QStringLiteral("0"));
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
    Grupper& g = m_hub.grupper;
    const QStringList programgrupper = indhold(Box);
    if (!g.gruppenavn.isEmpty()) {
        if (!programgrupper.contains(g.gruppenavn)) {
            g.rydAktiv();
            m_hub.LoadProgramBoks(true);
            m_hub.beskeder().besked(QStringLiteral("Aktuelle gruppe er sat på lager!"));
        } else {
            m_hub.beskeder().besked(QStringLiteral("Forandringer gemmes!"));
        }
    }
    g.gruppeliste = programgrupper;
    m_hub.gemListe(m_hub.mapper().gruppefilnavn, g.gruppeliste);
    fyld(gruppeBoks, g.gruppeliste);
    g.lagerliste = indhold(lagerBox);
    m_hub.gemListe(m_hub.mapper().lagerfilnavn, g.lagerliste);
    listerModified = false;
    m_hub.opdaterAktioner();
}

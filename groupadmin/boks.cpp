#include "boks.h"

#include "Afkrydsning.h"
#include "Boksdele.h"
#include "Design.h"
#include "Elementmodel.h"
#include "Grupper.h"
#include "Hint.h"
#include "Hub.h"
#include "Knapper.h"
#include "Skaermflader.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
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

QLabel* tekst(const QString& s)
{
    auto* l = new QLabel(s);
    l->setWordWrap(true);
    return l;
}

// A row of controls, the first `strakt` of them taking the room there is.
QHBoxLayout* raekke(std::initializer_list<QWidget*> dele, int strakt = 0)
{
    auto* lag = new QHBoxLayout;
    int i = 0;
    for (QWidget* d : dele)
        lag->addWidget(d, i++ < strakt ? 1 : 0);
    if (strakt == 0)
        lag->addStretch(1);
    return lag;
}

// A field with its label above it.
void markeret(QVBoxLayout* kolonne, const QString& label, QLayout* felt)
{
    kolonne->addWidget(new QLabel(label));
    kolonne->addLayout(felt);
    kolonne->addSpacing(4);
}

void markeret(QVBoxLayout* kolonne, const QString& label, QWidget* felt)
{
    markeret(kolonne, label, raekke({felt}, 1));
}

// A page with a list at the left and a column of fields at the right.
QVBoxLayout* listeside(QWidget* side, const QString& navn, QWidget* liste)
{
    side->setObjectName(navn);
    auto* kolonne = new QVBoxLayout;
    auto* lag = new QHBoxLayout(side);
    lag->addWidget(liste, 1);
    lag->addLayout(kolonne, 1);
    return kolonne;
}

} // namespace

Tboksform::Tboksform(Hub& hub, QWidget* parent)
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
    setMinimumSize(std::max(470, lag->minimumSize().width()),
                   std::max(400, lag->minimumSize().height()));

    Hint::installer(this, [this](const QString& hint) { HintInfo(hint); });
    const Options& o = hub.indstillinger();
    const QRect sted =
        Skaermplads::tilpas(QRect(o.boksLeft, o.boksTop, o.boksWidth, o.boksHeight), minimumSize());
    move(sted.topLeft());
    resize(sted.size());
    // The height its pages need is part of the place it starts with.
    ensurePolished();
    passHoejde();

    const Grupper& g = hub.grupperne();
    fyld(gruppeBoks, g.gruppeliste);
    fyld(Box, g.gruppeliste);
    visGruppenavn(g.gruppenavn);
    fyld(lagerBox, g.lagerliste);
    opdaterLager();
    connect(afkrydsning, &QAbstractItemModel::modelReset, this, &Tboksform::visAntal);
    connect(afkrydsning, &QAbstractItemModel::rowsInserted, this, &Tboksform::visAntal);
    connect(afkrydsning, &QAbstractItemModel::rowsRemoved, this, &Tboksform::visAntal);
    // Made after the start, the window shows the active group as switching to
    // it at the start does.
    if (const int aktiv = static_cast<int>(g.gruppeliste.indexOf(g.gruppenavn));
        aktiv >= 0 && QFileInfo(g.filnavn).isFile())
        markerGruppe(aktiv);
    visAntal();
    setBilleder(Design::erMoerk(hub.indstillinger().designName));

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] { m_hub.visOmProgrammet(this); });
    connect(Bog, &QTabWidget::currentChanged, this, [this](int side) {
        BogChanging(m_side);
        m_side = side;
        BogChange(side);
    });
}

QToolButton* Tboksform::informationsKnap(const QString& navn, const QString& emne)
{
    QToolButton* k = fladKnap(navn, QStringLiteral("Information"), QStringLiteral("Information"));
    k->setProperty("billede", QStringLiteral("info"));
    connect(k, &QToolButton::clicked, this, [this, emne] { m_hub.HelpInfo(emne); });
    return k;
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
    sorterKnap->setProperty("billede", QStringLiteral("sorter"));
    valgtGruppeEdit = felt(QStringLiteral("valgtGruppeEdit"), QStringLiteral("Valgt gruppe"));
    valgtGruppeEdit->setFocusPolicy(Qt::ClickFocus);
    sletKnap = knap(QStringLiteral("sletKnap"), QStringLiteral("Slet"),
                    QStringLiteral("Slet valgte gruppe"));
    redigerKnap = knap(QStringLiteral("redigerKnap"), QStringLiteral("Omdøb"),
                       QStringLiteral("Giv valgte gruppe et andet navn"));
    sbInformationsKnap =
        informationsKnap(QStringLiteral("sbInformationsKnap"), QStringLiteral("Grupper"));

    QVBoxLayout* kolonne = listeside(side, QStringLiteral("side0"), gruppeBoks);
    markeret(kolonne, QStringLiteral("Gruppe navn"), gEdit);
    kolonne->addLayout(raekke({nyGruppeKnap, sorterKnap}));
    kolonne->addSpacing(16);
    markeret(kolonne, QStringLiteral("Valgt gruppe"), valgtGruppeEdit);
    kolonne->addLayout(raekke({sletKnap, redigerKnap}));
    kolonne->addStretch(1);
    kolonne->addLayout(raekke({sbInformationsKnap}));

    connect(nyGruppeKnap, &QPushButton::clicked, this, &Tboksform::nyGruppeKnapClick);
    connect(gEdit, &QLineEdit::returnPressed, this, &Tboksform::nyGruppeKnapClick);
    connect(sorterKnap, &QToolButton::clicked, this, &Tboksform::sorterKnapClick);
    connect(sletKnap, &QPushButton::clicked, this, &Tboksform::sletKnapClick);
    connect(redigerKnap, &QPushButton::clicked, this, &Tboksform::redigerKnapClick);
    connect(gruppeBoks, &QListWidget::currentRowChanged, this, &Tboksform::SkiftGruppe);
    gruppeBoks->installEventFilter(this);
    return side;
}

QWidget* Tboksform::lavIndfoerside()
{
    auto* side = new QWidget;
    side->setObjectName(QStringLiteral("side1"));
    FilnavnEdit = felt(QStringLiteral("FilnavnEdit"), QStringLiteral("Elementets filnavn"));
    filnavnKnap = knap(QStringLiteral("filnavnKnap"), QStringLiteral("Åben"),
                       QStringLiteral("Vælg element der skal indføres i gruppen"));
    tekstEdit = felt(QStringLiteral("tekstEdit"), QStringLiteral("Elementets tekst"));
    Image = new QLabel;
    Image->setObjectName(QStringLiteral("Image"));
    Image->setFixedSize(32, 32);
    Image->setScaledContents(true);
    insertKnap = knap(QStringLiteral("insertKnap"), QStringLiteral("Indfør"),
                      QStringLiteral("Indfør valgte element"));
    gruppeEdit = felt(QStringLiteral("gruppeEdit"), QStringLiteral("Gruppe navn"), true);
    sbInfo2 = informationsKnap(QStringLiteral("sbInfo2"), QStringLiteral("Indfør element"));

    auto* kolonne = new QVBoxLayout(side);
    markeret(kolonne, QStringLiteral("Elementets filnavn"), raekke({FilnavnEdit, filnavnKnap}, 1));
    markeret(kolonne, QStringLiteral("Elementets tekst"), tekstEdit);
    kolonne->addLayout(raekke({Image, insertKnap}));
    kolonne->addSpacing(8);
    kolonne->addWidget(tekst(
        QStringLiteral("Elementer kan også droppes direkte fra Stifinder på hovedprogrammet")));
    kolonne->addStretch(1);
    markeret(kolonne, QStringLiteral("Gruppe navn"), gruppeEdit);
    kolonne->addLayout(raekke({sbInfo2}));

    connect(filnavnKnap, &QPushButton::clicked, this, &Tboksform::filnavnKnapClick);
    connect(insertKnap, &QPushButton::clicked, this, &Tboksform::insertKnapClick);
    connect(tekstEdit, &QLineEdit::returnPressed, this, &Tboksform::insertKnapClick);
    return side;
}

QWidget* Tboksform::lavRedigerside()
{
    auto* side = new QWidget;
    programBoks = new QTreeView;
    programBoks->setObjectName(QStringLiteral("programBoks"));
    programBoks->setAccessibleName(QStringLiteral("Elementer"));
    afkrydsning = new Afkrydsning(&m_hub.elementmodel(), this);
    programBoks->setModel(afkrydsning);
    programBoks->setRootIsDecorated(false);
    // Rows of one height are laid out without asking each for its size.
    programBoks->setUniformRowHeights(true);
    programBoks->setEditTriggers(QAbstractItemView::NoEditTriggers);
    programBoks->header()->setSectionResizeMode(QHeaderView::Stretch);
    fjernKnap = knap(QStringLiteral("fjernKnap"), QStringLiteral("Fjern valgte"),
                     QStringLiteral("Fjern afkrydsede programmer fra gruppen"));
    nytekstEdit = felt(QStringLiteral("nytekstEdit"), QStringLiteral("Ny tekst"));
    nytekstKnap = knap(QStringLiteral("nytekstKnap"), QStringLiteral("Indfør"),
                       QStringLiteral("Indfør den nye tekst til valgte elementer"));
    fraEdit = felt(QStringLiteral("fraEdit"), QStringLiteral("Nuværende placering"), true);
    fraEdit->setToolTip(QStringLiteral("Nuværende placering"));
    fraEdit->setStatusTip(QStringLiteral("Nuværende placering"));
    fraEdit->setFocusPolicy(Qt::ClickFocus);
    fraEdit->setText(QStringLiteral("0"));
    fraEdit->setMaximumWidth(48);
    UpDown1 = new QSpinBox;
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setRange(1, 100);
    UpDown1->setValue(1);
    UpDown1->setToolTip(QStringLiteral("Ny placering"));
    UpDown1->setStatusTip(QStringLiteral("Ny placering"));
    UpDown1->setAccessibleName(QStringLiteral("Ny placering"));
    tilEdit = UpDown1->findChild<QLineEdit*>();
    tilEdit->setObjectName(QStringLiteral("tilEdit"));
    tilEdit->setAccessibleName(QStringLiteral("Ny placering"));
    indexKnap = knap(QStringLiteral("indexKnap"), QStringLiteral("Udfør"),
                     QStringLiteral("Flyt til ny placering"));
    gNameEdit = felt(QStringLiteral("gNameEdit"), QStringLiteral("Gruppe navn"), true);
    sbInfo1 = informationsKnap(QStringLiteral("sbInfo1"), QStringLiteral("Rediger element"));

    QVBoxLayout* kolonne = listeside(side, QStringLiteral("side2"), programBoks);
    kolonne->addLayout(raekke({fjernKnap}));
    kolonne->addWidget(tekst(QStringLiteral("Alle valgte elementer fjernes permanent.")));
    kolonne->addSpacing(8);
    markeret(kolonne, QStringLiteral("Ny tekst"), raekke({nytekstEdit, nytekstKnap}, 1));
    kolonne->addWidget(
        tekst(QStringLiteral("Kun elementer, der skal have den nye tekst, skal være valgt.")));
    kolonne->addSpacing(8);
    kolonne->addWidget(
        tekst(QStringLiteral("Elementer kan også flyttes direkte i hovedprogrammet med musen.")));
    markeret(kolonne, QStringLiteral("Nyt placering"), raekke({fraEdit, UpDown1, indexKnap}));
    parametreEdit = felt(QStringLiteral("parametreEdit"), QStringLiteral("Parametre"));
    parametreEdit->setToolTip(QStringLiteral("Parametre som valgte element startes med"));
    startmappeEdit = felt(QStringLiteral("startmappeEdit"), QStringLiteral("Startmappe"));
    startmappeEdit->setToolTip(QStringLiteral("Mappen som valgte element startes i"));
    startmappeKnap = fladKnap(QStringLiteral("startmappeKnap"), QStringLiteral("..."),
                              QStringLiteral("Vælg startmappe"));
    parametreKnap = knap(QStringLiteral("parametreKnap"), QStringLiteral("Gem"),
                         QStringLiteral("Gem parametre og startmappe for valgte element"));
    // Labels beside the fields: the page has no height to spare for two more rows.
    auto* parametreRaekke = new QHBoxLayout;
    parametreRaekke->addWidget(new QLabel(QStringLiteral("Parametre")));
    parametreRaekke->addWidget(parametreEdit, 1);
    kolonne->addLayout(parametreRaekke);
    auto* startmappeRaekke = new QHBoxLayout;
    startmappeRaekke->addWidget(new QLabel(QStringLiteral("Startmappe")));
    startmappeRaekke->addWidget(startmappeEdit, 1);
    startmappeRaekke->addWidget(startmappeKnap);
    startmappeRaekke->addWidget(parametreKnap);
    kolonne->addLayout(startmappeRaekke);
    kolonne->addStretch(1);
    markeret(kolonne, QStringLiteral("Gruppe navn"), gNameEdit);
    kolonne->addLayout(raekke({sbInfo1}));

    connect(fjernKnap, &QPushButton::clicked, this, &Tboksform::fjernKnapClick);
    connect(nytekstKnap, &QPushButton::clicked, this, &Tboksform::nytekstKnapClick);
    connect(nytekstEdit, &QLineEdit::returnPressed, this, &Tboksform::nytekstKnapClick);
    connect(indexKnap, &QPushButton::clicked, this, &Tboksform::indexKnapClick);
    connect(parametreKnap, &QPushButton::clicked, this, &Tboksform::parametreKnapClick);
    connect(parametreEdit, &QLineEdit::returnPressed, this, &Tboksform::parametreKnapClick);
    connect(startmappeEdit, &QLineEdit::returnPressed, this, &Tboksform::parametreKnapClick);
    connect(startmappeKnap, &QToolButton::clicked, this, &Tboksform::startmappeKnapClick);
    connect(afkrydsning, &QAbstractItemModel::modelReset, this, &Tboksform::visParametre);
    visParametre();
    programBoks->viewport()->installEventFilter(this);
    programBoks->installEventFilter(this);
    return side;
}

bool Tboksform::eventFilter(QObject* watched, QEvent* event)
{
    // A character key (Enter too) switches to the group selected at that moment.
    if (watched == gruppeBoks && event->type() == QEvent::KeyPress &&
        !static_cast<QKeyEvent*>(event)->text().isEmpty())
        SkiftGruppe(gruppeBoks->currentRow());
    // Coming into the list without a current entry, the view makes the first
    // one current, which would make it active unasked.
    if (watched == gruppeBoks && event->type() == QEvent::FocusIn && gruppeBoks->count() > 0 &&
        gruppeBoks->currentRow() < 0) {
        const QSignalBlocker blok(gruppeBoks);
        gruppeBoks->selectionModel()->setCurrentIndex(gruppeBoks->model()->index(0, 0),
                                                      QItemSelectionModel::NoUpdate);
    }
    const bool trykket = event->type() == QEvent::MouseButtonPress;
    if (programBoks && watched == programBoks->viewport() &&
        (trykket || event->type() == QEvent::MouseButtonRelease)) {
        const auto* mus = static_cast<QMouseEvent*>(event);
        if (mus->button() == Qt::LeftButton && trykket) {
            programBoksMouseDown(mus->position().toPoint());
        } else if (mus->button() == Qt::LeftButton) {
            programBoksMouseUp(mus->position().toPoint());
            // After the view has moved its selection to the clicked item.
            QTimer::singleShot(0, this, &Tboksform::programBoksClick);
        }
    }
    // The keyboard's way of choosing the element to move or re-text.
    if (watched == programBoks && event->type() == QEvent::KeyRelease)
        programBoksClick();
    return QWidget::eventFilter(watched, event);
}

void Tboksform::HintInfo(const QString& hint)
{
    infoBar->showMessage(hint);
}

void Tboksform::SkiftGruppe(int Index)
{
    Grupper& g = m_hub.grupperne();
    if (Index < 0 || Index >= gruppeBoks->count())
        return;
    markerGruppe(Index);
    g.aktiver(gruppeBoks->item(Index)->text());
    m_hub.LoadProgramBoks(true);
    m_hub.visUlaeselige();
}

void Tboksform::markerGruppe(int Index)
{
    {
        const QSignalBlocker blok(gruppeBoks);
        gruppeBoks->setCurrentRow(Index);
    }
    const QString navn = gruppeBoks->item(Index)->text();
    valgtGruppeEdit->setText(navn);
    gruppeEdit->setText(navn);
}

void Tboksform::fyldGruppeBoks()
{
    const Grupper& g = m_hub.grupperne();
    fyld(gruppeBoks, g.gruppeliste);
    if (const int aktiv = static_cast<int>(g.gruppeliste.indexOf(g.gruppenavn)); aktiv >= 0)
        markerGruppe(aktiv);
}

void Tboksform::MoveProgram(int Fra, int Til)
{
    if (Fra == Til)
        return;
    m_hub.grupperne().flyt(Fra, Til);
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
    // A page chosen from the main window neither saves nor refills the storage tab.
    if (side >= 0) {
        const QSignalBlocker blok(Bog);
        Bog->setCurrentIndex(side);
        m_side = side;
    }
    show();
    raise();
    activateWindow();
}

void Tboksform::fokuserGruppenavn()
{
    visSide(0);
    gEdit->setFocus(Qt::OtherFocusReason);
}

void Tboksform::visGruppenavn(const QString& gruppenavn)
{
    gruppeEdit->setText(gruppenavn);
    valgtGruppeEdit->setText(gruppenavn);
    gNameEdit->setText(gruppenavn);
    visAntal();
}

void Tboksform::visAntal()
{
    // Whatever the bar showed, an element's path or a count, belonged to the group as it was.
    if (m_hub.grupperne().gruppenavn.isEmpty())
        infoBar->clearMessage();
    else
        infoBar->showMessage(
            QStringLiteral("Der er %1 elementer i gruppen.").arg(afkrydsning->rowCount()));
}

void Tboksform::visElementSti(const QString& sti)
{
    if (isVisible())
        infoBar->showMessage(sti);
}

void Tboksform::visIkon(const QIcon& ikon)
{
    // Drawn at the screen's own resolution, so it stays sharp when scaled.
    Image->setPixmap(ikon.pixmap(QSize(32, 32), Image->devicePixelRatioF()));
}

void Tboksform::elementSlettet()
{
    nytekstEdit->clear();
    fraEdit->setText(QStringLiteral("0"));
}

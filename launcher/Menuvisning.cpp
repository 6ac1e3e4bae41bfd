// The main window's two views: the panel, and the strip across the top of the
// screen with one drop-down button per group.
#include "main.h"

#include "Elementmodel.h"
#include "Skaermflader.h"
#include "Tilgaengelighed.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListView>
#include <QLocale>
#include <QMenu>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace {

constexpr int stripHoejde = 48;
constexpr int knapPanelBredde = 333;
constexpr int gruppeknapBredde = 100;
constexpr int gruppeknapPlads = 110;
// A menu adds its items one by one at a cost that grows with the menu, and
// no one scrolls through more than this; the rest are in the panel.
constexpr int hoejstIMenu = 1000;

QRect skaermflade()
{
    const QScreen* skaerm = QGuiApplication::primaryScreen();
    return skaerm ? skaerm->availableGeometry() : QRect(0, 0, 1024, 768);
}

} // namespace

QWidget* Tmainform::lavTopPanel()
{
    topPanel = new QWidget;
    topPanel->setObjectName(QStringLiteral("topPanel"));
    // Hidden in the panel view, the strip must not hold that window wide.
    topPanel->setMinimumSize(1, 1);
    knapPanel = new QWidget(topPanel);
    knapPanel->setObjectName(QStringLiteral("knapPanel"));
    knapPanel->setFixedWidth(knapPanelBredde);
    auto* knapper = new QHBoxLayout(knapPanel);
    knapper->setContentsMargins(2, 2, 2, 2);
    knapper->setSpacing(4);
    // Their pictures come with the image list of the design.
    struct Knap
    {
        const char* navn;
        QString caption;
        QString hint;
        std::function<void()> klik;
    };
    const Knap faste[] = {
        {"Button01", QStringLiteral("Info"), QStringLiteral("Information"),
         [this] { HelpInfo(QStringLiteral("Menuvisning")); }},
        {"Button02", QStringLiteral("Applets"), QStringLiteral("Windows applets"),
         [this] { m_vinduer->applets().show(); }},
        {"Button03", QStringLiteral("Filboks"), QStringLiteral("Filboks"),
         [this] { visFilboks(); }},
        {"Button04", QStringLiteral("Visning"), QStringLiteral("Skift visning: Ctrl+M"),
         [this] { setProgramForm(false); }},
        {"Button05", QStringLiteral("Luk"), QStringLiteral("Luk programmet"), [this] { close(); }},
    };
    for (const Knap& k : faste) {
        auto* knap = new QToolButton(knapPanel);
        knap->setObjectName(QLatin1String(k.navn));
        knap->setText(k.caption);
        knap->setToolTip(k.hint);
        knap->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        knap->setFixedSize(60, 40);
        knap->setProperty("stripknap", true);
        knap->installEventFilter(this);
        connect(knap, &QToolButton::clicked, this, k.klik);
        knapper->addWidget(knap);
    }
    knapper->addStretch(1);

    ButBox = new QScrollArea(topPanel);
    ButBox->setObjectName(QStringLiteral("ButBox"));
    ButBox->setFrameShape(QFrame::NoFrame);
    // The keyboard goes from button to button; the area itself takes no focus.
    ButBox->setFocusPolicy(Qt::NoFocus);
    ButBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ButBox->setWidgetResizable(true);
    dropDown = new QMenu(this);
    dropDown->setObjectName(QStringLiteral("dropDown"));
    dropDown->setToolTipsVisible(true);
    // The menu is shared; the group is the button last pressed or focused.
    connect(dropDown, &QMenu::aboutToShow, this, [this] { buttonClick(m_dropTag); });
    connect(dropDown, &QMenu::triggered, this, &Tmainform::menuClick);
    // A vanished file says so in its tooltip, looked at when the pointer rests there;
    // the menu shows no tooltip that only repeats the text.
    connect(dropDown, &QMenu::hovered, this, [this](QAction* punkt) {
        if (const int i = punkt->data().toInt(); i >= 0)
            punkt->setToolTip(elementer->index(i).data(Qt::ToolTipRole).toString());
    });

    auto* lag = new QHBoxLayout(topPanel);
    m_stripLag = lag;
    lag->setContentsMargins(0, 0, 0, 0);
    lag->setSpacing(0);
    lag->addWidget(knapPanel);
    lag->addWidget(ButBox, 1);
    return topPanel;
}

void Tmainform::setProgramForm(bool value)
{
    afslutSoegning();
    const bool vist = isVisible();
    const bool aktiv = isActiveWindow();
    if (windowFlags().testFlag(Qt::FramelessWindowHint) != value)
        setWindowFlag(Qt::FramelessWindowHint, value);
    if (value) {
        toolBar->hide();
        visninger->setCurrentWidget(topPanel);
        const QRect flade = skaermflade();
        setFixedSize(flade.width(), stripHoejde);
        // The window itself at the corner: a place given with move() would
        // count the frame the panel view had, and leave the strip lower than
        // the toolkit believes it is.
        setGeometry(QRect(flade.topLeft(), size()));
        loadMenuPanel();
        const bool forMange =
            flade.width() - knapPanelBredde < grupper.gruppeliste.size() * gruppeknapPlads;
        ButBox->setHorizontalScrollBarPolicy(forMange ? Qt::ScrollBarAlwaysOn
                                                      : Qt::ScrollBarAlwaysOff);
    } else {
        visninger->setCurrentWidget(programBoks->parentWidget());
        toolBar->setVisible(opts.toolbarVisible);
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        // The panel's saved place, kept where the user can reach it on the screens.
        const QRect sted =
            Skaermplads::tilpas(QRect(opts.pLeft, opts.pTop, opts.pWidth, opts.pHeight), {});
        resize(sted.size());
        move(sted.topLeft());
    }
    opts.menuVis = value;
    placerSoegefelt();
    // Changing the frame hides a shown window; show it again in its new view.
    if (vist)
        show();

    // A new frame is a new window to the desktop; it keeps the keyboard it had.
    if (aktiv)
        activateWindow();
    fokuserVisning();
}

void Tmainform::loadMenuPanel()
{
    delete m_gruppeknapper;
    m_gruppeknapper = new QWidget;
    auto* lag = new QHBoxLayout(m_gruppeknapper);
    lag->setContentsMargins(0, 0, 0, 0);
    lag->setSpacing(0);
    for (qsizetype i = 0; i < grupper.gruppeliste.size(); ++i) {
        const QString& navn = grupper.gruppeliste.at(i);
        auto* knap = new QToolButton(m_gruppeknapper);
        knap->setObjectName(QStringLiteral("Button%1").arg(i));
        knap->setText(getCap(navn));
        knap->setToolTip(navn);
        knap->setAccessibleName(navn);
        knap->setFixedWidth(gruppeknapBredde);
        // The whole button opens the group's list, not only its arrow.
        knap->setPopupMode(QToolButton::InstantPopup);
        knap->setMenu(dropDown);
        knap->setProperty("tag", static_cast<int>(i));
        knap->setProperty("stripknap", true);
        knap->installEventFilter(this);
        Tilgaengelighed::menuknap(knap, Tilgaengelighed::Menu::Delt);
        auto* ramme = new QHBoxLayout;
        ramme->setContentsMargins(3, 1, 3, 1);
        ramme->addWidget(knap);
        lag->addLayout(ramme);
    }
    lag->addStretch(1);
    ButBox->setWidget(m_gruppeknapper);
}

QList<QToolButton*> Tmainform::stripknapper() const
{
    QList<QToolButton*> ud = knapPanel->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly);
    if (m_gruppeknapper)
        ud += m_gruppeknapper->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly);
    return ud;
}

void Tmainform::fokuserVisning()
{
    if (!opts.menuVis) {
        // A keyboard user can start the first element with Home and Enter.
        programBoks->setFocus();
        return;
    }
    const QList<QToolButton*> knapper = stripknapper();
    const auto faste = knapPanel->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly).size();
    const auto aktiv = grupper.gruppeliste.indexOf(grupper.gruppenavn);
    knapper.value(aktiv < 0 ? 0 : faste + aktiv, knapper.first())->setFocus();
}

bool Tmainform::stripTast(QToolButton* knap, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        ButBox->ensureWidgetVisible(knap);
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const int tast = static_cast<QKeyEvent*>(event)->key();
    if (tast == Qt::Key_Left || tast == Qt::Key_Right) {
        const QList<QToolButton*> knapper = stripknapper();
        const auto antal = knapper.size();
        const auto i = knapper.indexOf(knap) + (tast == Qt::Key_Right ? 1 : -1);
        knapper.at((i + antal) % antal)->setFocus(Qt::TabFocusReason);
        return true;
    }
    const bool gruppe = knap->menu() != nullptr;
    if (gruppe && (tast == Qt::Key_Down || tast == Qt::Key_Return || tast == Qt::Key_Enter)) {
        knap->showMenu();
        return true;
    }
    if (!gruppe && (tast == Qt::Key_Return || tast == Qt::Key_Enter)) {
        knap->click();
        return true;
    }
    // A fixed button has no list to open; the focus stays where it is.
    return !gruppe && (tast == Qt::Key_Down || tast == Qt::Key_Up);
}

QString Tmainform::getCap(const QString& name)
{
    return name.size() <= 11 ? name : name.left(8) + QStringLiteral("...");
}

void Tmainform::buttonClick(int tag)
{
    dropDown->clear();
    m_vinduer->boks().SkiftGruppe(tag);
    const int antal = elementer->rowCount();
    for (int i = 0; i < std::min(antal, hoejstIMenu); ++i) {
        QAction* punkt =
            dropDown->addAction(elementer->udskudtIkon(i), elementer->index(i).data().toString());
        punkt->setData(i);
    }
    if (antal > hoejstIMenu) {
        dropDown->addSeparator();
        QAction* alle = dropDown->addAction(QStringLiteral("Vis alle %1 elementer i panelet")
                                                .arg(QLocale(QLocale::Danish).toString(antal)));
        alle->setData(-1);
        connect(alle, &QAction::triggered, this, [this] { setProgramForm(false); });
    }
}

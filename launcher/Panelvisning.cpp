// The panel view: the element panel's look, the toolbar with its balloon hints,
// the tray icon, and elements brought in from the file manager.
#include "main.h"

#include "Ballonhint.h"
#include "Beskeder.h"
#include "Design.h"
#include "Elementmodel.h"
#include "Platform.h"

#include <QAction>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QListView>
#include <QMimeData>
#include <QStandardItemModel>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

QWidget* Tmainform::lavPanel()
{
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("panel"));
    // A one-column heading for the report view, as a list view has none.
    kolonne = new QHeaderView(Qt::Horizontal, panel);
    kolonne->setObjectName(QStringLiteral("kolonne"));
    auto* model = new QStandardItemModel(0, 1, kolonne);
    kolonne->setModel(model);
    kolonne->setStretchLastSection(true);
    kolonne->setSectionsClickable(false);
    kolonne->setFixedHeight(kolonne->fontMetrics().height() + 10);
    auto* lag = new QVBoxLayout(panel);
    m_panelLag = lag;
    lag->setContentsMargins(0, 0, 0, 0);
    lag->setSpacing(0);
    lag->addWidget(kolonne);
    lag->addWidget(programBoks, 1);
    return panel;
}

void Tmainform::setOverskrift(const QString& navn)
{
    setWindowTitle(navn);
    kolonne->model()->setHeaderData(0, Qt::Horizontal, navn);
}

void Tmainform::setVisning(Options::Visning visning)
{
    opts.visning = visning;
    const bool ikoner = visning == Options::StoreIkoner;
    programBoks->setViewMode(ikoner ? QListView::IconMode : QListView::ListMode);
    programBoks->setFlow(ikoner ? QListView::LeftToRight : QListView::TopToBottom);
    programBoks->setWrapping(visning != Options::Rapport);
    programBoks->setMovement(QListView::Static);
    programBoks->setWordWrap(ikoner);
    setSkriftstoerrelse(opts.fontSize);
    kolonne->setVisible(visning == Options::Rapport);
    kolonne->model()->setHeaderData(0, Qt::Horizontal,
                                    soeger() ? QStringLiteral("Søgning") : grupper.gruppenavn);
}

void Tmainform::setSkriftstoerrelse(int punkter)
{
    opts.fontSize = punkter;
    QFont skrift = programBoks->font();
    skrift.setPointSize(punkter);
    programBoks->setFont(skrift);
    programBoks->setSpacing(opts.visning == Options::StoreIkoner ? 0 : 2);
    tilpasGitter();
}

void Tmainform::tilpasGitter()
{
    // The pictures grow with the text: 32 pixels at 8 points, 48 at 12.
    const int ikon = std::max(16, 32 * opts.fontSize / 8);
    programBoks->setIconSize(QSize(ikon, ikon));
    if (opts.visning != Options::StoreIkoner) {
        programBoks->setGridSize({});
        return;
    }
    // The large icons' cells are wide enough for each text's longest word and
    // high enough for the lines its text wraps into; only a word longer than
    // two dozen letters is cut.
    const QFontMetrics fm(programBoks->font());
    constexpr int margen = 12;
    const int stoerst = fm.averageCharWidth() * 24;
    int bredde = std::max({84, fm.averageCharWidth() * 13, ikon + margen});
    for (const QString& ord : vistModel().laengsteOrd())
        bredde = std::max(bredde, std::min(fm.horizontalAdvance(ord) + margen, stoerst));
    int linjer = 2;
    for (const QString& tekst : vistModel().laengsteTekster()) {
        const QRect r =
            fm.boundingRect(QRect(0, 0, bredde - margen, 1000), Qt::TextWordWrap, tekst);
        linjer = std::clamp(r.height() / fm.lineSpacing(), linjer, 3);
    }
    programBoks->setGridSize(QSize(bredde, ikon + 10 + fm.lineSpacing() * linjer));
}

void Tmainform::setRedskabslinje(bool vis)
{
    opts.toolbarVisible = vis;
    if (!opts.menuVis)
        toolBar->setVisible(vis);
}

void Tmainform::setRedskabslinjePlacering(Options::Placering placering)
{
    opts.toolbarPlace = placering;
    constexpr Qt::ToolBarArea sider[] = {Qt::TopToolBarArea, Qt::LeftToolBarArea,
                                         Qt::RightToolBarArea, Qt::BottomToolBarArea};
    const bool vist = toolBar->isVisibleTo(this);
    addToolBar(sider[placering], toolBar);
    toolBar->setVisible(vist);
}

void Tmainform::skiftDesign(const QString& navn)
{
    if (Design::anvend(navn))
        opts.designName = Design::kendtNavn(navn);
    setImageList();
}

void Tmainform::loadDesign(QComboBox* designBox) const
{
    const QSignalBlocker blok(designBox);
    designBox->clear();
    designBox->addItems(Design::navne());
    designBox->setCurrentIndex(static_cast<int>(Design::navne().indexOf(opts.designName)));
}

void Tmainform::lavRedskabslinje()
{
    toolBar = new QToolBar(QStringLiteral("Redskabslinje"), this);
    toolBar->setObjectName(QStringLiteral("toolBar"));
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setIconSize(QSize(16, 16));
    toolBar->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);

    const std::pair<const char*, QAction*> knapper[] = {{"tbInfo", aInfo},
                                                        {"tbProgrammer", aProgrammer},
                                                        {"tbEgenskaber", aEgenskaber},
                                                        {"tbTilbage", Atilbage},
                                                        {"tbFrem", Afrem},
                                                        {"tbGo", aGo},
                                                        {"tbMenuvisning", aMenuVis},
                                                        {"tbSoeg", aSoeg}};
    BalloonHint = new Ballonhint(this);
    BalloonHint->foerVisning = [this](QAbstractButton* knap) { skiftendeHint(knap); };
    for (const auto& [navn, aktion] : knapper) {
        toolBar->addAction(aktion);
        auto* knap = qobject_cast<QToolButton*>(toolBar->widgetForAction(aktion));
        knap->setObjectName(QLatin1String(navn));
        knap->setFixedSize(24, 24);
        knap->setAccessibleName(aktion->text());
        if (aktion != aMenuVis && aktion != aSoeg)
            BalloonHint->overvaag(knap);
    }
    const auto knap = [this](const char* navn, const QString& hint, auto vis) {
        auto* k = new QToolButton(toolBar);
        k->setObjectName(QLatin1String(navn));
        k->setToolTip(hint);
        k->setStatusTip(hint);
        k->setAccessibleName(hint);
        k->setFixedSize(24, 24);
        k->setAutoRaise(true);
        connect(k, &QToolButton::clicked, this, vis);
        toolBar->addWidget(k);
        return k;
    };
    filboksButton =
        knap("filboksButton", QStringLiteral("Åben filboksen"), [this] { visFilboks(); });
    appletsButton = knap("appletsButton", QStringLiteral("Åbner boks med window applets"),
                         [this] { visVindue(&m_vinduer->applets()); });
    for (const auto& [navn, aktion] :
         {std::pair{"ToolButton1", aStifinder}, std::pair{"ToolButton2", insertFromStifinder}}) {
        toolBar->addAction(aktion);
        QWidget* k = toolBar->widgetForAction(aktion);
        k->setObjectName(QLatin1String(navn));
        k->setFixedSize(24, 24);
        // A button with only a picture is named by its hint.
        k->setAccessibleName(aktion->statusTip().simplified());
    }
    // Tab reaches the toolbar after the panel, so its buttons work from the keyboard too.
    for (QToolButton* k : toolBar->findChildren<QToolButton*>())
        if (k->objectName() != QLatin1String("qt_toolbar_ext_button"))
            k->setFocusPolicy(Qt::TabFocus);
    setRedskabslinjePlacering(opts.toolbarPlace);
    toolBar->setVisible(opts.toolbarVisible);
}

void Tmainform::skiftendeHint(QAbstractButton* knap)
{
    const QString navn = knap->objectName();
    QString hint;
    if (navn == QLatin1String("tbInfo"))
        hint = QStringLiteral("Information| Oplysning om \r programmets\r funktioner: Ctrl+I \r");
    else if (navn == QLatin1String("tbProgrammer"))
        hint = QStringLiteral("Administrer| Bestem grupper \r og elementer: Ctrl+G \r");
    else if (navn == QLatin1String("tbEgenskaber"))
        hint = QStringLiteral("Egenskaber| Bestem programmets \r egenskaber: Ctrl+E \r");
    else if (navn == QLatin1String("tbTilbage"))
        hint = Atilbage->isEnabled()
                   ? QStringLiteral("Gruppe| Aktiver foregående \r gruppe: Ctrl+F \r")
                   : QStringLiteral("Ikke aktiveret.|Ukendt årsag!\r");
    else if (navn == QLatin1String("tbFrem"))
        hint = Afrem->isEnabled() ? QStringLiteral("Gruppe| Aktiver næste \r gruppe: Ctrl+N \r")
                                  : QStringLiteral("Ikke aktiveret.|Ukendt årsag!\r");
    else if (navn == QLatin1String("tbGo")) {
        hint = aGo->isEnabled()
                   ? QStringLiteral("Element| Aktiver valgte \r element: Ctrl+A \r Eller: F9 \r")
                   : QStringLiteral("Ikke aktiveret.| Vælg element! \r");
        aGo->setIcon(ImageList.at(aGo->isEnabled() ? 10 : 21));
    }
    knap->setProperty("hint", hint);
    // The balloon replaces the toolkit's own tooltip on these buttons.
    knap->setToolTip({});
}

void Tmainform::lavTrayIcon()
{
    TrayIcon = new QSystemTrayIcon(windowIcon(), this);
    TrayIcon->setToolTip(QStringLiteral("Tavlum til opstart af spil, programmer m.v."));
    connect(TrayIcon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason grund) {
                if (grund == QSystemTrayIcon::DoubleClick)
                    visForrest();
            });
    TrayIcon->show();
}

void Tmainform::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // Files that came or went while the user was elsewhere.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        elementer->tjekFiler();
    // Only a tray icon that the desktop shows can bring the window back.
    if (event->type() == QEvent::WindowStateChange && isMinimized() && TrayIcon &&
        TrayIcon->isVisible() && QSystemTrayIcon::isSystemTrayAvailable())
        QTimer::singleShot(0, this, &QWidget::hide);
}

void Tmainform::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void Tmainform::dropEvent(QDropEvent* event)
{
    // The whole path, however long: a cut one would name another file.
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            insertItem(url.toLocalFile(), QString(), true);
    event->acceptProposedAction();
}

QString Tmainform::vaelgElementfil()
{
    const QString fil = beskeder().aabenFil(opts.initDir);
    if (!fil.isEmpty())
        opts.initDir = QFileInfo(fil).absolutePath();
    return fil;
}

void Tmainform::aStifinderExecute()
{
    const QString fil = vaelgElementfil();
    if (fil.isEmpty())
        return;
    m_vinduer->boks().visValgtFil(fil);
    m_vinduer->boks().visSide(1);
}

void Tmainform::insertFromStifinderExecute()
{
    if (QFileInfo(opts.initDir).isDir())
        m_platform.shellExecute("open", opts.initDir.toStdString(), {}, {});
    else
        beskeder().besked(QStringLiteral("Mappen\r") + opts.initDir +
                          QStringLiteral("\rblev ikke fundet!"));
}

void Tmainform::aMenuVisExecute()
{
    afslutSoegning();
    if (Gruppevindue* boks = lavetBoks(); boks && boks->vindue()->isVisible())
        boks->vindue()->close();
    setProgramForm(!opts.menuVis);
}

#include "opentekstfil.h"

#include "Beskeder.h"
#include "DataMapper.h"
#include "Design.h"
#include "Filboksbilleder.h"
#include "Filliste.h"
#include "Filvagt.h"
#include "Hint.h"
#include "Hub.h"
#include "Linjefil.h"
#include "Platform.h"
#include "Starter.h"
#include "Skaermflader.h"
#include "Spm_Kopiering.h"
#include "Stifaner.h"
#include "functions/Handlinger.h"
#include "functions/Stinavn.h"
#include "visBilled.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

namespace {

constexpr int standardBredde = 400;
constexpr int standardHoejde = 508;
constexpr int standardSted = 20;

} // namespace

Topenfilform::Topenfilform(Hub& hub, Platform& platform, Tbilledform& billedform, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), m_hub(hub), m_platform(platform)
{
    setWindowTitle(QStringLiteral("Filboksen"));
    setObjectName(QStringLiteral("openfilform"));
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    setMinimumWidth(346);
    optFilnavn = hub.mapper().Dir + QDir::separator() + QStringLiteral("opentekstfil.txt");

    funk = new THandlinger(platform, hub.beskeder(), this);
    openbox = new Filliste(funk->noder(), this);
    openbox->setObjectName(QStringLiteral("openbox"));
    openbox->setAccessibleName(QStringLiteral("Filer og mapper"));
    QFont listeskrift(QStringLiteral("Tahoma"));
    listeskrift.setPixelSize(13);
    openbox->setFont(listeskrift);
    openbox->setContextMenuPolicy(Qt::CustomContextMenu);
    openbox->installEventFilter(this);
    // The keys move in the list from the moment the window is shown.
    openbox->setFocus();

    funk->Brugernavn = hub.mapper().brugernavn;
    funk->Struktur2 = openbox;
    funk->AktiveStruktur = 2;
    funk->Billedvindue = &billedform;
    funk->onDirectoryChange = [this](const QString& d, const QString& f, const QString& g,
                                     const QString& n) { mappenChange(d, f, g, n); };

    lavAktioner();
    lavMenuer();
    stiboxen = new QTabBar(this);
    stiboxen->setObjectName(QStringLiteral("stiboxen"));
    stiboxen->setAccessibleName(QStringLiteral("Sti"));
    stiboxen->setExpanding(false);
    stiboxen->setUsesScrollButtons(true);
    stiboxen->setElideMode(Qt::ElideNone);
    stiboxen->setDocumentMode(true);
    connect(stiboxen, &QTabBar::tabBarClicked, this, [this](int tab) {
        // Choosing the tab already chosen changes nothing.
        if (tab >= 0 && tab != stiboxen->currentIndex())
            stiboxenChange(tab);
    });
    Info = new QStatusBar(this);
    Info->setObjectName(QStringLiteral("Info"));
    Info->setFixedHeight(19);
    Info->setSizeGripEnabled(false);

    auto* midte = new QHBoxLayout;
    midte->setContentsMargins(0, 0, 0, 0);
    midte->setSpacing(0);
    midte->addWidget(lavLeftPanel());
    midte->addWidget(lavFilter(), 1);
    auto* lag = new QVBoxLayout(this);
    lag->setContentsMargins(0, 0, 0, 0);
    lag->setSpacing(0);
    lag->addWidget(lavToolBar2());
    lag->addWidget(stiboxen);
    lag->addLayout(midte, 1);
    lag->addWidget(Info);

    connect(openbox->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &Topenfilform::openboxClick);
    // A click on the node the listing selected changes no selection, but makes it the user's.
    connect(openbox, &QAbstractItemView::clicked, this, &Topenfilform::openboxClick);
    lavHandlinger();
    connect(openbox, &QAbstractItemView::doubleClicked, this, &Topenfilform::openboxDblClick);
    connect(openbox, &QWidget::customContextMenuRequested, this, &Topenfilform::openboxMouseDown);
    // The folder list and place are kept however the program ends, not only
    // when this window is closed.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        if (isVisible())
            GemOptions();
    });

    setBilleder(Design::erMoerk(hub.indstillinger().designName));
    HentOptions();
    opdaterAktioner();
}

Topenfilform::~Topenfilform()
{
    // The list goes before the logic whose nodes it shows, and this window no
    // longer looks at its events: while it goes it is no list any more.
    openbox->viewport()->removeEventFilter(this);
    openbox->removeEventFilter(this);
    delete openbox;
}

void Topenfilform::HentOptions()
{
    funk->Grundmappe = TMapper::rodmappe();
    QRect sted(standardSted, standardSted, standardBredde, standardHoejde);
    const QStringList linjer = m_hub.hentListe(optFilnavn, Linjefil::Graense::indstillinger);
    // A file that cannot be read counts as missing.
    if (QFileInfo::exists(optFilnavn) && !m_hub.filvagt().ulaeselig(optFilnavn)) {
        // Each value in turn, until one is missing, no whole number or no sane place.
        const std::optional<int> v[] = {
            Skaermplads::stoerrelse(linjer, 0), Skaermplads::stoerrelse(linjer, 1),
            Skaermplads::koordinat(linjer, 2), Skaermplads::koordinat(linjer, 3)};
        const int n = static_cast<int>(std::find(std::begin(v), std::end(v), std::nullopt) - v);
        if (n > 0)
            sted.setWidth(*v[0]);
        if (n > 1)
            sted.setHeight(*v[1]);
        if (n > 2)
            sted.moveLeft(*v[2]);
        if (n > 3)
            sted.moveTop(*v[3]);
        funk->Grundmappe = n == 4 ? linjer.value(4) : QString();
    }
    sted = Skaermplads::tilpas(sted, minimumSize());
    resize(sted.size());
    move(sted.topLeft());
    m_hub.filvagt().grundlag(optFilnavn, optionLinjer());
}

QStringList Topenfilform::optionLinjer() const
{
    // A folder whose name holds a line break cannot be a line: the nearest
    // folder above it that can is kept instead.
    QString mappe = funk->Grundmappe;
    while (!Linjefil::linjeFejl({mappe}).isEmpty())
        mappe = QFileInfo(mappe).path();
    return {QString::number(width()), QString::number(height()), QString::number(x()),
            QString::number(y()), mappe};
}

void Topenfilform::GemOptions() const
{
    m_hub.gemListe(optFilnavn, optionLinjer());
}

void Topenfilform::showEvent(QShowEvent* event)
{
    setBilleder(Design::erMoerk(m_hub.indstillinger().designName));
    QWidget::showEvent(event);
    if (opstart) {
        opstart = false;
        funk->makeStruktur2(funk->Grundmappe, true, true);
        opdaterAktioner();
    }
}

void Topenfilform::closeEvent(QCloseEvent* event)
{
    GemOptions();
    QWidget::closeEvent(event);
}

void Topenfilform::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Hint::installer(this, [this](const QString& hint) { Info->showMessage(hint); });
    QWidget::changeEvent(event);
}

void Topenfilform::visMappe(const QString& mappe)
{
    funk->makeStruktur2(mappe, true, true);
}

void Topenfilform::updateStrukturer()
{
    funk->visIgen();
}

void Topenfilform::visPapirkurv()
{
    funk->AktiveStruktur = 2;
    funk->visPapirkurv();
    beregnTilladelser();
}

void Topenfilform::mappenChange(const QString&, const QString&, const QString& grundDir,
                                const QString&)
{
    funk->AktiveStruktur = 2;
    // Another folder shows everything again.
    if (openbox->noder().filter().isEmpty() && filterFelt->isVisible())
        lukFilter();
    redrawStiboxen();
    // A batch file run from here starts in the folder shown.
    m_platform.setCurrentFolder(Stinavn::bytes(grundDir));
    opdaterAktioner();
}

void Topenfilform::redrawStiboxen()
{
    // The bin's items lie in no one folder: its one tab shows it again.
    const bool kurv = funk->papirkurvVises();
    openbox->visKolonner(kurv);
    stiArray = kurv ? QStringList{QStringLiteral("Papirkurv")} : Stifaner::dele(funk->Grundmappe);
    const QSignalBlocker stille(stiboxen);
    while (stiboxen->count() > 0)
        stiboxen->removeTab(stiboxen->count() - 1);
    for (const QString& del : std::as_const(stiArray))
        stiboxen->addTab(Stinavn::vist(del));
    stiboxen->setCurrentIndex(static_cast<int>(stiArray.size()) - 1);
}

void Topenfilform::stiboxenChange(int tab)
{
    funk->AktiveStruktur = 2;
    if (funk->papirkurvVises())
        funk->visPapirkurv();
    else
        funk->makeStruktur2(Stifaner::mappeTil(stiArray, tab), true, true);
    redrawStiboxen();
}

QString Topenfilform::statustekst(int kind, int count, int fejlede)
{
    struct Ord
    {
        const char* gjort;
        const char* ikke;
    };
    static const Ord ord[] = {{"kopieret", "kopieres"},  {"klippet", "klippes"},
                              {"indsat", "indsættes"},   {"flyttet", "flyttes"},
                              {"slettet", "slettes"},    {"omdøbt", "omdøbes"},
                              {"fortrudt", "fortrydes"}, {"gendannet", "gendannes"}};
    if (kind < 0 || kind > 7)
        return {};
    const auto elementer = [](int n) {
        return n == 1 ? QStringLiteral("1 element")
                      : QString::number(n) + QStringLiteral(" elementer");
    };
    const QString gjort = QString::fromUtf8(ord[kind].gjort);
    QString tekst = count >= 0
                        ? QStringLiteral("Der blev ") + gjort + u' ' + elementer(count) + u'.'
                        : QStringLiteral("Ingen elementer blev ") + gjort + u'.';
    if (fejlede > 0)
        tekst += u' ' + elementer(fejlede) + QStringLiteral(" kunne ikke ") +
                 QString::fromUtf8(ord[kind].ikke) + u'.';
    return tekst;
}

void Topenfilform::HandlingsInfo(int kind, int count, int fejlede)
{
    // Nothing done, nothing to tell: the text of an earlier operation goes.
    if (count == 0 && fejlede == 0)
        Info->clearMessage();
    else
        Info->showMessage(statustekst(kind, count, fejlede));
}

void Topenfilform::OpenFil(const QString& fil, bool edit)
{
    const std::string navn = Stinavn::bytes(THandlinger::getLastDirectory(fil));
    const QString ext = THandlinger::extension(fil).toLower();
    // An untrusted script or desktop entry is asked for, as from the panel.
    Starter starter(m_platform, m_hub.beskeder());
    int svar;
    if (edit)
        svar = m_platform.shellExecute("edit", navn, "", Stinavn::bytes(THandlinger::mappeOver(fil)));
    else if (ext == QLatin1String(".bat") || ext == QLatin1String(".sh"))
        svar = starter.aabn(fil, "cmd", "/K " + navn, "");
    else
        svar = starter.aabn(fil, navn, "", Stinavn::bytes(THandlinger::mappeOver(fil)));
    if (svar <= 32 && svar != Platform::UntrustedEntry)
        m_hub.ErrorInfo(static_cast<unsigned>(svar));
}

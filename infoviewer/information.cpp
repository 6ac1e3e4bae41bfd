#include "information.h"

#include "Beskeder.h"
#include "Billeder.h"
#include "Browser.h"
#include "DataMapper.h"
#include "Design.h"
#include "Hub.h"
#include "Platform.h"
#include "Starter.h"
#include "Struktur.h"
#include "Vindueplads.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The web search that a text which names no help page is handed to.
const QByteArray soegning = "https://www.google.com/search?q=";

// Equal when only the case of the letters A to Z differs.
bool sammeEmne(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return false;
    const auto lille = [](QChar c) {
        return c >= u'A' && c <= u'Z' ? QChar(c.unicode() + (u'a' - u'A')) : c;
    };
    for (qsizetype i = 0; i < a.size(); ++i)
        if (lille(a.at(i)) != lille(b.at(i)))
            return false;
    return true;
}

QString mappe(const QString& over, const QString& navn)
{
    return QDir::toNativeSeparators(QDir(over).filePath(navn)) + QDir::separator();
}

QToolButton* barknap(QToolBar* bar, const QString& navn, const QString& caption,
                     const QString& hint)
{
    auto* k = new QToolButton(bar);
    k->setObjectName(navn);
    k->setText(caption);
    k->setToolTip(hint);
    k->setStatusTip(hint);
    k->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->addWidget(k);
    return k;
}

QAction* baraktion(QToolBar* bar, const QString& navn, const QString& hint)
{
    QAction* a = bar->addAction(hint);
    a->setObjectName(navn);
    a->setToolTip(hint);
    a->setStatusTip(hint);
    return a;
}

} // namespace

Tinfoform::Tinfoform(Hub& hub, Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      m_hub(hub), m_platform(platform)
{
    setWindowTitle(QStringLiteral("Tavlum information"));
    setObjectName(QStringLiteral("infoform"));

    htmlBar = new QToolBar(this);
    htmlBar->setObjectName(QStringLiteral("htmlBar"));
    htmlBar->setIconSize(QSize(16, 16));
    expandKnap = barknap(htmlBar, QStringLiteral("expandKnap"), QStringLiteral("Expand"),
                         QStringLiteral("Udfold struktur"));
    collapseKnap = barknap(htmlBar, QStringLiteral("collapseKnap"), QStringLiteral("Collapse"),
                           QStringLiteral("Sammenfold struktur"));
    omButton = barknap(htmlBar, QStringLiteral("omButton"), QStringLiteral("Om programmet"),
                       QStringLiteral("Info om programmet"));
    omButton->setToolButtonStyle(Qt::ToolButtonIconOnly);
    // The message boxes are given to the main window after every window is made.
    Struktur = new TStruktur(
        platform, [this](const QString& fejl) { m_hub.beskeder().besked(fejl); }, this);
    Struktur->setObjectName(QStringLiteral("Struktur"));
    Struktur->setAccessibleName(QStringLiteral("Emner"));
    Struktur->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Struktur->DataOn = true;
    Struktur->Flytmode = naAdd;
    auto* venstre = new QWidget;
    auto* venstreLag = new QVBoxLayout(venstre);
    venstreLag->setContentsMargins(0, 0, 0, 0);
    venstreLag->setSpacing(0);
    venstreLag->addWidget(htmlBar);
    venstreLag->addWidget(Struktur, 1);

    NavigateBar = new QToolBar(this);
    NavigateBar->setObjectName(QStringLiteral("NavigateBar"));
    NavigateBar->setIconSize(QSize(16, 16));
    Afirst = baraktion(NavigateBar, QStringLiteral("Afirst"), QStringLiteral("Gå til første"));
    Aback = baraktion(NavigateBar, QStringLiteral("Aback"), QStringLiteral("Tilbage"));
    Aforward = baraktion(NavigateBar, QStringLiteral("Aforward"), QStringLiteral("Frem"));
    Alast = baraktion(NavigateBar, QStringLiteral("Alast"), QStringLiteral("Gå til sidste"));
    Edit = new QLineEdit(NavigateBar);
    Edit->setObjectName(QStringLiteral("Edit"));
    Edit->setAccessibleName(QStringLiteral("Adresse"));
    NavigateBar->addWidget(Edit);
    Ago = baraktion(NavigateBar, QStringLiteral("Ago"), QStringLiteral("Opdater/Gå"));
    urlListeKnap =
        baraktion(NavigateBar, QStringLiteral("urlListeKnap"), QStringLiteral("Åben urllisten"));
    auto* webFlade = new QWidget;
    m_webplads = new QVBoxLayout(webFlade);
    m_webplads->setContentsMargins(0, 0, 0, 0);
    auto* hoejre = new QWidget;
    auto* hoejreLag = new QVBoxLayout(hoejre);
    hoejreLag->setContentsMargins(0, 0, 0, 0);
    hoejreLag->setSpacing(0);
    hoejreLag->addWidget(NavigateBar);
    hoejreLag->addWidget(webFlade, 1);

    auto* deler = new QSplitter(this);
    deler->addWidget(venstre);
    deler->addWidget(hoejre);
    deler->setStretchFactor(1, 1);
    deler->setSizes({240, 520});
    infoBar = new QStatusBar(this);
    infoBar->setObjectName(QStringLiteral("infoBar"));
    auto* lag = new QVBoxLayout(this);
    lag->setContentsMargins(0, 0, 0, 0);
    lag->setSpacing(0);
    lag->addWidget(deler, 1);
    lag->addWidget(infoBar);

    connect(expandKnap, &QToolButton::clicked, Struktur, &QTreeWidget::expandAll);
    connect(collapseKnap, &QToolButton::clicked, Struktur, &QTreeWidget::collapseAll);
    connect(omButton, &QToolButton::clicked, this, [this] { m_hub.visOmProgrammet(this); });
    connect(Struktur, &QTreeWidget::itemClicked, this, &Tinfoform::StrukturClick);
    connect(Struktur, &QTreeWidget::itemActivated, this, &Tinfoform::StrukturClick);
    connect(Afirst, &QAction::triggered, &historik, &Urlhistorik::foerste);
    connect(Aback, &QAction::triggered, &historik, &Urlhistorik::tilbage);
    connect(Aforward, &QAction::triggered, &historik, &Urlhistorik::frem);
    connect(Alast, &QAction::triggered, &historik, &Urlhistorik::sidste);
    connect(Ago, &QAction::triggered, this, &Tinfoform::AgoExecute);
    connect(Edit, &QLineEdit::returnPressed, this, &Tinfoform::AgoExecute);
    connect(Edit, &QLineEdit::textChanged, this, &Tinfoform::opdaterAktioner);
    connect(urlListeKnap, &QAction::triggered, this, [this] {
        if (urlboks) {
            urlboks->show();
            urlboks->raise();
        }
    });
    connect(&historik, &Urlhistorik::aendret, this, &Tinfoform::opdaterAktioner);
    connect(&historik, &Urlhistorik::naviger, this, [this](const QString& side) {
        naviger(QUrl::fromLocalFile(Struktur->Infomappe + side));
    });

    strukturdir = QDir::toNativeSeparators(QDir::cleanPath(hub.mapper().strukturDir));
    QDir().mkdir(strukturdir);
    optFilnavn = QDir::toNativeSeparators(
        QDir(hub.mapper().Dir).filePath(QStringLiteral("information.txt")));
    setFixedWidth(760);
    setMinimumHeight(500);
    Vindueplads::anvend(this, hub.filvagt(), optFilnavn, QRect(0, 0, 760, 500));
    setBilleder(Design::erMoerk(hub.indstillinger().designName));
    opdaterAktioner();
}

Tinfoform::~Tinfoform() = default;

void Tinfoform::setBilleder(bool moerk)
{
    m_moerk = moerk;
    if (m_web)
        m_web->setMoerk(moerk);
    const auto b = [moerk](const char* navn) {
        return Billeder::billede(QLatin1String(navn), moerk);
    };
    expandKnap->setIcon(b("udfold"));
    collapseKnap->setIcon(b("sammenfold"));
    omButton->setIcon(b("info"));
    Afirst->setIcon(b("foerste"));
    Aback->setIcon(b("tilbage"));
    Aforward->setIcon(b("frem"));
    Alast->setIcon(b("sidste"));
    Ago->setIcon(b("gaa"));
    urlListeKnap->setIcon(b("historik"));
    Struktur->billeder = {b("emne0"), b("emne1"), b("emne2"), b("emne3")};
}

void Tinfoform::hentStruktur()
{
    m_opstart = false;
    LoadStruktur();
}

void Tinfoform::LoadStruktur()
{
    historik.ryd();
    const QString h = mappe(strukturdir, QFileInfo(strukturnavn).completeBaseName());
    Struktur->Strukturfile =
        QDir::toNativeSeparators(QDir(h).filePath(QStringLiteral("struktur.txt")));
    Struktur->Datafile = QDir::toNativeSeparators(QDir(h).filePath(QStringLiteral("data.txt")));
    Struktur->Infomappe = mappe(h, QStringLiteral("tekstfiler"));
    Struktur->HentStruktur();
}

bool Tinfoform::goToInfo(const QString& openNodetekst)
{
    if (!isVisible())
        show();
    raise();
    activateWindow();
    if (Struktur->topLevelItemCount() == 0)
        return false;
    const QString tekst =
        openNodetekst.isEmpty() ? Struktur->topLevelItem(0)->text(0) : openNodetekst;
    for (QTreeWidgetItem* emne : Struktur->emner()) {
        if (sammeEmne(emne->text(0), tekst)) {
            Struktur->setCurrentItem(emne);
            emne->setExpanded(true);
            StrukturClick();
            return true;
        }
    }
    return false;
}

void Tinfoform::StrukturClick()
{
    if (Struktur->valgt())
        naviger(QUrl::fromLocalFile(Struktur->Infomappe + Struktur->SelectedData() +
                                    QStringLiteral(".html")));
}

void Tinfoform::AgoExecute()
{
    const QString tekst = Edit->text();
    if (tekst.isEmpty())
        return;
    const QString fil = Struktur->Infomappe + tekst;
    if (QFileInfo(fil).isFile())
        naviger(QUrl::fromLocalFile(fil));
    else
        // Encoded, so that "#", "&" and blanks reach the search as words.
        naviger(QUrl::fromEncoded(soegning + QUrl::toPercentEncoding(tekst)));
}

Browser* Tinfoform::web()
{
    if (m_web)
        return m_web.get();
    if (m_browserMangler)
        return nullptr;
    QString fejl;
    m_web = Browser::lav(m_webplads->parentWidget(), m_platform.effectiveUserIsRoot(), &fejl);
    if (!m_web) {
        m_browserMangler = true;
        auto* besked = new QLabel(fejl);
        besked->setWordWrap(true);
        besked->setAlignment(Qt::AlignCenter);
        m_webplads->addWidget(besked);
        return nullptr;
    }
    m_web->widget()->setObjectName(QStringLiteral("Web"));
    m_webplads->addWidget(m_web->widget());
    m_web->foerNavigation = [this] { WebBeforeNavigate2(); };
    m_web->dokumentFaerdigt = [this](bool) { WebDocumentComplete(); };
    m_web->linkUnderMus = [this](const QString& adresse) { linkUnderMus(adresse); };
    m_web->nytVindue = [this] { return !globalUrl.isEmpty(); };
    m_web->udenfor = [this](const QUrl& adresse) { aabnUdenfor(adresse); };
    m_web->setMoerk(m_moerk);
    return m_web.get();
}

void Tinfoform::naviger(const QUrl& adresse)
{
    if (Browser* b = web())
        b->naviger(adresse);
}

void Tinfoform::aabnUdenfor(const QUrl& adresse)
{
    const QString tekst = adresse.isLocalFile() ? QDir::toNativeSeparators(adresse.toLocalFile())
                                                : adresse.toString(QUrl::FullyEncoded);
    if (const int svar = m_platform.shellExecute("open", tekst.toStdString(), {}, {}); svar <= 32)
        m_hub.beskeder().besked(Starter::fejltekst(svar) + u'\r' + tekst);
}

void Tinfoform::WebBeforeNavigate2()
{
    m_dokument = false;
}

QString Tinfoform::lokationsnavn() const
{
    if (!m_web)
        return {};
    const QUrl adresse = m_web->adresse();
    if (adresse.isLocalFile()) {
        const QString relativ = QDir(Struktur->Infomappe).relativeFilePath(adresse.toLocalFile());
        if (!relativ.startsWith(QLatin1String("..")) && QDir::isRelativePath(relativ))
            return QDir::toNativeSeparators(relativ);
    }
    return adresse.toString();
}

void Tinfoform::WebDocumentComplete()
{
    m_dokument = true;
    const QString loc = lokationsnavn();
    // Web pages, found by a search, are not put into the list.
    if (loc.isEmpty() || !QFileInfo(Struktur->Infomappe + loc).isFile())
        return;
    historik.besoegt(loc);
    Edit->setText(loc);
    Struktur->setSelected(loc);
}

void Tinfoform::linkUnderMus(const QString& adresse)
{
    infoBar->clearMessage();
    globalUrl.clear();
    if (!m_dokument || !m_platform.isValidUrl(adresse.toStdString()))
        return;
    infoBar->showMessage(adresse);
    globalUrl = adresse;
}

void Tinfoform::opdaterAktioner()
{
    Afirst->setEnabled(historik.kanFoerste());
    Aback->setEnabled(historik.kanTilbage());
    Aforward->setEnabled(historik.kanFrem());
    Alast->setEnabled(historik.kanSidste());
    Ago->setEnabled(!Edit->text().isEmpty());
}

void Tinfoform::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    web();
}

void Tinfoform::closeEvent(QCloseEvent* event)
{
    if (const QString fejl = Vindueplads::gem(m_hub.filvagt(), optFilnavn, this); !fejl.isEmpty())
        m_hub.beskeder().besked(fejl);
    event->accept();
}

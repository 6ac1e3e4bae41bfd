#include "main.h"

#include "Beskeder.h"
#include "Billeder.h"
#include "Design.h"
#include "Elementmodel.h"
#include "Elementtegner.h"
#include "Filskriver.h"
#include "Genvejsfil.h"
#include "Globalgenvej.h"
#include "Ikonvalg.h"
#include "Linjefil.h"
#include "Soegning.h"
#include "Platform.h"
#include "Starter.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QListView>
#include <QMenu>
#include <QScreen>
#include <QStackedWidget>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

Tmainform::Tmainform(Platform& platform, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_platform(platform), m_mapper(DataMapper::lav(platform)), m_kopi(m_mapper.Dir)
{
    setWindowTitle(QStringLiteral("Tavlum"));
    setObjectName(QStringLiteral("mainform"));
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    DataMapper::kopierDatasaet(DataMapper::installeretDatasaet(), m_mapper.base);
    grupper.DirFiler = m_mapper.DirFiler;
    grupper.vagt = &m_filvagt;
    m_filvagt.setSikkerhedskopi(&m_kopi);
    // A change of a group's files that a crash broke off is finished first.
    Filskriver::fuldfoer(m_mapper.DirFiler);
    m_filvagt.somListe(m_mapper.gruppefilnavn);
    m_filvagt.somListe(m_mapper.lagerfilnavn);
    lavReopenDir();
    // The design before the widgets, which then need no second polish.
    HentOptions();
    hentGruppelister();

    m_ikonvalg = std::make_unique<Ikonvalg>(platform, m_mapper.ikonDir);
    elementer = new Elementmodel(*m_ikonvalg, this);
    programBoks = new QListView(this);
    programBoks->setModel(elementer);
    programBoks->setItemDelegate(new Elementtegner(programBoks));
    // Items of one size are laid out without asking each for its size.
    programBoks->setUniformItemSizes(true);
    programBoks->setObjectName(QStringLiteral("programBoks"));
    programBoks->setAccessibleName(QStringLiteral("Elementer"));
    programBoks->setFrameShape(QFrame::NoFrame);
    programBoks->setCursor(Qt::PointingHandCursor);
    programBoks->setResizeMode(QListView::Adjust);
    programBoks->setEditTriggers(QAbstractItemView::NoEditTriggers);
    programBoks->setContextMenuPolicy(Qt::PreventContextMenu);
    programBoks->installEventFilter(this);
    connect(programBoks->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &Tmainform::opdaterAktioner);
    programBoks->viewport()->installEventFilter(this);
    visninger = new QStackedWidget(this);
    visninger->addWidget(lavPanel());
    visninger->addWidget(lavTopPanel());
    setCentralWidget(visninger);

    lavAktioner();
    lavSoegning();
    lavPopupMenu();
    lavRedskabslinje();
    setAcceptDrops(true);
    setVisning(opts.visning);
    opdaterAktioner();
}

Tmainform::~Tmainform() = default;

void Tmainform::setVinduer(Vinduer& vinduer)
{
    m_vinduer = &vinduer;
    m_beskeder.vinduer = &vinduer;
    m_starter = std::make_unique<Starter>(m_platform, m_beskeder);
}

void Tmainform::HentOptions()
{
    const QString standardInitDir = QString::fromStdString(m_platform.programsFolder());
    opts = Options::fraLinjer(hentListe(m_mapper.optFilnavn, Linjefil::Graense::indstillinger),
                              standardInitDir);
    // A design the program does not know leaves the one in force.
    if (Design::anvend(opts.designName))
        opts.designName = Design::kendtNavn(opts.designName);
    else
        opts.designName = QStringLiteral("Windows10 Clear Day");
    grupper.gruppenavn = opts.gruppenavn;
}

void Tmainform::GemOptions()
{
    gemListe(m_mapper.optFilnavn, optionLinjer());
}

void Tmainform::huskPanelplads()
{
    opts.pLeft = pos().x();
    opts.pTop = pos().y();
    opts.pWidth = width();
    opts.pHeight = height();
}

QStringList Tmainform::optionLinjer()
{
    if (!opts.menuVis)
        huskPanelplads();
    if (Gruppevindue* g = lavetBoks()) {
        const QWidget* boks = g->vindue();
        opts.boksHeight = boks->height();
        opts.boksTop = boks->pos().y();
        opts.boksLeft = boks->pos().x();
        opts.boksWidth = boks->width();
    }
    if (Egenskabsvindue* e = m_vinduer ? m_vinduer->lavetEgenskaber() : nullptr) {
        const QWidget* egenskaber = e->vindue();
        opts.egenskaberHeight = egenskaber->height();
        opts.egenskaberTop = egenskaber->pos().y();
        opts.egenskaberLeft = egenskaber->pos().x();
        opts.egenskaberWidth = egenskaber->width();
    }
    opts.gruppenavn = grupper.gruppenavn;
    return opts.tilLinjer();
}

void Tmainform::setImageList()
{
    const bool moerk = Design::erMoerk(opts.designName);
    ImageList = Billeder::liste(moerk);
    // A design chosen while the windows are open changes their pictures at once;
    // a window made later takes the design then.
    if (m_vinduer) {
        if (Gruppevindue* boks = m_vinduer->lavetBoks())
            boks->setBilleder(moerk);
        if (Egenskabsvindue* egenskaber = m_vinduer->lavetEgenskaber())
            egenskaber->setBilleder(moerk);
        if (Hjaelpevindue* info = m_vinduer->lavetInfo())
            info->setBilleder(moerk);
        if (Filboksvindue* filboks = m_vinduer->lavetFilboks())
            filboks->setBilleder(moerk);
    }
    const std::pair<QAction*, int> aktioner[] = {
        {aInfo, 1},    {aProgrammer, 5}, {aEgenskaber, 0},
        {aGrupper, 6}, {aElementer, 7},  {aRedigeElementer, 8},
        {aLager, 9},   {Atilbage, 20},   {Afrem, 19},
        {aGo, 10},     {mLuk, 2}};
    for (const auto& [a, sted] : aktioner)
        a->setIcon(ImageList.at(sted));
    for (const auto& [a, sted] :
         {std::pair{aMenuVis, 11}, std::pair{aStifinder, 22}, std::pair{insertFromStifinder, 23}})
        a->setIcon(ImageList.at(sted));
    aSoeg->setIcon(Billeder::billede(QStringLiteral("soeg"), moerk));
    filboksButton->setIcon(ImageList.at(16));
    appletsButton->setIcon(ImageList.at(14));
    const std::pair<const char*, int> knapper[] = {
        {"Button01", 1}, {"Button02", 14}, {"Button03", 16}, {"Button04", 15}, {"Button05", 18}};
    for (const auto& [navn, sted] : knapper)
        if (auto* knap = knapPanel->findChild<QToolButton*>(QLatin1String(navn)))
            knap->setIcon(ImageList.at(sted));
}

void Tmainform::hentGruppelister()
{
    grupper.gruppeliste = hentListe(m_mapper.gruppefilnavn, Linjefil::Graense::lister);
    grupper.lagerliste = hentListe(m_mapper.lagerfilnavn, Linjefil::Graense::lister);
    Grupper::fjernDubletter(grupper.gruppeliste, grupper.lagerliste);
}

QStringList Tmainform::hentListe(const QString& filnavn, qint64 hoejst)
{
    return m_filvagt.hent(filnavn, hoejst);
}

void Tmainform::lavVindue(const std::function<void()>& lav)
{
    // optionLinjer takes the windows' places, so only an unreadable file asks for them.
    const bool uroert = m_filvagt.ulaeselig(m_mapper.optFilnavn) &&
                        m_filvagt.uaendret(m_mapper.optFilnavn, optionLinjer());
    lav();
    if (uroert)
        m_filvagt.grundlag(m_mapper.optFilnavn, optionLinjer());
    if (!m_opstart)
        visUlaeselige();
}

void Tmainform::visUlaeselige()
{
    if (const QStringList filer = m_filvagt.nyeUlaeselige(); !filer.isEmpty())
        beskeder().besked(Filvagt::besked(filer));
}

bool Tmainform::gemListe(const QString& filnavn, const QStringList& linjer)
{
    const QString fejl = m_filvagt.gem(filnavn, linjer);
    visGemning(fejl);
    // A group list shows what its file holds: joined with another program's
    // change, or as it was when it could not be written.
    if (filnavn != m_mapper.gruppefilnavn && filnavn != m_mapper.lagerfilnavn)
        return fejl.isEmpty();
    QStringList& liste =
        filnavn == m_mapper.gruppefilnavn ? grupper.gruppeliste : grupper.lagerliste;
    if (const std::optional<QStringList> paaDisk = m_filvagt.kendt(filnavn);
        paaDisk && *paaDisk != liste) {
        liste = *paaDisk;
        Grupper::fjernDubletter(grupper.gruppeliste, grupper.lagerliste);
        if (Gruppevindue* boks = lavetBoks())
            boks->genfyldLister();
    }
    return fejl.isEmpty();
}

bool Tmainform::gemAktivGruppe()
{
    const QString fejl = grupper.gemAktiv();
    visGemning(fejl);
    // The group was read again as its files hold it.
    if (!fejl.isEmpty())
        LoadProgramBoks(true);
    return fejl.isEmpty();
}

void Tmainform::visGemning(const QString& fejl)
{
    // One message: what was not saved, or else a day's copy that failed.
    if (!fejl.isEmpty())
        beskeder().besked(fejl);
    else if (const QString kopifejl = m_kopi.nyFejl(); !kopifejl.isEmpty())
        beskeder().besked(kopifejl);
}

bool Tmainform::gendanData(const QDate& dag)
{
    if (const QString fejl = m_kopi.gendan(dag); !fejl.isEmpty()) {
        beskeder().besked(fejl);
        return false;
    }
    // What is in memory now would be written over the restored files at exit.
    const bool varMenu = opts.menuVis;
    HentOptions();
    hentGruppelister();
    const QString aktiv = grupper.gruppenavn;
    if (aktiv.isEmpty() || !grupper.gruppeliste.contains(aktiv))
        grupper.rydAktiv();
    else
        grupper.aktiver(aktiv);
    setVisning(opts.visning);
    setSkriftstoerrelse(opts.fontSize);
    setImageList();
    if (Gruppevindue* boks = lavetBoks())
        boks->genfyldLister();
    LoadProgramBoks(true);
    if (opts.menuVis != varMenu)
        setProgramForm(opts.menuVis);
    else if (opts.menuVis)
        loadMenuPanel();
    else {
        setRedskabslinjePlacering(opts.toolbarPlace);
        setRedskabslinje(opts.toolbarVisible);
    }
    visUlaeselige();
    return true;
}

void Tmainform::setVisible(bool visible)
{
    // The first showing sets the view before the window is up, so that the
    // menu view's frameless strip is what appears.
    if (visible && m_opstart && !m_vist) {
        m_vist = true;
        FormShow();
    }
    QMainWindow::setVisible(visible);
}

void Tmainform::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    fokuserVisning();
}

Globalgenvej& Tmainform::globalgenvej()
{
    if (!m_genvej)
        m_genvej = std::make_unique<Globalgenvej>(
            m_platform, *this, Genvejsfil::hent(m_filvagt, Genvejsfil::filnavn(m_mapper.Dir)));
    return *m_genvej;
}

void Tmainform::FormShow()
{
    MusNede = false;
    fraI = -1;
    tilI = -1;
    setProgramForm(opts.menuVis);
    setImageList();
    ReopenDir.HentReopenFiler();
    if (m_vinduer->trayValgt())
        lavTrayIcon();
    // Taken here, not by the properties window, which is made only when opened.
    // The reason a key cannot be had is shown there, not in a box at every start.
    const Genvejsfil genvej =
        Genvejsfil::hent(m_filvagt, Genvejsfil::filnavn(m_mapper.Dir));
    if (genvej.til)
        m_genvej = std::make_unique<Globalgenvej>(m_platform, *this, genvej);
    if (m_vinduer->minimerValgt())
        QTimer::singleShot(0, this, &QWidget::showMinimized);
    // The first activation runs once the window is up and the loop turns.
    QTimer::singleShot(0, this, &Tmainform::FormActivate);
}

void Tmainform::FormActivate()
{
    if (!m_opstart)
        return;
    m_opstart = false;
    // The windows made at the start have read their files and taken their
    // places: what an unreadable options file would be written as now is the
    // fallback, not a change.
    if (m_filvagt.ulaeselig(m_mapper.optFilnavn))
        m_filvagt.grundlag(m_mapper.optFilnavn, optionLinjer());
    if (grupper.gruppenavn.isEmpty()) {
        visUlaeselige();
        grupper.filnavn.clear();
        opts.menuVis = false;
        m_vinduer->boks().visSide(0);
        beskeder().besked(QStringLiteral("Der er ikke valgt eller indført et gruppenavn!"));
        // The user's first step: typing a group's name.
        m_vinduer->boks().fokuserGruppenavn();
        return;
    }
    grupper.filnavn = makeFilnavn();
    grupper.tekstnavn = makeTekstnavn();
    if (grupper.hentAktiv()) {
        // Switching to a listed group reads and fills everything again, so the
        // panel is built once, and a file without an icon is reported once.
        // The group window, when it is made later, selects the group itself.
        const int index = static_cast<int>(grupper.gruppeliste.indexOf(grupper.gruppenavn));
        if (Gruppevindue* boks = lavetBoks(); boks && index >= 0)
            boks->SkiftGruppe(index);
        else
            LoadProgramBoks(false);
        visUlaeselige();
    } else {
        visUlaeselige();
        m_vinduer->boks().visSide(1);
        beskeder().besked(QStringLiteral("Der er ikke indført elementer i gruppen ") +
                          grupper.gruppenavn + QStringLiteral("!"));
        opts.initDir = QString::fromStdString(m_platform.programsFolder());
    }
}

void Tmainform::closeEvent(QCloseEvent* event)
{
    // Windows holding changes not saved yet ask about them as they close, so
    // the end of the program never drops them unasked.
    if (Gruppevindue* boks = lavetBoks())
        boks->vindue()->close();
    if (Egenskabsvindue* egenskaber = m_vinduer->lavetEgenskaber())
        egenskaber->vindue()->close();
    gemVedAfslutning();
    event->accept();
    QCoreApplication::quit();
}

void Tmainform::gemVedSessionsslut()
{
    // Nobody is there to answer: what is pending is saved, and the messages
    // of saving go to the error output instead of boxes that would wait.
    const bool foer = std::exchange(m_beskeder.udenSkaerm, true);
    if (Gruppevindue* boks = lavetBoks())
        boks->gemVentendeLager();
    if (Egenskabsvindue* egenskaber = m_vinduer ? m_vinduer->lavetEgenskaber() : nullptr)
        egenskaber->gemVentende();
    gemVedAfslutning();
    m_beskeder.udenSkaerm = foer;
}

void Tmainform::gemVedAfslutning()
{
    QStringList nu = optionLinjer() + ReopenDir.linjer();
    if (nu == m_gemtVedAfslutning)
        return;
    m_gemtVedAfslutning = std::move(nu);
    FormCloseQuery();
    FormClose();
}

void Tmainform::FormCloseQuery()
{
    if (const QString fejl = ReopenDir.GemReopenFiler(); !fejl.isEmpty())
        beskeder().besked(fejl);
}

void Tmainform::FormClose()
{
    GemOptions();
}

void Tmainform::visAdministration()
{
    QWidget* w = m_vinduer->boks().vindue();
    if (w->isVisible())
        return;
    w->setAttribute(Qt::WA_ShowWithoutActivating);
    w->show();
    w->setAttribute(Qt::WA_ShowWithoutActivating, false);
}

void Tmainform::visOmProgrammet(const QWidget* over)
{
    m_vinduer->visOm(over);
}

void Tmainform::HelpInfo(const QString& S)
{
    Hjaelpevindue& info = m_vinduer->info();
    if (info.opstart())
        info.hentStruktur();
    info.goToInfo(S);
}

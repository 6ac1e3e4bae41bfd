#include "Fil_info.h"

#include "Beskeder.h"
#include "Filboksbilleder.h"
#include "Ikonvalg.h"
#include "functions/Stinavn.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int bredde = 345;
constexpr int hoejde = 349;

template <typename T> T* navngiv(T* w, const char* navn)
{
    w->setObjectName(QLatin1String(navn));
    return w;
}

QLabel* etiket(const char* navn, const QString& tekst = {})
{
    return navngiv(new QLabel(tekst), navn);
}

QLineEdit* laesefelt(const char* navn, const QString& tilgaengeligt)
{
    auto* e = navngiv(new QLineEdit, navn);
    e->setReadOnly(true);
    e->setFrame(false);
    e->setAccessibleName(tilgaengeligt);
    return e;
}

QLabel* billede(const char* navn)
{
    QLabel* l = etiket(navn);
    l->setFixedSize(32, 32);
    return l;
}

// The tabs' rows: a caption and its value, with lines between the groups.
class Gitter
{
public:
    explicit Gitter(QWidget* side, QLabel* ikon, QLineEdit* navn) : m_lag(new QGridLayout(side))
    {
        m_lag->setContentsMargins(8, 8, 8, 8);
        m_lag->setHorizontalSpacing(8);
        m_lag->setVerticalSpacing(6);
        m_lag->setColumnStretch(1, 1);
        m_lag->addWidget(ikon, 0, 0);
        m_lag->addWidget(navn, 0, 1);
        linje();
    }
    void rad(QLabel* tekst, QWidget* vaerdi)
    {
        if (auto* l = qobject_cast<QLabel*>(vaerdi)) {
            l->setTextInteractionFlags(Qt::TextSelectableByMouse);
            l->setAccessibleDescription(tekst->text());
        }
        m_lag->addWidget(tekst, m_raekke, 0);
        m_lag->addWidget(vaerdi, m_raekke++, 1);
    }
    // A row of a caption and the label that shows its value, which is returned.
    QLabel* felt(const char* tekstnavn, const QString& tekst, const char* vaerdinavn)
    {
        QLabel* vaerdi = etiket(vaerdinavn);
        rad(etiket(tekstnavn, tekst), vaerdi);
        return vaerdi;
    }
    void hel(QWidget* w) { m_lag->addWidget(w, m_raekke++, 0, 1, 2); }
    void hel(QLayout* l) { m_lag->addLayout(l, m_raekke++, 0, 1, 2); }
    void linje()
    {
        auto* l = new QFrame;
        l->setFrameShape(QFrame::HLine);
        l->setFrameShadow(QFrame::Sunken);
        hel(l);
    }
    void slut() { m_lag->setRowStretch(m_raekke, 1); }

private:
    QGridLayout* m_lag;
    int m_raekke = 1;
};

QPushButton* knapFor(QAction* a, const char* navn)
{
    auto* k = navngiv(new QPushButton(a->text()), navn);
    k->setToolTip(a->toolTip());
    k->setAccessibleName(a->text().isEmpty() ? a->toolTip() : a->text());
    k->setEnabled(a->isEnabled());
    QObject::connect(k, &QPushButton::clicked, a, &QAction::trigger);
    QObject::connect(a, &QAction::changed, k, [k, a] {
        k->setEnabled(a->isEnabled());
        k->setIcon(a->icon());
    });
    return k;
}

} // namespace

Tfilinfoform::Tfilinfoform(Beskeder& beskeder, const QWidget* hovedvindue, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), m_beskeder(beskeder),
      m_hovedvindue(hovedvindue)
{
    setWindowTitle(QStringLiteral("Fil egenskaber"));
    setObjectName(QStringLiteral("filinfoform"));
    QFont skrift = font();
    skrift.setPixelSize(13);
    setFont(skrift);

    aAnvend = new QAction(QStringLiteral("Anvend"), this);
    aAnvend->setObjectName(QStringLiteral("aAnvend"));
    aAnvend->setToolTip(QStringLiteral("Sæt de nye attributværdier"));
    connect(aAnvend, &QAction::triggered, this, &Tfilinfoform::aAnvendExecute);
    aUdfold = new QAction(this);
    aUdfold->setObjectName(QStringLiteral("aUdfold"));
    aUdfold->setToolTip(QStringLiteral("Gør boksen større"));
    connect(aUdfold, &QAction::triggered, this, [this] { setFixedWidth(width() + 140); });
    aSammenfold = new QAction(this);
    aSammenfold->setObjectName(QStringLiteral("aSammenfold"));
    aSammenfold->setToolTip(QStringLiteral("Gør boksen mindre"));
    connect(aSammenfold, &QAction::triggered, this, [this] { setFixedWidth(350); });

    Bog = navngiv(new QTabWidget(this), "Bog");
    Bog->setAccessibleName(QStringLiteral("Egenskaber"));
    side1 = lavFilside();
    Side2 = lavDrevside();
    Side3 = lavMappeside();
    Bog->addTab(side1, QStringLiteral("Fil"));
    Bog->addTab(Side2, QStringLiteral("Drev"));
    Bog->addTab(Side3, QStringLiteral("Mappe"));
    connect(Bog, &QTabWidget::currentChanged, this, &Tfilinfoform::BogChange);

    auto* lag = new QVBoxLayout(this);
    lag->setContentsMargins(6, 6, 6, 6);
    lag->addWidget(Bog, 1);
    lag->addWidget(lavPanelKnap());
    setFixedSize(bredde, hoejde);
    setBilleder(false);
}

QWidget* Tfilinfoform::lavFilside()
{
    auto* side = navngiv(new QWidget, "side1");
    ikonBox = billede("ikonBox");
    EditFilnavn = laesefelt("EditFilnavn", QStringLiteral("Filnavn"));
    Gitter g(side, ikonBox, EditFilnavn);
    LabelFiltype = g.felt("LabelTekst", QStringLiteral("Filtype:"), "LabelFiltype");
    g.linje();
    EditPath = laesefelt("EditPath", QStringLiteral("Placering:"));
    g.rad(etiket("LabelTekst1", QStringLiteral("Placering:")), EditPath);
    LabelSize = g.felt("LabelTekst2", QStringLiteral("Størrelse:"), "LabelSize");
    g.linje();
    LabelOprettet = g.felt("LabelTekst3", QStringLiteral("Oprettet:"), "LabelOprettet");
    LabelForandret = g.felt("LabelTekst4", QStringLiteral("Ændret:"), "LabelForandret");
    LabelAabnet = g.felt("LabelTekst5", QStringLiteral("Åbnet:"), "LabelAabnet");
    g.linje();
    cbReadOnly = navngiv(new QCheckBox(QStringLiteral("Skrivebeskyttet")), "cbReadOnly");
    cbHidden = navngiv(new QCheckBox(QStringLiteral("Skjult")), "cbHidden");
    for (QCheckBox* b : {cbReadOnly, cbHidden})
        connect(b, &QCheckBox::clicked, aAnvend, [this] { aAnvend->setEnabled(true); });
    auto* bokse = new QHBoxLayout;
    bokse->addWidget(cbReadOnly);
    bokse->addWidget(cbHidden);
    bokse->addStretch(1);
    auto* attributter = new QWidget;
    attributter->setLayout(bokse);
    bokse->setContentsMargins(0, 0, 0, 0);
    g.rad(etiket("Label1", QStringLiteral("Attributter:")), attributter);
    Button1 = knapFor(aAnvend, "Button1");
    auto* anvend = new QHBoxLayout;
    anvend->addStretch(1);
    anvend->addWidget(Button1);
    g.hel(anvend);
    g.slut();
    return side;
}

QWidget* Tfilinfoform::lavDrevside()
{
    auto* side = navngiv(new QWidget, "Side2");
    ImageDrive = billede("ImageDrive");
    EditDisknavn = laesefelt("EditDisknavn", QStringLiteral("Drev"));
    Gitter g(side, ImageDrive, EditDisknavn);
    LabelType = g.felt("Label3", QStringLiteral("Type:"), "LabelType");
    LabelFilsystem = g.felt("LabelTekstC", QStringLiteral("Filsystem:"), "LabelFilsystem");
    g.linje();
    LabelAnvendtSpace =
        g.felt("LabelTekstB", QStringLiteral("Anvendt plads:"), "LabelAnvendtSpace");
    LabelFreeSpace = g.felt("LabelTekstA", QStringLiteral("Ledig plads:"), "LabelFreeSpace");
    g.linje();
    LabelKapasitet = g.felt("Label2", QStringLiteral("Kapasitet:"), "LabelKapasitet");
    ProgressBar = navngiv(new QProgressBar, "ProgressBar");
    ProgressBar->setAccessibleName(QStringLiteral("Anvendt plads"));
    ProgressBar->setRange(0, 100);
    g.hel(ProgressBar);
    g.slut();
    return side;
}

QWidget* Tfilinfoform::lavMappeside()
{
    auto* side = navngiv(new QWidget, "Side3");
    Image1 = billede("Image1");
    EditMappenavn = laesefelt("EditMappenavn", QStringLiteral("Mappenavn"));
    Gitter g(side, Image1, EditMappenavn);
    LabelPlacering = etiket("LabelPlacering");
    LabelPlacering->setWordWrap(true);
    g.rad(etiket("Label4", QStringLiteral("Placering:")), LabelPlacering);
    LabelMappeSize = g.felt("Label5", QStringLiteral("Størrelse:"), "LabelMappeSize");
    LabelMappeIndhold = g.felt("Label6", QStringLiteral("Indeholder:"), "LabelMappeIndhold");
    g.linje();
    LabeloprettelsesDato = g.felt("Label7", QStringLiteral("Oprettet:"), "LabeloprettelsesDato");
    g.slut();
    return side;
}

QWidget* Tfilinfoform::lavPanelKnap()
{
    PanelKnap = navngiv(new QWidget(this), "PanelKnap");
    Button2 = navngiv(new QPushButton(QStringLiteral("Luk")), "Button2");
    Button2->setToolTip(QStringLiteral("Luk egenskabsboksen"));
    connect(Button2, &QPushButton::clicked, this, &QWidget::close);
    auto* lag = new QHBoxLayout(PanelKnap);
    lag->setContentsMargins(0, 0, 0, 0);
    lag->addWidget(knapFor(aSammenfold, "sammenfoldKnap"));
    lag->addWidget(knapFor(aUdfold, "udfoldKnap"));
    lag->addStretch(1);
    lag->addWidget(Button2);
    return PanelKnap;
}

void Tfilinfoform::visSide(int side)
{
    SideNummer = side;
    Bog->setCurrentIndex(side);
}

void Tfilinfoform::BogChange()
{
    Bog->setCurrentIndex(SideNummer);
}

void Tfilinfoform::setBilleder(bool moerk)
{
    aSammenfold->setIcon(Filboksbilleder::knap(QStringLiteral("forrige"), moerk));
    aUdfold->setIcon(Filboksbilleder::knap(QStringLiteral("naeste"), moerk));
    ImageDrive->setPixmap(Filboksbilleder::knap(QStringLiteral("drevinfo"), moerk).pixmap(32, 32));
    Image1->setPixmap(Filboksbilleder::ImageListMapper(moerk).value(0).pixmap(32, 32));
}

void Tfilinfoform::vis()
{
    if (!isVisible() && m_hovedvindue) {
        // The menu view's strip is at the screen's edge: stay wholly on the screen.
        const QRect skaerm = m_hovedvindue->screen()->availableGeometry();
        const QPoint midt = m_hovedvindue->frameGeometry().center() - rect().center();
        move(
            std::clamp(midt.x(), skaerm.left(), std::max(skaerm.left(), skaerm.right() - width())),
            std::clamp(midt.y(), skaerm.top(), std::max(skaerm.top(), skaerm.bottom() - height())));
    }
    show();
    raise();
}

void Tfilinfoform::aAnvendExecute()
{
    if (logik && logik->findesNoget(Filnavn))
        if (const QString fejl =
                logik->skrivAttributter(Filnavn, cbReadOnly->isChecked(), cbHidden->isChecked());
            !fejl.isEmpty())
            m_beskeder.besked(fejl);
    aAnvend->setEnabled(false);
    if (updateStrukturer)
        updateStrukturer();
}

void Tfilinfoform::setIkoner(const Platform& platform, const QString& ikonDir)
{
    m_platform = &platform;
    m_ikonDir = ikonDir;
}

QIcon Tfilinfoform::ikonFor(const TFilMappeInfo::Filvisning& v, const QString& fil) const
{
    const Ikonvalg valg(*m_platform, m_ikonDir);
    QIcon ikon;
    if (const QString egen = valg.makeIconFilnavn(v.ikonnavn);
        !v.ikonnavn.isEmpty() && QFileInfo(egen).isFile())
        ikon = QIcon(egen);
    else if (!v.slagsikon.isEmpty()) {
        // A kind icon missing from the icon folder is no reason to refuse the window.
        if (const QString slag = valg.makeIconFilnavn(v.slagsikon); QFileInfo(slag).isFile())
            ikon = QIcon(slag);
    } else
        ikon = Ikonvalg::ikonAf(m_platform->firstIcon(Stinavn::bytes(fil)));
    return ikon.isNull() ? valg.ukendt() : ikon;
}

void Tfilinfoform::showFileInfo(const QString& aFilename)
{
    ++m_visning;
    const std::optional<TFilMappeInfo::Filvisning> v = logik->filInfo(aFilename);
    if (!v) {
        close();
        m_beskeder.besked(QStringLiteral("Der opstod en fejl.\rFilen er muligvist i brug."));
        return;
    }
    setWindowTitle(QStringLiteral("Fil egenskaber"));
    visSide(0);
    Filnavn = aFilename;
    ikonBox->setPixmap(ikonFor(*v, aFilename).pixmap(32, 32));
    EditFilnavn->setText(v->navn);
    EditPath->setText(v->placering);
    LabelFiltype->setText(v->filtype);
    LabelSize->setText(v->stoerrelse);
    LabelOprettet->setText(v->oprettet);
    LabelForandret->setText(v->aendret);
    LabelAabnet->setText(v->aabnet);
    cbReadOnly->setChecked(v->attributter.skrivebeskyttet);
    cbHidden->setChecked(v->attributter.skjult);
    cbHidden->setEnabled(!v->attributter.altidSkjult);
    vis();
}

void Tfilinfoform::visMappeTal(const TFilMappeInfo::Mappetal& tal)
{
    LabelMappeSize->setText(tal.stoerrelse);
    LabelMappeIndhold->setText(tal.indhold);
}

void Tfilinfoform::showMappeInfo()
{
    const std::optional<TFilMappeInfo::Mappevisning> v = logik->mappeInfo();
    if (!v)
        return;
    const int visning = ++m_visning;
    setWindowTitle(QStringLiteral("Mappe egenskaber"));
    visSide(2);
    EditMappenavn->setText(v->navn);
    LabelPlacering->setText(v->placering);
    visMappeTal(TFilMappeInfo::mappetal(0, 0, 0));
    LabeloprettelsesDato->setText(v->oprettet);
    vis();
    const std::optional<TFilMappeInfo::Mappetal> tal =
        logik->taelMappe(v->mappe, [this, visning](const TFilMappeInfo::Mappetal& undervejs) {
            visMappeTal(undervejs);
            QCoreApplication::processEvents();
            return visning == m_visning && isVisible();
        });
    if (tal)
        visMappeTal(*tal);
}

void Tfilinfoform::showDriveInfo(const QString& aDriveTekst)
{
    ++m_visning;
    const TFilMappeInfo::Drevvisning v = logik->drevInfo(aDriveTekst);
    setWindowTitle(QStringLiteral("Drev egenskaber"));
    visSide(1);
    EditDisknavn->setText(v.navn);
    LabelType->setText(v.type);
    LabelFilsystem->setText(v.filsystem);
    LabelAnvendtSpace->setText(v.anvendt);
    LabelFreeSpace->setText(v.ledig);
    LabelKapasitet->setText(v.kapacitet);
    ProgressBar->setValue(v.procentBrugt);
    vis();
}

void Tfilinfoform::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    aUdfold->setEnabled(width() < 1921);
    aSammenfold->setEnabled(width() > 360);
}

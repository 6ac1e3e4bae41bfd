#include "egenskaber.h"

#include "Beskeder.h"
#include "Billeder.h"
#include "DataMapper.h"
#include "Design.h"
#include "Egenskabsfil.h"
#include "Hub.h"
#include "Knapper.h"
#include "Placering.h"
#include "Platform.h"
#include "Skaermflader.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// A radio group whose buttons are numbered from 0 in order.
QGroupBox* valggruppe(const QString& navn, const QString& titel, const QStringList& valg,
                      QButtonGroup*& gruppe)
{
    auto* boks = new QGroupBox(titel);
    boks->setObjectName(navn);
    auto* lag = new QVBoxLayout(boks);
    lag->setSpacing(2);
    lag->setContentsMargins(8, 4, 8, 4);
    gruppe = new QButtonGroup(boks);
    for (int i = 0; i < valg.size(); ++i) {
        auto* knap = new QRadioButton(valg.at(i));
        gruppe->addButton(knap, i);
        lag->addWidget(knap);
    }
    return boks;
}

// A column under its bold heading.
QVBoxLayout* kolonne(QWidget* side, const QString& overskrift)
{
    auto* lag = new QVBoxLayout(side);
    lag->setContentsMargins(4, 0, 4, 0);
    auto* titel = new QLabel(overskrift);
    QFont fed = titel->font();
    fed.setBold(true);
    titel->setFont(fed);
    lag->addWidget(titel);
    return lag;
}

} // namespace

Tegenskabsform::Tegenskabsform(Hub& hub, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), m_hub(hub)
{
    setWindowTitle(QStringLiteral("Egenskaber"));
    setObjectName(QStringLiteral("egenskabsform"));
    auto* lag = new QHBoxLayout(this);
    lag->setContentsMargins(8, 8, 8, 8);
    lag->addWidget(lavDesignkolonne());
    lag->addWidget(lavAspektkolonne());
    lag->addWidget(lavOpstartkolonne());
    // The dialog's own size, widened only when the texts need it.
    setFixedSize(lag->minimumSize().expandedTo(QSize(541, 299)));

    tavlumTimer.setInterval(1000);
    connect(&tavlumTimer, &QTimer::timeout, this, &Tegenskabsform::tavlumTimerTimer);

    programFil = QCoreApplication::applicationFilePath();
    optFilnavn = Egenskabsfil::filnavn(hub.mapper().Dir);
    HentOpt();
    gemButton->setEnabled(false);
    const Options& o = hub.indstillinger();
    move(Skaermplads::tilpas(QRect(QPoint(o.egenskaberLeft, o.egenskaberTop), size()), size())
             .topLeft());
    redskabslinjeBox->setChecked(o.toolbarVisible);
    viewStyleValg->button(o.visning)->setChecked(true);
    if (const int f = static_cast<int>(QList<int>{8, 10, 12}.indexOf(o.fontSize)); f >= 0)
        fontValg->button(f)->setChecked(true);
    hub.loadDesign(designBox);
    setBilleder(Design::erMoerk(o.designName));
    HentGenvej();
}

QWidget* Tegenskabsform::lavDesignkolonne()
{
    auto* side = new QWidget;
    QVBoxLayout* lag = kolonne(side, QStringLiteral("Element design"));
    viewStyleBox = valggruppe(QStringLiteral("viewStyleBox"), QStringLiteral("Ikoner og tekst"),
                              {QStringLiteral("Ikon og tekst på linje"),
                               QStringLiteral("Tekst under ikonet"), QStringLiteral("Liste")},
                              viewStyleValg);
    fontBox = valggruppe(
        QStringLiteral("fontBox"), QStringLiteral("Fontstørrelse"),
        {QStringLiteral("Lille: 8"), QStringLiteral("Mellem: 10"), QStringLiteral("Stor: 12")},
        fontValg);
    openKnap = fladKnap(QStringLiteral("openKnap"), QStringLiteral("Åben ikonmappe"),
                        QStringLiteral("Åbne stifinder med valgte emne"));
    sbInformationsKnap = fladKnap(QStringLiteral("sbInformationsKnap"),
                                  QStringLiteral("Information"), QStringLiteral("Information"));
    lag->addWidget(viewStyleBox);
    lag->addWidget(fontBox);
    lag->addStretch(1);
    lag->addWidget(openKnap, 0, Qt::AlignLeft);
    lag->addWidget(sbInformationsKnap, 0, Qt::AlignLeft);

    connect(viewStyleValg, &QButtonGroup::idClicked, this, &Tegenskabsform::viewStyleBoxClick);
    connect(fontValg, &QButtonGroup::idClicked, this, &Tegenskabsform::fontBoxClick);
    connect(openKnap, &QToolButton::clicked, this, &Tegenskabsform::openKnapClick);
    connect(sbInformationsKnap, &QToolButton::clicked, this,
            [this] { m_hub.HelpInfo(QStringLiteral("Egenskaber")); });
    return side;
}

QWidget* Tegenskabsform::lavAspektkolonne()
{
    auto* side = new QWidget;
    QVBoxLayout* lag = kolonne(side, QStringLiteral("Program aspekter"));
    designBox = new QComboBox;
    designBox->setObjectName(QStringLiteral("designBox"));
    designBox->setAccessibleName(QStringLiteral("Designs"));
    designBox->setMaxVisibleItems(11);
    designBox->view()->setAccessibleName(QStringLiteral("Designs"));
    placeringsBox =
        valggruppe(QStringLiteral("placeringsBox"), QStringLiteral("Placering"),
                   {QStringLiteral("Øverste venstre hjørne"), QStringLiteral("Tilpas mod venstre"),
                    QStringLiteral("Tilpas mod højre"), QStringLiteral("Tilpas top"),
                    QStringLiteral("Tilpas bund")},
                   placeringsValg);
    redskabslinjeBox = new QCheckBox(QStringLiteral("Vis redskabslinje"));
    redskabslinjeBox->setObjectName(QStringLiteral("redskabslinjeBox"));
    lag->addWidget(new QLabel(QStringLiteral("Designs")));
    lag->addWidget(designBox);
    lag->addWidget(placeringsBox);
    lag->addWidget(redskabslinjeBox);
    lag->addStretch(1);

    connect(designBox, &QComboBox::activated, this, &Tegenskabsform::designBoxChange);
    connect(placeringsValg, &QButtonGroup::idClicked, this, &Tegenskabsform::placeringsBoxClick);
    connect(redskabslinjeBox, &QCheckBox::clicked, this,
            [this](bool vis) { m_hub.setRedskabslinje(vis); });
    return side;
}

QWidget* Tegenskabsform::lavOpstartkolonne()
{
    auto* side = new QWidget;
    QVBoxLayout* lag = kolonne(side, QStringLiteral("Opstart og minimerfunktion"));
    trayCheck = new QCheckBox(QStringLiteral("Minimer til system bakken"));
    trayCheck->setObjectName(QStringLiteral("trayCheck"));
    trayCheck->setToolTip(QStringLiteral("Fungerer straks"));
    trayCheck->setStatusTip(QStringLiteral("Fungerer straks"));
    trayCheck->setChecked(true);
    minimerCheck = new QCheckBox(QStringLiteral("Minimer ved opstart"));
    minimerCheck->setObjectName(QStringLiteral("minimerCheck"));
    minimerCheck->setToolTip(QStringLiteral("Fungerer ved næste programopstart"));
    minimerCheck->setStatusTip(QStringLiteral("Fungerer ved næste programopstart"));
    tavlumDoButton = knap(QStringLiteral("tavlumDoButton"), QStringLiteral("Udfør"),
                          QStringLiteral("Tilføj eller fjern programmet som startop-program"));
    gemButton = knap(QStringLiteral("gemButton"),
                     QStringLiteral("Gem egenskaber ved opstart\nog minimerfunktion"));
    cabcelButton = knap(QStringLiteral("cabcelButton"), QStringLiteral("Luk Egenskaber"));
    lag->addWidget(trayCheck);
    lag->addWidget(minimerCheck);
    lag->addSpacing(8);
    auto* startop = new QHBoxLayout;
    startop->addWidget(new QLabel(QStringLiteral("Startop-program")));
    startop->addWidget(tavlumDoButton);
    lag->addLayout(startop);
    lag->addWidget(lavGendanKnap());
    lag->addWidget(lavGenvejsfelt());
    lag->addStretch(1);
    lag->addWidget(gemButton);
    lag->addWidget(cabcelButton);

    connect(trayCheck, &QCheckBox::clicked, gemButton, [this] { gemButton->setEnabled(true); });
    connect(minimerCheck, &QCheckBox::clicked, gemButton, [this] { gemButton->setEnabled(true); });
    connect(tavlumDoButton, &QPushButton::clicked, this, &Tegenskabsform::tavlumDoButtonClick);
    connect(gemButton, &QPushButton::clicked, this, &Tegenskabsform::gemButtonClick);
    connect(cabcelButton, &QPushButton::clicked, this, &QWidget::close);
    return side;
}

bool Tegenskabsform::trayValgt() const
{
    return trayCheck->isChecked();
}

bool Tegenskabsform::minimerValgt() const
{
    return minimerCheck->isChecked();
}

void Tegenskabsform::HentOpt()
{
    const Egenskabsfil e = Egenskabsfil::hent(m_hub.filvagt(), optFilnavn);
    trayCheck->setChecked(e.tray);
    minimerCheck->setChecked(e.minimer);
    tavlumFilename = e.tavlumFilename;
    tavlumDoButton->setText(QStringLiteral("Udfør"));
    visRegistrering();
}

void Tegenskabsform::GemOpt()
{
    const Egenskabsfil e{trayCheck->isChecked(), minimerCheck->isChecked(), tavlumFilename};
    m_hub.gemListe(optFilnavn, e.tilLinjer());
}

void Tegenskabsform::gemButtonClick()
{
    GemOpt();
    gemButton->setEnabled(false);
}

void Tegenskabsform::showEvent(QShowEvent* event)
{
    // The strip across the screen has no panel to style or place.
    const bool panel = !m_hub.indstillinger().menuVis;
    for (QWidget* w :
         std::initializer_list<QWidget*>{viewStyleBox, placeringsBox, fontBox, redskabslinjeBox})
        w->setEnabled(panel);
    // The registration may have changed outside while the window was hidden.
    if (!tavlumTimer.isActive())
        visRegistrering();
    QWidget::showEvent(event);
}

void Tegenskabsform::gemVentende()
{
    if (gemButton->isEnabled())
        gemButtonClick();
}

void Tegenskabsform::closeEvent(QCloseEvent* event)
{
    if (gemButton->isEnabled()) {
        if (m_hub.beskeder().spoerg(QStringLiteral("Skal ændringerne gemmes?"))) {
            gemButtonClick();
        } else {
            HentOpt();
            gemButton->setEnabled(false);
        }
    }
    QWidget::closeEvent(event);
}

void Tegenskabsform::setBilleder(bool moerk)
{
    openKnap->setIcon(Billeder::billede(QStringLiteral("16"), moerk));
    sbInformationsKnap->setIcon(Billeder::billede(QStringLiteral("info"), moerk));
}

void Tegenskabsform::viewStyleBoxClick(int valg)
{
    m_hub.setVisning(static_cast<Options::Visning>(valg));
}

void Tegenskabsform::fontBoxClick(int valg)
{
    m_hub.setSkriftstoerrelse(8 + 2 * valg);
}

void Tegenskabsform::designBoxChange(int index)
{
    m_hub.visAdministration();
    if (index >= 0)
        m_hub.skiftDesign(designBox->itemText(index));
}

static_assert(Placering::ubegraenset == QWIDGETSIZE_MAX);

void Tegenskabsform::placeringsBoxClick(int valg)
{
    QWidget& m = m_hub.hovedvindue();
    const QRect ramme = m.frameGeometry();
    // The frame is the window's border and title bar, kept as they are.
    const QSize kant = ramme.size() - m.size();
    const Placering::Resultat r = Placering::beregn(
        static_cast<Placering::Valg>(valg), ramme, m.screen()->availableGeometry(),
        m.minimumSizeHint() + kant, m.maximumSize() + kant);
    m.resize(r.ramme.size() - kant);
    m.move(r.ramme.topLeft());
    if (r.redskabslinje)
        m_hub.setRedskabslinjePlacering(*r.redskabslinje);
    m_hub.huskPanelplads();
}

void Tegenskabsform::openKnapClick()
{
    const QString mappe = m_hub.mapper().ikonDir;
    if (!QFileInfo(mappe).isDir()) {
        m_hub.beskeder().besked(QStringLiteral("Mappen blev ikke fundet!"));
        return;
    }
    const int svar = m_hub.platform().shellExecute("open", mappe.toStdString(), {}, {});
    if (svar <= 32)
        m_hub.ErrorInfo(static_cast<unsigned>(svar));
}

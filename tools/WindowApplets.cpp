#include "WindowApplets.h"

#include "Hub.h"
#include "Platform.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

QPushButton* knap(QWidget* eier, const QString& navn, const QString& caption, const QString& hint)
{
    auto* k = new QPushButton(caption, eier);
    k->setObjectName(navn);
    k->setToolTip(hint);
    k->setStatusTip(hint);
    k->setAutoDefault(false);
    return k;
}

// A caption too long for its button breaks at the blank nearest its middle.
QString ombrudt(const QString& caption, const QFontMetrics& maal, int bredde)
{
    if (maal.horizontalAdvance(caption) <= bredde)
        return caption;
    qsizetype bedst = -1;
    for (qsizetype i = caption.indexOf(u' '); i >= 0; i = caption.indexOf(u' ', i + 1))
        if (bedst < 0 || std::abs(i - caption.size() / 2) < std::abs(bedst - caption.size() / 2))
            bedst = i;
    QString s = caption;
    if (bedst >= 0)
        s[bedst] = u'\n';
    return s;
}

} // namespace

const QList<QList<TwaForm::Applet>>& TwaForm::applets()
{
    static const QList<QList<Applet>> raekker = {
        {
            {"winApp9", QStringLiteral("Kontrolpanel"),
             QStringLiteral(
                 "Åbner kontrolpanelet med adgang til forskellige computerindstillinger"),
             QStringLiteral("kontrolpanel.vbs")},
            {"winApp4", QStringLiteral("Brugerkonti"),
             QStringLiteral("Åbner kontrolpanelets side Brugerkonti/Brugerkonti"),
             QStringLiteral("bruger_konti.vbs")},
            {"winApp20", QStringLiteral("Windows firewall"),
             QStringLiteral("Åbner kontrolpanelets side der angår Windows firewall"),
             QStringLiteral("windows_firewall.vbs")},
            {"winApp1", QStringLiteral("Sikkerhed"),
             QStringLiteral("Åbner kontrolpanelets side der angår sikkerhed og vedligeholdelse"),
             QStringLiteral("actioncenter.vbs")},
            {"winApp12", QStringLiteral("Netværks forbindelser"),
             QStringLiteral("Fører til Kontrolpanel/Netværk og internet/Netværksforbindelser"),
             QStringLiteral("net_forbindelser.vbs")},
            {"winApp2", QStringLiteral("Programmer"),
             QStringLiteral("Åbner kontrolpanelets side Programmer/Fjern et program"),
             QStringLiteral("add_remove_programmer.vbs")},
        },
        {
            {"winApp19", QStringLiteral("Skærmopløsning"),
             QStringLiteral("Fører til Kontrolpanel/Udseende og personlige "
                            "indstillinger/Skærm/Skærmopløsning"),
             QStringLiteral("vis_egenskaber.vbs")},
            {"winApp14", QStringLiteral("Strømstyring"),
             QStringLiteral("Fører til Kontrolpanel/Hardware og lyd/Strømstyring"),
             QStringLiteral("power_options.vbs")},
            {"winApp8", QStringLiteral("Internet indstillinger"),
             QStringLiteral("Åbner en dialogboks med indstillinger for internettet"),
             QStringLiteral("internet_egenskaber.vbs")},
            {"winApp6", QStringLiteral("Enhedshåndtering"),
             QStringLiteral("Viser en liste over enheder i computeren eller forbundet hermed"),
             QStringLiteral("enhedshåndtering.vbs")},
            {"winApp17", QStringLiteral("System oplysninger"),
             QStringLiteral("Åbner en oversigt med oplysninger om systemets elementer"),
             QStringLiteral("systemoplysninger.vbs")},
            {"winApp16", QStringLiteral("Egenskaber for system"),
             QStringLiteral("Åbner en dialogboks med egenskaber for system"),
             QStringLiteral("system_egenskaber.vbs")},
            {"winApp13", QStringLiteral("ODBC"),
             QStringLiteral("Åbner ODBC datakildeadministrator boksen"),
             QStringLiteral("ODBC.vbs")},
        },
        {
            {"winApp5", QStringLiteral("Dato og klokken"),
             QStringLiteral("Åbner boks med mulighed for at indstille dato og klokkeslet"),
             QStringLiteral("dato_tid.vbs")},
            {"winApp15", QStringLiteral("Område"),
             QStringLiteral("Åbner en boks med mulighed for at bestemme sprog, dato og "
                            "klokkesletsformater"),
             QStringLiteral("region_sprog-info.vbs")},
            {"winApp10", QStringLiteral("Lyd"),
             QStringLiteral(
                 "Åbner en boks angående afspilning, optagelse, lyde samt kommunikation"),
             QStringLiteral("lyd.vbs")},
            {"winApp11", QStringLiteral("Egenskaber for mus"),
             QStringLiteral("Åbner boks hvor der kan bestemmes egenskaber for mus"),
             QStringLiteral("mus_egenskaber.vbs")},
            {"winApp18", QStringLiteral("Telefon og modem"),
             QStringLiteral("Åbner boksen Telefon og modem"), QStringLiteral("telefon_modem.vbs")},
            {"winApp7", QStringLiteral("Skrifttyper"),
             QStringLiteral(
                 "Fører til Kontrolpanel/Udseende og personlige indstillinger/Skrifttyper"),
             QStringLiteral("fonts.vbs")},
            {"winApp22", QStringLiteral("Spilleenheder"),
             QStringLiteral("Fører til boksen Spilleenheder"),
             QStringLiteral("game_controllers.vbs")},
        },
    };
    return raekker;
}

TwaForm::TwaForm(Hub& hub, const Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_hub(hub), m_suffix(QString::fromStdString(platform.scriptSuffix()))
{
    setWindowTitle(QStringLiteral("Window applets"));
    setObjectName(QStringLiteral("waForm"));

    auto* overskrift = new QLabel(QStringLiteral("Nemadgang til forskellige Windows elementer"));
    QFont stor = overskrift->font();
    stor.setPointSize(stor.pointSize() + 4);
    stor.setBold(true);
    overskrift->setFont(stor);
    overskrift->setAlignment(Qt::AlignCenter);

    auto* lag = new QVBoxLayout(this);
    lag->addWidget(overskrift);
    // Every row as wide as the window, whether it holds six buttons or seven.
    for (const QList<Applet>& raekke : applets()) {
        auto* linje = new QHBoxLayout;
        for (const Applet& a : raekke) {
            QPushButton* k = knap(this, QLatin1String(a.navn), a.caption, a.hint);
            k->setText(ombrudt(a.caption, k->fontMetrics(), 96));
            k->setAccessibleName(a.caption);
            k->setMinimumHeight(64);
            k->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            connect(k, &QPushButton::clicked, this,
                    [this, script = a.script] { m_hub.runApplets(scriptnavn(script)); });
            linje->addWidget(k);
        }
        lag->addLayout(linje);
    }
    infoKnap = knap(this, QStringLiteral("infoKnap"), QStringLiteral("Information"),
                    QStringLiteral("Information: Window applets"));
    lukKnap =
        knap(this, QStringLiteral("lukKnap"), QStringLiteral("Luk"), QStringLiteral("Luk boksen"));
    connect(infoKnap, &QPushButton::clicked, this, &TwaForm::infoKnapClick);
    connect(lukKnap, &QPushButton::clicked, this, &TwaForm::lukKnapClick);
    auto* bund = new QHBoxLayout;
    bund->addWidget(infoKnap);
    bund->addStretch(1);
    bund->addWidget(lukKnap);
    lag->addStretch(1);
    lag->addLayout(bund);
    setFixedSize(809, 313);
}

QString TwaForm::scriptnavn(const QString& script) const
{
    return QFileInfo(script).completeBaseName() + m_suffix;
}

void TwaForm::infoKnapClick()
{
    m_hub.HelpInfo(QStringLiteral("Window applets"));
}

void TwaForm::lukKnapClick()
{
    close();
}

void TwaForm::showEvent(QShowEvent* event)
{
    // Opens over the middle of the main window, wherever that is now.
    if (event->spontaneous())
        return QWidget::showEvent(event);
    QRect sted = frameGeometry();
    sted.moveCenter(m_hub.hovedvindue().frameGeometry().center());
    // The menu view's strip lies at the screen's edge; the window stays whole on the screen.
    if (const QScreen* skaerm = m_hub.hovedvindue().screen()) {
        const QRect flade = skaerm->availableGeometry();
        sted.moveTop(std::clamp(sted.top(), flade.top(),
                                std::max(flade.top(), flade.bottom() - sted.height() + 1)));
        sted.moveLeft(std::clamp(sted.left(), flade.left(),
                                 std::max(flade.left(), flade.right() - sted.width() + 1)));
    }
    move(sted.topLeft());
    QWidget::showEvent(event);
}

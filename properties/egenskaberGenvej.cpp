#include "egenskaber.h"

#include "Beskeder.h"
#include "DataMapper.h"
#include "Genvejsfil.h"
#include "Hub.h"
#include "Linjefil.h"
#include "Platform.h"

#include <QCheckBox>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QPointer>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

const QString ikkeHer = QStringLiteral(
    "Global genvej kan ikke bruges i denne session: den lader ikke et program tage en "
    "tastekombination fra de andre (f.eks. Wayland).");
const QString ugyldig =
    QStringLiteral("En global genvej skal holde Ctrl, Alt eller Windows-tasten nede.");

} // namespace

QWidget* Tegenskabsform::lavGenvejsfelt()
{
    auto* side = new QWidget;
    auto* lag = new QVBoxLayout(side);
    lag->setContentsMargins(0, 4, 0, 0);
    lag->setSpacing(2);
    genvejCheck = new QCheckBox(QStringLiteral("Global genvej"));
    genvejCheck->setObjectName(QStringLiteral("genvejCheck"));
    const QString hint = QStringLiteral("Viser og skjuler Tavlum fra ethvert program");
    genvejCheck->setToolTip(hint);
    genvejCheck->setStatusTip(hint);
    genvejFelt = new QKeySequenceEdit;
    genvejFelt->setObjectName(QStringLiteral("genvejFelt"));
    genvejFelt->setAccessibleName(QStringLiteral("Global genvej"));
    genvejFelt->setToolTip(QStringLiteral("Tryk den tastekombination, der skal bruges"));
    genvejBesked = new QLabel;
    genvejBesked->setObjectName(QStringLiteral("genvejBesked"));
    genvejBesked->setWordWrap(true);
    lag->addWidget(genvejCheck);
    lag->addWidget(genvejFelt);
    lag->addWidget(genvejBesked);
    connect(genvejCheck, &QCheckBox::clicked, this, &Tegenskabsform::genvejAendret);
    connect(genvejFelt, &QKeySequenceEdit::editingFinished, this, &Tegenskabsform::genvejAendret);
    return side;
}

void Tegenskabsform::HentGenvej()
{
    genvejFilnavn = Genvejsfil::filnavn(m_hub.mapper().Dir);
    const Genvejsfil g = Genvejsfil::hent(m_hub.filvagt(), genvejFilnavn);
    genvejCheck->setChecked(g.til);
    genvejFelt->setKeySequence(g.tast);
    if (!m_hub.platform().globalKeysSupported()) {
        genvejCheck->setEnabled(false);
        genvejFelt->setEnabled(false);
        genvejBesked->setText(ikkeHer);
        return;
    }
    // At start the reason stands in this window only: a box before the panel
    // is even shown would interrupt every start while another program holds the key.
    genvejBesked->setText(tagGenvej());
}

QString Tegenskabsform::tagGenvej()
{
    Platform& p = m_hub.platform();
    const std::optional<Platform::GlobalKey> global =
        Genvejsfil::somGlobal(genvejFelt->keySequence());
    if (!genvejCheck->isChecked() || !global) {
        p.releaseGlobalKey();
        return genvejCheck->isChecked() ? ugyldig : QString();
    }
    const QString navn = Genvejsfil::tekst(genvejFelt->keySequence());
    const QPointer<Tegenskabsform> mig(this);
    switch (p.grabGlobalKey(*global, [mig] {
        if (mig)
            mig->visEllerSkjul();
    })) {
    case Platform::GrabResult::Grabbed:
        return {};
    case Platform::GrabResult::Taken:
        return QStringLiteral("Tastekombinationen %1 bruges allerede af et andet program.")
            .arg(navn);
    case Platform::GrabResult::Refused:
        return QStringLiteral("Tastekombinationen %1 kan ikke bruges som global genvej.")
            .arg(navn);
    case Platform::GrabResult::Unsupported:
        break;
    }
    return ikkeHer;
}

void Tegenskabsform::genvejAendret()
{
    QKeySequence tast = genvejFelt->keySequence();
    if (!Genvejsfil::somGlobal(tast)) {
        if (!tast.isEmpty())
            m_hub.beskeder().besked(ugyldig);
        // Back to the combination in force.
        tast = Genvejsfil::fraLinjer(
                   Linjefil::hent(genvejFilnavn, Linjefil::Graense::indstillinger))
                   .tast;
    }
    {
        // The field records up to four combinations; a global key is one.
        const QSignalBlocker stille(genvejFelt);
        genvejFelt->setKeySequence(QKeySequence(tast[0]));
    }
    const QString fejl = tagGenvej();
    genvejBesked->setText(fejl);
    if (!fejl.isEmpty())
        m_hub.beskeder().besked(fejl);
    // Kept even when the key could not be had now: it is tried again at the next start.
    const Genvejsfil g{genvejCheck->isChecked(), genvejFelt->keySequence()};
    m_hub.gemListe(genvejFilnavn, g.tilLinjer());
}

void Tegenskabsform::visEllerSkjul()
{
    QWidget& v = m_hub.hovedvindue();
    if (v.isVisible() && !v.isMinimized() && v.isActiveWindow()) {
        v.hide();
        return;
    }
    v.setWindowState(v.windowState() & ~Qt::WindowMinimized);
    v.show();
    v.raise();
    v.activateWindow();
}

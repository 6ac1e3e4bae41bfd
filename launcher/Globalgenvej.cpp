#include "Globalgenvej.h"

#include "Platform.h"

#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

Globalgenvej::Globalgenvej(Platform& platform, QWidget& vindue, const Genvejsfil& valg)
    : m_platform(platform), m_vindue(vindue), m_valg(valg)
{
    if (m_valg.til)
        saet(m_valg);
}

Globalgenvej::~Globalgenvej()
{
    // The platform would otherwise call into this after it is gone.
    m_platform.releaseGlobalKey();
}

bool Globalgenvej::mulig() const
{
    return m_platform.globalKeysSupported();
}

QString Globalgenvej::ugyldig()
{
    return QStringLiteral("En global genvej skal holde Ctrl, Alt eller Windows-tasten nede.");
}

QString Globalgenvej::ikkeMulig()
{
    return QStringLiteral(
        "Global genvej kan ikke bruges i denne session: den lader ikke et program tage en "
        "tastekombination fra de andre (f.eks. Wayland).");
}

void Globalgenvej::saet(const Genvejsfil& valg)
{
    m_valg = valg;
    m_fejl.clear();
    if (!mulig()) {
        m_fejl = ikkeMulig();
        return;
    }
    const std::optional<Platform::GlobalKey> global = Genvejsfil::somGlobal(valg.tast);
    if (!valg.til || !global) {
        m_platform.releaseGlobalKey();
        if (valg.til)
            m_fejl = ugyldig();
        return;
    }
    const QString navn = Genvejsfil::tekst(valg.tast);
    // The main window outlives this, but the call may come late from the event loop.
    const QPointer<QWidget> vindue(&m_vindue);
    switch (m_platform.grabGlobalKey(*global, [this, vindue] {
        if (vindue)
            visEllerSkjul();
    })) {
    case Platform::GrabResult::Grabbed:
        return;
    case Platform::GrabResult::Taken:
        m_fejl = QStringLiteral("Tastekombinationen %1 bruges allerede af et andet program.")
                     .arg(navn);
        return;
    case Platform::GrabResult::Refused:
        m_fejl = QStringLiteral("Tastekombinationen %1 kan ikke bruges som global genvej.")
                     .arg(navn);
        return;
    case Platform::GrabResult::Unsupported:
        break;
    }
    m_fejl = ikkeMulig();
}

void Globalgenvej::visEllerSkjul()
{
    QWidget& v = m_vindue;
    // A window hidden and shown again without the keyboard leaving it is not
    // made the toolkit's active one again, though it has the keyboard still.
    const bool aktiv = v.isActiveWindow() ||
                       (v.windowHandle() && QGuiApplication::focusWindow() == v.windowHandle());
    if (v.isVisible() && !v.isMinimized() && aktiv) {
        v.hide();
        return;
    }
    v.setWindowState(v.windowState() & ~Qt::WindowMinimized);
    v.show();
    v.raise();
    v.activateWindow();
}

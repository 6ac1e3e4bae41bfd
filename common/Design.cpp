#include "Design.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <array>

namespace Design {

namespace {

struct Farver
{
    const char* navn;
    bool moerk;
    const char* vindue;
    const char* felt;
    const char* tekst;
    const char* knap;
    const char* fremhaev;
};

// The plain platform look comes first and has no palette of its own.
constexpr const char* platformNavn = "Windows";

constexpr std::array<Farver, 8> designs = {{
    {"Aqua Light Slate", false, "#e6ebf0", "#ffffff", "#1f2a36", "#d3dde7", "#4a7fb0"},
    {"Auric", true, "#2b2620", "#1e1a15", "#f0e3c4", "#3a3228", "#c9962e"},
    {"Carbon", true, "#262626", "#1b1b1b", "#e6e6e6", "#333333", "#5c8fd6"},
    {"Glossy", true, "#1d2330", "#141923", "#e9eef7", "#2a3347", "#3d9be9"},
    {"Iceberg Classico", false, "#eef4f8", "#ffffff", "#17324a", "#dbe7f0", "#2f8fbf"},
    {"Jet", true, "#151515", "#0c0c0c", "#f2f2f2", "#222222", "#d0302f"},
    {"Sky", false, "#e8f3fc", "#ffffff", "#103050", "#cfe5f7", "#1e88e5"},
    {"Windows10 Clear Day", false, "#f3f3f3", "#ffffff", "#000000", "#e1e1e1", "#0078d7"},
}};

const Farver* find(const QString& navn)
{
    for (const Farver& d : designs) {
        if (navn.compare(QLatin1String(d.navn), Qt::CaseInsensitive) == 0)
            return &d;
    }
    return nullptr;
}

QPalette palet(const Farver& d)
{
    const QColor vindue(d.vindue), felt(d.felt), tekst(d.tekst), knap(d.knap), fremhaev(d.fremhaev);
    QPalette p;
    p.setColor(QPalette::Window, vindue);
    p.setColor(QPalette::WindowText, tekst);
    p.setColor(QPalette::Base, felt);
    p.setColor(QPalette::AlternateBase, vindue);
    p.setColor(QPalette::Text, tekst);
    p.setColor(QPalette::Button, knap);
    p.setColor(QPalette::ButtonText, tekst);
    p.setColor(QPalette::Highlight, fremhaev);
    p.setColor(QPalette::HighlightedText, QColor(Qt::white));
    p.setColor(QPalette::ToolTipBase, felt);
    p.setColor(QPalette::ToolTipText, tekst);
    p.setColor(QPalette::PlaceholderText, d.moerk ? tekst.darker(160) : tekst.lighter(250));
    const QColor slukket = d.moerk ? tekst.darker(200) : tekst.lighter(300);
    p.setColor(QPalette::Disabled, QPalette::Text, slukket);
    p.setColor(QPalette::Disabled, QPalette::WindowText, slukket);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, slukket);
    return p;
}

} // namespace

QStringList navne()
{
    QStringList ud{QLatin1String(platformNavn)};
    for (const Farver& d : designs)
        ud.append(QLatin1String(d.navn));
    return ud;
}

QString kendtNavn(const QString& navn)
{
    if (navn.compare(QLatin1String(platformNavn), Qt::CaseInsensitive) == 0)
        return QLatin1String(platformNavn);
    const Farver* d = find(navn);
    return d ? QLatin1String(d->navn) : QString();
}

bool anvend(const QString& navn)
{
    const QString kendt = kendtNavn(navn);
    if (kendt.isEmpty()) {
        qWarning("Style '%s' not found", qUtf8Printable(navn));
        return false;
    }
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const Farver* d = find(kendt);
    QApplication::setPalette(d ? palet(*d) : QApplication::style()->standardPalette());
    return true;
}

bool erMoerk(const QString& navn)
{
    const Farver* d = find(navn);
    return d && d->moerk;
}

} // namespace Design

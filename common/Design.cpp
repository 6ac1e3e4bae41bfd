#include "Design.h"

#include "Designstil.h"
#include "Kontrast.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
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
    // The shape: corner radius of buttons and tabs, and how much light their
    // surface catches (0 flat, 1 soft, 2 glossy).
    int radius;
    int glans;
};

// The plain platform look comes first and has no palette of its own.
constexpr const char* platformNavn = "Windows";

constexpr std::array<Farver, 8> designs = {{
    {"Aqua Light Slate", false, "#dde3ea", "#f7f9fb", "#1f2a36", "#c5d0dc", "#3f7a8c", 4, 1},
    {"Auric", true, "#2b2620", "#1e1a15", "#f0e3c4", "#4a3d2a", "#c9962e", 3, 1},
    {"Carbon", true, "#262626", "#1b1b1b", "#e6e6e6", "#3a3a3a", "#5c8fd6", 0, 0},
    {"Glossy", true, "#1d2330", "#141923", "#e9eef7", "#34425e", "#3d9be9", 9, 2},
    {"Iceberg Classico", false, "#e4f2f8", "#ffffff", "#17324a", "#bfe0ee", "#1b9cc4", 2, 1},
    {"Jet", true, "#151515", "#0c0c0c", "#f2f2f2", "#262626", "#d0302f", 0, 0},
    {"Sky", false, "#e8f3fc", "#ffffff", "#103050", "#cfe5f7", "#1e88e5", 12, 2},
    {"Windows10 Clear Day", false, "#f3f3f3", "#ffffff", "#000000", "#e1e1e1", "#0078d7", 0, 0},
}};

QString iKraft = QLatin1String(platformNavn);

const Farver* find(const QString& navn)
{
    for (const Farver& d : designs) {
        if (navn.compare(QLatin1String(d.navn), Qt::CaseInsensitive) == 0)
            return &d;
    }
    return nullptr;
}

// The selection's colour and the text on it: the design's own colour, made
// darker until white text on it is readable, or dark text where that keeps
// the selection too faint against the list.
std::pair<QColor, QColor> udvalg(const QColor& fremhaev, const QColor& felt, const QColor& tekst)
{
    const QColor hvid(Qt::white);
    for (QColor c = fremhaev; Kontrast::forhold(c, felt) >= Kontrast::graense; c = c.darker(104))
        if (Kontrast::forhold(hvid, c) >= Kontrast::tekst)
            return {c, hvid};
    const QColor moerk =
        Kontrast::forhold(tekst, fremhaev) > Kontrast::forhold(felt, fremhaev) ? tekst : felt;
    return {fremhaev, Kontrast::mindst(moerk, Qt::black, {fremhaev}, Kontrast::tekst)};
}

// A palette from a design's five colours, with every text and mark readable on it.
QPalette palet(const QColor& vindue, const QColor& felt, const QColor& tekst, const QColor& knap,
               const QColor& fremhaev)
{
    // The shades of light and shadow come from the button colour.
    QPalette p(knap, vindue);
    p.setColor(QPalette::Window, vindue);
    p.setColor(QPalette::WindowText, tekst);
    p.setColor(QPalette::Base, felt);
    p.setColor(QPalette::AlternateBase, vindue);
    p.setColor(QPalette::Text, tekst);
    p.setColor(QPalette::Button, knap);
    p.setColor(QPalette::ButtonText, tekst);
    p.setColor(QPalette::BrightText, tekst);
    const auto [valgt, valgtTekst] = udvalg(fremhaev, felt, tekst);
    p.setColor(QPalette::Highlight, valgt);
    p.setColor(QPalette::HighlightedText, valgtTekst);
    p.setColor(QPalette::ToolTipBase, felt);
    p.setColor(QPalette::ToolTipText, tekst);
    const QColor link = Kontrast::mindst(fremhaev, tekst, {felt, vindue}, Kontrast::tekst);
    p.setColor(QPalette::Link, link);
    p.setColor(QPalette::LinkVisited, link);
    p.setColor(QPalette::PlaceholderText,
               Kontrast::mindst(felt, tekst, {felt}, Kontrast::tekst + 0.2));
    // Disabled: faint grey text, flat surfaces, a grey selection.
    const QColor slukket = Kontrast::slukket(tekst, vindue);
    for (const auto rolle : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText,
                             QPalette::HighlightedText, QPalette::PlaceholderText})
        p.setColor(QPalette::Disabled, rolle, slukket);
    p.setColor(QPalette::Disabled, QPalette::Button, Kontrast::blanding(knap, vindue, 0.6));
    p.setColor(QPalette::Disabled, QPalette::Base, Kontrast::blanding(felt, vindue, 0.5));
    p.setColor(QPalette::Disabled, QPalette::Highlight, Kontrast::blanding(vindue, slukket, 0.5));
    return p;
}

QPalette palet(const Farver& d)
{
    return palet(QColor(d.vindue), QColor(d.felt), QColor(d.tekst), QColor(d.knap),
                 QColor(d.fremhaev));
}

// The plain look's own colours, made readable in the same way.
QPalette platformPalet()
{
    const QPalette f = QApplication::style()->standardPalette();
    return palet(f.color(QPalette::Window), f.color(QPalette::Base), f.color(QPalette::Text),
                 f.color(QPalette::Button), f.color(QPalette::Highlight));
}

QString flade(const QColor& farve, int glans)
{
    if (glans == 0)
        return farve.name();
    if (glans == 1)
        return QStringLiteral("qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:1 %2)")
            .arg(farve.lighter(112).name(), farve.darker(108).name());
    return QStringLiteral("qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:0.49 %2, "
                          "stop:0.5 %3, stop:1 %4)")
        .arg(farve.lighter(150).name(), farve.lighter(115).name(), farve.name(),
             farve.darker(115).name());
}

// The shape of buttons, tabs, toolbars and headings; the palette gives the colours.
QString ark(const Farver& d, const QPalette& p)
{
    const QColor knap(d.knap), vindue(d.vindue), tekst(d.tekst);
    const QColor kant = Kontrast::kant(p), fokus = Kontrast::fokus(p);
    QPalette slukket = p;
    slukket.setCurrentColorGroup(QPalette::Disabled);
    const QString r = QString::number(d.radius);
    // A corner rounder than half a button's height would leave it square.
    const QString knapR = QString::number(std::min(d.radius, 9));
    return QStringLiteral("QPushButton { background: %1; color: %6; border: 1px solid %2; "
                          "border-radius: %12px;"
                          " padding: 3px 12px; }"
                          "QPushButton:hover { border-color: %4; }"
                          "QPushButton:pressed { background: %5; }"
                          "QPushButton:disabled { background: %10; color: %7; border-color: %11; }"
                          "QTabWidget::pane { border: 1px solid %2; top: -1px; }"
                          "QTabBar::tab { background: %1; color: %6; border: 1px solid %2;"
                          " border-top-left-radius: %3px; border-top-right-radius: %3px;"
                          " padding: 4px 10px; margin-right: 2px; }"
                          "QTabBar::tab:selected { background: %8; border-bottom-color: %8;"
                          " border-top: 2px solid %4; }"
                          "QTabBar::tab:!selected { margin-top: 2px; }"
                          "QToolBar { background: %9; border: none; spacing: 1px; padding: 1px; }"
                          "QHeaderView::section { background: %1; color: %6; border: none;"
                          " border-bottom: 2px solid %4; padding: 3px 6px; }"
                          "QStatusBar { background: %9; color: %6; }")
        .arg(flade(knap, d.glans), kant.name(), r, fokus.name(), knap.darker(125).name(),
             tekst.name(), p.color(QPalette::Disabled, QPalette::ButtonText).name(), vindue.name(),
             flade(vindue.darker(d.moerk ? 80 : 106), d.glans))
        .arg(p.color(QPalette::Disabled, QPalette::Button).name(), Kontrast::kant(slukket).name(),
             knapR);
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
    // Known before the windows hear of the new palette, so they can pick their pictures.
    iKraft = kendt;
    QApplication::setStyle(new Designstil);
    const Farver* d = find(kendt);
    const QPalette p = d ? palet(*d) : platformPalet();
    QApplication::setPalette(p);
    qApp->setStyleSheet(d ? ark(*d, p) : QString());
    return true;
}

QString aktiv()
{
    return iKraft;
}

bool erMoerk(const QString& navn)
{
    const Farver* d = find(navn);
    return d && d->moerk;
}

} // namespace Design

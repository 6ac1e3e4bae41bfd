#include "Designstil.h"

#include "Kontrast.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

// A painter with smooth edges, put back as it was when done.
class Pensel
{
public:
    explicit Pensel(QPainter* p) : m_p(p)
    {
        m_p->save();
        m_p->setRenderHint(QPainter::Antialiasing, true);
    }
    ~Pensel() { m_p->restore(); }
    Pensel(const Pensel&) = delete;
    Pensel& operator=(const Pensel&) = delete;
    QPainter* operator->() const { return m_p; }

private:
    QPainter* m_p;
};

// A one-pixel line drawn on whole pixels at any scale.
QRectF indenfor(const QRect& r, qreal bredde = 1)
{
    return QRectF(r).adjusted(bredde / 2, bredde / 2, -bredde / 2, -bredde / 2);
}

// The pictures Qt takes from PNG files, drawn in the text colour of the design
// in use instead: the toolbar's "more" chevrons and an edit field's clear
// button. Every toolbar asks for its chevron when it is made, and loading a PNG
// asks each image format plugin in turn, which costs a start-up ten libraries;
// Qt's clear button is dark grey, which a dark design hides.
class Tegnetikon : public QIconEngine
{
public:
    enum Slags { VinkelVandret, VinkelLodret, Ryd };
    explicit Tegnetikon(Slags slags) : m_slags(slags) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        const QPalette pal = QGuiApplication::palette();
        const QColor farve = pal.color(
            mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active, QPalette::WindowText);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, true);
        painter->translate(rect.center() + QPointF(0.5, 0.5));
        if (m_slags == VinkelLodret)
            painter->rotate(90);
        const qreal s = qMin(rect.width(), rect.height()) / 16.0;
        painter->setPen(QPen(farve, 1.5 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->setBrush(Qt::NoBrush);
        if (m_slags == Ryd) {
            // A key that deletes to the left, with a cross in it.
            const QPointF tast[] = {{-6.5 * s, 0},
                                    {-2.5 * s, -4.5 * s},
                                    {6.5 * s, -4.5 * s},
                                    {6.5 * s, 4.5 * s},
                                    {-2.5 * s, 4.5 * s}};
            painter->drawPolygon(tast, 5);
            painter->drawLine(QPointF(-0.5 * s, -2 * s), QPointF(3.5 * s, 2 * s));
            painter->drawLine(QPointF(-0.5 * s, 2 * s), QPointF(3.5 * s, -2 * s));
        } else {
            for (const qreal x : {-3.5, 0.5}) {
                const QPointF vinkel[] = {{x * s, -3.5 * s}, {(x + 3) * s, 0}, {x * s, 3.5 * s}};
                painter->drawPolyline(vinkel, 3);
            }
        }
        painter->restore();
    }

    // The base class paints on a pixmap it never clears.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(), size), mode, state);
        return pm;
    }

    QIconEngine* clone() const override { return new Tegnetikon(m_slags); }

private:
    Slags m_slags;
};

bool slukket(const QStyleOption* o)
{
    return !(o->state & QStyle::State_Enabled);
}

// The outline by the control's own state: muted when it is disabled.
QColor kant(const QStyleOption* o)
{
    QPalette p = o->palette;
    p.setCurrentColorGroup(slukket(o) ? QPalette::Disabled : QPalette::Active);
    return Kontrast::kant(p);
}

QColor fyld(const QStyleOption* o)
{
    const QPalette& p = o->palette;
    return slukket(o) ? Kontrast::blanding(p.color(QPalette::Disabled, QPalette::Base),
                                           p.color(QPalette::Disabled, QPalette::Window), 0.5)
                      : p.color(QPalette::Active, QPalette::Base);
}

QColor maerke(const QStyleOption* o)
{
    return o->palette.color(slukket(o) ? QPalette::Disabled : QPalette::Active, QPalette::Text);
}

void afkrydsning(const QStyleOption* o, QPainter* painter)
{
    const int side = std::min(o->rect.width(), o->rect.height());
    QRect felt(0, 0, side, side);
    felt.moveCenter(o->rect.center());
    Pensel p(painter);
    p->setPen(QPen(kant(o), 1));
    p->setBrush(fyld(o));
    p->drawRoundedRect(indenfor(felt), 2, 2);
    const QRectF r = QRectF(felt).adjusted(side * 0.2, side * 0.2, -side * 0.2, -side * 0.2);
    p->setPen(
        QPen(maerke(o), std::max(1.5, side / 7.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (o->state & QStyle::State_NoChange) {
        p->drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    } else if (o->state & QStyle::State_On) {
        QPainterPath flueben(QPointF(r.left(), r.top() + r.height() * 0.55));
        flueben.lineTo(r.left() + r.width() * 0.38, r.bottom());
        flueben.lineTo(r.right(), r.top());
        p->setBrush(Qt::NoBrush);
        p->drawPath(flueben);
    }
}

void radioknap(const QStyleOption* o, QPainter* painter)
{
    const int side = std::min(o->rect.width(), o->rect.height());
    QRect felt(0, 0, side, side);
    felt.moveCenter(o->rect.center());
    Pensel p(painter);
    // A round line is smoothed all along; a little wider, it keeps its full colour.
    p->setPen(QPen(kant(o), 1.5));
    p->setBrush(fyld(o));
    p->drawEllipse(indenfor(felt, 1.5));
    if (o->state & QStyle::State_On) {
        p->setPen(Qt::NoPen);
        p->setBrush(maerke(o));
        const qreal r = side * 0.26;
        p->drawEllipse(QRectF(felt).center(), r, r);
    }
}

// The outline of an edit field or button: the focus colour and twice as wide
// while it has the keyboard.
void omrids(const QStyleOption* o, QPainter* painter, const QRect& r, bool medFokus)
{
    const bool fokus = medFokus && (o->state & QStyle::State_HasFocus) && !slukket(o);
    const qreal bredde = fokus ? 2 : 1;
    Pensel p(painter);
    p->setPen(QPen(fokus ? Kontrast::fokus(o->palette) : kant(o), bredde));
    p->setBrush(Qt::NoBrush);
    p->drawRoundedRect(indenfor(r, bredde), 2, 2);
}

void knapflade(const QStyleOption* o, QPainter* painter)
{
    const QPalette& pal = o->palette;
    QColor flade = pal.color(QPalette::Active, QPalette::Button);
    if (slukket(o))
        flade = Kontrast::blanding(flade, pal.color(QPalette::Active, QPalette::Window), 0.6);
    else if (o->state & (QStyle::State_Sunken | QStyle::State_On))
        flade = flade.darker(115);
    else if (o->state & QStyle::State_MouseOver)
        flade = Kontrast::blanding(flade, pal.color(QPalette::Active, QPalette::Highlight), 0.12);
    {
        Pensel p(painter);
        p->setPen(Qt::NoPen);
        p->setBrush(flade);
        p->drawRoundedRect(indenfor(o->rect), 2, 2);
    }
    omrids(o, painter, o->rect, false);
}

} // namespace

Designstil::Designstil() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void Designstil::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const
{
    switch (element) {
    case PE_IndicatorCheckBox:
    case PE_IndicatorItemViewItemCheck:
        afkrydsning(option, painter);
        return;
    case PE_IndicatorRadioButton:
        radioknap(option, painter);
        return;
    case PE_FrameLineEdit:
        omrids(option, painter, option->rect, true);
        return;
    case PE_PanelButtonCommand:
        knapflade(option, painter);
        return;
    case PE_PanelMenu: {
        // A menu stands out from the window it opens over.
        Pensel p(painter);
        p->setPen(QPen(kant(option), 1));
        p->setBrush(option->palette.color(QPalette::Active, QPalette::Base));
        p->drawRect(indenfor(option->rect));
        return;
    }
    case PE_Frame:
    case PE_FrameMenu: {
        Pensel p(painter);
        p->setPen(QPen(kant(option), 1));
        p->setBrush(Qt::NoBrush);
        p->drawRect(indenfor(option->rect));
        return;
    }
    case PE_FrameFocusRect: {
        // As the platform does: shown once the keyboard is used.
        if (!(option->state & State_KeyboardFocusChange))
            return;
        Pensel p(painter);
        p->setPen(QPen(Kontrast::fokus(option->palette), 2));
        p->setBrush(Qt::NoBrush);
        p->drawRoundedRect(indenfor(option->rect, 2), 2, 2);
        return;
    }
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void Designstil::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const
{
    const auto* punkt = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element == CE_MenuItem && punkt && punkt->menuItemType == QStyleOptionMenuItem::Separator &&
        punkt->text.isEmpty()) {
        // The toolkit's line is a fixed dark shade, lost on a dark menu.
        const QRect r = punkt->rect;
        const qreal y = r.center().y() + 0.5;
        Pensel p(painter);
        p->setPen(QPen(Kontrast::blanding(punkt->palette.color(QPalette::Active, QPalette::Base),
                                          kant(option), 0.6),
                       1));
        p->drawLine(QPointF(r.left() + 5, y), QPointF(r.right() - 5, y));
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

int Designstil::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                          QStyleHintReturn* returnData) const
{
    // Disabled text is drawn faint, not with a light shadow that doubles it on a dark design.
    if (hint == SH_EtchDisabledText)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QIcon Designstil::standardIcon(StandardPixmap icon, const QStyleOption* option,
                               const QWidget* widget) const
{
    if (icon == SP_ToolBarHorizontalExtensionButton)
        return QIcon(new Tegnetikon(Tegnetikon::VinkelVandret));
    if (icon == SP_ToolBarVerticalExtensionButton)
        return QIcon(new Tegnetikon(Tegnetikon::VinkelLodret));
    if (icon == SP_LineEditClearButton)
        return QIcon(new Tegnetikon(Tegnetikon::Ryd));
    return QProxyStyle::standardIcon(icon, option, widget);
}

void Designstil::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                    QPainter* painter, const QWidget* widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control == CC_SpinBox && static_cast<const QStyleOptionSpinBox*>(option)->frame) {
        omrids(option, painter, option->rect, true);
    } else if (control == CC_ScrollBar) {
        // The handle stands out against the groove it moves in.
        const QRect greb = subControlRect(control, option, SC_ScrollBarSlider, widget);
        if (greb.isEmpty())
            return;
        const QPalette& pal = option->palette;
        QColor farve = kant(option);
        if (option->state & State_MouseOver && option->activeSubControls & SC_ScrollBarSlider)
            farve = Kontrast::blanding(farve, pal.color(QPalette::Text), 0.35);
        Pensel p(painter);
        p->setPen(Qt::NoPen);
        p->setBrush(farve);
        p->drawRoundedRect(QRectF(greb).adjusted(2, 2, -2, -2), 3, 3);
    }
}

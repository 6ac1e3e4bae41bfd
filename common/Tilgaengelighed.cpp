#include "Tilgaengelighed.h"

#include <QAccessibleWidget>
#include <QMenu>
#include <QToolButton>

namespace {

// Marks a button whose menu is its own, not shared with other buttons.
const char* const egenMenu = "tilgaengelighedEgenMenu";

// A button that opens its menu however it is pressed. Its own menu is its
// child; a menu shared by several buttons belongs to none of them, or a
// screen reader would find it in many places and lose the buttons beside it.
class Menuknap : public QAccessibleWidget
{
public:
    explicit Menuknap(QToolButton* knap) : QAccessibleWidget(knap, QAccessible::ButtonMenu) {}

    QToolButton* knap() const { return static_cast<QToolButton*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        QString s = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && s.isEmpty())
            s = knap()->text().isEmpty() ? knap()->toolTip() : knap()->text();
        return QString(s).remove(QLatin1Char('&'));
    }
    QMenu* egen() const { return knap()->property(egenMenu).toBool() ? knap()->menu() : nullptr; }
    int childCount() const override { return egen() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 && egen() ? QAccessible::queryAccessibleInterface(egen()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* barn) const override
    {
        return barn && egen() && barn->object() == egen() ? 0 : -1;
    }
    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& handling) override
    {
        if (handling == showMenuAction() || handling == pressAction())
            knap()->showMenu();
        else
            QAccessibleWidget::doAction(handling);
    }
};

QAccessibleInterface* fabrik(const QString& klasse, QObject* objekt)
{
    auto* w = qobject_cast<QWidget*>(objekt);
    if (!w)
        return nullptr;
    // Reached only when no more special kind of widget answered: a plain window.
    if (klasse == QLatin1String("QWidget") && w->isWindow())
        return new QAccessibleWidget(w, w->windowType() == Qt::Dialog ? QAccessible::Dialog
                                                                      : QAccessible::Window);
    if (klasse == QLatin1String("QToolButton")) {
        auto* knap = static_cast<QToolButton*>(w);
        if (knap->menu() && knap->popupMode() == QToolButton::InstantPopup)
            return new Menuknap(knap);
    }
    return nullptr;
}

} // namespace

namespace Tilgaengelighed {

void installer()
{
    static const bool installeret = [] {
        QAccessible::installFactory(fabrik);
        return true;
    }();
    (void)installeret;
}

void navngivIndbyggede(QWidget* vindue)
{
    for (QToolButton* k :
         vindue->findChildren<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        k->setAccessibleName(QStringLiteral("Flere knapper"));
    // The clear button inside an edit field.
    for (QToolButton* k : vindue->findChildren<QToolButton*>())
        if (k->inherits("QLineEditIconButton"))
            k->setAccessibleName(QStringLiteral("Ryd feltet"));
}

void menuknap(QToolButton* knap, Menu menu)
{
    knap->setProperty(egenMenu, menu == Menu::Egen);
    // The toolkit describes a widget as soon as it is made, before it has a
    // menu; that description is dropped, so the next one sees the menu.
    if (QAccessibleInterface* i = QAccessible::queryAccessibleInterface(knap))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(i));
}

} // namespace Tilgaengelighed

#include "Afkrydsning.h"
#include "Programtest.h"
#include "boks.h"
#include "opentekstfil.h"

#include <QAccessible>
#include <QAction>
#include <QListWidget>
#include <QSet>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeView>

namespace {

bool interaktiv(QAccessible::Role rolle)
{
    switch (rolle) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::ButtonDropGrid:
    case QAccessible::PageTab:
    case QAccessible::MenuItem:
    case QAccessible::List:
    case QAccessible::Tree:
    case QAccessible::Table:
    case QAccessible::Link:
        return true;
    default:
        return false;
    }
}

QString beskriv(QAccessibleInterface* i)
{
    QString hvem = i->object() ? i->object()->objectName() : QString();
    if (hvem.isEmpty() && i->object())
        hvem = QString::fromLatin1(i->object()->metaObject()->className());
    return QStringLiteral("%1 (rolle %2)").arg(hvem).arg(i->role());
}

// Every control of a tree that a user can work and that has no name.
void unavngivne(QAccessibleInterface* i, QSet<QObject*>& set, QStringList& ud, int dybde = 0)
{
    if (!i || dybde > 40)
        return;
    if (QObject* o = i->object()) {
        // An item view's rows share their view's object; the view is walked once.
        if (i->role() != QAccessible::MenuItem && set.contains(o) && dybde > 0 &&
            !qobject_cast<QWidget*>(o))
            return;
        set.insert(o);
    }
    const bool skille = i->role() == QAccessible::Separator;
    if (!skille && interaktiv(i->role()) && i->text(QAccessible::Name).trimmed().isEmpty())
        ud << beskriv(i);
    for (int k = 0; k < i->childCount(); ++k)
        unavngivne(i->child(k), set, ud, dybde + 1);
}

} // namespace

class Tilgaengelighed : public Programtest
{
protected:
    QStringList unavngivneIAlleVinduer()
    {
        QStringList ud;
        for (QWidget* v : program->vinduer()) {
            QSet<QObject*> set;
            unavngivne(QAccessible::queryAccessibleInterface(v), set, ud);
        }
        return ud;
    }
};

TEST_F(Tilgaengelighed, EveryWindowIsAFrameOrADialogNamedByItsCaption)
{
    start();
    for (QWidget* v : program->vinduer()) {
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(v);
        ASSERT_NE(i, nullptr);
        EXPECT_TRUE(i->role() == QAccessible::Window || i->role() == QAccessible::Dialog)
            << v->objectName().toStdString() << " " << i->role();
        EXPECT_EQ(i->text(QAccessible::Name), v->windowTitle()) << v->objectName().toStdString();
        EXPECT_FALSE(v->windowTitle().isEmpty()) << v->objectName().toStdString();
    }
}

TEST_F(Tilgaengelighed, EveryControlAUserCanWorkHasAName)
{
    startMed({"Spil", "Sommerferie 2024"}, "Spil");
    QStringList mangler = unavngivneIAlleVinduer();
    EXPECT_TRUE(mangler.isEmpty()) << mangler.join(", ").toStdString();
    del<QAction>(*program->mainform, "aMenuVis")->trigger();
    mangler = unavngivneIAlleVinduer();
    EXPECT_TRUE(mangler.isEmpty()) << mangler.join(", ").toStdString();
}

TEST_F(Tilgaengelighed, AButtonThatOpensAMenuHasItsItemsAsChildren)
{
    startMed({"Spil", "Musik"}, "Spil");
    auto* kendte = program->openfilform().findChild<QToolButton*>("ToolButton3");
    QAccessibleInterface* knap = QAccessible::queryAccessibleInterface(kendte);
    EXPECT_EQ(knap->role(), QAccessible::ButtonMenu);
    EXPECT_EQ(knap->text(QAccessible::Name), "Private og delte mapper");
    ASSERT_EQ(knap->childCount(), 1);
    QAccessibleInterface* menu = knap->child(0);
    EXPECT_EQ(menu->role(), QAccessible::PopupMenu);
    QStringList punkter;
    for (int k = 0; k < menu->childCount(); ++k)
        if (menu->child(k)->role() == QAccessible::MenuItem)
            punkter << menu->child(k)->text(QAccessible::Name);
    EXPECT_TRUE(punkter.contains("Dokumenter"));
    EXPECT_TRUE(punkter.contains("Delte mapper"));
    EXPECT_EQ(knap->indexOfChild(menu), 0);

    del<QAction>(*program->mainform, "aMenuVis")->trigger();
    auto* gruppe = program->mainform->findChild<QToolButton*>("Button1");
    QAccessibleInterface* g = QAccessible::queryAccessibleInterface(gruppe);
    EXPECT_EQ(g->text(QAccessible::Name), "Musik");
    EXPECT_TRUE(
        g->actionInterface()->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
    // The strip's buttons share one list; a tree with it under each button is no tree.
    EXPECT_EQ(g->childCount(), 0);
    QAccessibleInterface* raekke = g->parent();
    ASSERT_EQ(raekke->childCount(), 2);
    EXPECT_EQ(raekke->child(0)->text(QAccessible::Name), "Spil");
    EXPECT_EQ(raekke->indexOfChild(g), 1);
}

TEST_F(Tilgaengelighed, TheElementRowsTellWhetherTheyAreChecked)
{
    startMed({"Spil"}, "Spil");
    QTreeView* liste = program->boksform().programBoks;
    program->boksform().afkrydsning->afkryds(1, true);
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(liste);
    // The heading comes first.
    QAccessibleInterface* anden = i->child(2);
    ASSERT_NE(anden, nullptr);
    EXPECT_EQ(anden->text(QAccessible::Name), "Spil2");
    EXPECT_TRUE(anden->state().checkable);
    EXPECT_TRUE(anden->state().checked);
    EXPECT_FALSE(i->child(1)->state().checked);
    EXPECT_EQ(i->child(1)->text(QAccessible::Description), "Afkrydsningsfelt");
}

namespace {

// The controls Tab reaches in a window, in order, starting from `fra`.
QStringList tabraekke(QWidget* fra)
{
    QStringList ud;
    for (QWidget* w = fra;;) {
        if (w->isVisibleTo(fra->window()) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
            ud << w->objectName();
        w = w->nextInFocusChain();
        if (w == fra)
            return ud;
    }
}

} // namespace

TEST_F(Tilgaengelighed, TabGoesThroughTheControlsInTheOrderTheyAreLaidOut)
{
    Tmainform& main = startMed({"Spil", "Musik"}, "Spil");
    vaelg(programBoks(main), 0);
    main.opdaterAktioner();
    EXPECT_EQ(tabraekke(programBoks(main)),
              QStringList({"programBoks", "tbInfo", "tbProgrammer", "tbEgenskaber", "tbTilbage",
                           "tbFrem", "tbGo", "tbMenuvisning", "tbSoeg", "filboksButton",
                           "appletsButton", "ToolButton1", "ToolButton2"}));
    Tboksform& boks = program->boksform();
    boks.Bog->setCurrentIndex(0);
    // From the page's tabs above it down through the page.
    EXPECT_EQ(tabraekke(boks.Bog),
              QStringList({"Bog", "qt_tabwidget_tabbar", "gruppeBoks", "gEdit", "nyGruppeKnap",
                           "sorterKnap", "sletKnap", "redigerKnap", "sbInformationsKnap"}));
}

#include "Programtest.h"
#include "boks.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

class Lagerside : public Programtest
{
protected:
    Tboksform& boks() { return program->boksform(); }
    static QStringList linjer(const QListWidget* l)
    {
        QStringList ud;
        for (int i = 0; i < l->count(); ++i)
            ud << l->item(i)->text();
        return ud;
    }
    static void vaelg(QListWidget* l, std::initializer_list<int> steder)
    {
        l->clearSelection();
        for (int i : steder)
            l->item(i)->setSelected(true);
    }
};

TEST_F(Lagerside, MovingSelectedAndAllEntriesKeepsTheirOrderAndWritesNothing)
{
    skrivBruger("lagergrupper.txt", {"L"});
    startMed({"A", "B", "C", "D"}, "A");
    Tboksform& b = boks();
    EXPECT_FALSE(b.AvalgteTilLager->isEnabled());
    EXPECT_FALSE(b.AvalgteTilbage->isEnabled());
    EXPECT_FALSE(b.AgemForandringer->isEnabled());
    vaelg(b.Box, {3, 1});
    ASSERT_TRUE(b.AvalgteTilLager->isEnabled());
    b.AvalgteTilLager->trigger();
    EXPECT_EQ(linjer(b.Box), QStringList({"A", "C"}));
    EXPECT_EQ(linjer(b.lagerBox), QStringList({"L", "B", "D"}));
    EXPECT_TRUE(b.listerModified);
    EXPECT_TRUE(b.AgemForandringer->isEnabled());

    vaelg(b.lagerBox, {0, 2});
    b.AvalgteTilbage->trigger();
    EXPECT_EQ(linjer(b.Box), QStringList({"A", "C", "L", "D"}));
    b.AalleTilLager->trigger();
    EXPECT_EQ(linjer(b.lagerBox), QStringList({"B", "A", "C", "L", "D"}));
    EXPECT_FALSE(b.AalleTilLager->isEnabled());
    b.AalleTilbage->trigger();
    EXPECT_EQ(linjer(b.Box), QStringList({"B", "A", "C", "L", "D"}));
    EXPECT_FALSE(b.AalleTilbage->isEnabled());
    EXPECT_EQ(laesBruger("programgrupper.txt"), QStringList({"A", "B", "C", "D"}));
    EXPECT_EQ(laesBruger("lagergrupper.txt"), QStringList({"L"}));
}

TEST_F(Lagerside, UpAndDownNeedExactlyOneSelectedEntryWithANeighbour)
{
    startMed({"A", "B", "C"}, "B");
    Tboksform& b = boks();
    vaelg(b.Box, {0});
    EXPECT_FALSE(b.AflytOp->isEnabled());
    EXPECT_TRUE(b.AflytNed->isEnabled());
    b.AflytNed->trigger();
    EXPECT_EQ(linjer(b.Box), QStringList({"B", "A", "C"}));
    EXPECT_TRUE(b.Box->item(1)->isSelected());
    b.AflytNed->trigger();
    EXPECT_EQ(linjer(b.Box), QStringList({"B", "C", "A"}));
    EXPECT_FALSE(b.AflytNed->isEnabled());
    b.AflytOp->trigger();
    EXPECT_EQ(linjer(b.Box), QStringList({"B", "A", "C"}));
    vaelg(b.Box, {0, 1});
    EXPECT_FALSE(b.AflytOp->isEnabled());
    EXPECT_FALSE(b.AflytNed->isEnabled());

    b.AgemForandringer->trigger();
    EXPECT_EQ(beskeder.beskeder, QStringList({"Forandringer gemmes!"}));
    EXPECT_EQ(laesBruger("programgrupper.txt"), QStringList({"B", "A", "C"}));
    EXPECT_EQ(linjer(b.gruppeBoks), QStringList({"B", "A", "C"}));
    EXPECT_FALSE(b.AgemForandringer->isEnabled());
}

TEST_F(Lagerside, StoringTheActiveGroupEmptiesThePanelAndBringingItBackRestoresIt)
{
    Tmainform& main = startMed({"A", "B"}, "A");
    Tboksform& b = boks();
    vaelg(b.Box, {0});
    b.AvalgteTilLager->trigger();
    b.AgemForandringerExecute();
    EXPECT_EQ(beskeder.beskeder, QStringList({"Aktuelle gruppe er sat på lager!"}));
    EXPECT_TRUE(main.grupperne().gruppenavn.isEmpty());
    EXPECT_EQ(antal(programBoks(main)), 0);
    EXPECT_EQ(laesBruger("lagergrupper.txt"), QStringList({"A"}));
    EXPECT_EQ(laesBruger("programgrupper.txt"), QStringList({"B"}));

    b.AalleTilbage->trigger();
    b.AgemForandringerExecute();
    EXPECT_EQ(beskeder.beskeder.size(), 1); // no active group: no message
    b.SkiftGruppe(1);
    EXPECT_EQ(main.grupperne().gruppenavn, "A");
    EXPECT_EQ(antal(programBoks(main)), 3);
}

TEST_F(Lagerside, LeavingTheTabSavesAndEnteringItRefillsTheProgramGroups)
{
    startMed({"A", "B"}, "A");
    Tboksform& b = boks();
    b.Bog->setCurrentIndex(3);
    vaelg(b.Box, {1});
    b.AvalgteTilLager->trigger();
    b.Bog->setCurrentIndex(0);
    EXPECT_EQ(beskeder.beskeder, QStringList({"Forandringer gemmes!"}));
    EXPECT_EQ(laesBruger("lagergrupper.txt"), QStringList({"B"}));
    EXPECT_FALSE(b.listerModified);

    // Pages chosen from the main window neither save nor refill.
    b.Bog->setCurrentIndex(3);
    b.AalleTilbage->trigger();
    b.visSide(0);
    EXPECT_TRUE(b.listerModified);
    EXPECT_EQ(beskeder.beskeder.size(), 1);
    b.hide();
}

TEST_F(Lagerside, AGroupListChangeFirstSavesPendingStorageChanges)
{
    // Reached when the main window's actions move between the pages.
    startMed({"A", "B"}, "B");
    Tboksform& b = boks();
    vaelg(b.Box, {0});
    b.AvalgteTilLager->trigger();
    b.gEdit->setText("Ny");
    b.nyGruppeKnapClick();
    EXPECT_EQ(laesBruger("programgrupper.txt"), QStringList({"B", "Ny"}));
    EXPECT_EQ(laesBruger("lagergrupper.txt"), QStringList({"A"}));
    EXPECT_EQ(linjer(b.Box), QStringList({"B", "Ny"}));
    EXPECT_FALSE(b.listerModified);

    // The storage may take the active group away before it is deleted.
    vaelg(b.Box, {0});
    b.AvalgteTilLager->trigger();
    beskeder.setNextAnswer(true);
    b.sletKnapClick();
    EXPECT_TRUE(beskeder.spoergsmaal.isEmpty());
    EXPECT_EQ(beskeder.beskeder.last(), "Der mangler et gruppenavn!");
    EXPECT_TRUE(QFile::exists(bruger("Filer/B.txt")));
}

TEST_F(Lagerside, LeavingTheTabLeavesTheActiveGroupAsItWas)
{
    Tmainform& main = startMed({"A", "B", "C"}, "B");
    Tboksform& b = boks();
    b.visSide(3);
    QApplication::setActiveWindow(&b);
    vaelg(b.Box, {2});
    b.AvalgteTilLager->trigger();
    b.Bog->setCurrentIndex(0);
    // The list still marks the active group, and the keyboard coming into it changes nothing.
    EXPECT_EQ(b.gruppeBoks->currentRow(), 1);
    b.gruppeBoks->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([&] { return b.gruppeBoks->hasFocus(); }, 2000));
    EXPECT_EQ(main.grupperne().gruppenavn, "B");

    // With the active group in storage, no other group takes its place.
    b.Bog->setCurrentIndex(3);
    vaelg(b.Box, {1});
    b.AvalgteTilLager->trigger();
    b.Bog->setCurrentIndex(0);
    EXPECT_EQ(beskeder.beskeder.last(), "Aktuelle gruppe er sat på lager!");
    b.nyGruppeKnap->setFocus();
    b.gruppeBoks->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([&] { return b.gruppeBoks->hasFocus(); }, 2000));
    EXPECT_TRUE(main.grupperne().gruppenavn.isEmpty());
    EXPECT_EQ(laesBruger("lagergrupper.txt"), QStringList({"C", "B"}));
    b.hide();
}

TEST_F(Lagerside, EndingTheProgramAsksAboutPendingChangesWhicheverWayItCloses)
{
    const QString spoergsmaal = "Skal ændringerne gemmes?";
    Tmainform* main = &startMed({"A", "B", "C"}, "A");
    vaelg(boks().Box, {2});
    boks().AvalgteTilLager->trigger();
    beskeder.setNextAnswer(true);
    del<QAction>(*main, "mLuk")->trigger();
    EXPECT_EQ(beskeder.spoergsmaal, QStringList({spoergsmaal}));
    EXPECT_EQ(laesBruger("programgrupper.txt"), QStringList({"A", "B"}));
    EXPECT_EQ(laesBruger("lagergrupper.txt"), QStringList({"C"}));
    EXPECT_EQ(laesBruger("options.txt").value(1), "A");

    // "Nej" drops them: the files stay as they were.
    main = &start();
    vaelg(boks().Box, {0});
    boks().AvalgteTilLager->trigger();
    main->close();
    EXPECT_EQ(beskeder.spoergsmaal.size(), 2);
    EXPECT_EQ(laesBruger("programgrupper.txt"), QStringList({"A", "B"}));
    EXPECT_EQ(laesBruger("lagergrupper.txt"), QStringList({"C"}));
    EXPECT_EQ(laesBruger("options.txt").value(1), "A");

    // The strip's "Luk"; storing the active group leaves none for the next start.
    main = &start();
    del<QAction>(*main, "aMenuVis")->trigger();
    vaelg(boks().Box, {0});
    boks().AvalgteTilLager->trigger();
    beskeder.setNextAnswer(true);
    main->findChild<QToolButton*>("Button05")->click();
    EXPECT_EQ(beskeder.spoergsmaal.size(), 3);
    EXPECT_EQ(beskeder.beskeder.last(), "Aktuelle gruppe er sat på lager!");
    EXPECT_EQ(laesBruger("programgrupper.txt"), QStringList({"B"}));
    EXPECT_EQ(laesBruger("lagergrupper.txt"), QStringList({"C", "A"}));
    EXPECT_EQ(laesBruger("options.txt").value(1), "");
}

// At the end of the session (a signal, the log-out) nobody can answer: the
// pending changes are saved unasked, and no box waits for a click.
TEST_F(Lagerside, TheEndOfTheSessionSavesPendingChangesUnasked)
{
    Tmainform& main = startMed({"A", "B", "C"}, "A");
    vaelg(boks().Box, {2});
    boks().AvalgteTilLager->trigger();
    main.gemVedSessionsslut();
    EXPECT_TRUE(beskeder.spoergsmaal.isEmpty());
    EXPECT_TRUE(beskeder.beskeder.isEmpty());
    EXPECT_EQ(laesBruger("programgrupper.txt"), QStringList({"A", "B"}));
    EXPECT_EQ(laesBruger("lagergrupper.txt"), QStringList({"C"}));
    // The quit that follows has nothing left to ask about.
    main.close();
    EXPECT_TRUE(beskeder.spoergsmaal.isEmpty());
}

TEST_F(Lagerside, ClosingTheWindowSavesOrDropsPendingChangesAsAnswered)
{
    startMed({"A", "B", "C"}, "A");
    Tboksform& b = boks();
    b.visSide(3);
    vaelg(b.Box, {1});
    b.AvalgteTilLager->trigger();
    b.close();
    EXPECT_EQ(beskeder.spoergsmaal, QStringList({"Skal ændringerne gemmes?"}));
    EXPECT_FALSE(b.listerModified);
    EXPECT_EQ(linjer(b.Box), QStringList({"A", "B", "C"}));
    EXPECT_TRUE(linjer(b.lagerBox).isEmpty());
    EXPECT_FALSE(QFile::exists(bruger("lagergrupper.txt")));

    // Reopened on another page and back on the tab, the lists hold no group twice.
    b.visSide(0);
    b.Bog->setCurrentIndex(3);
    vaelg(b.Box, {1});
    b.AvalgteTilLager->trigger();
    beskeder.setNextAnswer(true);
    b.close();
    EXPECT_EQ(laesBruger("programgrupper.txt"), QStringList({"A", "C"}));
    EXPECT_EQ(laesBruger("lagergrupper.txt"), QStringList({"B"}));
    b.close();
    EXPECT_EQ(beskeder.spoergsmaal.size(), 2);
}

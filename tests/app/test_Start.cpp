#include "Programtest.h"
#include "boks.h"

#include <QAction>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QStatusBar>

class Start : public Programtest
{
protected:
    std::string fil(int i) const
    {
        return program->mainform->grupperne().programliste.at(i).toStdString();
    }
    void dobbeltklik(Tmainform& main, int i)
    {
        const QRect rect = sted(programBoks(main), i);
        QTest::mouseClick(programBoks(main)->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(programBoks(main)->viewport(), Qt::LeftButton, {}, rect.center());
    }
};

TEST_F(Start, DoubleClickLaunchesAndLeavesNothingSelected)
{
    Tmainform& main = startMed({"Spil"}, "Spil");
    EXPECT_FALSE(del<QAction>(main, "aGo")->isEnabled());
    dobbeltklik(main, 1);
    ASSERT_EQ(platform.kald.size(), 1u);
    EXPECT_EQ(platform.kald[0].file, fil(1));
    EXPECT_EQ(platform.kald[0].verb, "open");
    EXPECT_FALSE(programBoks(main)->selectionModel()->hasSelection());
    EXPECT_FALSE(del<QAction>(main, "aGo")->isEnabled());
    QTest::keyClick(programBoks(main), Qt::Key_F9);
    EXPECT_EQ(platform.kald.size(), 1u);
}

TEST_F(Start, EnterAndF9LaunchTheSelectedElement)
{
    Tmainform& main = startMed({"Spil"}, "Spil");
    vaelg(programBoks(main), 0);
    EXPECT_TRUE(del<QAction>(main, "aGo")->isEnabled());
    QTest::keyClick(programBoks(main), Qt::Key_Return);
    vaelg(programBoks(main), 2);
    del<QAction>(main, "aGo")->trigger();
    ASSERT_EQ(platform.kald.size(), 2u);
    EXPECT_EQ(platform.kald[0].file, fil(0));
    EXPECT_EQ(platform.kald[1].file, fil(2));
}

TEST_F(Start, AClickShowsThePathInTheGroupWindowWhileItIsShown)
{
    Tmainform& main = startMed({"Spil"}, "Spil");
    const QRect rect = sted(programBoks(main), 2);
    QTest::mouseClick(programBoks(main)->viewport(), Qt::LeftButton, {}, rect.center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return main.valgtElement() == 2; }, 2000));
    EXPECT_EQ(program->boksform().infoBar->currentMessage(), "Der er 3 elementer i gruppen.");
    program->boksform().show();
    QTest::mouseClick(programBoks(main)->viewport(), Qt::LeftButton, {}, rect.center());
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return program->boksform().infoBar->currentMessage() == QString::fromStdString(fil(2));
        },
        2000));
    EXPECT_TRUE(platform.kald.empty());
}

TEST_F(Start, PendingStorageChangesAreSavedByTheFirstDoubleClickOnly)
{
    Tmainform& main = startMed({"A", "B"}, "A");
    Tboksform& boks = program->boksform();
    boks.lagerBox->addItem(boks.Box->takeItem(1));
    vaelg(programBoks(main), 0);
    boks.listerModified = true;
    del<QAction>(main, "aGo")->trigger();
    EXPECT_TRUE(platform.kald.empty());
    EXPECT_EQ(beskeder.beskeder, QStringList({"Forandringer gemmes!"}));
    vaelg(programBoks(main), 0);
    del<QAction>(main, "aGo")->trigger();
    EXPECT_EQ(platform.kald.size(), 1u);
}

TEST_F(Start, TheMenuViewListsAGroupsElementsAndLaunchesTheChosenOne)
{
    Tmainform& main = startMed({"A", "B", "C"}, "A");
    main.buttonClick(2);
    EXPECT_EQ(main.grupperne().gruppenavn, "C");
    ASSERT_EQ(del<QMenu>(main, "dropDown")->actions().size(), 3);
    EXPECT_EQ(del<QMenu>(main, "dropDown")->actions().at(0)->text(), "C1");
    del<QMenu>(main, "dropDown")->actions().at(1)->trigger();
    ASSERT_EQ(platform.kald.size(), 1u);
    EXPECT_EQ(platform.kald[0].file, fil(1));
    EXPECT_TRUE(platform.kald[0].file.ends_with("C2.txt"));
}

TEST_F(Start, AHugeGroupsMenuHoldsTheFirstThousandAndLeadsToThePanelForTheRest)
{
    QStringList filer, tekster;
    for (int i = 0; i < 1001; ++i) {
        filer << mappe.sti(QStringLiteral("mange/%1.txt").arg(i));
        tekster << QString::number(i);
    }
    skrivBruger("programgrupper.txt", {"Mange"});
    skrivBruger("Filer/Mange.txt", filer);
    skrivBruger("Filer/Mangetekst.txt", tekster);
    skrivOptions("Mange");
    Tmainform& main = start();
    main.setProgramForm(true);
    main.buttonClick(0);
    const QList<QAction*> punkter = del<QMenu>(main, "dropDown")->actions();
    ASSERT_EQ(punkter.size(), 1002);
    EXPECT_EQ(punkter[999]->text(), "999");
    EXPECT_TRUE(punkter[1000]->isSeparator());
    EXPECT_EQ(punkter[1001]->text(), "Vis alle 1.001 elementer i panelet");
    // As the menu reports a chosen item: the panel is shown, no element launched.
    punkter[1001]->trigger();
    emit del<QMenu>(main, "dropDown")->triggered(punkter[1001]);
    EXPECT_FALSE(main.indstillinger().menuVis);
    EXPECT_TRUE(platform.kald.empty());
    EXPECT_TRUE(beskeder.beskeder.isEmpty());
}

TEST_F(Start, AVanishedElementIsReportedAndStaysInTheGroup)
{
    Tmainform& main = startMed({"Spil"}, "Spil");
    QFile::remove(QString::fromStdString(fil(0)));
    vaelg(programBoks(main), 0);
    del<QAction>(main, "aGo")->trigger();
    EXPECT_EQ(beskeder.beskeder, QStringList({"Filen blev ikke fundet!"}));
    EXPECT_EQ(antal(programBoks(main)), 3);
}

TEST_F(Start, HomeAndEnterStartTheFirstElement)
{
    Tmainform& main = startMed({"Spil"}, "Spil");
    programBoks(main)->selectionModel()->setCurrentIndex(raekke(programBoks(main), 0),
                                                         QItemSelectionModel::NoUpdate);
    QTest::keyClick(programBoks(main), Qt::Key_Home);
    ASSERT_TRUE(QTest::qWaitFor([&] { return del<QAction>(main, "aGo")->isEnabled(); }, 2000));
    QTest::keyClick(programBoks(main), Qt::Key_Return);
    ASSERT_EQ(platform.kald.size(), 1u);
    EXPECT_EQ(platform.kald[0].file, fil(0));
}

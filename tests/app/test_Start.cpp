#include "Programtest.h"
#include "boks.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QStatusBar>

class Start : public Programtest
{
protected:
    std::string fil(int i) const
    {
        return program->mainform->grupper.programliste.at(i).toStdString();
    }
    void dobbeltklik(Tmainform& main, int i)
    {
        const QRect sted = main.programBoks->visualItemRect(main.programBoks->item(i));
        QTest::mouseClick(main.programBoks->viewport(), Qt::LeftButton, {}, sted.center());
        QTest::mouseDClick(main.programBoks->viewport(), Qt::LeftButton, {}, sted.center());
    }
};

TEST_F(Start, DoubleClickLaunchesAndLeavesNothingSelected)
{
    Tmainform& main = startMed({"Spil"}, "Spil");
    EXPECT_FALSE(main.aGo->isEnabled());
    dobbeltklik(main, 1);
    ASSERT_EQ(platform.kald.size(), 1u);
    EXPECT_EQ(platform.kald[0].file, fil(1));
    EXPECT_EQ(platform.kald[0].verb, "open");
    EXPECT_TRUE(main.programBoks->selectedItems().isEmpty());
    EXPECT_FALSE(main.aGo->isEnabled());
    QTest::keyClick(main.programBoks, Qt::Key_F9);
    EXPECT_EQ(platform.kald.size(), 1u);
}

TEST_F(Start, EnterAndF9LaunchTheSelectedElement)
{
    Tmainform& main = startMed({"Spil"}, "Spil");
    main.programBoks->setCurrentRow(0);
    EXPECT_TRUE(main.aGo->isEnabled());
    QTest::keyClick(main.programBoks, Qt::Key_Return);
    main.programBoks->setCurrentRow(2);
    main.aGo->trigger();
    ASSERT_EQ(platform.kald.size(), 2u);
    EXPECT_EQ(platform.kald[0].file, fil(0));
    EXPECT_EQ(platform.kald[1].file, fil(2));
}

TEST_F(Start, AClickShowsThePathInTheGroupWindowWhileItIsShown)
{
    Tmainform& main = startMed({"Spil"}, "Spil");
    const QRect sted = main.programBoks->visualItemRect(main.programBoks->item(2));
    QTest::mouseClick(main.programBoks->viewport(), Qt::LeftButton, {}, sted.center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return main.clickIndex == 2; }, 2000));
    EXPECT_EQ(program->boksform().infoBar->currentMessage(), "Der er 3 elementer i gruppen.");
    program->boksform().show();
    QTest::mouseClick(main.programBoks->viewport(), Qt::LeftButton, {}, sted.center());
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
    main.programBoks->setCurrentRow(0);
    boks.listerModified = true;
    main.aGo->trigger();
    EXPECT_TRUE(platform.kald.empty());
    EXPECT_EQ(beskeder.beskeder, QStringList({"Forandringer gemmes!"}));
    main.programBoks->setCurrentRow(0);
    main.aGo->trigger();
    EXPECT_EQ(platform.kald.size(), 1u);
}

TEST_F(Start, TheMenuViewListsAGroupsElementsAndLaunchesTheChosenOne)
{
    Tmainform& main = startMed({"A", "B", "C"}, "A");
    main.buttonClick(2);
    EXPECT_EQ(main.grupper.gruppenavn, "C");
    ASSERT_EQ(main.dropDown->actions().size(), 3);
    EXPECT_EQ(main.dropDown->actions().at(0)->text(), "C1");
    main.dropDown->actions().at(1)->trigger();
    ASSERT_EQ(platform.kald.size(), 1u);
    EXPECT_EQ(platform.kald[0].file, fil(1));
    EXPECT_TRUE(platform.kald[0].file.ends_with("C2.txt"));
}

TEST_F(Start, AVanishedElementIsReportedAndStaysInTheGroup)
{
    Tmainform& main = startMed({"Spil"}, "Spil");
    QFile::remove(QString::fromStdString(fil(0)));
    main.programBoks->setCurrentRow(0);
    main.aGo->trigger();
    EXPECT_EQ(beskeder.beskeder, QStringList({"Filen blev ikke fundet!"}));
    EXPECT_EQ(main.programBoks->count(), 3);
}

TEST_F(Start, AnElementWithoutAnIconShowsTheOneBeforeIt)
{
    skrivBruger("programgrupper.txt", {"Blandet"});
    const QString a = mappe.skriv("e/a.txt", "x");
    const QString b = mappe.skriv("e/b.fremmed", "x");
    const QString c = mappe.skriv("e/c.mp3", "x");
    skrivBruger("Filer/Blandet.txt", {a, b, c});
    skrivBruger("Filer/Blandettekst.txt", {"a", "b", "c"});
    skrivOptions("Blandet");
    Tmainform& main = start();
    EXPECT_EQ(beskeder.beskeder, QStringList({"Det er ikke en kørbar fil!"}));
    ASSERT_EQ(main.programBoks->count(), 3);
    EXPECT_EQ(main.ikonliste.size(), 2);
    EXPECT_EQ(main.miniikonliste.size(), 2);
    const auto billede = [&](int i) {
        return main.programBoks->item(i)->icon().pixmap(32).toImage();
    };
    EXPECT_EQ(billede(1), billede(0));
    EXPECT_NE(billede(2), billede(0));
}

TEST_F(Start, HomeAndEnterStartTheFirstElement)
{
    Tmainform& main = startMed({"Spil"}, "Spil");
    main.programBoks->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    QTest::keyClick(main.programBoks, Qt::Key_Home);
    ASSERT_TRUE(QTest::qWaitFor([&] { return main.aGo->isEnabled(); }, 2000));
    QTest::keyClick(main.programBoks, Qt::Key_Return);
    ASSERT_EQ(platform.kald.size(), 1u);
    EXPECT_EQ(platform.kald[0].file, fil(0));
}

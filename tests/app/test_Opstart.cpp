#include "Design.h"
#include "Programtest.h"
#include "boks.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPalette>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeView>

using Opstart = Programtest;

TEST_F(Opstart, FirstStartOfANewUser)
{
    Design::anvend("Windows10 Clear Day");
    const QColor foer = QApplication::palette().color(QPalette::Window);
    Tmainform& main = start();
    EXPECT_TRUE(QFileInfo(bruger("Filer")).isDir());
    EXPECT_TRUE(QFileInfo::exists(mappe.sti("Tavlum/Struktur/Tavlum/struktur.txt")));
    EXPECT_EQ(main.indstillinger().designName, "Aqua Light Slate");
    EXPECT_NE(QApplication::palette().color(QPalette::Window), foer);
    EXPECT_TRUE(program->boksform().isVisible());
    EXPECT_EQ(beskeder.beskeder, QStringList({"Der er ikke valgt eller indført et gruppenavn!"}));
    EXPECT_FALSE(main.indstillinger().menuVis);
    EXPECT_EQ(program->boksform().focusWidget(), program->boksform().gEdit);
}

TEST_F(Opstart, TheFirstGroupMadeBecomesActiveSoItsFirstElementCanBePutIn)
{
    Tmainform& main = start();
    Tboksform& boks = program->boksform();
    boks.gEdit->setText("Spil");
    QTest::keyClick(boks.gEdit, Qt::Key_Return);
    EXPECT_EQ(main.grupperne().gruppenavn, "Spil");
    EXPECT_EQ(boks.gruppeEdit->text(), "Spil");
    EXPECT_EQ(boks.valgtGruppe(), 0);
    EXPECT_TRUE(del<QAction>(main, "aStifinder")->isEnabled());
    boks.Bog->setCurrentIndex(1);
    beskeder.filer << mappe.skriv("spil/Kabale.sh", "x");
    boks.filnavnKnapClick();
    boks.insertKnapClick();
    EXPECT_EQ(beskeder.beskeder.size(), 1);
    EXPECT_EQ(laesBruger("Filer/Spiltekst.txt"), QStringList({"Kabale"}));
    EXPECT_EQ(antal(programBoks(main)), 1);
    // A second group is only added.
    boks.gEdit->setText("Musik");
    boks.nyGruppeKnapClick();
    EXPECT_EQ(main.grupperne().gruppenavn, "Spil");
    boks.hide();
}

TEST_F(Opstart, TheFifteenWindowsExistWithTheirCaptions)
{
    start();
    QStringList titler;
    for (const QWidget* v : program->vinduer().mid(1))
        titler << v->windowTitle();
    EXPECT_EQ(titler,
              QStringList({"Administrer grupper og elementer", "Egenskaber", "Tavlum information",
                           "Urlboks", "Information", "Window applets", "Kopierer",
                           "Hvad skal der gøres", "Kopiering/Flytning/Sletning", "Billede",
                           "Filboksen", "Fil egenskaber", "Information", "Spørgsmål"}));
}

TEST_F(Opstart, AStartMakesTheMainWindowOnlyAndTheRestComeWhenAskedFor)
{
    const auto vinduer = [] {
        QStringList titler;
        for (const QWidget* w : QApplication::topLevelWidgets())
            if (!qobject_cast<const QMenu*>(w) && !w->windowTitle().isEmpty())
                titler << w->windowTitle();
        titler.sort();
        return titler;
    };
    startMed({"A", "B"}, "B");
    EXPECT_EQ(vinduer(), QStringList({"B"}));
    // Made now, the group window shows the active group as the start left it.
    Tboksform& boks = program->boksform();
    EXPECT_EQ(boks.valgtGruppe(), 1);
    EXPECT_EQ(antal(boks.programBoks), 3);
    EXPECT_EQ(boks.infoBar->currentMessage(), "Der er 3 elementer i gruppen.");
    // The file box comes with the windows of its operations and information.
    program->filboks();
    EXPECT_EQ(vinduer(), QStringList({"Administrer grupper og elementer", "B", "Billede",
                                      "Fil egenskaber", "Filboksen", "Hvad skal der gøres",
                                      "Kopierer", "Kopiering/Flytning/Sletning"}));
}

// The help viewer's web engine is a library of its own, loaded when the viewer is first shown.
TEST_F(Opstart, AStartAndCloseWithoutTheViewerLoadNoWebEngine)
{
    const auto indlaest = [] {
        QFile kort(QStringLiteral("/proc/self/maps"));
        return kort.open(QIODevice::ReadOnly) &&
               kort.readAll().contains(QByteArrayLiteral("libQt6WebEngineCore"));
    };
    if (indlaest())
        GTEST_SKIP() << "an earlier test in this process opened the help viewer";
    Tmainform& main = startMed({"A"}, "A");
    main.close();
    EXPECT_FALSE(indlaest());
}

TEST_F(Opstart, ActiveGroupWithoutElementFileOpensIndfoerElement)
{
    skrivOptions("Spil");
    Tmainform& main = start();
    EXPECT_EQ(beskeder.beskeder, QStringList({"Der er ikke indført elementer i gruppen Spil!"}));
    EXPECT_TRUE(program->boksform().isVisible());
    EXPECT_EQ(program->boksform().Bog->currentIndex(), 1);
    EXPECT_EQ(main.indstillinger().initDir, "/usr/share/applications");
}

TEST_F(Opstart, ActiveGroupIsLoadedAndSelected)
{
    skrivBruger("programgrupper.txt", {"Arbejde", "Spil"});
    skrivGruppe("Spil", {"Kabale", "Skak", "Minestryger"});
    skrivOptions("Spil");
    Tmainform& main = start();
    EXPECT_TRUE(beskeder.beskeder.isEmpty());
    ASSERT_EQ(antal(programBoks(main)), 3);
    EXPECT_EQ(tekst(programBoks(main), 2), "Minestryger");
    EXPECT_EQ(main.windowTitle(), "Spil");
    EXPECT_EQ(program->boksform().valgtGruppe(), 1);
    EXPECT_EQ(antal(program->boksform().programBoks), 3);
    EXPECT_EQ(program->boksform().infoBar->currentMessage(), "Der er 3 elementer i gruppen.");
    EXPECT_FALSE(program->boksform().isVisible());
    EXPECT_EQ(QApplication::focusWidget() ? QApplication::focusWidget()
                                          : programBoks(main)->window()->focusWidget(),
              programBoks(main));
}

TEST_F(Opstart, GroupNoLongerInTheListStillShowsItsElements)
{
    skrivBruger("programgrupper.txt", {"Arbejde"});
    skrivGruppe("Spil", {"Kabale", "Skak"});
    skrivOptions("Spil");
    Tmainform& main = start();
    EXPECT_EQ(antal(programBoks(main)), 2);
    EXPECT_EQ(program->boksform().valgtGruppe(), -1);
    // The group window's list shows the same two elements, and its bar says so.
    EXPECT_EQ(program->boksform().infoBar->currentMessage(), "Der er 2 elementer i gruppen.");
}

TEST_F(Opstart, ASecondUserSeesNoneOfTheFirstUsersData)
{
    skrivBruger("programgrupper.txt", {"Spil"});
    skrivGruppe("Spil", {"Kabale"});
    skrivOptions("Spil");
    platform.user = "hjemme";
    Tmainform& main = start();
    EXPECT_TRUE(main.grupperne().gruppeliste.isEmpty());
    EXPECT_EQ(antal(programBoks(main)), 0);
    EXPECT_EQ(main.mapper().Dir, mappe.sti("Tavlum/Brugere/hjemme"));
    EXPECT_EQ(main.mapper().ikonDir, mappe.sti("Tavlum/Ikoner"));
}

class Lukning : public Programtest, public ::testing::WithParamInterface<int>
{
};

TEST_P(Lukning, EveryWayOfClosingWritesReopenAndOptions)
{
    skrivBruger("programgrupper.txt", {"Spil"});
    skrivGruppe("Spil", {"Kabale"});
    skrivOptions("Spil");
    Tmainform& main = start();
    main.senesteMapper().InsertItem(mappe.sti("elementer"), "elementer");
    main.move(30, 40);
    switch (GetParam()) {
    case 0:
        main.close();
        break;
    case 1:
        del<QAction>(main, "mLuk")->trigger();
        break;
    default:
        QTest::keyClick(programBoks(main), Qt::Key_Q, Qt::ControlModifier);
        break;
    }
    EXPECT_FALSE(main.isVisible());
    const QStringList options = laesBruger("options.txt");
    ASSERT_EQ(options.size(), 20);
    EXPECT_EQ(options[1], "Spil");
    EXPECT_EQ(options[4], "30");
    EXPECT_EQ(options[5], "40");
    EXPECT_EQ(laesBruger("reopen.txt"),
              QStringList({"10", "1", "elementer", mappe.sti("elementer")}));
}

INSTANTIATE_TEST_SUITE_P(TreVeje, Lukning, ::testing::Values(0, 1, 2));

TEST_F(Opstart, TheSessionsEndSavesWhatClosingSavesOnceForEachState)
{
    Tmainform& main = startMed({"Spil"}, "Spil");
    main.senesteMapper().InsertItem(mappe.sti("elementer"), "elementer");
    main.gemVedAfslutning();
    EXPECT_EQ(laesBruger("options.txt")[1], "Spil");
    EXPECT_EQ(laesBruger("reopen.txt").size(), 4);

    // The log-out, then the quit that follows: the same state is not written again.
    QFile::remove(bruger("options.txt"));
    QFile::remove(bruger("reopen.txt"));
    main.gemVedAfslutning();
    EXPECT_FALSE(QFileInfo::exists(bruger("options.txt")));
    // A log-out the user cancelled: what changed after it is saved at the end.
    main.move(30, 40);
    main.close();
    EXPECT_EQ(laesBruger("options.txt")[4], "30");
    EXPECT_EQ(laesBruger("reopen.txt").size(), 4);
    EXPECT_EQ(beskeder.beskeder, QStringList());
}

TEST_F(Opstart, WithoutADisplayAFailedSaveIsToldOnTheErrorOutputNotInABox)
{
    Tmainform& main = startMed({"Spil"}, "Spil");
    // A folder where the file should be: it cannot be replaced.
    QFile::remove(bruger("options.txt"));
    ASSERT_TRUE(QDir().mkpath(bruger("options.txt")));
    main.udenSkaerm();
    main.gemVedAfslutning();
    EXPECT_EQ(beskeder.beskeder, QStringList());
    EXPECT_TRUE(QFileInfo::exists(bruger("reopen.txt")));
}

TEST_F(Opstart, AnotherStartBringsTheWindowBackFromHiddenOrMinimised)
{
    Tmainform& main = startMed({"Spil"}, "Spil");
    main.hide();
    main.visForrest();
    EXPECT_TRUE(main.isVisible());
    main.showMinimized();
    main.visForrest();
    EXPECT_FALSE(main.isMinimized());
    EXPECT_TRUE(main.isVisible());
}

TEST_F(Opstart, NoOptionsFileGivesTheDefaultWindowAndACompleteFileOnClose)
{
    Tmainform& main = start();
    EXPECT_EQ(main.size(), QSize(404, 430));
    main.close();
    const QStringList options = laesBruger("options.txt");
    ASSERT_EQ(options.size(), 20);
    EXPECT_EQ(options[0], "Aqua Light Slate");
    EXPECT_EQ(options[1], "");
    EXPECT_EQ(options.mid(2, 2), QStringList({"404", "430"}));
    EXPECT_EQ(options.mid(14, 5), QStringList({"1", "8", "2", "1", "0"}));
    EXPECT_EQ(options[19], "/usr/share/applications");
}

TEST_F(Opstart, UnknownDesignInTheOptionsLeavesTheDesignInForce)
{
    QStringList o = Options().tilLinjer();
    o[0] = "Neon";
    skrivBruger("options.txt", o);
    Tmainform& main = start();
    EXPECT_EQ(main.indstillinger().designName, "Windows10 Clear Day");
}

TEST(Menuvisning, LongGroupNamesAreCutOnTheirButtons)
{
    EXPECT_EQ(Tmainform::getCap("Sommerferie 2024"), "Sommerfe...");
    EXPECT_EQ(Tmainform::getCap("Familie"), "Familie");
    EXPECT_EQ(Tmainform::getCap("Fotografier"), "Fotografier");
}

TEST_F(Opstart, MenuViewFromTheOptionsAndItsLukButtonClosing)
{
    skrivBruger("programgrupper.txt", {"Spil", "Sommerferie 2024"});
    skrivGruppe("Spil", {"Kabale", "Skak"});
    QStringList o = Options().tilLinjer();
    o[1] = "Spil";
    o[2] = "350";
    o[18] = "1";
    skrivBruger("options.txt", o);
    Tmainform& main = start();
    EXPECT_TRUE(main.indstillinger().menuVis);
    EXPECT_EQ(main.height(), 48);
    EXPECT_TRUE(main.windowFlags().testFlag(Qt::FramelessWindowHint));
    auto* anden = main.findChild<QToolButton*>("Button1");
    ASSERT_NE(anden, nullptr);
    EXPECT_EQ(anden->text(), "Sommerfe...");
    EXPECT_EQ(anden->toolTip(), "Sommerferie 2024");
    EXPECT_EQ(main.findChild<QToolButton*>("Button0")->text(), "Spil");

    main.buttonClick(0);
    ASSERT_EQ(del<QMenu>(main, "dropDown")->actions().size(), 2);
    EXPECT_EQ(del<QMenu>(main, "dropDown")->actions().at(1)->text(), "Skak");

    main.findChild<QToolButton*>("Button05")->click();
    EXPECT_FALSE(main.isVisible());
    const QStringList gemt = laesBruger("options.txt");
    ASSERT_EQ(gemt.size(), 20);
    EXPECT_EQ(gemt[18], "1");
    EXPECT_EQ(gemt[2], "350");
    EXPECT_NE(laesBruger("reopen.txt"), QStringList());
}

TEST_F(Opstart, VisningGoesBackToThePanelAtItsLastPlace)
{
    QStringList o = Options().tilLinjer();
    o[2] = "300";
    o[3] = "250";
    o[4] = "20";
    o[5] = "30";
    o[18] = "1";
    skrivBruger("options.txt", o);
    Tmainform& main = start();
    main.findChild<QToolButton*>("Button04")->click();
    EXPECT_FALSE(main.indstillinger().menuVis);
    EXPECT_EQ(main.size(), QSize(300, 250));
    EXPECT_EQ(main.pos(), QPoint(20, 30));
    EXPECT_TRUE(main.isVisible());
}

TEST_F(Opstart, DarkDesignsGetTheDarkPictures)
{
    Tmainform& main = start();
    const auto billede = [&] { return del<QAction>(main, "aInfo")->icon().pixmap(16).toImage(); };
    ASSERT_FALSE(main.billeder().at(1).isNull());
    const QImage lys = billede();
    EXPECT_FALSE(lys.isNull());
    for (const char* navn : {"carbon", "Carbon"}) {
        main.indstillinger().designName = navn;
        main.setImageList();
        EXPECT_NE(billede(), lys) << navn;
    }
    main.indstillinger().designName = "Sky";
    main.setImageList();
    EXPECT_EQ(billede(), lys);
    EXPECT_EQ(main.billeder().size(), 24);
    EXPECT_TRUE(main.billeder().at(3).isNull());
}

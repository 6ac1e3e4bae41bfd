#include "Ballonhint.h"
#include "Programtest.h"
#include "boks.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMimeData>
#include <QScrollArea>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

class Panelvisning : public Programtest
{
protected:
    QStringList panel(const Tmainform& main) const { return tekster(main.programBoks); }
    QToolButton* knap(const Tmainform& main, const char* navn)
    {
        return main.toolBar->findChild<QToolButton*>(QLatin1String(navn));
    }
    // The balloon's text once the pointer has rested on the button.
    QString ballon(Tmainform& main, const char* navn)
    {
        QToolButton* k = knap(main, navn);
        QEvent ind(QEvent::Enter);
        QApplication::sendEvent(k, &ind);
        const bool vist = QTest::qWaitFor([&] { return main.BalloonHint->isVisible(); },
                                          Ballonhint::forsinkelse + 2000);
        QEvent ud(QEvent::Leave);
        QApplication::sendEvent(k, &ud);
        return vist ? main.BalloonHint->text() : QString();
    }
};

TEST_F(Panelvisning, TheToolbarHasItsElevenButtonsAtTheSavedSide)
{
    QStringList o = Options().tilLinjer();
    o[16] = "0";
    skrivBruger("options.txt", o);
    Tmainform& main = start();
    QStringList navne;
    for (QAction* a : main.toolBar->actions())
        navne << main.toolBar->widgetForAction(a)->objectName();
    EXPECT_EQ(navne, QStringList({"tbInfo", "tbProgrammer", "tbEgenskaber", "tbTilbage", "tbFrem",
                                  "tbGo", "tbMenuvisning", "filboksButton", "appletsButton",
                                  "ToolButton1", "ToolButton2"}));
    EXPECT_EQ(main.toolBarArea(main.toolBar), Qt::TopToolBarArea);
    EXPECT_TRUE(main.toolBar->isVisible());
    // Nothing is active yet, so nothing can be put in.
    EXPECT_FALSE(main.aMenuVis->isEnabled());
    EXPECT_FALSE(main.aStifinder->isEnabled());
}

TEST_F(Panelvisning, StartingInTheMenuViewAndBackToLargeIconsWithTheToolbarRight)
{
    skrivBruger("programgrupper.txt", {"A"});
    skrivGruppe("A", {"en", "to"});
    QStringList o = Options().tilLinjer();
    o[1] = "A";
    o[14] = "1";
    o[16] = "2";
    o[18] = "1";
    skrivBruger("options.txt", o);
    Tmainform& main = start();
    EXPECT_TRUE(main.topPanel->isVisible());
    EXPECT_FALSE(main.toolBar->isVisible());
    program->boksform().show();
    main.aMenuVis->trigger();
    EXPECT_FALSE(program->boksform().isVisible());
    EXPECT_FALSE(main.opts.menuVis);
    EXPECT_EQ(main.programBoks->viewMode(), QListView::IconMode);
    EXPECT_TRUE(main.toolBar->isVisible());
    EXPECT_EQ(main.toolBarArea(main.toolBar), Qt::RightToolBarArea);
    main.close();
    EXPECT_EQ(laesBruger("options.txt").at(18), "0");
}

TEST_F(Panelvisning, DisplayStylesAndFontSizesAreKeptInTheOptions)
{
    Tmainform& main = startMed({"Spil"}, "Spil");
    main.setVisning(Options::Rapport);
    EXPECT_EQ(main.programBoks->viewMode(), QListView::ListMode);
    EXPECT_FALSE(main.programBoks->isWrapping());
    EXPECT_TRUE(main.kolonne->isVisible());
    EXPECT_EQ(main.kolonne->model()->headerData(0, Qt::Horizontal).toString(), "Spil");
    main.setVisning(Options::Liste);
    EXPECT_TRUE(main.programBoks->isWrapping());
    EXPECT_FALSE(main.kolonne->isVisible());
    main.setSkriftstoerrelse(12);
    EXPECT_EQ(main.programBoks->font().pointSize(), 12);
    main.setRedskabslinje(false);
    main.close();
    const QStringList gemt = laesBruger("options.txt");
    EXPECT_EQ(gemt.mid(14, 4), QStringList({"2", "12", "2", "0"}));
}

TEST_F(Panelvisning, BalloonsFollowTheStateOfTheirActions)
{
    Tmainform& main = startMed({"Spil"}, "Spil");
    main.programBoks->clearSelection();
    EXPECT_EQ(ballon(main, "tbGo"), "<b>Ikke aktiveret.</b><br>Vælg element!");
    EXPECT_EQ(ballon(main, "tbFrem"), "<b>Ikke aktiveret.</b><br>Ukendt årsag!");
    main.programBoks->selectionModel()->select(raekke(main.programBoks, 0),
                                               QItemSelectionModel::Select);
    EXPECT_EQ(ballon(main, "tbGo"),
              "<b>Element</b><br>Aktiver valgte <br> element: Ctrl+A <br> Eller: F9");
    EXPECT_EQ(ballon(main, "tbInfo"),
              "<b>Information</b><br>Oplysning om <br> programmets<br> funktioner: Ctrl+I");
    EXPECT_TRUE(knap(main, "tbInfo")->toolTip().isEmpty());
}

TEST_F(Panelvisning, DroppedFilesAreAppendedInTheirOrder)
{
    Tmainform& main = startMed({"Spil"}, "Spil");
    const QString a = mappe.skriv("drop/Første fil.exe", "x");
    // A path longer than the shell's old limit stays whole.
    const QString dyb = QString(60, 'd') + '/';
    const QString b = mappe.skriv("drop/" + dyb.repeated(4) + "lang.txt", "x");
    ASSERT_GT(b.size(), 254);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(a), QUrl::fromLocalFile(b)});
    QDragEnterEvent ind(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&main, &ind);
    EXPECT_TRUE(ind.isAccepted());
    QDropEvent slip(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&main, &slip);
    EXPECT_EQ(laesBruger("Filer/Spil.txt").mid(3), QStringList({a, b}));
    EXPECT_EQ(panel(main).mid(3), QStringList({"Første fil", "lang"}));
}

TEST_F(Panelvisning, F5FillsThePageForANewElementAndF6OpensTheFolder)
{
    Tmainform& main = startMed({"Spil"}, "Spil");
    Tboksform& boks = program->boksform();
    const QString fil = mappe.skriv("valgt/Kabale.exe", "x");
    beskeder.filer << fil;
    main.aStifinder->trigger();
    EXPECT_EQ(boks.FilnavnEdit->text(), fil);
    EXPECT_EQ(boks.tekstEdit->text(), "Kabale");
    EXPECT_EQ(boks.Bog->currentIndex(), 1);
    EXPECT_TRUE(boks.isVisible());
    EXPECT_EQ(laesBruger("Filer/Spil.txt").size(), 3);
    EXPECT_EQ(main.opts.initDir, mappe.sti("valgt"));

    main.insertFromStifinder->trigger();
    ASSERT_EQ(platform.kald.size(), 1u);
    EXPECT_EQ(platform.kald[0].file, mappe.sti("valgt").toStdString());
    main.opts.initDir = mappe.sti("væk");
    main.insertFromStifinder->trigger();
    EXPECT_EQ(beskeder.beskeder.last(), "Mappen\r" + mappe.sti("væk") + "\rblev ikke fundet!");
    boks.hide();
}

TEST_F(Panelvisning, DraggingTheFirstElementOntoTheThirdMovesIt)
{
    Tmainform& main = startMed({"Spil"}, "Spil");
    QWidget* vp = main.programBoks->viewport();
    const auto midt = [&](int i) { return sted(main.programBoks, i).center(); };
    QTest::mousePress(vp, Qt::LeftButton, {}, midt(0));
    QTest::mouseRelease(vp, Qt::LeftButton, {}, midt(2));
    EXPECT_EQ(panel(main), QStringList({"Spil2", "Spil3", "Spil1"}));
    EXPECT_EQ(laesBruger("Filer/Spiltekst.txt"), QStringList({"Spil2", "Spil3", "Spil1"}));
}

TEST_F(Panelvisning, ManyGroupsScrollInTheStripAndEveryButtonCanBeReached)
{
    QStringList grupper;
    for (int i = 1; i <= 20; ++i)
        grupper << QStringLiteral("Gruppe %1").arg(i);
    Tmainform& main = startMed(grupper, "Gruppe 1");
    main.aMenuVis->trigger();
    EXPECT_EQ(main.ButBox->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    auto* sidste = main.ButBox->findChild<QToolButton*>("Button19");
    ASSERT_NE(sidste, nullptr);
    main.ButBox->ensureWidgetVisible(sidste);
    const QPoint sted = sidste->mapTo(main.ButBox->viewport(), QPoint(0, 0));
    EXPECT_TRUE(main.ButBox->viewport()->rect().contains(QRect(sted, sidste->size())));
    main.aMenuVis->trigger();
    EXPECT_FALSE(main.opts.menuVis);
}

TEST_F(Panelvisning, TheTrayIconIsMadeOnlyWhenChosenAndMinimisingKeepsAWayBack)
{
    skrivBruger("egenskaber.txt", {"1", "0", ""});
    Tmainform& main = startMed({"Spil"}, "Spil");
    ASSERT_NE(main.TrayIcon, nullptr);
    EXPECT_EQ(main.TrayIcon->toolTip(), "Tavlum til opstart af spil, programmer m.v.");
    // Without a notification area nothing could bring a hidden window back.
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        main.showMinimized();
        QTest::qWait(20);
        EXPECT_TRUE(main.isVisible());
    }
}

TEST_F(Panelvisning, WithoutTheTrayChoiceThereIsNoIcon)
{
    skrivBruger("egenskaber.txt", {"0", "0", ""});
    Tmainform& main = startMed({"Spil"}, "Spil");
    EXPECT_EQ(main.TrayIcon, nullptr);
}

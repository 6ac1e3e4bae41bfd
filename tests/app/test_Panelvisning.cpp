#include "Ballonhint.h"
#include "Programtest.h"
#include "boks.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

class Panelvisning : public Programtest
{
protected:
    QStringList panel(const Tmainform& main) const { return tekster(programBoks(main)); }
    QToolButton* knap(const Tmainform& main, const char* navn)
    {
        return del<QToolBar>(main, "toolBar")->findChild<QToolButton*>(QLatin1String(navn));
    }
    // The balloon's text once the pointer has rested on the button.
    QString ballon(Tmainform& main, const char* navn)
    {
        QToolButton* k = knap(main, navn);
        QEvent ind(QEvent::Enter);
        QApplication::sendEvent(k, &ind);
        const bool vist =
            QTest::qWaitFor([&] { return del<QLabel>(main, "BalloonHint")->isVisible(); },
                            Ballonhint::forsinkelse + 2000);
        QEvent ud(QEvent::Leave);
        QApplication::sendEvent(k, &ud);
        return vist ? del<QLabel>(main, "BalloonHint")->text() : QString();
    }
};

TEST_F(Panelvisning, TheToolbarHasItsTwelveButtonsAtTheSavedSide)
{
    QStringList o = Options().tilLinjer();
    o[16] = "0";
    skrivBruger("options.txt", o);
    Tmainform& main = start();
    QStringList navne;
    for (QAction* a : del<QToolBar>(main, "toolBar")->actions())
        navne << del<QToolBar>(main, "toolBar")->widgetForAction(a)->objectName();
    EXPECT_EQ(navne, QStringList({"tbInfo", "tbProgrammer", "tbEgenskaber", "tbTilbage", "tbFrem",
                                  "tbGo", "tbMenuvisning", "tbSoeg", "filboksButton",
                                  "appletsButton", "ToolButton1", "ToolButton2"}));
    EXPECT_EQ(main.toolBarArea(del<QToolBar>(main, "toolBar")), Qt::TopToolBarArea);
    EXPECT_TRUE(del<QToolBar>(main, "toolBar")->isVisible());
    // Nothing is active yet, so nothing can be put in.
    EXPECT_FALSE(del<QAction>(main, "aMenuVis")->isEnabled());
    EXPECT_FALSE(del<QAction>(main, "aStifinder")->isEnabled());
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
    EXPECT_TRUE(del<QWidget>(main, "topPanel")->isVisible());
    EXPECT_FALSE(del<QToolBar>(main, "toolBar")->isVisible());
    program->boksform().show();
    del<QAction>(main, "aMenuVis")->trigger();
    EXPECT_FALSE(program->boksform().isVisible());
    EXPECT_FALSE(main.indstillinger().menuVis);
    EXPECT_EQ(programBoks(main)->viewMode(), QListView::IconMode);
    EXPECT_TRUE(del<QToolBar>(main, "toolBar")->isVisible());
    EXPECT_EQ(main.toolBarArea(del<QToolBar>(main, "toolBar")), Qt::RightToolBarArea);
    main.close();
    EXPECT_EQ(laesBruger("options.txt").at(18), "0");
}

TEST_F(Panelvisning, DisplayStylesAndFontSizesAreKeptInTheOptions)
{
    Tmainform& main = startMed({"Spil"}, "Spil");
    main.setVisning(Options::Rapport);
    EXPECT_EQ(programBoks(main)->viewMode(), QListView::ListMode);
    EXPECT_FALSE(programBoks(main)->isWrapping());
    EXPECT_TRUE(del<QHeaderView>(main, "kolonne")->isVisible());
    EXPECT_EQ(del<QHeaderView>(main, "kolonne")->model()->headerData(0, Qt::Horizontal).toString(),
              "Spil");
    main.setVisning(Options::Liste);
    EXPECT_TRUE(programBoks(main)->isWrapping());
    EXPECT_FALSE(del<QHeaderView>(main, "kolonne")->isVisible());
    main.setSkriftstoerrelse(12);
    EXPECT_EQ(programBoks(main)->font().pointSize(), 12);
    main.setRedskabslinje(false);
    main.close();
    const QStringList gemt = laesBruger("options.txt");
    EXPECT_EQ(gemt.mid(14, 4), QStringList({"2", "12", "2", "0"}));
}

TEST_F(Panelvisning, BalloonsFollowTheStateOfTheirActions)
{
    Tmainform& main = startMed({"Spil"}, "Spil");
    programBoks(main)->clearSelection();
    EXPECT_EQ(ballon(main, "tbGo"), "<b>Ikke aktiveret.</b><br>Vælg element!");
    EXPECT_EQ(ballon(main, "tbFrem"), "<b>Ikke aktiveret.</b><br>Ukendt årsag!");
    programBoks(main)->selectionModel()->select(raekke(programBoks(main), 0),
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
    del<QAction>(main, "aStifinder")->trigger();
    EXPECT_EQ(boks.FilnavnEdit->text(), fil);
    EXPECT_EQ(boks.tekstEdit->text(), "Kabale");
    EXPECT_EQ(boks.Bog->currentIndex(), 1);
    EXPECT_TRUE(boks.isVisible());
    EXPECT_EQ(laesBruger("Filer/Spil.txt").size(), 3);
    EXPECT_EQ(main.indstillinger().initDir, mappe.sti("valgt"));

    del<QAction>(main, "insertFromStifinder")->trigger();
    ASSERT_EQ(platform.kald.size(), 1u);
    EXPECT_EQ(platform.kald[0].file, mappe.sti("valgt").toStdString());
    main.indstillinger().initDir = mappe.sti("væk");
    del<QAction>(main, "insertFromStifinder")->trigger();
    EXPECT_EQ(beskeder.beskeder.last(), "Mappen\r" + mappe.sti("væk") + "\rblev ikke fundet!");
    boks.hide();
}

TEST_F(Panelvisning, DraggingTheFirstElementOntoTheThirdMovesIt)
{
    Tmainform& main = startMed({"Spil"}, "Spil");
    QWidget* vp = programBoks(main)->viewport();
    const auto midt = [&](int i) { return sted(programBoks(main), i).center(); };
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
    del<QAction>(main, "aMenuVis")->trigger();
    EXPECT_EQ(del<QScrollArea>(main, "ButBox")->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    auto* sidste = del<QScrollArea>(main, "ButBox")->findChild<QToolButton*>("Button19");
    ASSERT_NE(sidste, nullptr);
    del<QScrollArea>(main, "ButBox")->ensureWidgetVisible(sidste);
    const QPoint sted = sidste->mapTo(del<QScrollArea>(main, "ButBox")->viewport(), QPoint(0, 0));
    EXPECT_TRUE(
        del<QScrollArea>(main, "ButBox")->viewport()->rect().contains(QRect(sted, sidste->size())));
    del<QAction>(main, "aMenuVis")->trigger();
    EXPECT_FALSE(main.indstillinger().menuVis);
}

TEST_F(Panelvisning, TheTrayIconIsMadeOnlyWhenChosenAndMinimisingKeepsAWayBack)
{
    skrivBruger("egenskaber.txt", {"1", "0", ""});
    Tmainform& main = startMed({"Spil"}, "Spil");
    ASSERT_NE(main.findChild<QSystemTrayIcon*>(), nullptr);
    EXPECT_EQ(main.findChild<QSystemTrayIcon*>()->toolTip(),
              "Tavlum til opstart af spil, programmer m.v.");
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
    EXPECT_EQ(main.findChild<QSystemTrayIcon*>(), nullptr);
}

class Menustrip : public Panelvisning
{
protected:
    Tmainform& iMenuvisning()
    {
        skrivBruger("programgrupper.txt", {"A", "B", "C"});
        for (const QString g : {"A", "B", "C"})
            skrivGruppe(g, {g + "1", g + "2", g + "3"});
        Options o;
        o.gruppenavn = "B";
        o.menuVis = true;
        skrivBruger("options.txt", o.tilLinjer());
        Tmainform& main = start();
        main.activateWindow();
        [&] { ASSERT_TRUE(QTest::qWaitForWindowActive(&main)); }();
        return main;
    }
    QToolButton* gruppeknap(const Tmainform& main, int i)
    {
        return del<QScrollArea>(main, "ButBox")
            ->findChild<QToolButton*>(QStringLiteral("Button%1").arg(i));
    }
    // What `handling` opens: the group's list runs its own loop, so it is read and closed from
    // inside.
    QStringList aabnetListe(Tmainform& main, const std::function<void()>& handling)
    {
        QStringList punkter;
        QTimer::singleShot(0, del<QMenu>(main, "dropDown"), [&] {
            for (QAction* a : del<QMenu>(main, "dropDown")->actions())
                punkter << a->text();
            QTest::keyClick(del<QMenu>(main, "dropDown"), Qt::Key_Escape);
        });
        handling();
        return punkter;
    }
};

TEST_F(Menustrip, AClickAnywhereOnAGroupButtonMakesItActiveAndOpensItsList)
{
    Tmainform& main = iMenuvisning();
    QToolButton* c = gruppeknap(main, 2);
    const QStringList liste =
        aabnetListe(main, [&] { QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(8, 8)); });
    EXPECT_EQ(liste, QStringList({"C1", "C2", "C3"}));
    EXPECT_EQ(main.grupperne().gruppenavn, "C");
    EXPECT_FALSE(del<QMenu>(main, "dropDown")->isVisible());
}

TEST_F(Menustrip, TheKeyboardMovesAlongTheStripAndOpensTheFocusedGroup)
{
    Tmainform& main = iMenuvisning();
    // The active group's button has the focus, and the arrows go both ways round.
    EXPECT_EQ(QApplication::focusWidget(), gruppeknap(main, 1));
    const auto tast = [&](Qt::Key k) { QTest::keyClick(main.focusWidget(), k); };
    tast(Qt::Key_Right);
    EXPECT_EQ(main.focusWidget(), gruppeknap(main, 2));
    tast(Qt::Key_Right);
    EXPECT_EQ(main.focusWidget()->objectName(), "Button01");
    // A fixed button has no list: Up and Down leave the focus on it.
    tast(Qt::Key_Down);
    tast(Qt::Key_Up);
    EXPECT_EQ(main.focusWidget()->objectName(), "Button01");
    tast(Qt::Key_Left);
    EXPECT_EQ(main.focusWidget(), gruppeknap(main, 2));
    tast(Qt::Key_Left);
    EXPECT_EQ(main.focusWidget(), gruppeknap(main, 1));

    // Down or Space opens the focused group's list, and Esc closes it again.
    EXPECT_EQ(aabnetListe(main, [&] { tast(Qt::Key_Down); }), QStringList({"B1", "B2", "B3"}));
    EXPECT_EQ(aabnetListe(main, [&] { QTest::keyClick(gruppeknap(main, 2), Qt::Key_Space); }),
              QStringList({"C1", "C2", "C3"}));
    EXPECT_EQ(main.grupperne().gruppenavn, "C");
}

TEST_F(Menustrip, ShiftF10AndTheMenuKeyOpenThePopupMenu)
{
    Tmainform& main = iMenuvisning();
    for (const QKeyCombination tast : {Qt::SHIFT | Qt::Key_F10, QKeyCombination(Qt::Key_Menu)}) {
        QTest::keySequence(&main, QKeySequence(tast));
        EXPECT_TRUE(del<QMenu>(main, "PopupMenu")->isVisible()) << tast.toCombined();
        del<QMenu>(main, "PopupMenu")->hide();
    }
}

TEST_F(Panelvisning, TheMenuKeyOpensThePopupMenuAtTheCurrentElement)
{
    Tmainform& main = startMed({"A"}, "A");
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    EXPECT_EQ(QApplication::focusWidget(), programBoks(main));
    vaelg(programBoks(main), 1);
    QTest::keySequence(&main, QKeySequence(Qt::Key_Menu));
    ASSERT_TRUE(del<QMenu>(main, "PopupMenu")->isVisible());
    const QRect element = sted(programBoks(main), 1);
    EXPECT_EQ(del<QMenu>(main, "PopupMenu")->pos(),
              programBoks(main)->viewport()->mapToGlobal(element.bottomLeft()));
    del<QMenu>(main, "PopupMenu")->hide();
}

TEST_F(Panelvisning, TheMainWindowsKeysWorkOnlyWhileItIsActive)
{
    Tmainform& main = startMed({"A", "B"}, "A");
    vaelg(programBoks(main), 0);
    Tboksform& boks = program->boksform();
    boks.visSide(0);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&boks));
    boks.gruppeBoks->setFocus();
    QTest::keyClick(boks.gruppeBoks, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(boks.gruppeBoks, Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(platform.kald.empty());
    EXPECT_EQ(main.grupperne().gruppenavn, "A");
    boks.hide();

    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    // Ctrl+A in the group list selected all there and read the group again.
    vaelg(programBoks(main), 0);
    QTest::keyClick(programBoks(main), Qt::Key_A, Qt::ControlModifier);
    ASSERT_EQ(platform.kald.size(), 1u);
    QTest::keyClick(programBoks(main), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(main.grupperne().gruppenavn, "B");
}

TEST_F(Panelvisning, AtEveryFontSizeThePicturesGrowAndNoWordIsCut)
{
    skrivBruger("programgrupper.txt", {"Net"});
    skrivGruppe("Net", {"Hjemmesiden", "Sikkerhedskopi", "Brev til banken om lånet"});
    skrivOptions("Net");
    Tmainform& main = start();
    for (const int punkter : {8, 10, 12}) {
        main.setSkriftstoerrelse(punkter);
        EXPECT_EQ(programBoks(main)->iconSize(), QSize(punkter * 4, punkter * 4));
        const QFontMetrics fm(programBoks(main)->font());
        for (int i = 0; i < antal(programBoks(main)); ++i) {
            QStyleOptionViewItem valg;
            valg.initFrom(programBoks(main));
            valg.rect = sted(programBoks(main), i);
            valg.features = QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration |
                            QStyleOptionViewItem::WrapText;
            valg.decorationPosition = QStyleOptionViewItem::Top;
            valg.decorationSize = programBoks(main)->iconSize();
            valg.text = tekst(programBoks(main), i);
            valg.font = programBoks(main)->font();
            const QRect tekst =
                main.style()->subElementRect(QStyle::SE_ItemViewItemText, &valg, programBoks(main));
            for (const QString& ord : valg.text.split(' '))
                EXPECT_GE(tekst.width(), fm.horizontalAdvance(ord))
                    << punkter << " " << ord.toStdString();
            EXPECT_GE(tekst.height(), fm.boundingRect(tekst, Qt::TextWordWrap, valg.text).height())
                << punkter << " " << valg.text.toStdString();
        }
    }
}

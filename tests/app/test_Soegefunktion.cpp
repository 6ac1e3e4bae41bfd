#include "Programtest.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>

class Soegefunktion : public Programtest
{
protected:
    Tmainform& startAktiv()
    {
        skrivBruger("lagergrupper.txt", {"Gemt"});
        skrivGruppe("Gemt", {"Kontor9"});
        Tmainform& main = startMed({"Spil", "Kontor"}, "Spil");
        main.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&main));
        return main;
    }
    QLineEdit* ctrlK(Tmainform& main)
    {
        QTest::keyClick(programBoks(main), Qt::Key_K, Qt::ControlModifier);
        auto* felt = del<QLineEdit>(main, "soegefelt");
        EXPECT_TRUE(felt->isVisible());
        EXPECT_TRUE(felt->hasFocus());
        return felt;
    }
    static QString overskrift(const Tmainform& main)
    {
        return del<QHeaderView>(main, "kolonne")->model()->headerData(0, Qt::Horizontal).toString();
    }
    const QStringList spil{"Spil1", "Spil2", "Spil3"};
};

TEST_F(Soegefunktion, CtrlKTypeAndEnterStartTheChosenElementOfAnotherGroup)
{
    Tmainform& main = startAktiv();
    main.setVisning(Options::Rapport);
    const QByteArray foer = mappe.laes("Tavlum/Brugere/kontor/Filer/Spil.txt");
    skrivBruger("Filer/Kontorparametre.txt", {"", "-kontor\t" + mappe.sti("elementer")});
    QLineEdit* felt = ctrlK(main);
    QTest::keyClicks(felt, "KONT");
    // The stored group's element is not found.
    EXPECT_EQ(tekster(programBoks(main)), (QStringList{"Kontor1", "Kontor2", "Kontor3"}));
    EXPECT_EQ(overskrift(main), "Søgning");
    EXPECT_TRUE(
        raekke(programBoks(main), 0).data(Qt::ToolTipRole).toString().endsWith("Gruppe: Kontor"));
    QTest::keyClick(felt, Qt::Key_Down);
    QTest::keyClick(felt, Qt::Key_Down);
    QTest::keyClick(felt, Qt::Key_Up);
    QTest::keyClick(felt, Qt::Key_Return);
    ASSERT_EQ(platform.kald.size(), 1u);
    EXPECT_EQ(platform.kald[0].file, mappe.sti("elementer/Kontor2.txt").toStdString());
    EXPECT_EQ(platform.kald[0].parameters, "-kontor");
    EXPECT_EQ(platform.kald[0].folder, mappe.sti("elementer").toStdString());
    // Back in the active group, which nothing has touched.
    EXPECT_FALSE(felt->isVisible());
    EXPECT_EQ(tekster(programBoks(main)), spil);
    EXPECT_EQ(overskrift(main), "Spil");
    EXPECT_EQ(main.grupperne().programliste.size(), 3);
    EXPECT_EQ(mappe.laes("Tavlum/Brugere/kontor/Filer/Spil.txt"), foer);
}

TEST_F(Soegefunktion, EscOrAnEmptyFieldShowTheActiveGroupAndResultsAreNoPlacesInIt)
{
    Tmainform& main = startAktiv();
    const QByteArray foer = mappe.laes("Tavlum/Brugere/kontor/Filer/Spil.txt");
    skrivBruger("Filer/Kontorparametre.txt", {"", "-kontor\t" + mappe.sti("elementer")});
    QLineEdit* felt = ctrlK(main);
    QTest::keyClicks(felt, "3");
    EXPECT_EQ(tekster(programBoks(main)), (QStringList{"Spil3", "Kontor3"}));
    // Delete and a drag on a result leave the active group as it is.
    vaelg(programBoks(main), 1);
    QTest::keyClick(programBoks(main), Qt::Key_Delete);
    const QRect fra = sted(programBoks(main), 1), til = sted(programBoks(main), 0);
    QTest::mousePress(programBoks(main)->viewport(), Qt::LeftButton, {}, fra.center());
    QTest::mouseRelease(programBoks(main)->viewport(), Qt::LeftButton, {}, til.center());
    EXPECT_TRUE(beskeder.spoergsmaal.isEmpty());
    EXPECT_EQ(mappe.laes("Tavlum/Brugere/kontor/Filer/Spil.txt"), foer);
    felt->setFocus();
    QTest::keyClick(felt, Qt::Key_Backspace);
    EXPECT_TRUE(felt->isVisible());
    EXPECT_EQ(tekster(programBoks(main)), spil);
    QTest::keyClicks(felt, "zzz");
    EXPECT_EQ(antal(programBoks(main)), 0);
    QTest::keyClick(felt, Qt::Key_Return); // nothing to start
    QTest::keyClick(felt, Qt::Key_Escape);
    EXPECT_FALSE(felt->isVisible());
    EXPECT_EQ(tekster(programBoks(main)), spil);
    EXPECT_TRUE(programBoks(main)->hasFocus());
    EXPECT_TRUE(platform.kald.empty());
    EXPECT_EQ(mappe.laes("Tavlum/Brugere/kontor/Filer/Spil.txt"), foer);
}

TEST_F(Soegefunktion, EditingTheGroupEndsTheSearchAndTheNextSearchSeesTheChange)
{
    Tmainform& main = startAktiv();
    QLineEdit* felt = ctrlK(main);
    QTest::keyClicks(felt, "Kontor");
    del<QAction>(main, "aRedigeElementer")->trigger();
    EXPECT_TRUE(felt->isHidden());
    EXPECT_EQ(tekster(programBoks(main)), spil);
    main.insertItem(mappe.skriv("elementer/Kontorstol.txt", "x"), {}, true);
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    felt = ctrlK(main);
    QTest::keyClicks(felt, "kontorst");
    EXPECT_EQ(tekster(programBoks(main)), QStringList{"Kontorstol"});
    // The strip holds the field in the menu view.
    main.aMenuVisExecute();
    EXPECT_TRUE(felt->isHidden());
    del<QAction>(main, "aSoeg")->trigger();
    EXPECT_EQ(felt->parentWidget(), del<QWidget>(main, "topPanel"));
    EXPECT_TRUE(felt->isVisible());
}

TEST_F(Soegefunktion, StartAllStartsTheActiveGroupAndNamesTheMissingFile)
{
    Tmainform& main = startAktiv();
    QFile::remove(mappe.sti("elementer/Spil2.txt"));
    del<QAction>(main, "aStartAlle")->trigger();
    ASSERT_EQ(platform.kald.size(), 2u);
    EXPECT_EQ(platform.kald[0].file, mappe.sti("elementer/Spil1.txt").toStdString());
    EXPECT_EQ(platform.kald[1].file, mappe.sti("elementer/Spil3.txt").toStdString());
    EXPECT_EQ(beskeder.beskeder,
              QStringList{"Dette element blev ikke fundet og er ikke startet:\rSpil2: " +
                          mappe.sti("elementer/Spil2.txt")});
}

TEST_F(Soegefunktion, InTheMenuViewTheResultsDropDownUnderTheFieldAsTheUserTypes)
{
    Tmainform& main = startAktiv();
    main.aMenuVisExecute();
    skrivBruger("Filer/Kontorparametre.txt", {"", "", "-tre"});
    del<QAction>(main, "aSoeg")->trigger();
    auto* felt = del<QLineEdit>(main, "soegefelt");
    QTest::keyClicks(felt, "kont");
    QAbstractItemView* liste = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "soegeliste")
            liste = qobject_cast<QAbstractItemView*>(w);
    ASSERT_TRUE(liste);
    EXPECT_TRUE(liste->isVisible());
    EXPECT_EQ(tekster(liste), (QStringList{"Kontor1", "Kontor2", "Kontor3"}));
    EXPECT_GE(liste->width(), felt->width());
    QTest::keyClicks(felt, "or3");
    EXPECT_EQ(tekster(liste), QStringList{"Kontor3"});
    QTest::keyClick(felt, Qt::Key_Backspace);
    EXPECT_EQ(tekster(liste).size(), 3);
    QTest::keyClicks(felt, "xyz");
    EXPECT_FALSE(liste->isVisible());
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(felt, Qt::Key_Backspace);
    ASSERT_TRUE(liste->isVisible());

    // The keys the list takes while it is shown, as the toolkit gives them to it.
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(liste, Qt::Key_Down);
    QTest::keyClick(liste, Qt::Key_Return);
    ASSERT_EQ(platform.kald.size(), 1u);
    EXPECT_EQ(platform.kald[0].file, mappe.sti("elementer/Kontor3.txt").toStdString());
    EXPECT_EQ(platform.kald[0].parameters, "-tre");
    EXPECT_FALSE(liste->isVisible());
    EXPECT_TRUE(felt->isHidden());
}

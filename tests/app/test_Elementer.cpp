#include "Afkrydsning.h"
#include "OmProgrammet.h"
#include "Programtest.h"
#include "boks.h"
#include "information.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeView>

class Elementside : public Programtest
{
protected:
    Tboksform& boks() { return program->boksform(); }
    QStringList tekster() { return laesBruger("Filer/Atekst.txt"); }
    QStringList panel(const Tmainform& main) const
    {
        return Programtest::tekster(programBoks(main));
    }
    void afkryds(std::initializer_list<int> steder)
    {
        for (int i : steder)
            boks().afkrydsning->afkryds(i, true);
    }
    void flyt(const QString& fra, const QString& til)
    {
        boks().fraEdit->setText(fra);
        boks().tilEdit->setText(til);
        boks().indexKnapClick();
    }
};

TEST_F(Elementside, InsertingTestsItsFieldsInOrderThenAppendsAndClears)
{
    Tmainform& main = startMed({"A"}, "A");
    Tboksform& b = boks();
    const QString fil = mappe.skriv("ny/rapport.2024.pdf", "%PDF");
    b.FilnavnEdit->setText(fil);
    b.gruppeEdit->clear();
    b.insertKnapClick();
    b.gruppeEdit->setText("A");
    b.FilnavnEdit->clear();
    b.tekstEdit->setText("Rapport");
    b.insertKnapClick();
    b.FilnavnEdit->setText(fil);
    b.tekstEdit->clear();
    b.insertKnapClick();
    b.FilnavnEdit->setText(mappe.sti("ny"));
    b.tekstEdit->setText("Rapport");
    b.insertKnapClick();
    EXPECT_EQ(beskeder.beskeder,
              QStringList({"Der mangler et gruppenavn!", "Der mangler et filnavn!",
                           "Der mangler en tekst!", "Filen kunne ikke findes!"}));
    EXPECT_EQ(tekster(), QStringList({"A1", "A2", "A3"}));

    b.FilnavnEdit->setText(fil);
    QTest::keyClick(b.tekstEdit, Qt::Key_Return);
    EXPECT_EQ(tekster(), QStringList({"A1", "A2", "A3", "Rapport"}));
    EXPECT_EQ(laesBruger("Filer/A.txt").last(), fil);
    EXPECT_EQ(panel(main).last(), "Rapport");
    EXPECT_EQ(antal(b.programBoks), 4);
    EXPECT_TRUE(b.FilnavnEdit->text().isEmpty());
    EXPECT_TRUE(b.tekstEdit->text().isEmpty());
    EXPECT_TRUE(b.Image->pixmap().isNull());
}

TEST_F(Elementside, ChoosingAFileStartsInTheLastFolderAndFillsThePage)
{
    Tmainform& main = startMed({"A"}, "A");
    Tboksform& b = boks();
    const QString fil = mappe.skriv("valg/rapport.2024.pdf", "%PDF");
    b.filnavnKnapClick(); // cancelled
    EXPECT_EQ(beskeder.mapper, QStringList({"/tmp"}));
    EXPECT_TRUE(b.FilnavnEdit->text().isEmpty());
    beskeder.filer << fil;
    b.filnavnKnapClick();
    EXPECT_EQ(b.FilnavnEdit->text(), fil);
    EXPECT_EQ(b.tekstEdit->text(), "rapport.2024");
    EXPECT_EQ(main.indstillinger().initDir, mappe.sti("valg"));
    EXPECT_FALSE(b.Image->pixmap().isNull());
    EXPECT_EQ(antal(programBoks(main)), 3); // shown, not yet put in

    main.grupperne().gruppenavn.clear();
    b.filnavnKnapClick();
    EXPECT_EQ(beskeder.beskeder, QStringList({"Der mangler et gruppenavn!\rVælg eller indfør en "
                                              "programgruppe\runder fanen Programgrupper."}));
    EXPECT_EQ(beskeder.mapper.size(), 2);
}

TEST_F(Elementside, RemovingAsksForEachCheckedElementAndTakesExactlyTheConfirmed)
{
    skrivBruger("programgrupper.txt", {"A"});
    skrivGruppe("A", {"en", "to", "tre", "fire"});
    skrivOptions("A");
    Tmainform& main = start();
    afkryds({1, 2, 3});
    beskeder.setNextAnswer(true);
    beskeder.setNextAnswer(false);
    beskeder.setNextAnswer(true);
    boks().fjernKnapClick();
    EXPECT_EQ(beskeder.spoergsmaal, QStringList({"Element: to\rSkal dette element slettes?",
                                                 "Element: tre\rSkal dette element slettes?",
                                                 "Element: fire\rSkal dette element slettes?"}));
    EXPECT_EQ(tekster(), QStringList({"en", "tre"}));
    EXPECT_EQ(laesBruger("Filer/A.txt").size(), 2);
    EXPECT_TRUE(laesBruger("Filer/A.txt").at(1).endsWith("tre.txt"));
    EXPECT_EQ(panel(main), QStringList({"en", "tre"}));
    EXPECT_EQ(boks().fraEdit->text(), "0");
    EXPECT_TRUE(boks().nytekstEdit->text().isEmpty());
    EXPECT_TRUE(beskeder.beskeder.isEmpty());
    EXPECT_EQ(boks().infoBar->currentMessage(), "Der er 2 elementer i gruppen.");
}

TEST_F(Elementside, TheStatusBarFollowsEveryChangeOfTheGroup)
{
    Tmainform& main = startMed({"A", "B"}, "A");
    Tboksform& b = boks();
    const QStatusBar* bar = b.infoBar;
    b.show();
    // A path shown for a clicked element goes with that element.
    const QRect sted = programBoks(main)->visualRect(programBoks(main)->model()->index(1, 0));
    QTest::mouseClick(programBoks(main)->viewport(), Qt::LeftButton, {}, sted.center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return bar->currentMessage().endsWith("A2.txt"); }, 2000));
    beskeder.setNextAnswer(true);
    QTest::keyClick(programBoks(main), Qt::Key_Delete);
    EXPECT_EQ(bar->currentMessage(), "Der er 2 elementer i gruppen.");

    b.FilnavnEdit->setText(mappe.skriv("ny/brev.odt", "x"));
    b.tekstEdit->setText("Brev");
    b.insertKnapClick();
    EXPECT_EQ(bar->currentMessage(), "Der er 3 elementer i gruppen.");
    // Put in from the main window, it shows in the group window's list too.
    main.insertItem(mappe.skriv("ny/kort.odt", "x"), {}, false);
    EXPECT_EQ(bar->currentMessage(), "Der er 4 elementer i gruppen.");

    beskeder.setNextAnswer(true);
    b.sletKnapClick();
    EXPECT_TRUE(bar->currentMessage().isEmpty());
    b.hide();
}

TEST_F(Elementside, RemovingWithNothingCheckedOrAnsweredNoChangesNothing)
{
    startMed({"A", "B"}, "A");
    Tboksform& b = boks();
    b.fjernKnapClick();
    afkryds({0});
    b.fjernKnapClick(); // answered no: unchecked, nothing written
    EXPECT_FALSE(b.afkrydsning->afkrydset(0));
    EXPECT_EQ(tekster(), QStringList({"A1", "A2", "A3"}));
    skrivBruger("Filer/B.txt", {});
    b.SkiftGruppe(1);
    b.fjernKnapClick();
    EXPECT_EQ(beskeder.beskeder,
              QStringList({"Der er ikke valgt elementer til sletning.",
                           "Der er ikke indført nogen elementer i gruppen:\rB"}));
}

TEST_F(Elementside, ANewTextGoesToExactlyTheCheckedElements)
{
    skrivBruger("programgrupper.txt", {"A"});
    skrivGruppe("A", {"en", "to", "tre", "fire"});
    skrivOptions("A");
    Tmainform& main = start();
    const QStringList filer = laesBruger("Filer/A.txt");
    Tboksform& b = boks();
    b.nytekstEdit->setText("Spil");
    b.nytekstKnapClick();
    EXPECT_EQ(beskeder.beskeder,
              QStringList({"Der er ikke valgt program, der skal have en ny tekst!"}));
    EXPECT_EQ(b.nytekstEdit->text(), "Spil");
    afkryds({0, 2, 3});
    QTest::keyClick(b.nytekstEdit, Qt::Key_Return);
    EXPECT_EQ(tekster(), QStringList({"Spil", "to", "Spil", "Spil"}));
    EXPECT_EQ(laesBruger("Filer/A.txt"), filer);
    EXPECT_EQ(panel(main), tekster());
    EXPECT_TRUE(b.nytekstEdit->text().isEmpty());
    b.nytekstKnapClick();
    EXPECT_EQ(beskeder.beskeder.last(), "Der mangler en tekst!");
}

TEST_F(Elementside, MovingByNumberBothWaysAndItsRefusals)
{
    startMed({"A"}, "A");
    flyt("1", "3");
    EXPECT_EQ(tekster(), QStringList({"A2", "A3", "A1"}));
    EXPECT_EQ(boks().fraEdit->text(), "1");
    flyt("3", "1");
    EXPECT_EQ(tekster(), QStringList({"A1", "A2", "A3"}));
    flyt("0", "0");
    flyt("2", "2");
    flyt("0", "2");
    flyt("1", "4");
    flyt("1", "0");
    flyt("1", "abc");
    EXPECT_TRUE(boks().tilEdit->text().isEmpty());
    flyt("1", "x2y");
    EXPECT_EQ(boks().tilEdit->text(), "2");
    EXPECT_EQ(beskeder.beskeder,
              QStringList({"Fra og til har samme placering!", "Fra og til har samme placering!",
                           "Vælg det program, der skal flyttes!",
                           "Der er indført en ugyldig til placering!",
                           "Der er indført en ugyldig til placering!",
                           "Der er indført en ugyldig til placering!"}));
    EXPECT_EQ(tekster(), QStringList({"A2", "A1", "A3"}));
    // A place chosen in a longer group is no element of this one.
    flyt("9", "1");
    EXPECT_EQ(beskeder.beskeder.last(), "Vælg det program, der skal flyttes!");
}

TEST_F(Elementside, DraggingInTheListMovesTheElementAndAClickOnlyChoosesIt)
{
    Tmainform& main = startMed({"A"}, "A");
    Tboksform& b = boks();
    b.visSide(2);
    QWidget* vp = b.programBoks->viewport();
    const auto midt = [&](int i) { return sted(b.programBoks, i).center(); };
    QTest::mouseClick(vp, Qt::LeftButton, {}, midt(1));
    QTest::qWait(0);
    EXPECT_EQ(b.fraEdit->text(), "2");
    EXPECT_EQ(b.nytekstEdit->text(), "A2");
    EXPECT_EQ(tekster(), QStringList({"A1", "A2", "A3"}));

    QTest::mousePress(vp, Qt::LeftButton, {}, midt(0));
    EXPECT_TRUE(b.MusNede);
    QTest::mouseRelease(vp, Qt::LeftButton, {}, midt(2));
    EXPECT_EQ(tekster(), QStringList({"A2", "A3", "A1"}));
    EXPECT_EQ(panel(main), tekster());
    EXPECT_EQ(b.tilEdit->text(), "3");
    EXPECT_FALSE(b.MusNede);
    EXPECT_EQ(b.fraI, -1);
    b.hide();
}

TEST_F(Elementside, HintsOfEveryWindowGoToTheStatusBarAndF1ShowsTheAboutBox)
{
    Tmainform& main = startMed({"A"}, "A");
    Tboksform& b = boks();
    QStatusTipEvent slet(b.sletKnap->statusTip());
    QApplication::sendEvent(b.sletKnap, &slet);
    EXPECT_EQ(b.infoBar->currentMessage(), "Slet valgte gruppe");
    QStatusTipEvent fremmed(QStringLiteral("Kort|Den lange del"));
    QApplication::sendEvent(programBoks(main), &fremmed);
    EXPECT_EQ(b.infoBar->currentMessage(), "Den lange del");

    b.visSide(0);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&b));
    QTest::keyClick(b.gEdit, Qt::Key_F1);
    EXPECT_TRUE(program->omForm().isVisible());
    program->omForm().hide();
    b.sbInfo1->click();
    EXPECT_TRUE(program->infoform().isVisible());
    program->infoform().hide();
    b.hide();
}

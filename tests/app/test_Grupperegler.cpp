#include "Programtest.h"
#include "boks.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QStatusBar>
#include <QTreeView>

class Grupperegler : public Programtest
{
protected:
    // Moves program group `index` to storage on the storage tab, without saving.
    Tboksform& tilLager(int index)
    {
        Tboksform& boks = program->boksform();
        boks.lagerBox->addItem(boks.Box->takeItem(index));
        boks.listerModified = true;
        return boks;
    }
    QStringList panel(const Tmainform& main) const { return tekster(programBoks(main)); }
};

TEST_F(Grupperegler, DroppedFilesAreAppendedInOrderAndSavedAfterEach)
{
    Tmainform& main = startMed({"Spil"}, "Spil");
    const QString a = mappe.skriv("drop/Første fil.exe", "x");
    const QString b = mappe.skriv("drop/to.tar.gz", "x");
    const QString c = mappe.skriv("drop/tre", "x");
    main.insertItem(a, "", true);
    EXPECT_EQ(laesBruger("Filer/Spil.txt").size(), 4);
    main.insertItem(b, "", true);
    main.insertItem(c, "", true);
    main.insertItem(c, "", true);
    EXPECT_EQ(panel(main).mid(3), QStringList({"Første fil", "to.tar", "tre", "tre"}));
    EXPECT_EQ(laesBruger("Filer/Spil.txt").mid(3), QStringList({a, b, c, c}));
    EXPECT_EQ(laesBruger("Filer/Spiltekst.txt").mid(3),
              QStringList({"Første fil", "to.tar", "tre", "tre"}));
    EXPECT_EQ(antal(program->boksform().programBoks), 7);
}

TEST_F(Grupperegler, AFolderOrAVanishedFileIsNotAnElement)
{
    Tmainform& main = startMed({"Spil"}, "Spil");
    main.insertItem(mappe.sti("elementer"), "", true);
    main.insertItem(mappe.sti("væk.exe"), "", true);
    EXPECT_EQ(beskeder.beskeder, QStringList(2, "Filen kunne ikke findes!"));
    EXPECT_EQ(antal(programBoks(main)), 3);
    EXPECT_EQ(laesBruger("Filer/Spil.txt").size(), 3);
}

// A group's files hold one name a line: a name with a line break is refused
// with a message and never written; the recent folders leave such a folder out.
TEST_F(Grupperegler, ANameWithALineBreakNeverReachesAFile)
{
    Tmainform& main = startMed({"Spil"}, "Spil");
    const QString fil = mappe.skriv("ny\nlinje.txt", "x");
    main.insertItem(fil, "", true);
    ASSERT_EQ(beskeder.beskeder.size(), 1);
    EXPECT_TRUE(beskeder.beskeder.first().startsWith(
        "Filen kan ikke indsættes i gruppen, fordi navnet indeholder et linjeskift:\r"));
    EXPECT_TRUE(beskeder.beskeder.first().endsWith("ny⏎linje.txt"));
    EXPECT_EQ(laesBruger("Filer/Spil.txt").size(), 3);
    EXPECT_EQ(antal(programBoks(main)), 3);

    const QString mappeNavn = mappe.sti("to\rdele");
    QDir().mkpath(mappeNavn);
    const int foerMapper = main.senesteMapper().Antal();
    main.senesteMapper().InsertItem(mappeNavn, mappeNavn);
    EXPECT_EQ(main.senesteMapper().Antal(), foerMapper);
    main.senesteMapper().InsertItem(mappe.sti(""), mappe.sti(""));
    EXPECT_EQ(main.senesteMapper().Antal(), foerMapper + 1);
}

// Another program added a group while this one ran: a group made here joins
// it, and the group window shows both.
TEST_F(Grupperegler, AGroupListChangedOutsideIsJoinedNotWrittenOver)
{
    startMed({"Spil"}, "Spil");
    skrivBruger("programgrupper.txt", {"Spil", "Udefra"});
    Tboksform& boks = program->boksform();
    boks.gEdit->setText("Her");
    boks.nyGruppeKnapClick();
    EXPECT_EQ(laesBruger("programgrupper.txt"), QStringList({"Spil", "Udefra", "Her"}));
    EXPECT_EQ(program->mainform->grupperne().gruppeliste, QStringList({"Spil", "Udefra", "Her"}));
    EXPECT_EQ(boks.gruppeBoks->count(), 3);
    EXPECT_TRUE(beskeder.beskeder.isEmpty()) << beskeder.beskeder.join(' ').toStdString();
}

TEST_F(Grupperegler, NoActiveGroupRefusesElements)
{
    Tmainform& main = start();
    beskeder.beskeder.clear();
    program->boksform().hide();
    main.insertItem(mappe.skriv("x.exe", "x"), "", true);
    EXPECT_EQ(beskeder.beskeder, QStringList({"Der mangler et gruppenavn!"}));
    EXPECT_TRUE(program->boksform().isVisible());
    EXPECT_EQ(program->boksform().Bog->currentIndex(), 0);
    main.deleteItem();
    EXPECT_EQ(beskeder.beskeder.last(), "Der mangler et gruppenavn!");
}

TEST_F(Grupperegler, NextAndPreviousWrapRound)
{
    Tmainform& main = startMed({"A", "B", "C"}, "C");
    EXPECT_TRUE(del<QAction>(main, "Afrem")->isEnabled());
    del<QAction>(main, "Afrem")->trigger();
    EXPECT_EQ(main.grupperne().gruppenavn, "A");
    EXPECT_EQ(panel(main), QStringList({"A1", "A2", "A3"}));
    del<QAction>(main, "Atilbage")->trigger();
    EXPECT_EQ(main.grupperne().gruppenavn, "C");
    del<QAction>(main, "Atilbage")->trigger();
    EXPECT_EQ(main.grupperne().gruppenavn, "B");
    EXPECT_EQ(program->boksform().valgtGruppeEdit->text(), "B");
    EXPECT_EQ(program->boksform().gNameEdit->text(), "B");
}

TEST_F(Grupperegler, WithNothingSelectedNextGoesFirstAndPreviousLast)
{
    Tmainform& main = startMed({"A", "B", "C"}, "");
    beskeder.beskeder.clear();
    del<QAction>(main, "Afrem")->trigger();
    EXPECT_EQ(main.grupperne().gruppenavn, "A");
    program->boksform().gruppeBoks->clearSelection();
    program->boksform().gruppeBoks->setCurrentRow(-1);
    del<QAction>(main, "Atilbage")->trigger();
    EXPECT_EQ(main.grupperne().gruppenavn, "C");
}

TEST_F(Grupperegler, SteppingIsDisabledWithFewerThanTwoGroups)
{
    Tmainform& main = startMed({"Alene"}, "Alene");
    EXPECT_FALSE(del<QAction>(main, "Afrem")->isEnabled());
    EXPECT_FALSE(del<QAction>(main, "Atilbage")->isEnabled());
    QTest::keyClick(programBoks(main), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(main.grupperne().gruppenavn, "Alene");
}

TEST_F(Grupperegler, DeletingAsksAndTakesOnlyTheSelectedEntry)
{
    Tmainform& main = startMed({"Spil"}, "Spil");
    main.deleteItem();
    EXPECT_EQ(beskeder.beskeder.last(), "Der er ikke valgt et element at slette!");

    vaelg(programBoks(main), 1);
    beskeder.setNextAnswer(false);
    main.deleteItem();
    EXPECT_EQ(beskeder.spoergsmaal.last(), "Skal programmet Spil2 slettes?");
    EXPECT_EQ(antal(programBoks(main)), 3);

    const QString fil = laesBruger("Filer/Spil.txt").at(1);
    program->boksform().fraEdit->setText("2");
    vaelg(programBoks(main), 1);
    beskeder.setNextAnswer(true);
    QTest::keyClick(programBoks(main), Qt::Key_Delete);
    EXPECT_EQ(panel(main), QStringList({"Spil1", "Spil3"}));
    EXPECT_EQ(laesBruger("Filer/Spiltekst.txt"), QStringList({"Spil1", "Spil3"}));
    EXPECT_TRUE(QFile::exists(fil));
    EXPECT_EQ(program->boksform().fraEdit->text(), "0");
}

TEST_F(Grupperegler, DeletingTheLastElementLeavesBothFilesEmpty)
{
    skrivBruger("programgrupper.txt", {"Én"});
    skrivGruppe("Én", {"eneste"});
    skrivOptions("Én");
    Tmainform& main = start();
    vaelg(programBoks(main), 0);
    beskeder.setNextAnswer(true);
    main.deleteItem();
    EXPECT_EQ(antal(programBoks(main)), 0);
    EXPECT_TRUE(QFile::exists(bruger("Filer/Én.txt")));
    EXPECT_TRUE(mappe.laes("Tavlum/Brugere/kontor/Filer/Én.txt").isEmpty());
    EXPECT_TRUE(mappe.laes("Tavlum/Brugere/kontor/Filer/Éntekst.txt").isEmpty());
}

TEST_F(Grupperegler, MovingAnElementSavesBothFiles)
{
    Tmainform& main = startMed({"Spil"}, "Spil");
    program->boksform().MoveProgram(0, 2);
    EXPECT_EQ(panel(main), QStringList({"Spil2", "Spil3", "Spil1"}));
    EXPECT_EQ(laesBruger("Filer/Spiltekst.txt"), QStringList({"Spil2", "Spil3", "Spil1"}));
    EXPECT_TRUE(laesBruger("Filer/Spil.txt").at(2).endsWith("Spil1.txt"));
}

TEST_F(Grupperegler, SwitchingToAGroupWithoutFilesShowsItEmptyWithItsCount)
{
    skrivBruger("programgrupper.txt", {"Spil", "Ny"});
    skrivGruppe("Spil", {"Kabale"});
    skrivOptions("Spil");
    Tmainform& main = start();
    program->boksform().SkiftGruppe(1);
    EXPECT_EQ(main.grupperne().gruppenavn, "Ny");
    EXPECT_EQ(antal(programBoks(main)), 0);
    EXPECT_EQ(program->boksform().infoBar->currentMessage(), "Der er 0 elementer i gruppen.");
    program->boksform().SkiftGruppe(5);
    program->boksform().SkiftGruppe(-1);
    EXPECT_EQ(main.grupperne().gruppenavn, "Ny");
}

TEST_F(Grupperegler, HandEditedFilesAreShownButNotRewritten)
{
    skrivBruger("programgrupper.txt", {"Spil"});
    skrivBruger("Filer/Spil.txt", {"/x/a.exe", "/x/Bee.sh", "/x/c"});
    skrivBruger("Filer/Spiltekst.txt", {"Alfa"});
    skrivOptions("Spil");
    Tmainform& main = start();
    EXPECT_EQ(panel(main), QStringList({"Alfa", "Bee", "c"}));
    EXPECT_EQ(laesBruger("Filer/Spiltekst.txt"), QStringList({"Alfa"}));
}

// One message that names the file, the group's files untouched, and the panel
// showing what they hold.
TEST_F(Grupperegler, AFailedSaveSaysSoOnceAndShowsWhatIsOnDisk)
{
    Tmainform& main = startMed({"Spil"}, "Spil");
    const QStringList foer = laesBruger("Filer/Spil.txt");
    // A folder in the way of the temporary file's rename makes the replace fail, also for root.
    QFile::remove(bruger("Filer/Spiltekst.txt"));
    QDir().mkpath(bruger("Filer/Spiltekst.txt/fast"));
    main.insertItem(mappe.skriv("ny.txt", "x"), "Ny", true);
    ASSERT_EQ(beskeder.beskeder.size(), 1);
    EXPECT_TRUE(beskeder.beskeder.first().startsWith(
        "Filen\r" + QDir::toNativeSeparators(bruger("Filer/Spiltekst.txt")) +
        "\rkunne ikke gemmes."))
        << beskeder.beskeder.first().toStdString();
    EXPECT_EQ(main.grupperne().programliste, foer);
    EXPECT_EQ(antal(programBoks(main)), foer.size());
    EXPECT_TRUE(QFileInfo(bruger("Filer/Spiltekst.txt")).isDir());
    EXPECT_EQ(laesBruger("Filer/Spil.txt"), foer);
}

TEST_F(Grupperegler, UnsavedStorageChangesAreSavedByTheFirstKeyInThePanel)
{
    Tmainform& main = startMed({"A", "B"}, "A");
    Tboksform& boks = tilLager(1);
    vaelg(programBoks(main), 0);
    beskeder.setNextAnswer(true);
    QTest::keyClick(programBoks(main), Qt::Key_Delete);
    EXPECT_TRUE(beskeder.spoergsmaal.isEmpty());
    EXPECT_EQ(beskeder.beskeder, QStringList({"Forandringer gemmes!"}));
    EXPECT_FALSE(boks.listerModified);
    EXPECT_EQ(laesBruger("programgrupper.txt"), QStringList({"A"}));
    EXPECT_EQ(laesBruger("lagergrupper.txt"), QStringList({"B"}));
    EXPECT_EQ(antal(programBoks(main)), 3);
    EXPECT_FALSE(del<QAction>(main, "Afrem")->isEnabled());

    QTest::keyClick(programBoks(main), Qt::Key_Delete);
    EXPECT_EQ(beskeder.spoergsmaal.size(), 1);
}

TEST_F(Grupperegler, StoringTheActiveGroupEmptiesThePanel)
{
    Tmainform& main = startMed({"A", "B"}, "A");
    tilLager(0);
    QTest::mouseClick(programBoks(main)->viewport(), Qt::LeftButton);
    EXPECT_EQ(beskeder.beskeder, QStringList({"Aktuelle gruppe er sat på lager!"}));
    EXPECT_TRUE(main.grupperne().gruppenavn.isEmpty());
    EXPECT_EQ(antal(programBoks(main)), 0);
    EXPECT_TRUE(main.windowTitle().isEmpty());
    EXPECT_TRUE(QFile::exists(bruger("Filer/A.txt")));
}

TEST_F(Grupperegler, ThePopupMenuSavesPendingStorageChangesAndStillOpens)
{
    Tmainform& main = startMed({"A", "B"}, "A");
    Tboksform& boks = tilLager(1);
    QTest::mousePress(programBoks(main)->viewport(), Qt::RightButton);
    EXPECT_FALSE(boks.listerModified);
    EXPECT_EQ(laesBruger("lagergrupper.txt"), QStringList({"B"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return del<QMenu>(main, "PopupMenu")->isVisible(); }, 2000));
    del<QMenu>(main, "PopupMenu")->hide();
}

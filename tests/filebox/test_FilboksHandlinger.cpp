#include "Filliste.h"
#include "Kaede.h"
#include "Programtest.h"
#include "Spm_Kopiering.h"
#include "functions/Handlinger.h"
#include "opentekstfil.h"
#include "progress.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QUrl>

namespace {

class FilboksHandlinger : public Programtest
{
protected:
    Topenfilform& boks() { return program->openfilform(); }
    THandlinger& funk() { return *boks().funk; }
    // Shows the file box on a folder of the test's own.
    void aabn(const QString& relativ)
    {
        skrivBruger("opentekstfil.txt", {"400", "508", "20", "20", mappe.sti(relativ)});
        startMed({"A"}, "A");
        program->mainform->visFilboks();
    }
    int node(const QString& tekst)
    {
        for (int i = 0; i < boks().openbox->antal(); ++i)
            if (boks().openbox->noder().tekst(i) == tekst)
                return i;
        return -1;
    }
    // Answers the confirmation window that the next command opens with "Ja".
    void svarJa()
    {
        QTimer::singleShot(0, [this] {
            auto* vindue = qobject_cast<Tkopieringsform*>(QApplication::activeModalWidget());
            ASSERT_NE(vindue, nullptr);
            bekraeftet << vindue->windowTitle();
            vindue->ButtonJa->click();
        });
    }
    QString status() { return boks().Info->currentMessage(); }
    // A click on the node of this text, as the user makes it.
    void klik(const QString& tekst)
    {
        const QRect r = boks().openbox->visualRect(boks().openbox->noder().index(node(tekst)));
        QTest::mouseClick(boks().openbox->viewport(), Qt::LeftButton, {}, r.center());
    }

    QStringList bekraeftet;
};

} // namespace

TEST_F(FilboksHandlinger, ACopyIsPastedIntoAFolderAfterItsConfirmation)
{
    mappe.skriv("g/brev.txt", "brev");
    QDir().mkpath(mappe.sti("g/Arkiv"));
    aabn("g");
    EXPECT_FALSE(boks().aPaste->isEnabled());
    boks().openbox->vaelg(node("brev.txt"));
    ASSERT_TRUE(boks().aCopy->isEnabled());
    boks().aCopy->trigger();
    EXPECT_EQ(status(), "Der blev kopieret 1 element.");
    EXPECT_TRUE(boks().aPaste->isEnabled());
    boks().openbox->vaelg(node("Arkiv"));
    svarJa();
    boks().aPaste->trigger();
    EXPECT_EQ(bekraeftet, QStringList{"Kopiering af elementer"});
    EXPECT_EQ(mappe.laes("g/Arkiv/brev.txt"), "brev");
    EXPECT_EQ(status(), "Der blev indsat 1 element.");
    EXPECT_FALSE(program->progressform().isVisible());
}

TEST_F(FilboksHandlinger, CtrlZTakesBackACopyAndLeavesTheSource)
{
    mappe.skriv("g/brev.txt", "brev");
    QDir().mkpath(mappe.sti("g/Arkiv"));
    aabn("g");
    EXPECT_FALSE(boks().aFortryd->isEnabled());
    EXPECT_EQ(boks().aFortryd->text(), "Fortryd");
    boks().openbox->vaelg(node("brev.txt"));
    boks().aCopy->trigger();
    boks().openbox->vaelg(node("Arkiv"));
    svarJa();
    boks().aPaste->trigger();
    ASSERT_EQ(mappe.laes("g/Arkiv/brev.txt"), "brev");
    ASSERT_TRUE(boks().aFortryd->isEnabled());
    EXPECT_EQ(boks().aFortryd->text(), "Fortryd indsættelse");
    EXPECT_TRUE(boks().PUfilbox->actions().contains(boks().aFortryd));

    QTest::keyClick(boks().openbox, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(QFileInfo::exists(mappe.sti("g/Arkiv/brev.txt")));
    EXPECT_EQ(mappe.laes("g/brev.txt"), "brev");
    EXPECT_EQ(status(), "Der blev fortrudt 1 element.");
    EXPECT_FALSE(boks().aFortryd->isEnabled());
}

TEST_F(FilboksHandlinger, PapirkurvListsTheBinInTheListAndGendanPutsTheFileBack)
{
    const EgenPapirkurv kurv(mappe.sti("data"));
    platform.papirkurvAegte = true;
    mappe.skriv("g/brev.txt", "brev");
    mappe.skriv("g/andet.txt", "andet");
    aabn("g");
    boks().openbox->vaelg(node("brev.txt"));
    svarJa();
    boks().aDelete->trigger();
    ASSERT_FALSE(QFileInfo::exists(mappe.sti("g/brev.txt")));

    QAction* papirkurv = nullptr;
    for (QAction* a : boks().PUkendte->actions())
        if (a->text() == "Papirkurv")
            papirkurv = a;
    ASSERT_NE(papirkurv, nullptr);
    papirkurv->trigger();
    ASSERT_EQ(node("brev.txt"), 0);
    EXPECT_EQ(boks().openbox->antal(), 1);
    EXPECT_FALSE(boks().openbox->isHeaderHidden());
    EXPECT_EQ(boks().stiboxen->tabText(0), "Papirkurv");
    boks().openbox->vaelg(0);
    // Nothing is made, named, opened or pasted inside the bin.
    for (QAction* a : {boks().aPaste, boks().aNyMappe, boks().aRename, boks().aCopy, boks().aKlip,
                       boks().aDelete, boks().Agofile})
        EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
    EXPECT_TRUE(boks().aDeletePermanent->isEnabled());
    ASSERT_TRUE(boks().aGendan->isEnabled());
    EXPECT_TRUE(boks().aGendan->isVisible());

    boks().aGendan->trigger();
    EXPECT_EQ(mappe.laes("g/brev.txt"), "brev");
    EXPECT_EQ(status(), "Der blev gendannet 1 element.");
    EXPECT_EQ(boks().openbox->antal(), 0);

    // Out of the bin, the folder shown before it with its commands.
    QTest::keyClick(boks().openbox, Qt::Key_Backspace);
    EXPECT_EQ(funk().Grundmappe, mappe.sti("g"));
    EXPECT_TRUE(boks().openbox->isHeaderHidden());
    EXPECT_FALSE(boks().aGendan->isVisible());
    EXPECT_EQ(boks().openbox->antal(), 2);
}

TEST_F(FilboksHandlinger, TypingInTheListFiltersItAndEscShowsEverythingAgain)
{
    for (const char* navn : {"æble.txt", "pære.txt", "citron.txt"})
        mappe.skriv("g/" + QString::fromUtf8(navn), "x");
    aabn("g");
    EXPECT_FALSE(boks().filterFelt->isVisible());
    QTest::keyClicks(boks().openbox, "r");
    ASSERT_TRUE(boks().filterFelt->isVisible());
    QTest::keyClicks(boks().filterFelt, "e");
    EXPECT_EQ(boks().filterFelt->text(), "re");
    EXPECT_EQ(boks().openbox->antal(), 1);
    EXPECT_EQ(status(), "Viser 1 af 3 elementer.");
    QTest::keyClick(boks().filterFelt, Qt::Key_Down);
    EXPECT_EQ(boks().openbox->valgt(), node("pære.txt"));
    EXPECT_TRUE(boks().aCopy->isEnabled());
    QTest::keyClick(boks().openbox, Qt::Key_Escape);
    EXPECT_FALSE(boks().filterFelt->isVisible());
    EXPECT_EQ(boks().openbox->antal(), 3);
}

TEST_F(FilboksHandlinger, AnEntryIsRenamedInPlaceAndANewFolderNamedAsItIsMade)
{
    mappe.skriv("g/brev.txt", "brev");
    aabn("g");
    boks().openbox->vaelg(node("brev.txt"));
    boks().aRename->trigger();
    Filmodel& model = boks().openbox->noder();
    model.setData(model.index(node("brev.txt")), "svar", Qt::EditRole);
    EXPECT_EQ(mappe.laes("g/svar.txt"), "brev");
    EXPECT_NE(node("svar.txt"), -1);
    EXPECT_EQ(status(), "Der blev omdøbt 1 element.");

    boks().aNyMappe->trigger();
    EXPECT_TRUE(boks().nyMappeErOprettet);
    const int ny = node("Ny mappe");
    ASSERT_NE(ny, -1);
    model.setData(model.index(ny), "Breve", Qt::EditRole);
    EXPECT_TRUE(QFileInfo(mappe.sti("g/Breve")).isDir());
    EXPECT_FALSE(boks().nyMappeErOprettet);
}

TEST_F(FilboksHandlinger, DraggedEntriesMoveOnTheirDriveAndDesktopFilesAreCopied)
{
    mappe.skriv("g/Under/flyt.txt", "flyt");
    const QString ude = mappe.skriv("ude/fra skrivebordet.txt", "ude");
    aabn("g/Under");
    boks().openbox->vaelg(node("flyt.txt"));
    emit boks().openbox->traekStarter();
    svarJa();
    // The tab of "g", one before the last.
    boks().dropPaaFane(boks().stiboxen->count() - 2);
    EXPECT_EQ(bekraeftet, QStringList{"Flytning af elementer"});
    EXPECT_EQ(mappe.laes("g/flyt.txt"), "flyt");
    EXPECT_EQ(status(), "Der blev flyttet 1 element.");
    emit boks().openbox->traekSlutter();
    EXPECT_TRUE(boks().sourceDir.isEmpty());

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(ude)});
    boks().openbox->vaelg(-1);
    svarJa();
    boks().dropFraSkrivebordet(data);
    EXPECT_EQ(mappe.laes("g/fra skrivebordet.txt"), "ude");
    EXPECT_EQ(mappe.laes("ude/fra skrivebordet.txt"), "ude");
}

TEST_F(FilboksHandlinger, ItsOwnKeysWinOverTheMainWindowsAndEnterEndsAnEdit)
{
    mappe.skriv("g/a.txt", "a");
    mappe.skriv("g/b.txt", "b");
    aabn("g");
    // Ctrl+A and Ctrl+M are the main window's keys too.
    QTest::keyClick(boks().openbox, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(boks().openbox->antalValgte(), 2);
    QTest::keyClick(boks().openbox, Qt::Key_M, Qt::ControlModifier);
    ASSERT_TRUE(boks().openbox->redigerer());
    auto* felt = boks().openbox->findChild<QLineEdit*>();
    ASSERT_NE(felt, nullptr);
    felt->setText("Breve");
    QTest::keyClick(felt, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_TRUE(QFileInfo(mappe.sti("g/Breve")).isDir());
    // The new folder was named, not entered.
    EXPECT_EQ(funk().Grundmappe, mappe.sti("g"));
}

TEST_F(FilboksHandlinger, APasteAfterEnteringAFolderGoesIntoItUnlessTheUserClicksASubfolder)
{
    mappe.skriv("g/brev.txt", "brev");
    mappe.skriv("g/X/fil.txt", "x");
    QDir().mkpath(mappe.sti("g/X/S"));
    aabn("g");
    boks().openbox->vaelg(node("brev.txt"));
    boks().aCopy->trigger();
    boks().openbox->vaelg(node("X"));
    QTest::keyClick(boks().openbox, Qt::Key_Return);
    ASSERT_EQ(funk().Grundmappe, mappe.sti("g/X"));
    // The listing selected S, its first node; that is not the user's choice.
    ASSERT_EQ(boks().openbox->valgt(), node("S"));
    svarJa();
    QTest::keyClick(boks().openbox, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(mappe.laes("g/X/brev.txt"), "brev");
    EXPECT_FALSE(QFileInfo::exists(mappe.sti("g/X/S/brev.txt")));

    klik("S");
    svarJa();
    QTest::keyClick(boks().openbox, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(mappe.laes("g/X/S/brev.txt"), "brev");
}

TEST_F(FilboksHandlinger, TheStatusBarTellsTheRealOutcomeOfEveryOperation)
{
    mappe.skriv("g/a.txt", "a");
    mappe.skriv("g/b.txt", "b");
    QDir().mkpath(mappe.sti("maal"));
    aabn("g");
    boks().aMarkerAlt->trigger();
    boks().aCopy->trigger();
    EXPECT_EQ(status(), "Der blev kopieret 2 elementer.");

    // One copy fails as on a full disk: the one that arrived and the one that did not.
    platform.kopiFejler = [](const std::string& kilde) { return kilde.ends_with("b.txt"); };
    boks().visMappe(mappe.sti("maal"));
    svarJa();
    boks().aPaste->trigger();
    EXPECT_EQ(status(), "Der blev indsat 1 element. 1 element kunne ikke indsættes.");

    // A source gone before the paste: the error is told, and no count of nothing follows.
    QFile::remove(mappe.sti("g/a.txt"));
    svarJa();
    boks().aPaste->trigger();
    EXPECT_EQ(beskeder.beskeder.last(),
              "Der er opstået en fejl.\rElementer er muligvist slettede.");
    EXPECT_TRUE(status().isEmpty());

    // Nothing could go to the recycle bin.
    platform.papirkurvSvar = false;
    boks().aMarkerAlt->trigger();
    svarJa();
    boks().aDelete->trigger();
    EXPECT_EQ(status(), "Ingen elementer blev slettet. 1 element kunne ikke slettes.");
}

TEST_F(FilboksHandlinger, ACutPastedBesideItselfIsCalledTheCopyItBecame)
{
    mappe.skriv("g/Navn/inde.txt", "inde");
    mappe.skriv("g/b.txt", "b");
    aabn("g");
    klik("Navn");
    boks().aKlip->trigger();
    EXPECT_EQ(status(), "Der blev klippet 1 element.");
    boks().openbox->vaelg(node("b.txt"));
    beskeder.setNextAnswer(true);
    svarJa();
    boks().aPaste->trigger();
    EXPECT_EQ(bekraeftet, QStringList{"Kopiering af elementer"});
    EXPECT_EQ(status(), "Der blev indsat 1 element.");
    EXPECT_EQ(mappe.laes("g/Navn (1)/inde.txt"), "inde");
}

#include "Filliste.h"
#include "Programtest.h"
#include "Stifaner.h"
#include "functions/Handlinger.h"
#include "opentekstfil.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStatusBar>
#include <QTabBar>
#include <QToolButton>

class Filboks : public Programtest
{
protected:
    Topenfilform& boks() { return program->openfilform(); }
    THandlinger& funk() { return *boks().funk; }
    QStringList faner()
    {
        QStringList ud;
        for (int i = 0; i < boks().stiboxen->count(); ++i)
            ud << boks().stiboxen->tabText(i);
        return ud;
    }
    void tast(int key) { QTest::keyClick(boks().openbox, static_cast<Qt::Key>(key)); }
    void vaelg(int i) { boks().openbox->vaelg(i); }
    QString mkdir(const QString& relativ)
    {
        QDir().mkpath(mappe.sti(relativ));
        return mappe.sti(relativ);
    }
};

TEST_F(Filboks, WithoutItsOptionFileItListsTheRootAtTheDefaultPlace)
{
    startMed({"A"}, "A");
    EXPECT_EQ(boks().size(), QSize(400, 508));
    EXPECT_EQ(boks().pos(), QPoint(20, 20));
    program->mainform->visFilboks();
    EXPECT_EQ(funk().Grundmappe, QDir::rootPath());
    EXPECT_EQ(funk().historik().liste(), QStringList{QDir::rootPath()});
    for (QToolButton* k : {boks().ButtonFirstMappe, boks().ButtonPrevMappe, boks().ButtonNextMappe,
                           boks().ButtonLastMappe})
        EXPECT_FALSE(k->isEnabled());
    EXPECT_EQ(boks().windowTitle(), "Filboksen");
}

TEST_F(Filboks, ItsPlaceAndFolderAreKeptInItsOptionFile)
{
    const QString data = mkdir("Data");
    skrivBruger("opentekstfil.txt", {"420", "530", "30", "40", data});
    startMed({"A"}, "A");
    EXPECT_EQ(boks().size(), QSize(420, 530));
    EXPECT_EQ(boks().pos(), QPoint(30, 40));
    program->mainform->visFilboks();
    EXPECT_EQ(funk().Grundmappe, data);
    boks().visMappe(mkdir("Andet"));
    boks().close();
    EXPECT_EQ(laesBruger("opentekstfil.txt"),
              QStringList({"420", "530", "30", "40", mappe.sti("Andet")}));
}

TEST_F(Filboks, AShortOptionFileKeepsWhatItHoldsAndListsNothing)
{
    skrivBruger("opentekstfil.txt", {"420", "530", "30", "40"});
    startMed({"A"}, "A");
    EXPECT_EQ(boks().size(), QSize(420, 530));
    program->mainform->visFilboks();
    EXPECT_TRUE(funk().Grundmappe.isEmpty());
    EXPECT_TRUE(funk().historik().liste().isEmpty());

    skrivBruger("opentekstfil.txt", {"420", "bred"});
    program.reset();
    startMed({"A"}, "A");
    EXPECT_EQ(boks().size(), QSize(420, 508));
    EXPECT_EQ(boks().pos(), QPoint(20, 20));
}

TEST(Stifaner, EveryPartOfThePathIsATabAndATabGivesItsFolder)
{
    const QStringList dele = Stifaner::dele("/home/kontor//Data/");
    EXPECT_EQ(dele, QStringList({"/", "home", "kontor", "Data"}));
    EXPECT_EQ(Stifaner::mappeTil(dele, 0), "/");
    EXPECT_EQ(Stifaner::mappeTil(dele, 2), "/home/kontor");
    EXPECT_EQ(Stifaner::dele("/"), QStringList{"/"});
}

TEST_F(Filboks, ThePathTabsShowTheFolderAndChoosingOneListsIt)
{
    const QString film = mkdir("Data/Film/Nye");
    skrivBruger("opentekstfil.txt", {"400", "508", "20", "20", film});
    startMed({"A"}, "A");
    program->mainform->visFilboks();
    const QStringList dele = Stifaner::dele(film);
    EXPECT_EQ(faner(), dele);
    EXPECT_EQ(boks().stiboxen->currentIndex(), dele.size() - 1);
    EXPECT_EQ(platform.current, film.toStdString());

    const int data = static_cast<int>(dele.size()) - 3;
    emit boks().stiboxen->tabBarClicked(data);
    EXPECT_EQ(funk().Grundmappe, mappe.sti("Data"));
    EXPECT_EQ(funk().historik().liste(), QStringList({film, mappe.sti("Data")}));
    EXPECT_EQ(boks().stiboxen->currentIndex(), data);
    EXPECT_TRUE(boks().ButtonPrevMappe->isEnabled());
    EXPECT_FALSE(boks().ButtonNextMappe->isEnabled());
    boks().ButtonPrevMappe->click();
    EXPECT_EQ(funk().Grundmappe, film);
    EXPECT_TRUE(boks().ButtonNextMappe->isEnabled());
}

TEST_F(Filboks, EnterEntersAFolderAndOpensAFile)
{
    const QString g = mkdir("g/Under");
    const QString fil = mappe.skriv("g/Under/brev.txt", "x");
    skrivBruger("opentekstfil.txt", {"400", "508", "20", "20", mappe.sti("g")});
    startMed({"A"}, "A");
    program->mainform->visFilboks();
    vaelg(0);
    tast(Qt::Key_Return);
    EXPECT_EQ(funk().Grundmappe, g);
    EXPECT_EQ(funk().Filnavn, fil);
    platform.kald.clear();
    tast(Qt::Key_Return);
    ASSERT_EQ(platform.kald.size(), 1u);
    EXPECT_EQ(platform.kald[0].verb, "open");
    EXPECT_EQ(platform.kald[0].file, fil.toStdString());
}

TEST_F(Filboks, FilesOpenInTheirFolderAndScriptsInAConsole)
{
    startMed({"A"}, "A");
    const QString bat = mappe.skriv("s/koer.BAT", "echo");
    platform.kald.clear();
    boks().OpenFil(bat, false);
    boks().OpenFil(mappe.skriv("s/brev.txt", "x"), true);
    platform.shellSvar = 31;
    boks().OpenFil(mappe.skriv("s/ukendt.xyz", "x"), false);
    ASSERT_EQ(platform.kald.size(), 3u);
    EXPECT_EQ(platform.kald[0],
              (FakePlatform::Kald{"open", "cmd", "/K koer.BAT", "", platform.current}));
    EXPECT_EQ(platform.kald[1].verb, "edit");
    EXPECT_EQ(platform.kald[1].file, "brev.txt");
    EXPECT_EQ(platform.kald[1].folder, mappe.sti("s").toStdString());
    EXPECT_EQ(beskeder.beskeder.size(), 1);
}

// A script or desktop entry the system does not trust is asked for, as from
// the panel: "Nej" runs nothing and says no more, "Ja" runs it and trusts it.
TEST_F(Filboks, AnUntrustedScriptIsAskedForBeforeItRuns)
{
    startMed({"A"}, "A");
    const QString sh = mappe.skriv("s/hent.sh", "echo");
    platform.kald.clear();
    platform.naesteSvar = {Platform::UntrustedEntry};
    beskeder.setNextAnswer(false);
    boks().OpenFil(sh, false);
    ASSERT_EQ(beskeder.spoergsmaal.size(), 1);
    EXPECT_TRUE(beskeder.spoergsmaal.first().startsWith("Scriptet\r" + sh));
    EXPECT_TRUE(beskeder.beskeder.isEmpty());
    EXPECT_EQ(platform.kald.size(), 1u);

    platform.naesteSvar = {Platform::UntrustedEntry};
    beskeder.setNextAnswer(true);
    boks().OpenFil(sh, false);
    ASSERT_EQ(platform.kald.size(), 3u);
    EXPECT_EQ(platform.kald[2], (FakePlatform::Kald{"openConfirmed", "cmd", "/K hent.sh", "",
                                                    platform.current}));
    EXPECT_TRUE(beskeder.beskeder.isEmpty());
}

TEST_F(Filboks, InsertTakesTheSelectedFileIntoTheActiveGroup)
{
    mkdir("g/Under");
    const QString fil = mappe.skriv("g/nyt.txt", "x");
    skrivBruger("opentekstfil.txt", {"400", "508", "20", "20", mappe.sti("g")});
    Tmainform& main = startMed({"A"}, "A");
    program->mainform->visFilboks();
    vaelg(0);
    boks().insertButton->click();
    EXPECT_EQ(
        beskeder.beskeder,
        QStringList{
            "Der mangler et filnavn.\rDet skal være en fil, der er relevant for aktive gruppe!"});
    vaelg(1);
    boks().insertButton->click();
    EXPECT_EQ(main.grupperne().programliste.last(), fil);
    EXPECT_EQ(laesBruger("Filer/A.txt").last(), fil);
}

TEST_F(Filboks, ActionsWaitForAFileAndShowOnlyPictures)
{
    mappe.skriv("g/a.txt", "x");
    skrivBruger("opentekstfil.txt", {"400", "508", "20", "20", mappe.sti("g")});
    startMed({"A"}, "A");
    program->mainform->visFilboks();
    EXPECT_TRUE(boks().aVisBillede->isEnabled());
    boks().aVisBillede->trigger();
    EXPECT_EQ(beskeder.beskeder, QStringList{"Filtypen kan ikke vises."});
    vaelg(-1);
    EXPECT_FALSE(boks().Agofile->isEnabled());
    EXPECT_TRUE(boks().aNyMappe->isEnabled());
    // Thirteen items and separators, "Fortryd" after the first three, and
    // "Gendan", which only the recycle bin shows.
    EXPECT_EQ(boks().PUfilbox->actions().size(), 16);
    EXPECT_FALSE(boks().aGendan->isVisible());
    EXPECT_EQ(boks().aDelete->shortcuts().size(), 2);
}

TEST_F(Filboks, StatusTextsCountWhatWasDoneAndWhatFailed)
{
    EXPECT_EQ(Topenfilform::statustekst(4, 3), "Der blev slettet 3 elementer.");
    EXPECT_EQ(Topenfilform::statustekst(0, 1), "Der blev kopieret 1 element.");
    EXPECT_EQ(Topenfilform::statustekst(5, 0), "Der blev omdøbt 0 elementer.");
    EXPECT_EQ(Topenfilform::statustekst(7, 2, 1),
              "Der blev gendannet 2 elementer. 1 element kunne ikke gendannes.");
    EXPECT_EQ(Topenfilform::statustekst(6, 2, 1),
              "Der blev fortrudt 2 elementer. 1 element kunne ikke fortrydes.");
    EXPECT_EQ(Topenfilform::statustekst(2, 2, 1),
              "Der blev indsat 2 elementer. 1 element kunne ikke indsættes.");
    EXPECT_EQ(Topenfilform::statustekst(4, -1, 3),
              "Ingen elementer blev slettet. 3 elementer kunne ikke slettes.");
    EXPECT_EQ(Topenfilform::statustekst(3, 1, 2),
              "Der blev flyttet 1 element. 2 elementer kunne ikke flyttes.");
}

TEST_F(Filboks, RecentFoldersAreInsertedAndChosenFromTheFolderMenu)
{
    const QString musik = mkdir("Musik");
    skrivBruger("opentekstfil.txt", {"400", "508", "20", "20", musik});
    Tmainform& main = startMed({"A"}, "A");
    program->mainform->visFilboks();
    emit boks().MReopendir->aboutToShow();
    EXPECT_EQ(boks().mDir->text(), "Ingen mapper");
    EXPECT_EQ(boks().MReopendir->actions().size(), 2);

    boks().mInsertInSenesteMapper->trigger();
    boks().visMappe(mkdir("Andet"));
    emit boks().MReopendir->aboutToShow();
    EXPECT_EQ(boks().mDir->text(), "Mapper");
    const QList<QAction*> punkter = boks().MReopendir->actions();
    ASSERT_EQ(punkter.size(), 5);
    EXPECT_EQ(punkter.at(2)->text(), "Musik");
    EXPECT_EQ(punkter.at(4)->text(), "Slet listen");
    punkter.at(2)->trigger();
    EXPECT_EQ(funk().Grundmappe, musik);
    EXPECT_EQ(funk().historik().liste().last(), musik);

    QDir(musik).removeRecursively();
    punkter.at(2)->trigger();
    EXPECT_EQ(main.senesteMapper().Antal(), 0);
    EXPECT_EQ(funk().Grundmappe, musik);
}

TEST_F(Filboks, SpecialFoldersAreListedOrReportedInDanish)
{
    const QString doc = mkdir("Dokumenter");
    platform.specialmapper[Platform::SpecialFolder::Documents] = doc.toStdString();
    startMed({"A"}, "A");
    program->mainform->visFilboks();
    boks().visSpecialmappe("Dokumenter");
    EXPECT_EQ(funk().Grundmappe, doc);
    EXPECT_EQ(funk().historik().liste().last(), doc);
    boks().visSpecialmappe("OneDrive");
    boks().visSpecialmappe("Delte mapper/Musik");
    EXPECT_EQ(beskeder.beskeder, QStringList({"Mappen blev ikke fundet.",
                                              "Kunne ikke finde musikmappen for alle brugere."}));
    EXPECT_EQ(funk().Grundmappe, doc);
}

TEST_F(Filboks, EveryItemOfTheFolderMenuListsItsOwnFolder)
{
    using S = Platform::SpecialFolder;
    const std::pair<QString, S> punkter[] = {{"OneDrive", S::OneDrive},
                                             {"Skrivebord", S::Desktop},
                                             {"Dokumenter", S::Documents},
                                             {"Billeder", S::Pictures},
                                             {"Musik", S::Music},
                                             {"Videoer", S::Videos},
                                             {"Kontakter", S::Contacts},
                                             {"Overførsler", S::Downloads},
                                             {"Startmenu", S::StartMenuPrograms},
                                             {"AppData", S::LocalAppData},
                                             {"Delte mapper/Dokumenter", S::CommonDocuments},
                                             {"Delte mapper/Billeder", S::CommonPictures},
                                             {"Delte mapper/Musik", S::CommonMusic},
                                             {"Delte mapper/Videoer", S::CommonVideos}};
    for (const auto& [punkt, hvilken] : punkter)
        platform.specialmapper[hvilken] = mkdir("steder/" + punkt).toStdString();
    startMed({"A"}, "A");
    program->mainform->visFilboks();
    const auto handling = [&](QMenu* menu, const QString& tekst) -> QAction* {
        for (QAction* a : menu->actions())
            if (a->text() == tekst)
                return a;
        return nullptr;
    };
    QMenu* delte = boks().PUkendte->findChild<QMenu*>("delteMapper");
    for (const auto& [punkt, hvilken] : punkter) {
        QAction* a = punkt.startsWith("Delte mapper/")
                         ? handling(delte, punkt.mid(QStringLiteral("Delte mapper/").size()))
                         : handling(boks().PUkendte, punkt);
        ASSERT_NE(a, nullptr) << punkt.toStdString();
        a->trigger();
        EXPECT_EQ(funk().Grundmappe, mappe.sti("steder/" + punkt)) << punkt.toStdString();
    }
    EXPECT_TRUE(beskeder.beskeder.isEmpty());
}

TEST_F(Filboks, FavouritesAreTheUsersBookmarkedFoldersOrNone)
{
    startMed({"A"}, "A");
    program->mainform->visFilboks();
    QMenu* favoritter = boks().smFavoritter;
    ASSERT_NE(favoritter, nullptr);
    emit favoritter->aboutToShow();
    ASSERT_EQ(favoritter->actions().size(), 1);
    EXPECT_EQ(favoritter->actions().at(0)->text(), "Ingen favoritter");
    EXPECT_FALSE(favoritter->actions().at(0)->isEnabled());

    const QString projekter = mkdir("Projekter & planer");
    platform.favoritter = {{"Projekter & planer", projekter.toStdString()},
                           {"Væk", mappe.sti("væk").toStdString()}};
    emit favoritter->aboutToShow();
    ASSERT_EQ(favoritter->actions().size(), 1);
    EXPECT_EQ(favoritter->actions().at(0)->text(), "Projekter && planer");
    favoritter->actions().at(0)->trigger();
    EXPECT_EQ(funk().Grundmappe, projekter);
    EXPECT_EQ(funk().historik().liste().last(), projekter);
}

TEST_F(Filboks, RefreshingAFolderDeletedMeanwhileSaysSoAndShowsTheNearestAbove)
{
    const QString inde = mkdir("ude/mellem/inde");
    mappe.skriv("ude/fil.txt", "x");
    skrivBruger("opentekstfil.txt", {"400", "508", "20", "20", inde});
    startMed({"A"}, "A");
    program->mainform->visFilboks();
    QDir(mappe.sti("ude/mellem")).removeRecursively();
    boks().opdaterKnap->click();
    EXPECT_EQ(
        beskeder.beskeder,
        QStringList{"Mappen eller drevet eksisterer ikke.\rStrukturene vil blive genindlæst."});
    EXPECT_EQ(funk().Grundmappe, mappe.sti("ude"));
    EXPECT_EQ(boks().openbox->noder().tekst(0), "fil.txt");
    EXPECT_EQ(faner().last(), "ude");
}

TEST_F(Filboks, ThePathTabsKeysAndTheHistoryKeysMoveTheFolderShown)
{
    const QString nye = mkdir("Data/Film/Nye");
    skrivBruger("opentekstfil.txt", {"400", "508", "20", "20", nye});
    startMed({"A"}, "A");
    program->mainform->visFilboks();
    // Left on the tabs shows the folder of the tab it highlights.
    QTest::keyClick(boks().stiboxen, Qt::Key_Left);
    EXPECT_EQ(funk().Grundmappe, mappe.sti("Data/Film"));
    EXPECT_EQ(faner().last(), "Film");
    EXPECT_EQ(boks().stiboxen->currentIndex(), boks().stiboxen->count() - 1);
    // Right has no deeper tab left; the folder stays as it is.
    QTest::keyClick(boks().stiboxen, Qt::Key_Right);
    EXPECT_EQ(funk().Grundmappe, mappe.sti("Data/Film"));

    tast(Qt::Key_Backspace);
    EXPECT_EQ(funk().Grundmappe, mappe.sti("Data"));
    QTest::keyClick(boks().openbox, Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(funk().Grundmappe, QFileInfo(mappe.sti("Data")).path());
    QTest::keyClick(boks().openbox, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(funk().Grundmappe, mappe.sti("Data"));
    QTest::keyClick(boks().openbox, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(funk().Grundmappe, mappe.sti("Data/Film"));
    QTest::keyClick(boks().openbox, Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(funk().Grundmappe, mappe.sti("Data"));
    EXPECT_EQ(faner().last(), "Data");
}

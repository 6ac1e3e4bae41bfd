#include "Kaede.h"
#include "visBilled.h"

#include <QImage>

TEST_F(Kaede, ASelectionChangeSetsTheFolderInFocusAndTheFile)
{
    mkdir("g/Under");
    mappe.skriv("g/a.txt", "x");
    funk.makeStruktur2(mappe.sti("g"), true, true);
    liste.vaelg(0);
    funk.infoStruktur2();
    EXPECT_EQ(funk.Bibmappe, mappe.sti("g/Under"));
    EXPECT_TRUE(funk.Filnavn.isEmpty());
    liste.vaelg(1);
    funk.infoStruktur2();
    EXPECT_EQ(funk.Bibmappe, mappe.sti("g"));
    EXPECT_EQ(funk.Filnavn, mappe.sti("g/a.txt"));
    liste.vaelg(-1);
    funk.infoStruktur2();
    EXPECT_EQ(funk.Bibmappe, mappe.sti("g"));
    EXPECT_TRUE(funk.Filnavn.isEmpty());
    EXPECT_EQ(skift.last(), mappe.sti("g") + "|");
}

TEST_F(Kaede, OpeningAFolderEntersItAndAVanishedFileChangesNothing)
{
    mkdir("g/Under/Dybt");
    mappe.skriv("g/a.txt", "x");
    funk.makeStruktur2(mappe.sti("g"), true, true);
    liste.vaelg(0);
    EXPECT_EQ(funk.udfoldFilDirectory(), mappe.sti("g/Under"));
    EXPECT_EQ(tekster(), QStringList{"Dybt"});
    EXPECT_EQ(funk.mappeSL, QStringList({mappe.sti("g"), mappe.sti("g/Under")}));

    funk.makeStruktur2(mappe.sti("g"), false, true);
    liste.vaelg(1);
    funk.infoStruktur2();
    EXPECT_EQ(funk.udfoldFilDirectory(), mappe.sti("g"));
    QFile::remove(mappe.sti("g/a.txt"));
    funk.Filnavn = "uroert";
    EXPECT_TRUE(funk.udfoldFilDirectory().isEmpty());
    EXPECT_EQ(funk.Filnavn, "uroert");

    liste.vaelg(0);
    QDir(mappe.sti("g/Under")).removeRecursively();
    funk.udfoldFilDirectory();
    EXPECT_EQ(beskeder.beskeder.size(), 1);
    EXPECT_TRUE(tekster().isEmpty());
}

TEST_F(Kaede, RenamingNeedsASelectedFileOrFolder)
{
    funk.editSelected();
    mappe.skriv("g/a.txt", "x");
    funk.makeStruktur2(mappe.sti("g"), true, true);
    liste.noder().setID(0, 4);
    funk.editSelected();
    EXPECT_EQ(beskeder.beskeder, QStringList({"Der er ikke valgt element,\rder skal omdøbes.",
                                              "a.txt\rmå ikke omdøbes"}));
}

TEST_F(Kaede, APictureIsShownWithItsSizeAndNameAndAnUnreadableOneIsNot)
{
    Tbilledform billede;
    funk.Billedvindue = &billede;
    QImage(40, 30, QImage::Format_RGB32).save(mappe.sti("foto.png"));
    funk.Filnavn = mappe.sti("foto.png");
    EXPECT_TRUE(funk.LoadPicture(funk.Filnavn));
    EXPECT_TRUE(billede.isVisible());
    EXPECT_EQ(billede.panel(0), "Bredde");
    EXPECT_EQ(billede.panel(1), "40");
    EXPECT_EQ(billede.panel(3), "30");
    EXPECT_EQ(billede.panel(5), "foto.png");
    EXPECT_EQ(billede.minimumSize(), QSize(486, 333));
    billede.hide();
    EXPECT_FALSE(funk.LoadPicture(mappe.skriv("falsk.png", "ikke et billede")));
    EXPECT_FALSE(billede.isVisible());
}

TEST_F(Kaede, ThePictureWindowFitsThePictureUpToAFixedSize)
{
    Tbilledform billede;
    QImage(600, 400, QImage::Format_RGB32).save(mappe.sti("mellem.png"));
    ASSERT_TRUE(billede.hentBillede(mappe.sti("mellem.png")));
    billede.show();
    EXPECT_EQ(billede.size(), QSize(632, 432));
    billede.hide();
    QImage(2000, 1500, QImage::Format_RGB32).save(mappe.sti("stor.png"));
    ASSERT_TRUE(billede.hentBillede(mappe.sti("stor.png")));
    billede.show();
    EXPECT_EQ(billede.size(), QSize(800, 600));
}

TEST_F(Kaede, SpecialFoldersSayInDanishWhenTheyCannotBeFound)
{
    EXPECT_EQ(funk.GetMyDesktop().fejl, "Kunne ikke finde skrivebordsmappen.");
    EXPECT_EQ(funk.GetCommonVideo().fejl, "Kunne ikke finde videomappen for alle brugere.");
    platform.specialmapper[Platform::SpecialFolder::Desktop] = "/hjem/Skrivebord";
    EXPECT_EQ(funk.GetMyDesktop().mappe, "/hjem/Skrivebord");
    EXPECT_TRUE(funk.GetMyDesktop().fejl.isEmpty());

    platform.specialmapper[Platform::SpecialFolder::Downloads] = "/hjem/Overførsler";
    EXPECT_EQ(funk.GetMyDownLoad("kontor"), "/hjem/Overførsler");
    EXPECT_EQ(funk.GetMyDownLoad("andenbruger"), "/");
    EXPECT_EQ(funk.GetMyKontakter(""), "/");
    EXPECT_EQ(funk.GetMyKontakter("kontor"), "/");
}

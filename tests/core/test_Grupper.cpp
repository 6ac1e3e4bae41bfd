#include "Grupper.h"
#include "Testmappe.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

Grupper iMappe(const Testmappe& mappe, const QString& navn)
{
    Grupper g;
    g.DirFiler = mappe.sti("Filer") + QDir::separator();
    QDir().mkpath(mappe.sti("Filer"));
    g.gruppenavn = navn;
    g.filnavn = g.makeFilnavn();
    g.tekstnavn = g.makeTekstnavn();
    return g;
}

} // namespace

TEST(Grupper, FileNamesAreTheGroupNameInTheFilerFolder)
{
    Grupper g;
    g.DirFiler = "/h/Tavlum/Brugere/kontor/Filer/";
    g.gruppenavn = "Spil";
    EXPECT_EQ(g.makeFilnavn(), "/h/Tavlum/Brugere/kontor/Filer/Spil.txt");
    EXPECT_EQ(g.makeTekstnavn(), "/h/Tavlum/Brugere/kontor/Filer/Spiltekst.txt");
    g.gruppenavn = "Sommerferie 2024 æøå, %50 & co.";
    EXPECT_EQ(g.makeFilnavn(),
              "/h/Tavlum/Brugere/kontor/Filer/Sommerferie 2024 æøå, %50 & co..txt");
}

TEST(Grupper, NoNameReachesOutsideTheFilerFolder)
{
    Grupper g;
    g.DirFiler = "/h/Filer/";
    for (const QString navn :
         {"../../etc/passwd", "..\\..\\x", "C:evil", "a\nb", "..", "/", "\t"}) {
        g.gruppenavn = navn;
        const QString fil = g.makeFilnavn();
        EXPECT_EQ(QFileInfo(fil).path(), "/h/Filer") << fil.toStdString();
        EXPECT_FALSE(fil.mid(9).contains(QChar(u'/'))) << fil.toStdString();
        EXPECT_FALSE(fil.contains(':'));
    }
    EXPECT_EQ(Grupper::filnavnsdel("a/b:c\x01"), "a%2Fb%3Ac%01");
}

TEST(Grupper, ThreeElementLinesAndThreeTextLinesGiveThreeElementsInOrder)
{
    Testmappe mappe;
    Grupper g = iMappe(mappe, "Spil");
    mappe.skrivLinjer("Filer/Spil.txt", {"/a/x.exe", "/b/y.sh", "/c/z"});
    mappe.skrivLinjer("Filer/Spiltekst.txt", {"X", "Y", "Z"});
    ASSERT_TRUE(g.hentAktiv());
    EXPECT_EQ(g.programliste, QStringList({"/a/x.exe", "/b/y.sh", "/c/z"}));
    EXPECT_EQ(g.tekstliste, QStringList({"X", "Y", "Z"}));
}

TEST(Grupper, HandEditedFilesOfDifferentLengthsAreEvenedOutInMemoryOnly)
{
    Testmappe mappe;
    Grupper g = iMappe(mappe, "Spil");
    mappe.skrivLinjer("Filer/Spil.txt", {"/a/x.tar.gz", "/b/Min fil.txt", "/c/uden"});
    mappe.skrivLinjer("Filer/Spiltekst.txt", {"Første"});
    ASSERT_TRUE(g.hentAktiv());
    EXPECT_EQ(g.tekstliste, QStringList({"Første", "Min fil", "uden"}));
    EXPECT_EQ(mappe.laesLinjer("Filer/Spiltekst.txt"), QStringList({"Første"}));

    mappe.skrivLinjer("Filer/Spiltekst.txt", {"1", "2", "3", "4", "5"});
    ASSERT_TRUE(g.hentAktiv());
    EXPECT_EQ(g.tekstliste, QStringList({"1", "2", "3"}));
    EXPECT_EQ(mappe.laesLinjer("Filer/Spiltekst.txt").size(), 5);

    QFile::remove(mappe.sti("Filer/Spiltekst.txt"));
    ASSERT_TRUE(g.hentAktiv());
    EXPECT_EQ(g.tekstliste.size(), 3);
}

TEST(Grupper, MissingElementFileIsNoGroupToRead)
{
    Testmappe mappe;
    Grupper g = iMappe(mappe, "Tom");
    g.programliste = {"gammel"};
    EXPECT_FALSE(g.hentAktiv());
}

TEST(Grupper, MovingPutsTheElementAtTheNewPlaceInBothLists)
{
    Grupper g;
    g.programliste = {"1", "2", "3"};
    g.tekstliste = {"a", "b", "c"};
    g.flyt(0, 2);
    EXPECT_EQ(g.programliste, QStringList({"2", "3", "1"}));
    EXPECT_EQ(g.tekstliste, QStringList({"b", "c", "a"}));
    g.flyt(2, 0);
    EXPECT_EQ(g.programliste, QStringList({"1", "2", "3"}));
    g.flyt(1, 7);
    g.flyt(-1, 0);
    EXPECT_EQ(g.programliste, QStringList({"1", "2", "3"}));
}

TEST(Grupper, SteppingWrapsRound)
{
    EXPECT_EQ(Grupper::naeste(2, 3), 0);
    EXPECT_EQ(Grupper::naeste(-1, 3), 0);
    EXPECT_EQ(Grupper::naeste(0, 3), 1);
    EXPECT_EQ(Grupper::forrige(0, 3), 2);
    EXPECT_EQ(Grupper::forrige(-1, 3), 2);
    EXPECT_EQ(Grupper::forrige(2, 3), 1);
}

TEST(Grupper, SavingWritesBothFiles)
{
    Testmappe mappe;
    Grupper g = iMappe(mappe, "Musik");
    g.tilfoej("/m/a.mp3", "a");
    g.tilfoej("/m/ø.ogg", "ø");
    ASSERT_TRUE(g.gemAktiv().isEmpty());
    EXPECT_EQ(mappe.laes("Filer/Musik.txt"), QByteArray("/m/a.mp3\r\n/m/\xF8.ogg\r\n"));
    EXPECT_EQ(mappe.laes("Filer/Musiktekst.txt"), QByteArray("a\r\n\xF8\r\n"));
    g.fjern(0);
    g.fjern(0);
    ASSERT_TRUE(g.gemAktiv().isEmpty());
    EXPECT_TRUE(mappe.laes("Filer/Musik.txt").isEmpty());
    EXPECT_TRUE(QFileInfo::exists(mappe.sti("Filer/Musiktekst.txt")));
}

TEST(Grupper, TheExtensionIsFromTheLastDotOfTheFilesOwnName)
{
    EXPECT_EQ(Grupper::udvidelse("/a/Spil.BAT"), ".bat");
    EXPECT_EQ(Grupper::udvidelse("/a/arkiv.tar.GZ"), ".gz");
    EXPECT_EQ(Grupper::udvidelse("/mappe.old/program"), "");
    EXPECT_EQ(Grupper::udvidelse("/a/.skjult"), ".skjult");
}

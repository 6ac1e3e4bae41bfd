#include "Grupper.h"
#include "Soegning.h"
#include "Testmappe.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

QStringList tekster(const Soegning& s, const QList<int>& fundne)
{
    QStringList ud;
    for (int i : fundne)
        ud << s.element(i).tekst;
    return ud;
}

Soegning med(const QList<Soegning::Element>& elementer)
{
    Soegning s(QLocale(QLocale::Danish, QLocale::Denmark));
    s.saet(elementer);
    return s;
}

} // namespace

TEST(Soegning, CaseAndAccentsAreIgnoredButDanishLettersAreNot)
{
    Soegning s = med({{"G", "/a/cafe.exe", "Café Olé"},
                      {"G", "/a/x", "ÆBLEMOST"},
                      {"G", "/a/y", "Ålborg kort"},
                      {"G", "/a/z", "Søren"},
                      {"G", "/a/w", "Aalborg"},
                      {"G", "/a/v", "Sorte"}});
    EXPECT_EQ(tekster(s, s.filtrer("CAFE")), QStringList{"Café Olé"});
    EXPECT_EQ(tekster(s, s.filtrer("olé")), QStringList{"Café Olé"});
    EXPECT_EQ(tekster(s, s.filtrer("æble")), QStringList{"ÆBLEMOST"});
    EXPECT_TRUE(s.filtrer("able").isEmpty());
    EXPECT_EQ(tekster(s, s.filtrer("ål")), QStringList{"Ålborg kort"});
    EXPECT_EQ(tekster(s, s.filtrer("al")), QStringList{"Aalborg"});
    EXPECT_EQ(tekster(s, s.filtrer("sø")), QStringList{"Søren"});
    EXPECT_EQ(tekster(s, s.filtrer("so")), QStringList{"Sorte"});
    // A decomposed accent typed or pasted is the same letter.
    EXPECT_EQ(tekster(s, s.filtrer(QString::fromUtf8("cafe\xCC\x81"))), QStringList{"Café Olé"});
}

TEST(Soegning, TextOrOwnFileNameMatchEveryWordInGroupOrder)
{
    Soegning s = med({{"Spil", "/usr/games/tetris", "Klodser"},
                      {"Spil", "/opt/spil/kabale.exe", "Kabale"},
                      {"Kontor", "/usr/bin/libreoffice", "Tekstbehandling"},
                      {"Kontor", "/home/spil/regneark.ods", "Regneark"}});
    EXPECT_EQ(tekster(s, s.filtrer("tetris")), QStringList{"Klodser"});
    EXPECT_EQ(tekster(s, s.filtrer(".EXE")), QStringList{"Kabale"});
    // The folders are not searched: "spil" and "usr" stand only in paths.
    EXPECT_TRUE(s.filtrer("usr").isEmpty());
    EXPECT_TRUE(s.filtrer("spil").isEmpty());
    EXPECT_EQ(tekster(s, s.filtrer("e")),
              (QStringList{"Klodser", "Kabale", "Tekstbehandling", "Regneark"}));
    // Each word in either, in any order.
    EXPECT_EQ(tekster(s, s.filtrer("  ods   regne ")), QStringList{"Regneark"});
    // "ods" in Klodser and the file name tetris: both words, two places.
    EXPECT_EQ(tekster(s, s.filtrer("ods tetris")), QStringList{"Klodser"});
    EXPECT_TRUE(s.filtrer("ods kabale").isEmpty());
}

TEST(Soegning, NarrowingWideningAndEmptySearchesGiveTheFullAnswerEachTime)
{
    Soegning s = med({{"G", "/a", "abc"}, {"G", "/b", "abd"}, {"G", "/c", "xbc"}});
    EXPECT_EQ(s.filtrer("b").size(), 3);
    EXPECT_EQ(tekster(s, s.filtrer("bc")), (QStringList{"abc", "xbc"}));
    EXPECT_EQ(tekster(s, s.filtrer("abc")), QStringList{"abc"});
    // Back to a shorter text: the others come back.
    EXPECT_EQ(tekster(s, s.filtrer("ab")), (QStringList{"abc", "abd"}));
    EXPECT_EQ(tekster(s, s.filtrer("ab x")), QStringList{});
    EXPECT_EQ(tekster(s, s.filtrer("x")), QStringList{"xbc"});
    EXPECT_TRUE(s.filtrer("").isEmpty());
    EXPECT_TRUE(s.filtrer("   ").isEmpty());
    EXPECT_EQ(s.filtrer("c").size(), 2);
}

TEST(Soegning, ReadsEveryProgramGroupButNoStorageGroupAndWritesNothing)
{
    Testmappe mappe;
    Grupper g;
    g.DirFiler = mappe.sti("Filer/");
    mappe.skrivLinjer("Filer/Spil.txt", {"/s/kabale", "/s/skak"});
    mappe.skrivLinjer("Filer/Spiltekst.txt", {"Kabale"}); // one text short
    mappe.skrivLinjer("Filer/Spilparametre.txt", {"-let\t/tmp/spil"});
    mappe.skrivLinjer("Filer/Gemt.txt", {"/g/kabale2"});
    mappe.skrivLinjer("Filer/Gemttekst.txt", {"Kabale i lager"});
    mappe.skrivLinjer("Filer/Kontor.txt", {"/k/fra-filen"});
    mappe.skrivLinjer("Filer/Kontortekst.txt", {"Fra filen"});
    g.gruppeliste = {"Spil", "Kontor", "Tom"};
    g.lagerliste = {"Gemt"};
    // The active group as it is in memory, not as its files were.
    g.gruppenavn = "Kontor";
    g.programliste = {"/k/kabale-ny"};
    g.tekstliste = {"Kabale ny"};
    g.parameterliste = {"-ny"};
    const QByteArray foer = mappe.laes("Filer/Kontor.txt");

    Soegning s;
    s.indlaes(g);
    ASSERT_EQ(s.antal(), 3);
    EXPECT_EQ(tekster(s, s.filtrer("kabale")), (QStringList{"Kabale", "Kabale ny"}));
    EXPECT_EQ(s.element(1).tekst, "skak"); // the missing text made from the file name
    // Each element carries its own parameters and start folder, so a result
    // starts as it would from its own group.
    EXPECT_EQ(s.element(0).parametre, "-let");
    EXPECT_EQ(s.element(0).startmappe, "/tmp/spil");
    EXPECT_EQ(s.element(1).parametre, "");
    EXPECT_EQ(s.fundet(1).parametre, "-ny");
    EXPECT_EQ(s.element(2).gruppe, "Kontor");
    EXPECT_EQ(s.element(2).fil, "/k/kabale-ny");
    EXPECT_EQ(mappe.laes("Filer/Kontor.txt"), foer);
    EXPECT_FALSE(QFileInfo::exists(mappe.sti("Filer/Tom.txt")));
}

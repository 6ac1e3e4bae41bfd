#include "Filvagt.h"
#include "Testmappe.h"

#include <gtest/gtest.h>

namespace {

const QByteArray skrald("\x13\x00\xFF garbage \x00\x01", 14);

} // namespace

TEST(Filvagt, AnUnreadableFileIsEmptyToldOnceAndLeftAloneUntilItsContentChanges)
{
    Testmappe mappe;
    Filvagt vagt;
    const QString fil = mappe.skriv("options.txt", skrald);
    EXPECT_TRUE(vagt.hent(fil, 1000).isEmpty());
    EXPECT_TRUE(vagt.ulaeselig(fil));
    EXPECT_TRUE(vagt.hent(fil, 1000).isEmpty());
    EXPECT_EQ(vagt.nyeUlaeselige(), QStringList({fil}));
    EXPECT_TRUE(vagt.nyeUlaeselige().isEmpty());

    // What the program fell back to is no change: the damaged bytes stay.
    vagt.grundlag(fil, {"standard"});
    EXPECT_TRUE(vagt.gem(fil, {"standard"}).isEmpty());
    EXPECT_EQ(mappe.laes("options.txt"), skrald);
    // A change is written, and from then on the file is the program's again.
    EXPECT_TRUE(vagt.gem(fil, {"ny"}).isEmpty());
    EXPECT_EQ(mappe.laesLinjer("options.txt"), QStringList({"ny"}));
    EXPECT_FALSE(vagt.ulaeselig(fil));
    EXPECT_TRUE(vagt.gem(fil, {"standard"}).isEmpty());
    EXPECT_EQ(mappe.laesLinjer("options.txt"), QStringList({"standard"}));
}

TEST(Filvagt, WithoutAFallbackAnEmptyListIsNoChange)
{
    Testmappe mappe;
    Filvagt vagt;
    const QString fil = mappe.skriv("programgrupper.txt", skrald);
    const QString god = mappe.skrivLinjer("lagergrupper.txt", {"Spil"});
    EXPECT_TRUE(vagt.hent(fil, 1000).isEmpty());
    EXPECT_EQ(vagt.hent(god, 1000), QStringList({"Spil"}));
    EXPECT_FALSE(vagt.ulaeselig(god));
    EXPECT_TRUE(vagt.gem(fil, {}).isEmpty());
    EXPECT_EQ(mappe.laes("programgrupper.txt"), skrald);
    // A readable file is written as always, even with the same lines.
    EXPECT_TRUE(vagt.gem(god, {}).isEmpty());
    EXPECT_TRUE(mappe.laesLinjer("lagergrupper.txt").isEmpty());
    // A file mended by hand is the program's again once read.
    mappe.skrivLinjer("programgrupper.txt", {"A"});
    EXPECT_EQ(vagt.hent(fil, 1000), QStringList({"A"}));
    EXPECT_FALSE(vagt.ulaeselig(fil));
}

TEST(Filvagt, TheMessageNamesEveryFileInDanish)
{
    EXPECT_EQ(Filvagt::besked({"/a/options.txt"}),
              "Tavlum kunne ikke læse denne fil, fordi den er beskadiget eller for stor:\r\r"
              "options.txt\r\ri mappen /a\r\rTavlum bruger standardværdierne i stedet og "
              "skriver ikke over filen, før du selv ændrer det, den indeholder.");
    EXPECT_EQ(Filvagt::besked({"/a/options.txt", "/a/reopen.txt"}),
              "Tavlum kunne ikke læse disse filer, fordi de er beskadigede eller for store:\r\r"
              "options.txt\rreopen.txt\r\ri mappen /a\r\rTavlum bruger standardværdierne i "
              "stedet og skriver ikke over filerne, før du selv ændrer det, de indeholder.");
    // Files of several folders are named whole.
    EXPECT_TRUE(Filvagt::besked({"/a/options.txt", "/a/Filer/Spil.txt"})
                    .contains(":\r\r/a/options.txt\r/a/Filer/Spil.txt\r\rTavlum bruger"));
}

#include "Filvagt.h"
#include "Testmappe.h"

#include <QDir>

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
    EXPECT_EQ(vagt.nyeUlaeselige(), QStringList({QDir::toNativeSeparators(fil)}));
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
              "options.txt\r\ri mappen " + QDir::toNativeSeparators("/a") +
                  "\r\rTavlum bruger standardværdierne i stedet og "
              "skriver ikke over filen, før du selv ændrer det, den indeholder.");
    EXPECT_EQ(Filvagt::besked({"/a/options.txt", "/a/reopen.txt"}),
              "Tavlum kunne ikke læse disse filer, fordi de er beskadigede eller for store:\r\r"
              "options.txt\rreopen.txt\r\ri mappen " + QDir::toNativeSeparators("/a") +
                  "\r\rTavlum bruger standardværdierne i "
              "stedet og skriver ikke over filerne, før du selv ændrer det, de indeholder.");
    // Files of several folders are named whole.
    EXPECT_TRUE(Filvagt::besked({"/a/options.txt", "/a/Filer/Spil.txt"})
                    .contains(":\r\r/a/options.txt\r/a/Filer/Spil.txt\r\rTavlum bruger"));
}

// Another program (a sync tool, a hand edit) changed a file since it was read:
// its change is kept, joined with the program's own where the two can be.
TEST(Filvagt, AnOutsideChangeIsJoinedOrKeptNeverWrittenOver)
{
    Testmappe mappe;
    Filvagt vagt;
    const QString opt = mappe.skrivLinjer("options.txt", {"1", "2", "3"});
    const QString grupper = mappe.skrivLinjer("programgrupper.txt", {"Spil", "Musik"});
    vagt.somListe(grupper);
    vagt.hent(opt, 1000);
    vagt.hent(grupper, 1000);

    // Nothing of the program's own: the other side stays as it is.
    mappe.skrivLinjer("options.txt", {"1", "udefra", "3"});
    EXPECT_TRUE(vagt.gem(opt, {"1", "2", "3"}).isEmpty());
    EXPECT_EQ(mappe.laesLinjer("options.txt"), QStringList({"1", "udefra", "3"}));
    // Different places changed: both are kept.
    EXPECT_TRUE(vagt.gem(opt, {"1", "2", "egen"}).isEmpty());
    EXPECT_EQ(mappe.laesLinjer("options.txt"), QStringList({"1", "udefra", "egen"}));
    EXPECT_EQ(vagt.kendt(opt), QStringList({"1", "udefra", "egen"}));

    // A list: a group made here and one made elsewhere are both there, and one
    // deleted here stays deleted.
    mappe.skrivLinjer("programgrupper.txt", {"Spil", "Musik", "Film"});
    EXPECT_TRUE(vagt.gem(grupper, {"Musik", "Kontor"}).isEmpty());
    EXPECT_EQ(mappe.laesLinjer("programgrupper.txt"), QStringList({"Musik", "Film", "Kontor"}));
    EXPECT_EQ(vagt.kendt(grupper), QStringList({"Musik", "Film", "Kontor"}));

    // One place changed by both: the other side's file stays, the program's
    // lines go beside it, and the message says where.
    mappe.skrivLinjer("options.txt", {"1", "udefra", "deres"});
    const QString besked = vagt.gem(opt, {"1", "udefra", "vores"});
    EXPECT_EQ(mappe.laesLinjer("options.txt"), QStringList({"1", "udefra", "deres"}));
    const QStringList tilside = QDir(mappe.sti("")).entryList({"options (Tavlums udgave *).txt"});
    ASSERT_EQ(tilside.size(), 1);
    EXPECT_EQ(mappe.laesLinjer(tilside.first()), QStringList({"1", "udefra", "vores"}));
    EXPECT_TRUE(besked.startsWith("Filen\r" + QDir::toNativeSeparators(opt) + "\rer ændret af et andet program, siden "
                                  "Tavlum læste den.\rTavlum har beholdt den ændrede udgave og "
                                  "gemt sine egne ændringer ved siden af i\r"))
        << besked.toStdString();
    // From then on the file on disk is the one changes are made to.
    EXPECT_TRUE(vagt.gem(opt, {"ny", "udefra", "deres"}).isEmpty());
    EXPECT_EQ(mappe.laesLinjer("options.txt"), QStringList({"ny", "udefra", "deres"}));
}

// A group's files belong together place by place: when one cannot be joined,
// none of them is written.
TEST(Filvagt, FilesThatBelongTogetherAreKeptTogether)
{
    Testmappe mappe;
    Filvagt vagt;
    const QString el = mappe.skrivLinjer("Spil.txt", {"/a", "/b"});
    const QString tekst = mappe.skrivLinjer("Spiltekst.txt", {"A", "B"});
    vagt.hent(el, 1000);
    vagt.hent(tekst, 1000);
    mappe.skrivLinjer("Spil.txt", {"/a", "/b", "/c"});
    mappe.skrivLinjer("Spiltekst.txt", {"A", "B", "C"});
    EXPECT_FALSE(vagt.gem({{el, {"/b"}}, {tekst, {"B"}}}).isEmpty());
    EXPECT_EQ(mappe.laesLinjer("Spil.txt"), QStringList({"/a", "/b", "/c"}));
    EXPECT_EQ(mappe.laesLinjer("Spiltekst.txt"), QStringList({"A", "B", "C"}));
    EXPECT_EQ(vagt.kendt(el), QStringList({"/a", "/b", "/c"}));
}

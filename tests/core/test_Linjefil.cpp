#include "Aegte.h"
#include "FuldDisk.h"
#include "Linjefil.h"
#include "Skrivebeskyttet.h"
#include "Testmappe.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>
#include <sys/stat.h>

using Linjefil::Kodning;

TEST(Linjefil, AnsiWithDanishLettersEndsEveryLineWithCrLf)
{
    Testmappe mappe;
    const QString fil = mappe.sti("a.txt");
    ASSERT_TRUE(
        Linjefil::gem(fil, {"Spil", "Kørsel æøå ÆØÅ", "C:\\Program Files (x86)"}).isEmpty());
    EXPECT_EQ(mappe.laes("a.txt"), QByteArray("Spil\r\nK\xF8rsel \xE6\xF8\xE5 \xC6\xD8\xC5\r\n"
                                              "C:\\Program Files (x86)\r\n"));
    EXPECT_EQ(Linjefil::hent(fil),
              QStringList({"Spil", "Kørsel æøå ÆØÅ", "C:\\Program Files (x86)"}));
}

TEST(Linjefil, EmptyLinesAreEntries)
{
    const QStringList linjer{"", "a", "", "b", ""};
    const QByteArray bytes = Linjefil::indkod(linjer, Kodning::Ansi);
    EXPECT_EQ(bytes, QByteArray("\r\na\r\n\r\nb\r\n\r\n"));
    EXPECT_EQ(Linjefil::afkod(bytes), linjer);
    EXPECT_EQ(Linjefil::afkod(QByteArray("\r\n")), QStringList({""}));
    EXPECT_TRUE(Linjefil::afkod(QByteArray()).isEmpty());
    EXPECT_TRUE(Linjefil::indkod({}, Kodning::Ansi).isEmpty());
}

TEST(Linjefil, ReadsLfOnlyLoneCrAndAMissingLastLineEnd)
{
    EXPECT_EQ(Linjefil::afkod("a\nb\rc\r\nd"), QStringList({"a", "b", "c", "d"}));
}

TEST(Linjefil, EveryWindows1252ByteRoundTrips)
{
    QByteArray alle;
    for (int b = 1; b < 256; ++b)
        if (b != '\r' && b != '\n')
            alle.append(static_cast<char>(b));
    const QStringList linjer = Linjefil::afkod(alle + "\r\n");
    ASSERT_EQ(linjer.size(), 1);
    EXPECT_EQ(linjer.first().at(0x80 - 3), QChar(0x20AC)); // the euro sign
    EXPECT_EQ(Linjefil::indkod(linjer, Kodning::Ansi), alle + "\r\n");
}

class LinjefilBom : public ::testing::TestWithParam<std::pair<Kodning, QByteArray>>
{
};

TEST_P(LinjefilBom, FileWithByteOrderMarkIsWrittenBackInItsOwnEncoding)
{
    const auto [kodning, maerke] = GetParam();
    Testmappe mappe;
    const QString fil = mappe.skriv("g.txt", Linjefil::indkod({"gammel"}, kodning));
    ASSERT_TRUE(mappe.laes("g.txt").startsWith(maerke));
    EXPECT_EQ(Linjefil::kodningAf(fil), kodning);
    Kodning laest{};
    EXPECT_EQ(Linjefil::afkod(mappe.laes("g.txt"), &laest), QStringList({"gammel"}));
    EXPECT_EQ(laest, kodning);

    ASSERT_TRUE(Linjefil::gem(fil, {"blåbær", "", "Ærø"}).isEmpty());
    EXPECT_EQ(mappe.laes("g.txt"), Linjefil::indkod({"blåbær", "", "Ærø"}, kodning));
    EXPECT_TRUE(mappe.laes("g.txt").startsWith(maerke));
    EXPECT_EQ(Linjefil::hent(fil), QStringList({"blåbær", "", "Ærø"}));
}

INSTANTIATE_TEST_SUITE_P(Kodninger, LinjefilBom,
                         ::testing::Values(std::pair{Kodning::Utf8Bom, QByteArray("\xEF\xBB\xBF")},
                                           std::pair{Kodning::Utf16LE, QByteArray("\xFF\xFE")},
                                           std::pair{Kodning::Utf16BE, QByteArray("\xFE\xFF")}));

TEST(Linjefil, TextWindows1252CannotHoldIsWrittenAsUtf8WithMark)
{
    Testmappe mappe;
    const QString fil = mappe.sti("u.txt");
    ASSERT_TRUE(Linjefil::gem(fil, {"Łódź", "北京"}).isEmpty());
    EXPECT_EQ(mappe.laes("u.txt"),
              QByteArray("\xEF\xBB\xBF") + QString("Łódź\r\n北京\r\n").toUtf8());
    EXPECT_EQ(Linjefil::hent(fil), QStringList({"Łódź", "北京"}));
    // Once UTF-8, the file stays UTF-8 even when its text would fit Windows-1252.
    ASSERT_TRUE(Linjefil::gem(fil, {"abc"}).isEmpty());
    EXPECT_EQ(mappe.laes("u.txt"), QByteArray("\xEF\xBB\xBF"
                                              "abc\r\n"));
}

TEST(Linjefil, MissingFileIsAnEmptyList)
{
    Testmappe mappe;
    EXPECT_TRUE(Linjefil::hent(mappe.sti("findes-ikke.txt")).isEmpty());
    EXPECT_EQ(Linjefil::kodningAf(mappe.sti("findes-ikke.txt")), Kodning::Ansi);
}

TEST(Linjefil, FailedReplaceInReadOnlyFolderKeepsOldFileAndSaysWhyInDanish)
{
    Testmappe mappe;
    const QString fil = mappe.skrivLinjer("ro/a.txt", {"gammel"});
    QString fejl;
    {
        const Skrivebeskyttet laast(mappe.sti("ro"));
        if (!laast.ok())
            GTEST_SKIP() << "the folder cannot be made read-only here (root without mounting)";
        fejl = Linjefil::gem(fil, {"ny"});
    }
    EXPECT_TRUE(fejl.startsWith("Filen\r")) << fejl.toStdString();
    EXPECT_TRUE(fejl.contains("kunne ikke gemmes"));
    EXPECT_EQ(Linjefil::hent(fil), QStringList({"gammel"}));
}

// A tiny tmpfs filled to the last byte: the write must fail and leave the old file whole.
TEST(Linjefil, FullDiskKeepsOldFileWhole)
{
    Testmappe mappe;
    const QString punkt = mappe.sti("lille");
    FuldDisk disk(punkt);
    if (!disk.ok())
        GTEST_SKIP() << "cannot mount a small tmpfs here (needs root)";
    const QString fil = punkt + "/options.txt";
    ASSERT_TRUE(Linjefil::gem(fil, {"gammel", "fil"}).isEmpty());
    disk.fyld();
    const QString fejl = Linjefil::gem(fil, QStringList(2000, QString(40, QChar('y'))));
    EXPECT_EQ(Linjefil::hent(fil), QStringList({"gammel", "fil"}));
    EXPECT_TRUE(fejl.contains("Der er ikke plads nok på disken.")) << fejl.toStdString();
}

TEST(Linjefil, NumbersFallBackWhenMissingOrMalformed)
{
    const QStringList linjer{"12", " 7 ", "x", ""};
    EXPECT_EQ(Linjefil::heltal(linjer, 0, -1), 12);
    EXPECT_EQ(Linjefil::heltal(linjer, 1, -1), 7);
    EXPECT_EQ(Linjefil::heltal(linjer, 2, -1), -1);
    EXPECT_EQ(Linjefil::heltal(linjer, 3, -1), -1);
    EXPECT_EQ(Linjefil::heltal(linjer, 9, -1), -1);
    EXPECT_FALSE(Linjefil::tal(linjer, -1).has_value());
}

// Lines whose first characters are a byte-order mark's bytes in Windows-1252
// (a group named so) must not turn the file into UTF-16 or UTF-8 on reading.
class LinjefilMaerketekst : public ::testing::TestWithParam<const char*>
{
};

TEST_P(LinjefilMaerketekst, AFirstLineThatLooksLikeAMarkReadsBackAsWritten)
{
    Testmappe mappe;
    const QString fil = mappe.sti("programgrupper.txt");
    const QStringList linjer{QString::fromUtf8(GetParam()) + "Spil", "Arbejde"};
    ASSERT_TRUE(Linjefil::gem(fil, linjer).isEmpty());
    EXPECT_TRUE(mappe.laes("programgrupper.txt").startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(Linjefil::hent(fil), linjer);
    // A second save keeps it whole too.
    ASSERT_TRUE(Linjefil::gem(fil, Linjefil::hent(fil)).isEmpty());
    EXPECT_EQ(Linjefil::hent(fil), linjer);
}

INSTANTIATE_TEST_SUITE_P(Maerker, LinjefilMaerketekst, ::testing::Values("ÿþ", "þÿ", "ï»¿"));

TEST_P(LinjefilBom, ATextBeginningWithTheMarksOwnCharacterKeepsIt)
{
    const auto [kodning, maerke] = GetParam();
    const QStringList linjer{QString(QChar(0xFEFF)) + "a", "b"};
    EXPECT_EQ(Linjefil::afkod(Linjefil::indkod(linjer, kodning)), linjer);
}

struct Skade
{
    const char* hvad;
    QByteArray bytes;
};

void PrintTo(const Skade& s, std::ostream* ud)
{
    *ud << s.hvad;
}

class LinjefilSkade : public ::testing::TestWithParam<Skade>
{
};

TEST_P(LinjefilSkade, BinaryOrBrokenFilesAreUnreadableAndGiveNoLines)
{
    Testmappe mappe;
    const QString fil = mappe.skriv("f.txt", GetParam().bytes);
    const Linjefil::Laesning l = Linjefil::laes(fil, Linjefil::Graense::grupper);
    EXPECT_EQ(l.udfald, Linjefil::Laesning::Ulaeselig);
    EXPECT_TRUE(l.linjer.isEmpty());
    EXPECT_FALSE(Linjefil::tolk(GetParam().bytes).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Skader, LinjefilSkade,
    ::testing::Values(Skade{"nul", QByteArray("Spil\r\nA\0b\r\n", 11)},
                      Skade{"nul16", QByteArray("\xFF\xFE"
                                                "a\0\0\0b\0",
                                                8)},
                      Skade{"nul8", QByteArray("\xEF\xBB\xBF"
                                               "a\0",
                                               5)},
                      Skade{"langLinje", QByteArray(Linjefil::hoejstLinje + 1, 'x')},
                      Skade{"langSidsteLinje",
                            "a\r\n" + QByteArray(10 * 1024 * 1024, 'x') + "\r\n"}),
    [](const auto& p) { return std::string(p.param.hvad); });

TEST(Linjefil, ReadingKnowsMissingReadAndDamagedFilesApart)
{
    Testmappe mappe;
    using L = Linjefil::Laesning;
    EXPECT_EQ(Linjefil::laes(mappe.sti("ingen.txt"), 100).udfald, L::Mangler);
    const QString lille =
        mappe.skriv("lille.txt", "a\r\n" + QByteArray(Linjefil::hoejstLinje, 'b'));
    const L laest = Linjefil::laes(lille, 100000);
    EXPECT_EQ(laest.udfald, L::Laest);
    EXPECT_EQ(laest.linjer.size(), 2);
    // Larger than its kind allows: not even read.
    EXPECT_EQ(Linjefil::laes(lille, 100).udfald, L::Ulaeselig);
    EXPECT_EQ(Linjefil::hent(lille, 100), QStringList());
    // UTF-16 text holds zero bytes of its own.
    const QString u16 = mappe.skriv("u16.txt", Linjefil::indkod({"æ", "b"}, Kodning::Utf16LE));
    EXPECT_EQ(Linjefil::laes(u16, 100).linjer, QStringList({"æ", "b"}));
    // A folder or a pipe where the file should be is no file to wait on.
    QDir().mkpath(mappe.sti("mappe.txt"));
    EXPECT_EQ(Linjefil::laes(mappe.sti("mappe.txt"), 100).udfald, L::Ulaeselig);
    if (lavRoer(mappe.sti("ror.txt"))) {
        EXPECT_EQ(Linjefil::laes(mappe.sti("ror.txt"), 100).udfald, L::Ulaeselig);
    }
}

TEST(Linjefil, AFiftyMegabyteFileIsGivenUpWithoutBeingRead)
{
    Testmappe mappe;
    QFile fil(mappe.sti("stor.txt"));
    ASSERT_TRUE(fil.open(QIODevice::WriteOnly));
    ASSERT_TRUE(fil.resize(50 * 1024 * 1024)); // sparse: nothing of it is on the disk
    fil.close();
    EXPECT_EQ(Linjefil::laes(fil.fileName(), Linjefil::Graense::grupper).udfald,
              Linjefil::Laesning::Ulaeselig);
}

TEST(Linjefil, HalfASurrogatePairInUtf16ReadsAsTheReplacementCharacter)
{
    // "a", a lone low surrogate, "b", and a whole pair (U+1F600) that stays.
    const QByteArray u16("\xFF\xFE"
                         "a\0\x00\xDD"
                         "b\0\x3D\xD8\x00\xDE\r\0\n\0",
                         16);
    const QStringList ventet{QString("a") + QChar(QChar::ReplacementCharacter) + "b" +
                             QString::fromUcs4(U"\U0001F600")};
    ASSERT_EQ(Linjefil::tolk(u16), ventet);
    // So it can be written in any encoding, as a group name goes into the options.
    EXPECT_EQ(Linjefil::tolk(Linjefil::indkod(ventet, Kodning::Ansi)), ventet);
}

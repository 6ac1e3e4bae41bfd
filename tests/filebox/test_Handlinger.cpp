#include "FuldDisk.h"
#include "Kaede.h"

#include <QDateTime>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSignalSpy>
#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Every file below a folder with its bytes, by path relative to the folder.
std::map<QString, QByteArray> indhold(const QString& rod)
{
    std::map<QString, QByteArray> ud;
    QDirIterator it(rod, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString fil = it.next();
        QFile f(fil);
        f.open(QIODevice::ReadOnly);
        ud[QDir(rod).relativeFilePath(fil)] = f.readAll();
    }
    return ud;
}

class Handlinger : public Kaede
{
protected:
    Handlinger() { QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark)); }
    ~Handlinger() override { QLocale::setDefault(QLocale::c()); }

    // Shows a folder and selects entries in it.
    void vis(const QString& relativ, const QStringList& navne = {})
    {
        funk.makeStruktur2(mappe.sti(relativ), true, true);
        if (!navne.isEmpty())
            marker(navne);
    }
    void kopier(const QString& fra, const QStringList& navne)
    {
        vis(fra, navne);
        ASSERT_EQ(funk.CopyElementer(), navne.size());
    }
};

} // namespace

TEST_F(Handlinger, PastingIntoTheFolderItCameFromIsRefused)
{
    mappe.skriv("g/a.txt", "a");
    kopier("g", {"a.txt"});
    vis("g");
    EXPECT_EQ(funk.PasteElementer(false), 0);
    EXPECT_EQ(beskeder.beskeder, QStringList{"Kildemappe og destignationsmappe er samme mappe."});
    EXPECT_EQ(tekster(), QStringList{"a.txt"});
    EXPECT_TRUE(bekraeftelse.vist.empty());
}

TEST_F(Handlinger, AFolderPastedBesideItselfIsCopiedUnderANewNameAndACutStays)
{
    mappe.skriv("g/Navn/inde.txt", "inde");
    mappe.skriv("g/b.txt", "b");
    vis("g", {"Navn"});
    ASSERT_EQ(funk.CopyElementer(), 1);
    marker({"b.txt"});
    beskeder.setNextAnswer(true);
    EXPECT_GT(funk.PasteElementer(true), 0);
    EXPECT_EQ(beskeder.spoergsmaal,
              QStringList{
                  "Kildemappe er undermappe til destignationsmappen.\rSkal der oprettes en kopi?"});
    // The move became a copy: the confirmation says so and the folder stays.
    ASSERT_EQ(bekraeftelse.vist.size(), 1u);
    EXPECT_EQ(bekraeftelse.vist[0].caption, "Kopiering af elementer");
    EXPECT_EQ(bekraeftelse.vist[0].mapper, QStringList{"Navn"});
    EXPECT_EQ(mappe.laes("g/Navn (1)/inde.txt"), "inde");
    EXPECT_EQ(mappe.laes("g/Navn/inde.txt"), "inde");
    EXPECT_EQ(tekster(), QStringList({"Navn", "Navn (1)", "b.txt"}));
    EXPECT_FALSE(funk.CopyListe1().isEmpty());
}

TEST_F(Handlinger, AFolderThatExistsAnsweredNejIsNeitherCopiedNorMoved)
{
    mappe.skriv("kilde/Billeder/ny.png", "ny");
    mappe.skriv("maal/Billeder/gammel.png", "gammel");
    kopier("kilde", {"Billeder"});
    vis("maal");
    EXPECT_EQ(funk.PasteElementer(true), 0);
    EXPECT_EQ(beskeder.spoergsmaal,
              QStringList{"Mappen eksisterer.\rSkal alle elementer overskrives?"});
    EXPECT_EQ(bekraeftelse.vist[0].caption, "Flytning af elementer");
    EXPECT_EQ(bekraeftelse.vist[0].spoergsmaal, "Skal valgte elementer flyttes?");
    EXPECT_EQ(bekraeftelse.vist[0].billede, 7);
    EXPECT_EQ(indhold(mappe.sti("maal")),
              (std::map<QString, QByteArray>{{"Billeder/gammel.png", "gammel"}}));
    EXPECT_EQ(mappe.laes("kilde/Billeder/ny.png"), "ny");
}

TEST_F(Handlinger, ExistingFilesAreCopiedUnderNewNamesOrLeftAsTheyAre)
{
    for (const char* navn : {"brev.txt", "data.csv", "noter"}) {
        mappe.skriv(QStringLiteral("kilde/") + navn, QByteArray("ny ") + navn);
        mappe.skriv(QStringLiteral("maal/") + navn, "gammel");
    }
    kopier("kilde", {"brev.txt", "data.csv", "noter"});
    vis("maal");
    findes.valg = FilFindes::OpretKopier;
    EXPECT_EQ(funk.PasteElementer(false), 3);
    EXPECT_EQ(findes.navne, QStringList({"brev.txt", "data.csv", "noter"}));
    EXPECT_EQ(mappe.laes("maal/brev Kopi (1).txt"), "ny brev.txt");
    EXPECT_EQ(mappe.laes("maal/data Kopi (1).csv"), "ny data.csv");
    EXPECT_EQ(mappe.laes("maal/noter Kopi (1)"), "ny noter");
    EXPECT_EQ(mappe.laes("maal/brev.txt"), "gammel");

    // In a move, "Overskriv ingen" leaves every source where it is.
    kopier("kilde", {"brev.txt", "data.csv", "noter"});
    vis("maal");
    findes.valg = FilFindes::OverskrivIngen;
    funk.PasteElementer(true);
    EXPECT_EQ(indhold(mappe.sti("kilde")).size(), 3u);
    EXPECT_EQ(mappe.laes("maal/brev.txt"), "gammel");
}

TEST_F(Handlinger, OneExistingFileIsAskedAboutAndOverwrittenOnJa)
{
    mappe.skriv("kilde/a.txt", "ny");
    mappe.skriv("maal/a.txt", "gammel");
    kopier("kilde", {"a.txt"});
    vis("maal");
    beskeder.setNextAnswer(true);
    EXPECT_EQ(funk.PasteElementer(false), 1);
    ASSERT_EQ(beskeder.spoergsmaal.size(), 1);
    // The Part's question, and under it both files' size and time.
    EXPECT_TRUE(beskeder.spoergsmaal[0].startsWith(
        "Skal filen\ra.txt\roverskrived?\r\rEksisterende: 6 bytes, "));
    EXPECT_TRUE(beskeder.spoergsmaal[0].contains(" (større)\rNy: 2 bytes, "));
    EXPECT_EQ(mappe.laes("maal/a.txt"), "ny");
    EXPECT_EQ(fremdrift.info, "Der kopieres 1 fil fra 1 mappe: 2 bytes");
    EXPECT_EQ(std::ranges::max(fremdrift.alle), 100);
    EXPECT_FALSE(fremdrift.synlig);
}

TEST_F(Handlinger, AMoveOfATreeKeepsEveryOddNameAndEveryByte)
{
    const QStringList navne = {"med blanktegn.txt", "æøå ÆØÅ.txt", "\"citat\" 'enkelt'.txt",
                               "ny\nlinje.txt", ".skjult"};
    for (const QString& navn : navne)
        mappe.skriv("kilde/Træ/Under mappe/" + navn, navn.toUtf8());
    mappe.skriv("kilde/Træ/tom.txt", {});
    const auto foer = indhold(mappe.sti("kilde/Træ"));
    platform.papirkurvSletter = true;
    kopier("kilde", {"Træ"});
    mkdir("maal");
    vis("maal");
    EXPECT_EQ(funk.PasteElementer(true), 1);
    EXPECT_EQ(indhold(mappe.sti("maal/Træ")), foer);
    EXPECT_FALSE(QFileInfo::exists(mappe.sti("kilde/Træ")));
    EXPECT_TRUE(funk.CopyListe1().isEmpty());
    EXPECT_EQ(fremdrift.info.toStdString(), "Der kopieres 6 filer fra 2 mapper: 73 bytes");
    EXPECT_EQ(fremdrift.resterende, "0");
    EXPECT_EQ(std::ranges::max(fremdrift.alle), 100);
    EXPECT_TRUE(beskeder.beskeder.isEmpty());
}

TEST_F(Handlinger, WhatFailsToCopyStaysAtItsSourceAndIsNamedOnce)
{
    mappe.skriv("kilde/Mappe/god.txt", "god");
    mappe.skriv("kilde/Mappe/fuld.txt", "fuld");
    mappe.skriv("kilde/løs.txt", "løs");
    mappe.skriv("kilde/løs2.txt", "løs2");
    mkdir("maal");
    platform.papirkurvSletter = true;
    // As a full disk would: these two copies fail.
    platform.kopiFejler = [](const std::string& kilde) {
        return kilde.ends_with("fuld.txt") || kilde.ends_with("løs2.txt");
    };
    kopier("kilde", {"Mappe", "løs.txt", "løs2.txt"});
    vis("maal");
    EXPECT_EQ(funk.PasteElementer(true), 1);
    // The folder keeps everything, also what was copied, because not all of it was.
    EXPECT_EQ(mappe.laes("kilde/Mappe/fuld.txt"), "fuld");
    EXPECT_EQ(mappe.laes("kilde/Mappe/god.txt"), "god");
    EXPECT_EQ(mappe.laes("maal/Mappe/god.txt"), "god");
    EXPECT_FALSE(QFileInfo::exists(mappe.sti("kilde/løs.txt")));
    EXPECT_EQ(mappe.laes("maal/løs.txt"), "løs");
    EXPECT_EQ(mappe.laes("kilde/løs2.txt"), "løs2");
    ASSERT_EQ(beskeder.beskeder.size(), 1);
    EXPECT_TRUE(beskeder.beskeder[0].startsWith("Disse elementer blev ikke flyttet"));
    EXPECT_TRUE(beskeder.beskeder[0].contains(mappe.sti("kilde/Mappe/fuld.txt")));
    EXPECT_TRUE(beskeder.beskeder[0].contains(mappe.sti("kilde/løs2.txt")));
}

TEST_F(Handlinger, AFolderThatCannotBeReadIsNamedAndNoSourceAboveItIsRemoved)
{
    mappe.skriv("kilde/Hemmelig/note.txt", "note");
    mappe.skriv("kilde/Hemmelig/låst/dagbog.txt", "kære dagbog");
    mappe.skriv("kilde/Lukket/brev.txt", "brev");
    mkdir("maal");
    platform.papirkurvSletter = true;
    // Mode 000 keeps anyone but root out; root is kept out by the platform.
    const QStringList lukkede = {mappe.sti("kilde/Hemmelig/låst"), mappe.sti("kilde/Lukket")};
    for (const QString& m : lukkede)
        ASSERT_EQ(chmod(m.toLocal8Bit().constData(), 0), 0);
    if (geteuid() == 0)
        platform.laesFejler = [](const std::string& m) {
            return m.ends_with("låst") || m.ends_with("Lukket");
        };
    const QString laast = mappe.sti("kilde/Hemmelig/låst");

    kopier("kilde", {"Hemmelig"});
    vis("maal");
    EXPECT_EQ(funk.PasteElementer(false), -1);
    EXPECT_EQ(beskeder.beskeder, QStringList("Disse elementer kunne ikke kopieres:\r" + laast));
    EXPECT_EQ(mappe.laes("maal/Hemmelig/note.txt"), "note");
    // Not made as an empty copy that looks complete.
    EXPECT_FALSE(QFileInfo::exists(mappe.sti("maal/Hemmelig/låst")));

    beskeder.beskeder.clear();
    ASSERT_TRUE(QDir(mappe.sti("maal/Hemmelig")).removeRecursively());
    kopier("kilde", {"Hemmelig", "Lukket"});
    vis("maal");
    EXPECT_EQ(funk.PasteElementer(true), -1);
    EXPECT_EQ(funk.antalFejlede(), 3);
    EXPECT_EQ(beskeder.beskeder,
              QStringList("Disse elementer blev ikke flyttet og er, hvor de var:\r" + laast + "\r" +
                          mappe.sti("kilde/Hemmelig") + "\r" + mappe.sti("kilde/Lukket")));
    EXPECT_TRUE(platform.papirkurv.empty());
    for (const QString& m : lukkede)
        chmod(m.toLocal8Bit().constData(), 0755);
    EXPECT_EQ(mappe.laes("kilde/Hemmelig/låst/dagbog.txt"), "kære dagbog");
    EXPECT_EQ(mappe.laes("kilde/Hemmelig/note.txt"), "note");
    EXPECT_EQ(mappe.laes("kilde/Lukket/brev.txt"), "brev");
    EXPECT_FALSE(QFileInfo::exists(mappe.sti("maal/Lukket")));
}

TEST_F(Handlinger, AFolderIsNeverPastedIntoItselfOrItsOwnSubfolder)
{
    mappe.skriv("g/A/B/fil.txt", "x");
    kopier("g", {"A"});
    vis("g/A", {"B"});
    EXPECT_EQ(funk.PasteElementer(false), 0);
    EXPECT_EQ(
        beskeder.beskeder,
        QStringList{"En mappe kan ikke indsættes i sig selv eller i en af sine egne undermapper."});
    EXPECT_EQ(indhold(mappe.sti("g")).size(), 1u);
}

TEST_F(Handlinger, AFolderIsNeverPastedIntoItselfThroughALink)
{
    mappe.skriv("k/A/B/fil.txt", "x");
    ASSERT_EQ(::symlink(mappe.sti("k/A").toUtf8().constData(), mappe.sti("genvej").toUtf8()), 0);
    ASSERT_EQ(::symlink(mappe.sti("k/A/B").toUtf8().constData(), mappe.sti("dybt").toUtf8()), 0);
    kopier("k", {"A"});
    for (const char* maal : {"genvej", "genvej/B", "dybt"}) {
        funk.makeStruktur2(mappe.sti(maal), false, true);
        liste.vaelg(-1);
        EXPECT_EQ(funk.PasteElementer(false), 0) << maal;
    }
    EXPECT_EQ(beskeder.beskeder.size(), 3);
    EXPECT_EQ(indhold(mappe.sti("k")).size(), 1u);

    // A copy of the tree elsewhere is another folder.
    mkdir("andet");
    funk.makeStruktur2(mappe.sti("andet"), false, true);
    EXPECT_EQ(funk.PasteElementer(false), 1);
    EXPECT_EQ(mappe.laes("andet/A/B/fil.txt"), "x");
}

TEST_F(Handlinger, DroppedFilesAreTakenFromTheirOwnFoldersAndNeverReplaceEachOther)
{
    const QString a = mappe.skriv("et/fil.txt", "et");
    const QString b = mappe.skriv("to/fil.txt", "to");
    const QString c = mappe.skriv("to/andet.txt", "andet");
    mkdir("maal");
    vis("maal");
    funk.InitRegister();
    EXPECT_TRUE(funk.RegisterElements(a));
    EXPECT_TRUE(funk.RegisterElements(b));
    EXPECT_TRUE(funk.RegisterElements(c));
    EXPECT_FALSE(funk.RegisterElements(mappe.sti("væk.txt")));
    EXPECT_EQ(funk.PasteElementer(false), 3);
    EXPECT_EQ(mappe.laes("maal/fil.txt"), "et");
    EXPECT_EQ(mappe.laes("maal/fil Kopi (1).txt"), "to");
    EXPECT_EQ(mappe.laes("maal/andet.txt"), "andet");
}

TEST_F(Handlinger, ASourceThatVanishesBeforeTheCopyStopsItBeforeAnythingIsCopied)
{
    mappe.skriv("kilde/a.txt", "a");
    mappe.skriv("kilde/b.txt", "b");
    mkdir("maal");
    kopier("kilde", {"a.txt", "b.txt"});
    QFile::remove(mappe.sti("kilde/b.txt"));
    vis("maal");
    EXPECT_EQ(funk.PasteElementer(true), 0);
    EXPECT_EQ(beskeder.beskeder,
              QStringList{"Der er opstået en fejl.\rElementer er muligvist slettede."});
    EXPECT_TRUE(indhold(mappe.sti("maal")).empty());
    EXPECT_EQ(mappe.laes("kilde/a.txt"), "a");
}

TEST_F(Handlinger, DeletingCountsEveryElementAndRebuildsTheList)
{
    mappe.skriv("g/A/x.txt", "12345");
    mappe.skriv("g/B/y.txt", "1");
    for (const char* navn : {"c.txt", "d.txt", "e.txt"})
        mappe.skriv(QStringLiteral("g/") + navn, "abc");
    mappe.skriv("g/bliver.txt", "x");
    platform.papirkurvSletter = true;
    vis("g", {"A", "B", "c.txt", "d.txt", "e.txt"});
    EXPECT_EQ(funk.DeleteElementer(true), 5);
    EXPECT_EQ(fremdrift.info, "Der slettes 5 elementer: 15 bytes");
    EXPECT_EQ(bekraeftelse.vist[0].caption, "Sletning af elementer");
    EXPECT_EQ(bekraeftelse.vist[0].destination, "Papirkurv");
    EXPECT_EQ(bekraeftelse.vist[0].filer, QStringList({"c.txt", "d.txt", "e.txt"}));
    EXPECT_EQ(bekraeftelse.vist[0].mapper, QStringList({"A", "B"}));
    EXPECT_EQ(platform.papirkurv.size(), 5u);
    EXPECT_EQ(tekster(), QStringList{"bliver.txt"});
    EXPECT_EQ(funk.DeleteListe1().size(), 2);
}

TEST_F(Handlinger, APermanentDeleteOfAnEmptyFileReachesAHundredPercent)
{
    mappe.skriv("g/tom.txt", {});
    vis("g", {"tom.txt"});
    bekraeftelse.svar = {false};
    EXPECT_EQ(funk.DeleteElementer(false), 0);
    EXPECT_EQ(bekraeftelse.vist[0].destination, "Ingen: Elementerne slettes permanent.");
    EXPECT_EQ(funk.DeleteElementer(false), 1);
    EXPECT_EQ(fremdrift.info, "Der slettes 1 element: 1 bytes");
    EXPECT_EQ(std::ranges::max(fremdrift.alle), 100);
    EXPECT_EQ(platform.slettet.size(), 1u);
    EXPECT_TRUE(platform.papirkurv.empty());
    EXPECT_FALSE(QFileInfo::exists(mappe.sti("g/tom.txt")));

    liste.vaelg(-1);
    EXPECT_EQ(funk.DeleteElementer(true), 0);
    EXPECT_EQ(beskeder.beskeder, QStringList{"Der er ikke valgt elementer til sletning."});
}

TEST_F(Handlinger, ANewFolderGetsTheFirstFreeNameAndIsEdited)
{
    mkdir("g/Ny mappe");
    vis("g");
    QSignalSpy redigeret(&liste, &Filliste::redigeringBegynder);
    EXPECT_TRUE(funk.NyMappe(mappe.sti("g")));
    EXPECT_TRUE(QFileInfo(mappe.sti("g/Ny mappe (1)")).isDir());
    EXPECT_EQ(valgtTekst(), "Ny mappe (1)");
    ASSERT_EQ(redigeret.size(), 1);
    EXPECT_EQ(redigeret[0][0].toInt(), tekster().indexOf("Ny mappe (1)"));
}

TEST_F(Handlinger, RenamesChangeCaseKeepTheExtensionAndNeverTakeAName)
{
    mappe.skriv("g/a.txt", "a");
    mappe.skriv("g/b.txt", "b");
    mkdir("g/Mappe");
    vis("g", {"a.txt"});
    const auto node = [this](const QString& tekst) {
        return static_cast<int>(tekster().indexOf(tekst));
    };
    EXPECT_EQ(funk.RenameNode(node("a.txt"), "a.txt", "A.txt", false), "A.txt");
    EXPECT_EQ(mappe.laes("g/A.txt"), "a");
    EXPECT_EQ(funk.Filnavn, mappe.sti("g/A.txt"));
    // The node took its new name with the rename.
    EXPECT_EQ(funk.RenameNode(node("A.txt"), "A.txt", "b", false), "b (1).txt");
    EXPECT_EQ(mappe.laes("g/b (1).txt"), "a");
    EXPECT_EQ(mappe.laes("g/b.txt"), "b");
    EXPECT_EQ(funk.RenameNode(node("b.txt"), "b.txt", "c", false), "c.txt");
    EXPECT_EQ(funk.RenameNode(node("Mappe"), "Mappe", "Arkiv", false), "Arkiv");
    EXPECT_TRUE(QFileInfo(mappe.sti("g/Arkiv")).isDir());
    EXPECT_EQ(funk.Bibmappe, mappe.sti("g/Arkiv"));
    // A name that would move the entry elsewhere, or none, is refused.
    EXPECT_EQ(funk.RenameNode(node("c.txt"), "c.txt", "Arkiv/d.txt", false), "c.txt");
    EXPECT_EQ(funk.RenameNode(node("c.txt"), "c.txt", " ", false), "c.txt");
    EXPECT_EQ(beskeder.beskeder.size(), 2);
    EXPECT_EQ(mappe.laes("g/c.txt"), "b");
    EXPECT_EQ(funk.RenameNode(node("c.txt"), "c.txt", "c.txt", false), "c.txt");
}

TEST_F(Handlinger, TheSelectionCommandsAndThePermissions)
{
    mappe.skriv("g/a.txt", "a");
    mappe.skriv("g/b.txt", "b");
    mkdir("g/C");
    vis("g");
    liste.vaelg(-1);
    EXPECT_FALSE(funk.canCopy());
    EXPECT_EQ(funk.CopyElementer(), 0);
    EXPECT_EQ(beskeder.beskeder, QStringList{"Der er ikke valgt elementer til kopiering."});
    marker({"a.txt"});
    EXPECT_TRUE(funk.canCopy());
    EXPECT_TRUE(funk.canDoIt());
    funk.SelectMapperFiler(3);
    EXPECT_EQ(liste.antalValgte(), 2);
    funk.SelectMapperFiler(1);
    EXPECT_EQ(liste.antalValgte(), 3);
    funk.SelectMapperFiler(3);
    EXPECT_EQ(liste.antalValgte(), 0);
    EXPECT_TRUE(funk.Filnavn.isEmpty());
}

TEST_F(Handlinger, TheRecycleBinIsEmptiedAfterTheQuestionWhereTheSystemAsksNone)
{
    funk.EmptyRecycleBin(true, "/");
    EXPECT_EQ(beskeder.spoergsmaal.size(), 1);
    EXPECT_TRUE(platform.toemt.empty());
    beskeder.setNextAnswer(true);
    funk.EmptyRecycleBin(true, "/");
    EXPECT_EQ(platform.toemt, std::vector<std::string>{"/|spørg"});
    platform.spoergerSelv = true;
    funk.EmptyRecycleBin(true, "/data");
    EXPECT_EQ(beskeder.spoergsmaal.size(), 2);
    EXPECT_EQ(platform.toemt.back(), "/data|spørg");
}

TEST_F(Handlinger, SummaryTextsAndPercentages)
{
    EXPECT_EQ(THandlinger::sizeText(999), "999 bytes");
    EXPECT_EQ(THandlinger::sizeText(1000), "0,98 KB");
    EXPECT_EQ(THandlinger::sizeText(1500000), "1,43 MB");
    EXPECT_EQ(THandlinger::sizeText(12LL << 30), "12,00 GB");
    EXPECT_EQ(THandlinger::getSlutDir("/"), "/");
    EXPECT_EQ(THandlinger::getSlutDir("/hjem/Billeder"), "Billeder");
    funk.initInfo(true);
    funk.antalFiler = 1234;
    funk.antalMapper = 3;
    funk.totalSize = 0;
    funk.udskrivInfo(true);
    EXPECT_EQ(fremdrift.info, "Der kopieres 1.234 filer fra 3 mapper: 0 bytes");
    EXPECT_EQ(funk.progressInfo(10), 100);
    EXPECT_EQ(fremdrift.resterende, "1.233");
    funk.totalSize = 400;
    funk.posSize = 0;
    EXPECT_EQ(funk.progressInfo(100), 25);
    EXPECT_EQ(fremdrift.procent, "25%");
    funk.CopyCallback(0, 0);
    EXPECT_EQ(fremdrift.fil, 100);
    funk.CopyCallback(1, 3);
    EXPECT_EQ(fremdrift.fil, 33);
}

TEST_F(Handlinger, TheOverallPercentageMovesWithTheBytesOfOneBigFile)
{
    mappe.skriv("kilde/stor.bin", QByteArray(17 << 20, 's'));
    mappe.skriv("kilde/lille.txt", "x");
    mkdir("maal");
    kopier("kilde", {"stor.bin", "lille.txt"});
    vis("maal");
    EXPECT_EQ(funk.PasteElementer(false), 2);
    // Between the start and the end the bar stands between 0 and 100, and never goes back.
    std::vector<int> undervejs;
    std::copy_if(fremdrift.alle.begin(), fremdrift.alle.end(), std::back_inserter(undervejs),
                 [](int p) { return p > 0 && p < 100; });
    EXPECT_GE(undervejs.size(), 2u);
    EXPECT_TRUE(std::is_sorted(undervejs.begin(), undervejs.end()));
    EXPECT_EQ(std::ranges::max(fremdrift.alle), 100);
    EXPECT_EQ(fremdrift.procent, "100%");
}

// A tiny file system that runs full halfway through a move: nothing is lost.
TEST_F(Handlinger, AMoveOntoAFullDiskKeepsEveryByteAtTheSourceOrTheDestination)
{
    const QString punkt = mkdir("lille");
    const FuldDisk disk(punkt);
    if (!disk.ok())
        GTEST_SKIP() << "cannot mount a small tmpfs here (needs root)";
    for (int i = 1; i <= 3; ++i)
        mappe.skriv(QStringLiteral("kilde/Mappe/fil%1.bin").arg(i),
                    QByteArray(30000, char('a' + i)));
    mappe.skriv("kilde/løs.bin", QByteArray(30000, 'l'));
    const auto foer = indhold(mappe.sti("kilde"));
    platform.papirkurvSletter = true;
    kopier("kilde", {"Mappe", "løs.bin"});
    vis("lille");
    funk.PasteElementer(true);
    const auto kilde = indhold(mappe.sti("kilde"));
    const auto maal = indhold(punkt);
    for (const auto& [sti, bytes] : foer) {
        const bool her = kilde.contains(sti) && kilde.at(sti) == bytes;
        const bool der = maal.contains(sti) && maal.at(sti) == bytes;
        EXPECT_TRUE(her || der) << sti.toStdString();
    }
    // Only whole copies arrive, and the folder stays since not all of it arrived.
    for (const auto& [sti, bytes] : maal)
        EXPECT_EQ(bytes, foer.at(sti)) << sti.toStdString();
    EXPECT_EQ(kilde.count("Mappe/fil1.bin"), 1u);
    ASSERT_EQ(beskeder.beskeder.size(), 1);
    EXPECT_TRUE(beskeder.beskeder[0].startsWith("Disse elementer blev ikke flyttet"));
}

TEST_F(Handlinger, ACopiedTreeKeepsNamesThatAreNotUtf8AndPathsBeyondTheSystemsLimit)
{
    mkdir("kilde/Træ");
    const std::string rod = mappe.sti("kilde/Træ").toStdString();
    const std::string latin1 = rod + "/caf\xe9.txt";
    const int fd = open(latin1.c_str(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(write(fd, "kaffe", 5), 5);
    close(fd);
    std::string dyb = rod;
    const std::string del(200, 'd');
    for (int i = 0; i < 25; ++i) {
        dyb += "/" + del;
        ASSERT_TRUE(platform.makeFolder(dyb));
    }
    ASSERT_TRUE(platform.copyFile(latin1, dyb + "/bund.txt", {}));
    mkdir("maal");
    kopier("kilde", {"Træ"});
    vis("maal");
    EXPECT_EQ(funk.PasteElementer(false), 1);
    const std::string ny = mappe.sti("maal/Træ").toStdString();
    EXPECT_EQ(platform.entryOf(ny + "/caf\xe9.txt").size, 5);
    EXPECT_EQ(platform.entryOf(ny + dyb.substr(rod.size()) + "/bund.txt").size, 5);
    EXPECT_EQ(fremdrift.info.toStdString(), "Der kopieres 2 filer fra 26 mapper: 10 bytes");
    EXPECT_TRUE(beskeder.beskeder.isEmpty());
    platform.deletePermanently(rod);
    platform.deletePermanently(ny);
}

namespace {

void saetTid(const QString& fil, const QDateTime& tid)
{
    QFile f(fil);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(tid, QFileDevice::FileModificationTime));
}

} // namespace

TEST_F(Handlinger, OverwriteIfNewerTakesOnlyTheFilesThatAreNewerThanTheirNamesakes)
{
    const QDateTime gammel(QDate(2023, 5, 1), QTime(10, 0));
    const QDateTime ny(QDate(2024, 3, 1), QTime(14, 5));
    saetTid(mappe.skriv("kilde/nyere.txt", "ny udgave"), ny);
    saetTid(mappe.skriv("kilde/ældre.txt", "gammel udgave"), gammel);
    saetTid(mappe.skriv("maal/nyere.txt", "før"), gammel);
    saetTid(mappe.skriv("maal/ældre.txt", "før"), ny);
    kopier("kilde", {"nyere.txt", "ældre.txt"});
    vis("maal");
    findes.valg = FilFindes::OverskrivHvisNyere;
    EXPECT_EQ(funk.PasteElementer(false), 1);
    EXPECT_EQ(mappe.laes("maal/nyere.txt"), "ny udgave");
    EXPECT_EQ(mappe.laes("maal/ældre.txt"), "før");
    ASSERT_EQ(findes.konflikter.size(), 2);
    const Konflikt& k =
        findes.konflikter[0].navn == "nyere.txt" ? findes.konflikter[0] : findes.konflikter[1];
    EXPECT_EQ(k.linjer(), QStringList({"Eksisterende: 4 bytes, 01.05.2023 10.00",
                                       "Ny: 9 bytes, 01.03.2024 14.05 (nyere, større)"}));
}

TEST(Konflikt, TheNewerAndTheLargerAreMarkedAndEqualOnesNot)
{
    QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark));
    const qint64 t = QDateTime(QDate(2024, 3, 1), QTime(14, 5)).toMSecsSinceEpoch();
    struct Tilfaelde
    {
        Konflikt k;
        QStringList linjer;
    };
    const Tilfaelde tilfaelde[] = {
        {{"a", 1536, t + 60000, 512, t},
         {"Eksisterende: 1,50 KB, 01.03.2024 14.06 (nyere, større)",
          "Ny: 512 bytes, 01.03.2024 14.05"}},
        {{"b", 10, t, 10, t + 400},
         {"Eksisterende: 10 bytes, 01.03.2024 14.05", "Ny: 10 bytes, 01.03.2024 14.05"}},
        {{"c", 10, -1, 20, t},
         {"Eksisterende: 10 bytes", "Ny: 20 bytes, 01.03.2024 14.05 (nyere, større)"}},
    };
    for (const Tilfaelde& c : tilfaelde)
        EXPECT_EQ(c.k.linjer(), c.linjer) << c.k.navn.toStdString();
    EXPECT_FALSE(tilfaelde[1].k.nyErNyere());
    EXPECT_TRUE(tilfaelde[2].k.nyErNyere());
    QLocale::setDefault(QLocale::c());
}

TEST_F(Handlinger, AFilterShowsOnlyMatchingNamesWithDanishLettersAndCommandsActOnThem)
{
    for (const char* navn : {"Æbler.txt", "blåbær.txt", "Pære.txt", "citron.txt"})
        mappe.skriv("g/" + QString::fromUtf8(navn), "x");
    mkdir("g/ÆBLEMOST");
    vis("g");
    funk.filtrer("æ");
    // Danish order: Æ after Z.
    EXPECT_EQ(tekster(), QStringList({"ÆBLEMOST", "blåbær.txt", "Pære.txt", "Æbler.txt"}));
    funk.filtrer("ÆBLE");
    EXPECT_EQ(tekster(), QStringList({"ÆBLEMOST", "Æbler.txt"}));
    EXPECT_EQ(funk.filterstatus(), "Viser 2 af 5 elementer.");
    EXPECT_EQ(liste.valgt(), -1);
    // Select all takes only what is shown.
    funk.SelectMapperFiler(1);
    funk.infoStruktur2();
    EXPECT_EQ(funk.CopyElementer(), 2);
    EXPECT_EQ(funk.CopyListe2(), QStringList{"Æbler.txt"});
    funk.filtrer("");
    EXPECT_EQ(liste.antal(), 5);
    EXPECT_EQ(funk.filterstatus(), "");
    // Another folder clears the filter.
    funk.filtrer("citron");
    mkdir("h");
    vis("h");
    vis("g");
    EXPECT_EQ(liste.antal(), 5);
}

// What every backend of the platform interface must answer alike. Built with
// the standard library only, so that it runs natively and under Wine.
#include "Kontrakt.h"
#include "Pefil.h"

#include <algorithm>

namespace {

// A 16 by 16 icon file of one 32-bit image, fully opaque red.
std::string ikonfil()
{
    std::string ud;
    const auto u16 = [&](unsigned v) { ud += char(v & 0xff), ud += char(v >> 8 & 0xff); };
    const auto u32 = [&](unsigned v) { u16(v & 0xffff), u16(v >> 16); };
    const unsigned billede = 40 + 16 * 16 * 4 + 16 * 4;
    u16(0), u16(1), u16(1);
    ud += char(16), ud += char(16), ud += char(0), ud += char(0);
    u16(1), u16(32), u32(billede), u32(22);
    u32(40), u32(16), u32(32), u16(1), u16(32);
    for (int i = 0; i < 6; ++i)
        u32(0);
    for (int i = 0; i < 16 * 16; ++i)
        ud += std::string("\x00\x00\xff\xff", 4);
    ud += std::string(16 * 4, '\0');
    return ud;
}

} // namespace

TEST_F(Kontrakt, TheUserAndTheFixedFolders)
{
    const std::string bruger = platform->userName();
    EXPECT_FALSE(bruger.empty());
    EXPECT_EQ(bruger.find_first_of("/\\"), std::string::npos);
    const std::string base = platform->baseFolder();
    EXPECT_EQ(base.substr(base.size() - 6), "Tavlum");
    EXPECT_TRUE(sti(base).is_absolute() || base == "C:\\Tavlum");
    EXPECT_FALSE(platform->programsFolder().empty());
}

TEST_F(Kontrakt, TheStartUpFolderAndItsFileNames)
{
    const std::string opstart = platform->startupFolder("kontor");
    EXPECT_FALSE(opstart.empty());
    const Platform::StartupNames navne = platform->startupNames();
    EXPECT_EQ(navne.shortcut.rfind("Tavlum.", 0), 0u);
    EXPECT_EQ(navne.script.rfind("createShortcut.", 0), 0u);
#ifdef _WIN32
    EXPECT_EQ(
        opstart,
        "C:\\Users\\kontor\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Startup");
    EXPECT_EQ(navne.shortcut, "Tavlum.lnk");
#else
    EXPECT_EQ(opstart.substr(opstart.size() - 10), "/autostart");
    EXPECT_EQ(navne.shortcut, "Tavlum.desktop");
#endif
}

TEST_F(Kontrakt, TheCurrentFolderKeepsDanishLetters)
{
    const fs::path under = mappe / sti("Mine dokumenter æøå");
    fs::create_directories(under);
    ASSERT_TRUE(platform->setCurrentFolder(utf8(under)));
    EXPECT_TRUE(fs::equivalent(sti(platform->currentFolder()), under));
    EXPECT_TRUE(fs::equivalent(fs::current_path(), under));
    EXPECT_FALSE(platform->setCurrentFolder(utf8(mappe / "findes ikke")));
    EXPECT_TRUE(fs::equivalent(sti(platform->currentFolder()), under));
}

TEST_F(Kontrakt, OpeningAMissingFileGivesTheShellsErrorNumber)
{
    EXPECT_EQ(platform->shellExecute("open", utf8(mappe / sti("væk.txt")), "", ""), 2);
}

TEST_F(Kontrakt, FirstIconOfAnIconFileAndOfAPlainFile)
{
    const Platform::FileIcon ikon = platform->firstIcon(skriv("rød.ico", ikonfil()));
    ASSERT_TRUE(ikon.kind == Platform::FileIcon::Picture ||
                ikon.kind == Platform::FileIcon::IconData);
    if (ikon.kind == Platform::FileIcon::IconData) {
        ASSERT_GE(ikon.data.size(), 22u + 40u);
        EXPECT_EQ(ikon.data[2], 1);
        EXPECT_EQ(ikon.data[4], 1);
    } else {
        EXPECT_FALSE(ikon.name.empty());
    }

    const std::string tekst = skriv("notat æøå.txt", "tekst");
    if (underWine())
        GTEST_SKIP() << "Wine's ExtractIconW gives 0 for a text file, Windows gives 1";
    EXPECT_EQ(platform->firstIcon(tekst).kind, Platform::FileIcon::NotAProgram);
}

TEST_F(Kontrakt, AProgramGivesItsIconAndACraftedOneNoHugeIcon)
{
    const std::string ico = ikonfil();
    const Pefil::Bytes pe = Pefil::lav(ico.substr(22), 1, ico.substr(6, 8));
    const Platform::FileIcon ikon = platform->firstIcon(skriv("spil.exe", {pe.begin(), pe.end()}));
    ASSERT_EQ(ikon.kind, Platform::FileIcon::IconData);
    ASSERT_GE(ikon.data.size(), 22u + 40u);
    EXPECT_EQ(ikon.data[4], 1);

    // Sixteen thousand entries that all name one image far larger than they say.
    const Pefil::Bytes ond = Pefil::lav(std::string(64 * 1024, '\x7f'), 16384, Pefil::lille);
    const Platform::FileIcon intet =
        platform->firstIcon(skriv("ond.exe", {ond.begin(), ond.end()}));
    EXPECT_TRUE(intet.kind != Platform::FileIcon::IconData || intet.data.size() <= 4 << 20);
}

TEST_F(Kontrakt, AFolderIsListedWithItsKindsAndHiddenEntriesMarked)
{
    skriv("b.txt", "b");
    skriv("A.txt", "a");
    fs::create_directories(mappe / "c mappe");
    const std::string skjult = skriv(".skjult", "s");
#ifdef _WIN32
    SetFileAttributesW(sti(skjult).wstring().c_str(), FILE_ATTRIBUTE_HIDDEN);
#endif
    const auto liste = platform->listFolder(utf8(mappe));
    ASSERT_EQ(liste.size(), 4u);
    std::vector<std::string> navne;
    for (const auto& e : liste)
        if (!e.hidden)
            navne.push_back(e.name);
    std::sort(navne.begin(), navne.end());
    EXPECT_EQ(navne, (std::vector<std::string>{"A.txt", "b.txt", "c mappe"}));
    for (const auto& e : liste) {
        EXPECT_EQ(e.hidden, e.name == ".skjult") << e.name;
        EXPECT_EQ(e.kind,
                  e.name == "c mappe" ? Platform::FolderEntry::Folder : Platform::FolderEntry::File)
            << e.name;
    }
    EXPECT_TRUE(platform->listFolder(utf8(mappe / "findes ikke")).empty());
}

TEST_F(Kontrakt, TheUsersHomeAndTheDriveOfAFolder)
{
    const std::string hjem = platform->specialFolder(Platform::SpecialFolder::Home);
    ASSERT_FALSE(hjem.empty());
    EXPECT_TRUE(fs::is_directory(sti(hjem)));
    EXPECT_FALSE(platform->drives().empty());
    const Platform::Drive drev = platform->driveOf(utf8(mappe));
    ASSERT_FALSE(drev.root.empty());
    EXPECT_EQ(utf8(mappe).rfind(drev.root, 0), 0u);
    const Platform::DriveSpace plads = platform->driveSpace(utf8(mappe));
    EXPECT_GT(plads.size, 0);
    EXPECT_GE(plads.free, 0);
    EXPECT_LE(plads.free, plads.size);
}

TEST_F(Kontrakt, TheRecycleBinTakesAFileAndRefusesAMissingOne)
{
#ifndef _WIN32
    // The recycle bin of this test's own, not the user's.
    setenv("XDG_DATA_HOME", utf8(mappe / "data").c_str(), 1);
#endif
    const std::string fil = skriv("smid væk.txt", "x");
    EXPECT_TRUE(platform->moveToTrash(fil));
    EXPECT_FALSE(fs::exists(sti(fil)));
    EXPECT_FALSE(platform->moveToTrash(fil));
#ifndef _WIN32
    unsetenv("XDG_DATA_HOME");
#endif
}

TEST_F(Kontrakt, WebAddressesAndTheScriptKind)
{
    EXPECT_TRUE(platform->isValidUrl("https://www.dr.dk/nyheder"));
#ifdef _WIN32
    EXPECT_EQ(platform->scriptSuffix(), ".vbs");
    EXPECT_FALSE(platform->effectiveUserIsRoot());
#else
    EXPECT_EQ(platform->scriptSuffix(), ".sh");
#endif
    if (underWine())
        GTEST_SKIP() << "Wine's IsValidURL answers yes to anything";
    EXPECT_FALSE(platform->isValidUrl("ikke en adresse"));
}

TEST_F(Kontrakt, ATypedNameNamesAnEntryOfTheFolderItself)
{
    for (const char* navn : {"brev æ.txt", "a b", ".skjult", "...", "navn."})
        EXPECT_TRUE(platform->validName(navn)) << navn;
    for (const std::string& navn : {std::string(), std::string("."), std::string(".."),
                                   std::string("a/b"), std::string("/"), std::string("a\0b", 3)})
        EXPECT_FALSE(platform->validName(navn)) << navn;
#ifdef _WIN32
    for (const char* navn : {"a\\b", "c:", "a*", "a?", "\"a\"", "<a>", "a|b", "a\tb"})
        EXPECT_FALSE(platform->validName(navn)) << navn;
#else
    // Only the separator and NUL are reserved here; the rest are ordinary letters.
    for (const char* navn : {"a\\b", "c:", "a*", "a?", "\"a\"", "<a>", "a|b", "a\tb"})
        EXPECT_TRUE(platform->validName(navn)) << navn;
#endif
}

TEST_F(Kontrakt, AGlobalKeyIsHeldByOneProgramAtATime)
{
    const Platform::GlobalKey sjaelden{Platform::GlobalKey::Control | Platform::GlobalKey::Alt |
                                           Platform::GlobalKey::Shift,
                                       0x01000047}; // F24, which no desktop uses
    if (!platform->globalKeysSupported()) {
        // Here the backend runs without a display of its own, as a Wayland session is.
        EXPECT_EQ(platform->grabGlobalKey(sjaelden, [] {}), Platform::GrabResult::Unsupported);
        return;
    }
    const Platform::GlobalKey ukendt{Platform::GlobalKey::Control, 0x01FFFFFF};
    EXPECT_EQ(platform->grabGlobalKey(ukendt, [] {}), Platform::GrabResult::Refused);

    ASSERT_EQ(platform->grabGlobalKey(sjaelden, [] {}), Platform::GrabResult::Grabbed);
    // Asking again for the same combination replaces the grab rather than fighting it.
    EXPECT_EQ(platform->grabGlobalKey(sjaelden, [] {}), Platform::GrabResult::Grabbed);
    const std::unique_ptr<Platform> anden = Platform::createNative();
    EXPECT_EQ(anden->grabGlobalKey(sjaelden, [] {}), Platform::GrabResult::Taken);
    platform->releaseGlobalKey();
    EXPECT_EQ(anden->grabGlobalKey(sjaelden, [] {}), Platform::GrabResult::Grabbed);
    anden->releaseGlobalKey();
}

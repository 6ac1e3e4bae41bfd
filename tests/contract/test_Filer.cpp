// The file services every backend must answer alike: deleting, copying,
// renaming, reading folders and paths past the old length limit.
#include "Kontrakt.h"
#include "Papirkurve.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>

namespace {

using Entry = Platform::TreeEntry;

#ifdef _WIN32
constexpr char skel = '\\';
#else
constexpr char skel = '/';
#endif

std::vector<Entry> sorteret(std::optional<std::vector<Entry>> liste)
{
    EXPECT_TRUE(liste);
    std::vector<Entry> entries = liste.value_or(std::vector<Entry>());
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.name < b.name; });
    return entries;
}

std::vector<std::string> navneI(const fs::path& mappe)
{
    std::vector<std::string> ud;
    for (const auto& e : fs::directory_iterator(mappe))
        ud.push_back(utf8(e.path().filename()));
    std::sort(ud.begin(), ud.end());
    return ud;
}

void skrivskyt(const std::string& fil)
{
#ifdef _WIN32
    SetFileAttributesW(sti(fil).wstring().c_str(), FILE_ATTRIBUTE_READONLY);
#else
    fs::permissions(sti(fil), fs::perms::owner_read | fs::perms::group_read);
#endif
}

// The recycle bin of each test's own on POSIX, not the user's; Windows has one bin a drive.
class Papirkurv
{
public:
    explicit Papirkurv([[maybe_unused]] const fs::path& mappe)
    {
#ifndef _WIN32
        setenv("XDG_DATA_HOME", utf8(mappe / "data").c_str(), 1);
#endif
    }
    ~Papirkurv()
    {
#ifndef _WIN32
        unsetenv("XDG_DATA_HOME");
#endif
    }
};

} // namespace

// A chain of folders under `rod` whose innermost path is past 300 characters,
// made with the backend itself since the standard library stops at MAX_PATH on Windows.
std::string Kontrakt::dybMappe(const std::string& rod)
{
    std::string dyb = rod;
    if (!platform->makeFolder(dyb))
        return {};
    while (dyb.size() <= 300) {
        dyb += skel + std::string("en mappe med et ret langt navn æøå");
        if (!platform->makeFolder(dyb))
            return {};
    }
    return dyb;
}

TEST_F(Kontrakt, AWholeTreeGoesToTheRecycleBin)
{
    const Papirkurv kurv(mappe);
    skriv("gammelt/under/brev.txt", "kære");
    skriv("gammelt/note.txt", "x");
    ASSERT_TRUE(platform->moveToTrash(i("gammelt")));
    EXPECT_FALSE(fs::exists(mappe / "gammelt"));
    EXPECT_FALSE(platform->moveToTrash(i("gammelt")));
}

TEST_F(Kontrakt, ATrashedItemIsListedAndGoesBackOnlyToAFreePlace)
{
    if (underWine())
        GTEST_SKIP() << "Wine keeps its recycle bin in the host's freedesktop trash";
    const Papirkurv kurv(mappe);
    const auto nu = [] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::system_clock::now().time_since_epoch())
            .count();
    };
    const auto fund = [&](const std::string& original) {
        std::vector<Platform::TrashItem> ud;
        for (const Platform::TrashItem& t : platform->trashItems())
            if (t.original == original)
                ud.push_back(t);
        return ud;
    };
    const std::string brev = skriv("brev æ.txt", "kære");
    const auto kastetFra = nu();
    ASSERT_TRUE(platform->moveToTrash(brev));
    const std::vector<Platform::TrashItem> kastet = fund(brev);
    ASSERT_EQ(kastet.size(), 1u);
    EXPECT_FALSE(kastet[0].folder);
    // The bin keeps whole seconds.
    EXPECT_GE(kastet[0].deleted, kastetFra - 2000);
    EXPECT_LE(kastet[0].deleted, nu() + 2000);

    skriv("brev æ.txt", "ny");
    EXPECT_FALSE(platform->restoreFromTrash(kastet[0], brev));
    EXPECT_EQ(laes(brev), "ny");
    fs::remove(sti(brev));
    ASSERT_TRUE(platform->restoreFromTrash(kastet[0], brev));
    EXPECT_EQ(laes(brev), "kære");
    EXPECT_TRUE(fund(brev).empty());

    skriv("mappe/inde.txt", "x");
    ASSERT_TRUE(platform->moveToTrash(i("mappe")));
    const std::vector<Platform::TrashItem> mappen = fund(i("mappe"));
    ASSERT_EQ(mappen.size(), 1u);
    EXPECT_TRUE(mappen[0].folder);
    ASSERT_TRUE(platform->deleteFromTrash(mappen[0]));
    EXPECT_TRUE(fund(i("mappe")).empty());
    EXPECT_FALSE(platform->restoreFromTrash(mappen[0], i("mappe")));
    EXPECT_FALSE(fs::exists(mappe / "mappe"));
}

TEST_F(Kontrakt, AFileAndATreeAreDeletedForGoodReadOnlyAndHiddenOnesToo)
{
    const std::string fil = skriv("løs fil.txt", "x");
    ASSERT_TRUE(platform->deletePermanently(fil));
    EXPECT_FALSE(fs::exists(sti(fil)));
    EXPECT_FALSE(platform->deletePermanently(fil));

    skriv("træ/a/b/c/dybt.txt", "dybt");
    skriv("træ/a/søster.txt", "s");
    skrivskyt(skriv("træ/a/b/skrivebeskyttet.txt", "r"));
    const std::string skjult = skriv("træ/.skjult", "h");
#ifdef _WIN32
    SetFileAttributesW(sti(skjult).wstring().c_str(), FILE_ATTRIBUTE_HIDDEN);
#endif
    fs::create_directories(mappe / sti("træ/tom mappe"));
    skriv("ved siden af.txt", "bliver");
    ASSERT_TRUE(platform->deletePermanently(i("træ")));
    EXPECT_FALSE(fs::exists(mappe / sti("træ")));
    EXPECT_EQ(navneI(mappe), (std::vector<std::string>{"ved siden af.txt"}));
}

TEST_F(Kontrakt, EmptyingTheRecycleBinOfADrive)
{
#ifdef _WIN32
    EXPECT_TRUE(platform->asksBeforeEmptyingTrash());
#else
    EXPECT_FALSE(platform->asksBeforeEmptyingTrash());
#endif
    const Papirkurv kurv(mappe);
    ASSERT_TRUE(platform->moveToTrash(skriv("til kurven.txt", "x")));
    if (underWine())
        GTEST_SKIP() << "Wine's SHEmptyRecycleBinW answers success but empties nothing";
    const std::string rod = platform->driveOf(utf8(mappe)).root;
    ASSERT_FALSE(rod.empty());
    if (brugerensPapirkurvHarIndhold(rod))
        GTEST_SKIP() << "the trash at the top of " << rod << " holds the user's own files";
    EXPECT_TRUE(platform->emptyTrash(rod, false));
#ifndef _WIN32
    EXPECT_TRUE(fs::is_empty(mappe / "data/Trash/files"));
    EXPECT_TRUE(fs::is_empty(mappe / "data/Trash/info"));
#endif
    // A bin that is already empty is emptied too.
    EXPECT_TRUE(platform->emptyTrash(rod, false));
}

TEST_F(Kontrakt, ACopyReportsItsChunksAndKeepsTheContentAndTheTime)
{
    std::string bytes(20 << 20, '\0');
    for (std::size_t n = 0; n < bytes.size(); ++n)
        bytes[n] = static_cast<char>(n * 7 % 251);
    const std::string kilde = skriv("stor fil.bin", bytes);
    const auto tid = fs::last_write_time(sti(kilde)) - std::chrono::hours(24 * 400);
    fs::last_write_time(sti(kilde), tid);
    skriv("mål/kopi.bin", "gammelt indhold");

    std::vector<std::int64_t> trin;
    const auto total = static_cast<std::int64_t>(bytes.size());
    ASSERT_TRUE(
        platform->copyFile(kilde, i("mål/kopi.bin"), [&](std::int64_t done, std::int64_t t) {
            EXPECT_EQ(t, total);
            trin.push_back(done);
        }));
    EXPECT_TRUE(laes(i("mål/kopi.bin")) == bytes);
    EXPECT_EQ(fs::last_write_time(mappe / sti("mål/kopi.bin")), tid);
    ASSERT_FALSE(trin.empty());
    EXPECT_EQ(trin.back(), total);
    EXPECT_TRUE(std::is_sorted(trin.begin(), trin.end()));
    // Nothing is left of the copy's temporary file.
    EXPECT_EQ(navneI(mappe / sti("mål")), (std::vector<std::string>{"kopi.bin"}));
    EXPECT_FALSE(platform->copyFile(i("findes ikke"), i("mål/x"), {}));
    EXPECT_FALSE(platform->copyFile(kilde, i("ingen mappe/x"), {}));
    EXPECT_EQ(navneI(mappe / sti("mål")), (std::vector<std::string>{"kopi.bin"}));
    if (underWine())
        GTEST_SKIP() << "Wine's CopyFileExW never calls the progress routine";
    EXPECT_GE(trin.size(), 2u);
}

TEST_F(Kontrakt, ACopyKeepsReadOnlyAndNeverLeavesItsTemporaryFile)
{
    const std::string tom = skriv("tom.txt", "");
    fs::create_directories(mappe / sti("mål"));
    ASSERT_TRUE(platform->copyFile(tom, i("mål/tom kopi.txt"), {}));
    EXPECT_EQ(platform->readableSize(i("mål/tom kopi.txt")), 0);

    const std::string laast = skriv("låst.txt", "ny");
    skrivskyt(laast);
    ASSERT_TRUE(platform->copyFile(laast, i("mål/låst kopi.txt"), {}));
    EXPECT_EQ(laes(i("mål/låst kopi.txt")), "ny");
    EXPECT_EQ(fs::status(mappe / sti("mål/låst kopi.txt")).permissions() & fs::perms::owner_write,
              fs::perms::none);

    // Over a read-only target the copy may be refused, but it is whole or nothing.
    const std::string gammel = skriv("mål/gammel.txt", "gammel");
    skrivskyt(gammel);
    const bool kopieret = platform->copyFile(laast, gammel, {});
    EXPECT_EQ(laes(gammel), kopieret ? "ny" : "gammel");
    fs::create_directories(mappe / sti("mål/en mappe"));
    EXPECT_FALSE(platform->copyFile(laast, i("mål/en mappe"), {}));
    EXPECT_TRUE(fs::is_directory(mappe / sti("mål/en mappe")));
    EXPECT_EQ(
        navneI(mappe / sti("mål")),
        (std::vector<std::string>{"en mappe", "gammel.txt", "låst kopi.txt", "tom kopi.txt"}));
    EXPECT_TRUE(platform->deletePermanently(i("mål")));
    EXPECT_TRUE(platform->deletePermanently(laast));
}

TEST_F(Kontrakt, AFileIsNeverCopiedOntoItself)
{
    const std::string fil = skriv("a.txt", "indhold");
    EXPECT_FALSE(platform->copyFile(fil, fil, {}));
    EXPECT_FALSE(platform->copyFile(fil, i("./a.txt"), {}));
    fs::create_hard_link(sti(fil), mappe / "haard.txt");
    EXPECT_FALSE(platform->copyFile(fil, i("haard.txt"), {}));
    EXPECT_FALSE(platform->copyFile(i("haard.txt"), fil, {}));
#ifdef _WIN32
    EXPECT_FALSE(platform->copyFile(fil, i("A.TXT"), {}));
#endif
    EXPECT_EQ(laes(fil), "indhold");
    EXPECT_EQ(laes(i("haard.txt")), "indhold");
}

TEST_F(Kontrakt, ARenameRefusesAnExistingTargetAndAllowsACaseOnlyChange)
{
    skriv("a.txt", "a");
    skriv("b.txt", "b");
    EXPECT_FALSE(platform->renameEntry(i("a.txt"), i("b.txt")));
    EXPECT_EQ(laes(i("b.txt")), "b");
    EXPECT_EQ(laes(i("a.txt")), "a");
    ASSERT_TRUE(platform->renameEntry(i("a.txt"), i("A.txt")));
    EXPECT_EQ(navneI(mappe), (std::vector<std::string>{"A.txt", "b.txt"}));
    EXPECT_EQ(laes(i("A.txt")), "a");

    fs::create_directories(mappe / "mappe");
    EXPECT_FALSE(platform->renameEntry(i("b.txt"), i("mappe")));
    EXPECT_FALSE(platform->renameEntry(i("mappe"), i("b.txt")));
    ASSERT_TRUE(platform->renameEntry(i("mappe"), i("Ny mappe æøå")));
    EXPECT_TRUE(fs::is_directory(mappe / sti("Ny mappe æøå")));
    EXPECT_FALSE(platform->renameEntry(i("væk"), i("x")));
    EXPECT_EQ(navneI(mappe), (std::vector<std::string>{"A.txt", "Ny mappe æøå", "b.txt"}));
}

TEST_F(Kontrakt, AFolderIsReadWithKindsAndSizesAndFoldersAreMade)
{
    skriv("tre.txt", "123");
    skriv("tom.txt", "");
    const std::string skjult = skriv(".skjult", "hemmelig");
#ifdef _WIN32
    SetFileAttributesW(sti(skjult).wstring().c_str(), FILE_ATTRIBUTE_HIDDEN);
#endif
    fs::create_directories(mappe / sti("under mappe"));
    EXPECT_EQ(sorteret(platform->readFolder(utf8(mappe))),
              (std::vector<Entry>{{".skjult", Entry::File, 8},
                                  {"tom.txt", Entry::File, 0},
                                  {"tre.txt", Entry::File, 3},
                                  {"under mappe", Entry::Folder, 0}}));
    // An empty folder is read as empty; what cannot be listed is not.
    EXPECT_EQ(platform->readFolder(i("under mappe")), std::vector<Entry>());
    EXPECT_FALSE(platform->readFolder(i("findes ikke")));
    EXPECT_FALSE(platform->readFolder(i("tre.txt")));

    EXPECT_EQ(platform->entryOf(i("tre.txt")), (Entry{"tre.txt", Entry::File, 3}));
    EXPECT_EQ(platform->entryOf(i("under mappe")), (Entry{"under mappe", Entry::Folder, 0}));
    EXPECT_EQ(platform->entryOf(i("under mappe") + skel), (Entry{"under mappe", Entry::Folder, 0}));
    EXPECT_EQ(platform->entryOf(i("væk.txt")), (Entry{"væk.txt", Entry::Missing, 0}));

    EXPECT_EQ(platform->readableSize(i("tre.txt")), 3);
    EXPECT_EQ(platform->readableSize(i("tom.txt")), 0);
    EXPECT_EQ(platform->readableSize(i("væk.txt")), -1);
    EXPECT_EQ(platform->readableSize(i("under mappe")), -1);

    EXPECT_TRUE(platform->makeFolder(i("ny")));
    EXPECT_TRUE(fs::is_directory(mappe / "ny"));
    EXPECT_TRUE(platform->makeFolder(i("ny")));
    EXPECT_TRUE(platform->makeFolder(i("under mappe")));
    EXPECT_FALSE(platform->makeFolder(i("tre.txt")));
    EXPECT_FALSE(platform->makeFolder(i("mangler/ny")));
    EXPECT_EQ(laes(i("tre.txt")), "123");
}

TEST_F(Kontrakt, AStatusTellsKindIdentityTimeAndReadOnlyAndReadOnlyIsSet)
{
    const auto skrevet = std::chrono::system_clock::now() - std::chrono::minutes(1);
    const std::string fil = skriv("under/fil æ.txt", "12345");
    const Platform::FileStatus s = platform->statusOf(fil);
    EXPECT_TRUE(s.exists);
    EXPECT_FALSE(s.folder);
    EXPECT_EQ(s.size, 5);
    EXPECT_FALSE(s.readOnly);
    EXPECT_GT(
        s.modified,
        std::chrono::duration_cast<std::chrono::milliseconds>(skrevet.time_since_epoch()).count());
    EXPECT_TRUE(platform->statusOf(i("under")).folder);
    EXPECT_FALSE(platform->statusOf(i("væk")).exists);
    // One folder by two paths; a file is not it.
    const std::string ad = i("under") + skel + "..";
    EXPECT_TRUE(platform->statusOf(ad).sameAs(platform->statusOf(utf8(mappe))));
    EXPECT_FALSE(platform->statusOf(fil).sameAs(platform->statusOf(i("under"))));

    ASSERT_TRUE(platform->setReadOnly(fil, true));
    EXPECT_TRUE(platform->statusOf(fil).readOnly);
    ASSERT_TRUE(platform->setReadOnly(fil, false));
    EXPECT_FALSE(platform->statusOf(fil).readOnly);
    EXPECT_FALSE(platform->setReadOnly(i("væk"), true));
    EXPECT_EQ(laes(fil), "12345");
}

TEST_F(Kontrakt, LinksAreListedCopiedAndDeletedAsLinksNeverFollowed)
{
    skriv("mål/fil.txt", "bevar");
    std::error_code fejl;
    fs::create_symlink(mappe / sti("mål/fil.txt"), mappe / "fillink", fejl);
    if (!fejl)
        fs::create_directory_symlink(mappe / sti("mål"), mappe / "mappelink", fejl);
    if (fejl)
        GTEST_SKIP() << "no symbolic link can be made here (Wine has none, Windows asks a "
                        "privilege or the developer mode): "
                     << fejl.message();

    EXPECT_EQ(platform->entryOf(i("fillink")).kind, Entry::Link);
    EXPECT_EQ(platform->entryOf(i("mappelink")).kind, Entry::Link);
    const auto liste = sorteret(platform->readFolder(utf8(mappe)));
    ASSERT_EQ(liste.size(), 3u);
    EXPECT_EQ(liste[0], (Entry{"fillink", Entry::Link, 0}));
    EXPECT_EQ(liste[1], (Entry{"mappelink", Entry::Link, 0}));

    // A link to the target is the target itself.
    EXPECT_FALSE(platform->copyFile(i("mål/fil.txt"), i("fillink"), {}));
    EXPECT_FALSE(platform->copyFile(i("fillink"), i("mål/fil.txt"), {}));
    EXPECT_EQ(laes(i("mål/fil.txt")), "bevar");

    fs::create_directories(mappe / "kopier");
    ASSERT_TRUE(platform->copyFile(i("fillink"), i("kopier/fillink"), {}));
    EXPECT_TRUE(fs::is_symlink(mappe / "kopier/fillink"));
    EXPECT_EQ(fs::read_symlink(mappe / "kopier/fillink"), fs::read_symlink(mappe / "fillink"));

    fs::create_directories(mappe / "træ");
    ASSERT_TRUE(platform->renameEntry(i("mappelink"), i("træ/mappelink")));
    ASSERT_TRUE(platform->deletePermanently(i("træ")));
    EXPECT_FALSE(fs::exists(mappe / sti("træ")));
    ASSERT_TRUE(platform->deletePermanently(i("fillink")));
    EXPECT_EQ(laes(i("mål/fil.txt")), "bevar");
}

TEST_F(Kontrakt, APathPastTheOldLimitIsMadeCopiedIntoListedAndDeleted)
{
    const std::string dyb = dybMappe(i("lang"));
    ASSERT_FALSE(dyb.empty());
    EXPECT_TRUE(platform->makeFolder(dyb));
    EXPECT_EQ(platform->entryOf(dyb).kind, Entry::Folder);
    EXPECT_EQ(platform->driveOf(dyb).root, platform->driveOf(utf8(mappe)).root);
    EXPECT_GT(platform->driveSpace(dyb).size, 0);

    const std::string kilde = skriv("kilde.txt", "langt væk");
    const std::string fil = dyb + skel + "fil æøå.txt";
    std::int64_t sidst = 0;
    ASSERT_TRUE(
        platform->copyFile(kilde, fil, [&](std::int64_t done, std::int64_t) { sidst = done; }));
    EXPECT_EQ(sidst, 10);
    EXPECT_EQ(platform->readFolder(dyb), (std::vector<Entry>{{"fil æøå.txt", Entry::File, 10}}));
    EXPECT_EQ(platform->entryOf(fil), (Entry{"fil æøå.txt", Entry::File, 10}));
    EXPECT_EQ(platform->readableSize(fil), 10);
    EXPECT_FALSE(platform->copyFile(fil, fil, {}));

    const std::string nyt = dyb + skel + "nyt navn.txt";
    ASSERT_TRUE(platform->renameEntry(fil, nyt));
    ASSERT_TRUE(platform->copyFile(nyt, i("tilbage.txt"), {}));
    EXPECT_EQ(laes(i("tilbage.txt")), "langt væk");

    // The deep part must not lead the delete astray: the current folder keeps its files.
    const std::string nabo = skriv("nabo/bliv.txt", "bliv");
    ASSERT_TRUE(platform->setCurrentFolder(i("nabo")));
    ASSERT_TRUE(platform->deletePermanently(i("lang")));
    EXPECT_EQ(platform->entryOf(i("lang")).kind, Entry::Missing);
    EXPECT_FALSE(fs::exists(mappe / "lang"));
    EXPECT_EQ(laes(nabo), "bliv");
}

TEST_F(Kontrakt, ADeepTreeGoesToTheRecycleBinWholeOrNotAtAll)
{
    const Papirkurv kurv(mappe);
    const std::string dyb = dybMappe(i("lang"));
    ASSERT_FALSE(dyb.empty());
    ASSERT_TRUE(platform->copyFile(skriv("kilde.txt", "dybt"), dyb + skel + "fil.txt", {}));
    const std::string nabo = skriv("nabo/bliv.txt", "bliv");
    ASSERT_TRUE(platform->setCurrentFolder(i("nabo")));
    // The bin may refuse a path it cannot hold, but then nothing is lost.
    const bool kastet = platform->moveToTrash(i("lang"));
    EXPECT_EQ(laes(nabo), "bliv");
    if (kastet) {
        EXPECT_EQ(platform->entryOf(i("lang")).kind, Entry::Missing);
    } else {
        EXPECT_EQ(platform->readableSize(dyb + skel + "fil.txt"), 4);
        EXPECT_TRUE(platform->deletePermanently(i("lang")));
    }
}

#include "Papirkurve.h"
#include "Skrivebeskyttet.h"
#include "Testmappe.h"
#include "posix/PosixPlatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Entry = Platform::TreeEntry;

class PosixFiler : public ::testing::Test
{
protected:
    std::string s(const QString& relativ) const { return mappe.sti(relativ).toStdString(); }

    Testmappe mappe;
    PosixPlatform platform;
};

std::string navne(std::optional<std::vector<Entry>> liste)
{
    if (!liste)
        return "ulæselig";
    std::vector<Entry> entries = std::move(*liste);
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.name < b.name; });
    std::string ud;
    for (const Entry& e : entries)
        ud += e.name + ":" + std::to_string(e.kind) + ":" + std::to_string(e.size) + " ";
    return ud;
}

} // namespace

TEST_F(PosixFiler, ACopyReportsEveryChunkAndKeepsTimesAndPermissions)
{
    const QByteArray bytes(20 << 20, 'x');
    const QString kilde = mappe.skriv("stor.bin", bytes);
    ASSERT_EQ(chmod(kilde.toLocal8Bit(), 0640), 0);
    const struct timespec tider[2] = {{1000000000, 0}, {1200000000, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, kilde.toLocal8Bit(), tider, 0), 0);

    std::vector<std::int64_t> trin;
    ASSERT_TRUE(platform.copyFile(kilde.toStdString(), s("kopi.bin"),
                                  [&](std::int64_t done, std::int64_t total) {
                                      EXPECT_EQ(total, bytes.size());
                                      trin.push_back(done);
                                  }));
    EXPECT_EQ(mappe.laes("kopi.bin"), bytes);
    ASSERT_GE(trin.size(), 2u);
    EXPECT_EQ(trin.back(), bytes.size());
    EXPECT_TRUE(std::is_sorted(trin.begin(), trin.end()));
    struct stat st
    {
    };
    ASSERT_EQ(stat(s("kopi.bin").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(st.st_mtim.tv_sec, 1200000000);
    // Nothing is left of the copy's temporary file.
    EXPECT_EQ(QDir(mappe.sti("")).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST_F(PosixFiler, AFileThatSaysItIsEmptyIsReadToItsEnd)
{
    // /proc reports a size of 0 for files that hold text.
    ASSERT_TRUE(platform.copyFile("/proc/self/status", s("status"), {}));
    EXPECT_TRUE(mappe.laes("status").startsWith("Name:"));
    ASSERT_TRUE(platform.copyFile(mappe.skriv("tom", {}).toStdString(), s("tom2"), {}));
    EXPECT_TRUE(QFileInfo::exists(mappe.sti("tom2")));
}

TEST_F(PosixFiler, TheSameFileUnderAnotherNameIsNeverCopiedOverItself)
{
    const QString fil = mappe.skriv("a.txt", "indhold");
    ASSERT_EQ(link(fil.toLocal8Bit(), mappe.sti("haard.txt").toLocal8Bit()), 0);
    ASSERT_EQ(symlink(fil.toLocal8Bit(), mappe.sti("blød.txt").toUtf8()), 0);
    EXPECT_FALSE(platform.copyFile(fil.toStdString(), fil.toStdString(), {}));
    EXPECT_FALSE(platform.copyFile(fil.toStdString(), s("haard.txt"), {}));
    EXPECT_FALSE(platform.copyFile(fil.toStdString(), s("blød.txt"), {}));
    EXPECT_FALSE(platform.copyFile(s("blød.txt"), fil.toStdString(), {}));
    EXPECT_EQ(mappe.laes("a.txt"), "indhold");
}

TEST_F(PosixFiler, ALinkIsCopiedAsALinkAndAnExistingTargetIsReplaced)
{
    mappe.skriv("mål/fil.txt", "gammel");
    ASSERT_EQ(symlink("et sted", mappe.sti("link").toUtf8()), 0);
    ASSERT_TRUE(platform.copyFile(s("link"), s("mål/link"), {}));
    EXPECT_EQ(QFileInfo(mappe.sti("mål/link")).symLinkTarget(), mappe.sti("mål/et sted"));
    ASSERT_TRUE(
        platform.copyFile(mappe.skriv("fil.txt", "ny").toStdString(), s("mål/fil.txt"), {}));
    EXPECT_EQ(mappe.laes("mål/fil.txt"), "ny");
    // A target that cannot be written keeps what it had.
    {
        const Skrivebeskyttet laast(mappe.sti("mål"));
        if (laast.ok()) {
            EXPECT_FALSE(platform.copyFile(s("fil.txt"), s("mål/andet.txt"), {}));
            EXPECT_FALSE(platform.copyFile(s("fil.txt"), s("mål/link"), {}));
        }
    }
    EXPECT_EQ(QFileInfo(mappe.sti("mål/link")).symLinkTarget(), mappe.sti("mål/et sted"));
    EXPECT_FALSE(platform.copyFile(s("findes ikke"), s("mål/x"), {}));
}

TEST_F(PosixFiler, ARenameNeverReplacesAnotherEntry)
{
    mappe.skriv("a.txt", "a");
    mappe.skriv("b.txt", "b");
    EXPECT_FALSE(platform.renameEntry(s("a.txt"), s("b.txt")));
    EXPECT_EQ(mappe.laes("b.txt"), "b");
    EXPECT_TRUE(platform.renameEntry(s("a.txt"), s("A.txt")));
    EXPECT_EQ(mappe.laes("A.txt"), "a");
    QDir().mkpath(mappe.sti("mappe"));
    EXPECT_TRUE(platform.renameEntry(s("mappe"), s("Ny mappe")));
    EXPECT_TRUE(QFileInfo(mappe.sti("Ny mappe")).isDir());
    EXPECT_FALSE(platform.renameEntry(s("væk"), s("x")));
}

TEST_F(PosixFiler, ATreeIsReadAndDeletedWithNamesThatAreNotUtf8AndLinksNotFollowed)
{
    mappe.skriv("ude/bevar.txt", "bevar");
    mappe.skriv("træ/a.txt", "12345");
    QDir().mkpath(mappe.sti("træ/under"));
    const std::string latin1 = s("træ/under") + "/caf\xe9.txt";
    const int fd = open(latin1.c_str(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(write(fd, "xy", 2), 2);
    close(fd);
    ASSERT_EQ(symlink(mappe.sti("ude").toUtf8(), mappe.sti("træ/link").toUtf8()), 0);

    EXPECT_EQ(navne(platform.readFolder(s("træ"))), "a.txt:2:5 link:3:0 under:1:0 ");
    EXPECT_EQ(navne(platform.readFolder(s("træ/under"))), "caf\xe9.txt:2:2 ");
    // Root reads a folder of mode 000; anyone else cannot, and must not take it for empty.
    ASSERT_EQ(chmod(s("træ/under").c_str(), 0), 0);
    EXPECT_EQ(navne(platform.readFolder(s("træ/under"))),
              geteuid() == 0 ? "caf\xe9.txt:2:2 " : "ulæselig");
    chmod(s("træ/under").c_str(), 0755);
    EXPECT_EQ(platform.entryOf(latin1).kind, Entry::File);
    EXPECT_EQ(platform.entryOf(latin1).size, 2);
    EXPECT_EQ(platform.readableSize(latin1), 2);
    EXPECT_EQ(platform.entryOf(s("væk")).kind, Entry::Missing);
    EXPECT_EQ(platform.readableSize(s("væk")), -1);

    ASSERT_TRUE(platform.deletePermanently(s("træ")));
    EXPECT_FALSE(QFileInfo::exists(mappe.sti("træ")));
    EXPECT_EQ(mappe.laes("ude/bevar.txt"), "bevar");
    EXPECT_FALSE(platform.deletePermanently(s("træ")));
}

TEST_F(PosixFiler, PathsLongerThanTheSystemsLimitWork)
{
    // Folders of 200 characters, 25 deep: some 5000 characters in all.
    std::string dyb = s("");
    const std::string del(200, 'd');
    for (int i = 0; i < 25; ++i) {
        dyb += "/" + del;
        ASSERT_TRUE(platform.makeFolder(dyb));
    }
    ASSERT_GT(dyb.size(), static_cast<std::size_t>(PATH_MAX));
    const QString kilde = mappe.skriv("kort.txt", "langt væk");
    ASSERT_TRUE(platform.copyFile(kilde.toStdString(), dyb + "/fil.txt", {}));
    EXPECT_EQ(platform.entryOf(dyb + "/fil.txt").size, QByteArray("langt væk").size());
    ASSERT_TRUE(platform.copyFile(dyb + "/fil.txt", s("tilbage.txt"), {}));
    EXPECT_EQ(mappe.laes("tilbage.txt"), "langt væk");
    EXPECT_TRUE(platform.renameEntry(dyb + "/fil.txt", dyb + "/nyt.txt"));
    EXPECT_EQ(navne(platform.readFolder(dyb)), "nyt.txt:2:10 ");
    ASSERT_TRUE(platform.deletePermanently(s(QString::fromStdString(del))));
    EXPECT_FALSE(QFileInfo::exists(mappe.sti(QString::fromStdString(del))));
}

TEST_F(PosixFiler, ATreeDeeperThanTheOpenFilesAllowedIsDeletedForGood)
{
    // 600 levels, ten times the open files allowed below, made one level at a time.
    const int top = open(mappe.sti("").toLocal8Bit(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(top, 0);
    int fd = dup(top);
    for (int i = 0; i < 600 && fd >= 0; ++i) {
        ASSERT_EQ(mkdirat(fd, "d", 0700), 0);
        if (i % 100 == 0) {
            ASSERT_EQ(mkdirat(fd, "s", 0700), 0);
            close(openat(fd, "f", O_WRONLY | O_CREAT, 0600));
        }
        const int under = openat(fd, "d", O_RDONLY | O_DIRECTORY);
        close(fd);
        fd = under;
    }
    ASSERT_GE(fd, 0);
    close(fd);
    close(top);
    mappe.skriv("ved siden af/bliv.txt", "bliv");

    // Far fewer open files allowed than the tree has levels.
    rlimit foer{};
    getrlimit(RLIMIT_NOFILE, &foer);
    rlimit lav = foer;
    lav.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &lav), 0);
    const bool slettet = platform.deletePermanently(s("d"));
    setrlimit(RLIMIT_NOFILE, &foer);
    EXPECT_TRUE(slettet);
    EXPECT_FALSE(QFileInfo::exists(mappe.sti("d")));
    EXPECT_EQ(mappe.laes("ved siden af/bliv.txt"), "bliv");
}

TEST_F(PosixFiler, EmptyingTheTrashRemovesItsFilesAndEntries)
{
    const QByteArray gammel = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", mappe.sti("data").toLocal8Bit());
    mappe.skriv("mappe/under/fil.txt", "x");
    ASSERT_TRUE(platform.moveToTrash(s("mappe")));
    EXPECT_EQ(mappe.laes("data/Trash/files/mappe/under/fil.txt"), "x");
    if (brugerensPapirkurvHarIndhold(platform.driveOf(s("")).root)) {
        qputenv("XDG_DATA_HOME", gammel);
        GTEST_SKIP()
            << "the trash at the top of the test folder's drive holds the user's own files";
    }
    EXPECT_TRUE(platform.emptyTrash(s(""), false));
    EXPECT_TRUE(QDir(mappe.sti("data/Trash/files"))
                    .isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    EXPECT_TRUE(QDir(mappe.sti("data/Trash/info"))
                    .isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    qputenv("XDG_DATA_HOME", gammel);
}

TEST_F(PosixFiler, ACopyWhoseReportFailsLeavesNothingBehind)
{
    const QString kilde = mappe.skriv("kilde.bin", QByteArray(1 << 20, 'k'));
    EXPECT_THROW(
        platform.copyFile(kilde.toStdString(), s("maal.bin"),
                          [](std::int64_t, std::int64_t) { throw std::runtime_error("x"); }),
        std::runtime_error);
    EXPECT_EQ(QDir(mappe.sti("")).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

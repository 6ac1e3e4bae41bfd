#include "FuldDisk.h"
#include "Testmappe.h"
#include "posix/PosixPlatform.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QUrl>
#include <ctime>
#include <gtest/gtest.h>
#include <map>
#include <pwd.h>
#include <unistd.h>

namespace {

// The home trash in a folder of the test's own.
class PosixTrash : public ::testing::Test
{
protected:
    PosixTrash() : gammel(qgetenv("XDG_DATA_HOME"))
    {
        qputenv("XDG_DATA_HOME", mappe.sti("data").toLocal8Bit());
    }
    ~PosixTrash() override { qputenv("XDG_DATA_HOME", gammel); }

    QString info(const QString& navn) const
    {
        return QString::fromUtf8(mappe.laes("data/Trash/info/" + navn + ".trashinfo"));
    }

    Testmappe mappe;
    PosixPlatform platform{mappe.rod().toStdString()};
    QByteArray gammel;
};

} // namespace

TEST_F(PosixTrash, AFileGoesToTheTrashWithItsPathPercentEncoded)
{
    const QString fil = mappe.skriv("sider/100% nyt\nside.html", "<p>");
    ASSERT_TRUE(platform.moveToTrash(fil.toStdString()));
    EXPECT_FALSE(QFile::exists(fil));
    EXPECT_EQ(mappe.laes("data/Trash/files/100% nyt\nside.html"), "<p>");
    const QString entry = info("100% nyt\nside.html");
    const QString sti = QString::fromUtf8(QUrl::toPercentEncoding(fil, "/"));
    EXPECT_TRUE(entry.startsWith("[Trash Info]\nPath=" + sti + "\nDeletionDate="))
        << entry.toStdString();
    EXPECT_TRUE(entry.contains(
        QRegularExpression("\nDeletionDate=\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\n$")));
}

TEST_F(PosixTrash, ANameAlreadyInTheTrashGetsANewOne)
{
    const QString a = mappe.skriv("a/side.html", "første");
    const QString b = mappe.skriv("b/side.html", "anden");
    ASSERT_TRUE(platform.moveToTrash(a.toStdString()));
    ASSERT_TRUE(platform.moveToTrash(b.toStdString()));
    EXPECT_EQ(mappe.laes("data/Trash/files/side.html"), "første");
    EXPECT_EQ(mappe.laes("data/Trash/files/side.html.2"), "anden");
    EXPECT_TRUE(info("side.html.2").contains("Path=" + QUrl::toPercentEncoding(b, "/")));
    EXPECT_FALSE(platform.moveToTrash(mappe.sti("findes ikke").toStdString()));
}

TEST_F(PosixTrash, NamesAsLongAsTheFileSystemAllowsGoToTheTrashUnderAShortenedName)
{
    // 255 bytes: the most a name may have, with Danish letters of two bytes each.
    const QString lang = QString(126, u'æ') + "xyz";
    ASSERT_EQ(lang.toUtf8().size(), 255);
    const QString a = mappe.skriv("a/" + lang, "første");
    const QString b = mappe.skriv("b/" + lang, "anden");
    ASSERT_TRUE(platform.moveToTrash(a.toStdString()));
    ASSERT_TRUE(platform.moveToTrash(b.toStdString()));
    const QStringList filer = QDir(mappe.sti("data/Trash/files")).entryList(QDir::Files);
    const QStringList infos = QDir(mappe.sti("data/Trash/info")).entryList(QDir::Files);
    ASSERT_EQ(filer.size(), 2);
    ASSERT_EQ(infos.size(), 2);
    for (const QString& navn : infos) {
        EXPECT_LE(navn.toUtf8().size(), 255);
        EXPECT_TRUE(navn.startsWith(QString(100, u'æ'))) << "cut at a whole character";
        const QString indhold = QString::fromUtf8(mappe.laes("data/Trash/info/" + navn));
        const QString original = indhold.contains(QUrl::toPercentEncoding(a, "/")) ? a : b;
        EXPECT_TRUE(indhold.contains("Path=" + QUrl::toPercentEncoding(original, "/")));
        // The file and its entry share the name, and the file is the one the entry names.
        const QString fil = navn.chopped(QString(".trashinfo").size());
        EXPECT_TRUE(filer.contains(fil));
        EXPECT_EQ(mappe.laes("data/Trash/files/" + fil), original == a ? "første" : "anden");
    }
}

namespace {

// Writes an entry into a trash folder by hand, as another program may have.
void skrivEntry(Testmappe& mappe, const QString& kurv, const QString& navn, const QByteArray& info)
{
    mappe.skriv(kurv + "/files/" + navn, "indhold");
    mappe.skriv(kurv + "/info/" + navn + ".trashinfo", info);
}

std::int64_t lokalTid(int aar, int md, int dag, int t, int m, int s)
{
    std::tm tm{};
    tm.tm_year = aar - 1900;
    tm.tm_mon = md - 1;
    tm.tm_mday = dag;
    tm.tm_hour = t;
    tm.tm_min = m;
    tm.tm_sec = s;
    tm.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&tm)) * 1000;
}

} // namespace

TEST_F(PosixTrash, InfoFilesAreReadWithTheirPercentEncodingAndLocalDates)
{
    const QString kurv = "data/Trash";
    skrivEntry(mappe, kurv, "brev\nto.txt",
               "[Trash Info]\nPath=/hjem/%C3%A6ble%25/brev%0Ato.txt\n"
               "DeletionDate=2024-03-01T14:05:09\n");
    // Blanks around "=", CR LF and another group before do no harm.
    skrivEntry(mappe, kurv, "b",
               "[Andet]\r\nPath=/forkert\r\n[Trash Info]\r\nDeletionDate = 2023-12-31T23:59:59\r\n"
               "Path = /x/b\r\n");
    skrivEntry(mappe, kurv, "uden dato", "[Trash Info]\nPath=/x/uden%20dato\n");
    // Entries that name nothing are no items: no Path, and an info file without its file.
    skrivEntry(mappe, kurv, "uden sti", "[Trash Info]\nDeletionDate=2024-01-01T00:00:00\n");
    mappe.skriv(kurv + "/info/forsvundet.trashinfo", "[Trash Info]\nPath=/x/forsvundet\n");
    QDir().mkpath(mappe.sti(kurv + "/files/en mappe"));
    mappe.skriv(kurv + "/info/en mappe.trashinfo", "[Trash Info]\nPath=/x/en%20mappe\n");

    std::map<std::string, Platform::TrashItem> items;
    for (const Platform::TrashItem& t : platform.trashItems())
        items[t.original] = t;
    ASSERT_EQ(items.size(), 4u);
    const Platform::TrashItem& brev = items.at("/hjem/æble%/brev\nto.txt");
    EXPECT_EQ(brev.id, mappe.sti(kurv + "/files/brev\nto.txt").toStdString());
    EXPECT_EQ(brev.deleted, lokalTid(2024, 3, 1, 14, 5, 9));
    EXPECT_FALSE(brev.folder);
    EXPECT_EQ(items.at("/x/b").deleted, lokalTid(2023, 12, 31, 23, 59, 59));
    EXPECT_EQ(items.at("/x/uden dato").deleted, -1);
    EXPECT_TRUE(items.at("/x/en mappe").folder);
}

TEST_F(PosixTrash, TheTrashOfASecondDriveIsListedWithPathsUnderItsTop)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "mounting a second drive needs root";
    const QString punkt = mappe.sti("drev");
    const FuldDisk drev(punkt, "size=1m");
    if (!drev.ok())
        GTEST_SKIP() << "no tmpfs could be mounted";
    const QString kurv = "drev/.Trash-" + QString::number(getuid());
    skrivEntry(mappe, kurv, "foto.jpg", "[Trash Info]\nPath=ferie/foto.jpg\n");
    const QString fil = mappe.skriv("drev/noter.txt", "n");
    ASSERT_TRUE(platform.moveToTrash(fil.toStdString()));
    std::vector<std::string> originaler;
    for (const Platform::TrashItem& t : platform.trashItems())
        originaler.push_back(t.original);
    std::sort(originaler.begin(), originaler.end());
    EXPECT_EQ(originaler, (std::vector<std::string>{(punkt + "/ferie/foto.jpg").toStdString(),
                                                    fil.toStdString()}));
}

// The trash of a drive outside the folder the backend keeps to is never read:
// a test's listing stays the same whatever the machine has mounted.
TEST_F(PosixTrash, OnlyTheDrivesUnderTheChosenFolderAreSeen)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "mounting a second drive needs root";
    const FuldDisk ude(mappe.sti("ude"), "size=1m");
    if (!ude.ok())
        GTEST_SKIP() << "no tmpfs could be mounted";
    skrivEntry(mappe, "ude/.Trash-" + QString::number(getuid()), "foto.jpg",
               "[Trash Info]\nPath=foto.jpg\n");
    const auto antal = [](const PosixPlatform& p) { return p.trashItems().size(); };
    EXPECT_EQ(antal(platform), 1u);
    const PosixPlatform inde(mappe.sti("inde").toStdString());
    EXPECT_EQ(antal(inde), 0u);
    EXPECT_TRUE(inde.drives().empty());
}

// Without HOME the trash is still in the account's home, as the data folders
// are: never a "Trash" at the file system's root, where no desktop looks.
TEST(PosixHjem, WithoutHomeTheAccountsHomeIsTheUsers)
{
    const QByteArray hjem = qgetenv("HOME");
    qunsetenv("HOME");
    const passwd* konto = getpwuid(geteuid());
    ASSERT_TRUE(konto && konto->pw_dir);
    EXPECT_EQ(PosixPlatform::homeFolder(), std::string(konto->pw_dir));
    qputenv("HOME", "/et/andet/hjem/");
    EXPECT_EQ(PosixPlatform::homeFolder(), "/et/andet/hjem");
    qputenv("HOME", hjem);
}

#include "Testmappe.h"
#include "posix/PosixPlatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Entry = Platform::FolderEntry;

} // namespace

TEST(PosixMapper, AListingHasEveryEntryAndMarksHiddenEntriesAndKinds)
{
    Testmappe mappe;
    for (const char* navn : {"b", "A", "c.txt", ".skjult", "listet"})
        mappe.skriv(QStringLiteral("m/") + navn, "x");
    mappe.skriv("m/.hidden", "listet\r\n");
    QDir().mkpath(mappe.sti("m/Mappe"));
    ASSERT_EQ(symlink("Mappe", mappe.sti("m/link").toLocal8Bit().constData()), 0);
    ASSERT_EQ(symlink("ingen", mappe.sti("m/brudt").toLocal8Bit().constData()), 0);
    // A name from an old Windows-1252 tool, not valid UTF-8.
    const std::string latin = mappe.sti("m/").toStdString() + "r\xe6v";
    FILE* f = std::fopen(latin.c_str(), "w");
    ASSERT_TRUE(f);
    std::fclose(f);

    PosixPlatform p;
    const std::vector<Entry> liste = p.listFolder(mappe.sti("m").toStdString());
    ASSERT_EQ(liste.size(), 10u);
    const auto find = [&](const std::string& navn) {
        return *std::find_if(liste.begin(), liste.end(),
                             [&](const Entry& e) { return e.name == navn; });
    };
    EXPECT_EQ(find("link").kind, Entry::Folder);
    EXPECT_EQ(find("brudt").kind, Entry::Other);
    EXPECT_EQ(find("c.txt").kind, Entry::File);
    EXPECT_TRUE(find(".skjult").hidden);
    EXPECT_TRUE(find("listet").hidden);
    EXPECT_FALSE(find("A").hidden);
    EXPECT_EQ(find("r\xe6v").kind, Entry::File);
    std::vector<std::string> synlige;
    for (const Entry& e : liste)
        if (e.name != ".hidden" && e.name != ".skjult" && e.name != "r\xe6v")
            synlige.push_back(e.name);
    std::sort(synlige.begin(), synlige.end());
    EXPECT_EQ(synlige,
              std::vector<std::string>({"A", "Mappe", "b", "brudt", "c.txt", "link", "listet"}));
    EXPECT_TRUE(p.listFolder(mappe.sti("mangler").toStdString()).empty());
}

TEST(PosixMapper, TheRootIsAFixedDriveWithItsSpace)
{
    PosixPlatform p;
    const std::vector<Platform::Drive> drev = p.drives();
    ASSERT_FALSE(drev.empty());
    EXPECT_EQ(drev.front().root, "/");
    EXPECT_EQ(drev.front().type, Platform::DriveType::Fixed);
    EXPECT_EQ(p.driveOf("/usr/share").root.empty(), false);
    const Platform::DriveSpace plads = p.driveSpace("/");
    EXPECT_GT(plads.size, 0);
    EXPECT_GE(plads.free, 0);
    EXPECT_EQ(p.driveSpace("/findes/ikke").size, -1);
}

TEST(PosixMapper, SpecialFoldersAreTheDesktopsOwnWhenTheyExist)
{
    Testmappe mappe;
    const QByteArray hjem = qgetenv("HOME");
    const QByteArray config = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", mappe.sti("hjem").toLocal8Bit());
    qunsetenv("XDG_CONFIG_HOME");
    // QStandardPaths' test mode, which the tests run in, reads no user-dirs.dirs.
    QDir().mkpath(mappe.sti("hjem/Desktop"));
    QDir().mkpath(mappe.sti("hjem/Contacts"));
    PosixPlatform p;
    EXPECT_EQ(p.specialFolder(Platform::SpecialFolder::Desktop),
              mappe.sti("hjem/Desktop").toStdString());
    EXPECT_EQ(p.specialFolder(Platform::SpecialFolder::Contacts),
              mappe.sti("hjem/Contacts").toStdString());
    EXPECT_TRUE(p.specialFolder(Platform::SpecialFolder::Music).empty());
    EXPECT_TRUE(p.specialFolder(Platform::SpecialFolder::Favorites).empty());
    qputenv("HOME", hjem);
    if (!config.isEmpty())
        qputenv("XDG_CONFIG_HOME", config);
}

TEST(PosixMapper, AHugeOrPipedHiddenListNeitherStallsNorFillsMemory)
{
    Testmappe mappe;
    for (const char* navn : {"a", "b"})
        mappe.skriv(QStringLiteral("m/") + navn, "x");
    // Names past the first megabyte of the list are not read.
    mappe.skriv("m/.hidden", "a\n" + QByteArray(2 * 1024 * 1024, 'x') + "\nb\n");
    PosixPlatform p;
    const auto skjult = [&](const char* mappenavn, const std::string& navn) {
        for (const Entry& e : p.listFolder(mappe.sti(mappenavn).toStdString()))
            if (e.name == navn)
                return e.hidden;
        return true;
    };
    EXPECT_TRUE(skjult("m", "a"));
    EXPECT_FALSE(skjult("m", "b"));
    // A pipe where the list should be: read from, it would wait for ever.
    mappe.skriv("r/a", "x");
    ASSERT_EQ(mkfifo(mappe.sti("r/.hidden").toLocal8Bit().constData(), 0600), 0);
    EXPECT_FALSE(skjult("r", "a"));
    // A link where the list should be is not followed: it may lead to any file.
    mappe.skriv("l/a", "x");
    ASSERT_TRUE(QFile::link(mappe.sti("m/.hidden"), mappe.sti("l/.hidden")));
    EXPECT_FALSE(skjult("l", "a"));
}

TEST(PosixMapper, FavouritePlacesAreTheFileManagersLocalBookmarksEachOnce)
{
    Testmappe mappe;
    const QByteArray hjem = qgetenv("HOME");
    qputenv("HOME", mappe.sti("hjem").toLocal8Bit());
    // Where Qt has the desktop's settings and data, as the file managers do.
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString rod = mappe.sti("");
    const auto skriv = [](const QString& fil, const QString& tekst) {
        QDir().mkpath(QFileInfo(fil).path());
        QFile f(fil);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(tekst.toUtf8());
    };
    skriv(config + "/gtk-3.0/bookmarks", "file://" + rod + "/Projekter%20%C3%A6\nfile://" + rod +
                                             "/d%F8r D\u00f8r\nsftp://server/hjem Server\n\n");
    skriv(data + "/user-places.xbel",
          "<?xml version=\"1.0\"?>\n<xbel>\n <bookmark href=\"file://" + rod +
              "/Projekter%20%C3%A6\"><title>Igen</title></bookmark>\n <bookmark href=\"file://" +
              rod +
              "/Musik\"><title>Min musik</title></bookmark>\n <bookmark "
              "href=\"trash:/\"><title>Papirkurv</title></bookmark>\n <bookmark href=\"file://" +
              rod +
              "/Skjult\"><title>Skjult</title><info><metadata "
              "owner=\"http://freedesktop.org\"><IsHidden>true</IsHidden></metadata></info>"
              "</bookmark>\n</xbel>\n");
    const std::vector<Platform::Place> steder = PosixPlatform().favoritePlaces();
    qputenv("HOME", hjem);
    const std::string r = rod.toStdString();
    EXPECT_EQ(steder, (std::vector<Platform::Place>{{"Projekter æ", r + "/Projekter æ"},
                                                    {"D\xc3\xb8r", r + "/d\xf8r"},
                                                    {"Min musik", r + "/Musik"}}));
}

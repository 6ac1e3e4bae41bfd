#include "Testmappe.h"
#include "posix/PosixPlatform.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QUrl>
#include <gtest/gtest.h>

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
    PosixPlatform platform;
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

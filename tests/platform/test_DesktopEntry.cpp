#include "Testmappe.h"
#include "posix/DesktopEntry.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

struct Linje
{
    const char* exec; // as written in the file
    const char* fil;  // the file opened with it; empty: none
    QStringList argumenter;
};

void PrintTo(const Linje& l, std::ostream* ud)
{
    *ud << l.exec;
}

class ProgramLinjer : public ::testing::TestWithParam<Linje>
{
protected:
    DesktopEntry::Entry laes(const QByteArray& noegler)
    {
        return DesktopEntry::laes(mappe.skriv("app.desktop", "[Desktop Entry]\nType=Application\n" +
                                                                 noegler + "\n[Andet]\nExec=x\n"));
    }
    Testmappe mappe;
};

} // namespace

TEST_P(ProgramLinjer, AreUnquotedAndTheirFieldCodesExpanded)
{
    const Linje& l = GetParam();
    const DesktopEntry::Entry e = laes(QByteArray("Name=Billeder\nIcon=gimp\nExec=") + l.exec);
    ASSERT_TRUE(e.valid);
    EXPECT_EQ(e.execLine, QString::fromUtf8(l.exec).trimmed());
    const QStringList ventet = l.argumenter.isEmpty()
                                   ? QStringList{}
                                   : QStringList(l.argumenter).replaceInStrings("<k>", e.location);
    EXPECT_EQ(DesktopEntry::medFil(e, QString::fromUtf8(l.fil)), ventet);
}

INSTANTIATE_TEST_SUITE_P(
    Tabellen, ProgramLinjer,
    ::testing::Values(Linje{"vlc --started-from-file %U",
                            "/m/a b.mkv",
                            {"vlc", "--started-from-file", "/m/a b.mkv"}},
                      Linje{"prog --file=%f", "/m/a b.mkv", {"prog", "--file=/m/a b.mkv"}},
                      Linje{"prog --file=%f", "", {"prog", "--file="}},
                      Linje{"prog %f", "", {"prog"}}, Linje{"gedit", "/a.txt", {"gedit", "/a.txt"}},
                      Linje{R"("/opt/Mit Program/run" "a \\"b\\"" x)",
                            "",
                            {"/opt/Mit Program/run", "a \"b\"", "x"}},
                      // The string escapes come first: \s is a blank, so it separates.
                      Linje{R"(foo\sbar)", "", {"foo", "bar"}},
                      Linje{R"("foo\sbar")", "", {"foo bar"}},
                      Linje{R"(a\tb	c)", "", {"a", "b", "c"}},
                      // Four backslashes are one, and a quoted dollar sign stays a dollar sign.
                      Linje{R"(echo "\\\\" "\\$HOME" "\\`")", "", {"echo", "\\", "$HOME", "`"}},
                      Linje{"app 100%% %%f", "", {"app", "100%", "%f"}},
                      Linje{"gimp %f %i --x=%c",
                            "/b/c d.png",
                            {"gimp", "/b/c d.png", "--icon", "gimp", "--x=Billeder"}},
                      Linje{"app %c %k", "", {"app", "Billeder", "<k>"}},
                      Linje{"app %d %D %n %N %v %m %u", "/f", {"app", "/f"}},
                      Linje{"  app   \"\"  x  ", "", {"app", "", "x"}}));

TEST_F(ProgramLinjer, BrokenOrHostileLinesAreNoProgramLine)
{
    const char* daarlige[] = {
        "prog \"unbalanced", "prog %", "prog --x=%", "prog %z", "\"\\\"", "", "   "};
    for (const char* exec : daarlige) {
        const DesktopEntry::Entry e = laes(QByteArray("Exec=") + exec);
        EXPECT_FALSE(e.valid) << exec;
    }
    EXPECT_FALSE(laes("Name=Ingen").valid);
    // Longer than the kernel takes as one argument.
    EXPECT_FALSE(laes("Exec=prog " + QByteArray(200 * 1024, 'a')).valid);
    EXPECT_TRUE(laes("Exec=prog " + QByteArray(100 * 1024, 'a')).valid);
}

TEST_F(ProgramLinjer, AHugeOrBinaryFileIsReadOnlyAsFarAsAnEntryGoes)
{
    QByteArray stor = "[Desktop Entry]\nExec=prog %f\nIcon=ikon\n";
    stor += QByteArray(16 * 1024 * 1024, '\0');
    stor += "\nIcon=sidst\n";
    const DesktopEntry::Entry e = DesktopEntry::laes(mappe.skriv("stor.desktop", stor));
    EXPECT_TRUE(e.valid);
    EXPECT_EQ(e.icon, "ikon");
    const DesktopEntry::Entry tom =
        DesktopEntry::laes(mappe.skriv("binaer.desktop", QByteArray(1000, '\xff')));
    EXPECT_FALSE(tom.valid);
}

TEST_F(ProgramLinjer, TheNameInTheUsersLanguageAndALinksAddress)
{
    QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark));
    DesktopEntry::Entry e = laes("Name=Editor\nName[da]=Redigering\nName[de]=Bearbeiten\nExec=e");
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(e.name, "Redigering");
    e = laes("Name=Side\nType=Link\nURL=https://example.org/a\\sb");
    EXPECT_FALSE(e.valid);
    EXPECT_EQ(e.url, "https://example.org/a b");
}

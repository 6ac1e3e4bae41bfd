#include "Testmappe.h"
#include "posix/DesktopEntry.h"
#include "posix/PosixPlatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

namespace {

// A home of its own and no system-wide programs, so that every association is the test's.
class PosixShell : public ::testing::Test
{
protected:
    PosixShell()
        : gammelHome(qgetenv("HOME")), gamleData(qgetenv("XDG_DATA_DIRS")),
          gammelConfig(qgetenv("XDG_CONFIG_DIRS"))
    {
        qputenv("HOME", mappe.sti("hjem").toLocal8Bit());
        qputenv("XDG_DATA_DIRS", mappe.sti("system").toLocal8Bit());
        qputenv("XDG_CONFIG_DIRS", mappe.sti("system-config").toLocal8Bit());
        // The MIME database is found through the same folders; keep the system's.
        QDir().mkpath(mappe.sti("system"));
        QFile::link("/usr/share/mime", mappe.sti("system/mime"));
    }
    ~PosixShell() override
    {
        qputenv("HOME", gammelHome);
        qputenv("XDG_DATA_DIRS", gamleData);
        qputenv("XDG_CONFIG_DIRS", gammelConfig);
    }
    QString program(const QString& navn, const QString& exec)
    {
        const QString d = QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
        QDir().mkpath(d);
        QFile f(d + "/" + navn);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(("[Desktop Entry]\nType=Application\nName=Test\nExec=" + exec + "\n").toUtf8());
        return f.fileName();
    }
    void standard(const QString& mime, const QString& id)
    {
        const QString d = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        QDir().mkpath(d);
        QFile f(d + "/mimeapps.list");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Append));
        f.write(("[Default Applications]\n" + mime + "=" + id + ";\n").toUtf8());
    }
    // An entry outside the folders of programs, executable or not.
    QString entry(const QString& relativ, const QByteArray& noegler, bool koerbar)
    {
        const QString fil = mappe.skriv(relativ, "[Desktop Entry]\nType=Application\n" + noegler);
        QFile::setPermissions(fil, QFile::ReadOwner | QFile::WriteOwner |
                                       (koerbar ? QFile::ExeOwner : QFile::Permissions()));
        return fil;
    }
    int aabn(const QString& fil, const char* verb = "open")
    {
        return platform.shellExecute(verb, fil.toStdString(), "", "");
    }
    static bool venterPaa(const QString& fil)
    {
        return QTest::qWaitFor([&] { return QFile::exists(fil); }, 5000);
    }

    Testmappe mappe;
    PosixPlatform platform;
    QByteArray gammelHome, gamleData, gammelConfig;
};

} // namespace

TEST_F(PosixShell, AnExecutableScriptRunsInItsOwnFolder)
{
    const QString script = mappe.skriv("bin/mærke.sh", "#!/bin/sh\npwd > sted\n");
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_GT(platform.shellExecute("open", script.toStdString(), "", ""), 32);
    ASSERT_TRUE(venterPaa(mappe.sti("bin/sted")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !mappe.laes("bin/sted").isEmpty(); }, 5000));
    EXPECT_EQ(mappe.laes("bin/sted").trimmed(), QDir(mappe.sti("bin")).canonicalPath().toUtf8());
}

TEST_F(PosixShell, MissingFilesFoldersAndUnreadableFilesGiveWindowsNumbers)
{
    EXPECT_EQ(platform.shellExecute("open", mappe.sti("mangler.txt").toStdString(), "", ""), 2);
    EXPECT_EQ(platform.shellExecute("open", mappe.sti("ingen/mappe/x.txt").toStdString(), "", ""),
              3);
    EXPECT_EQ(platform.shellExecute("open", "cmd", "/K mangler.bat", mappe.sti("").toStdString()),
              2);
}

TEST_F(PosixShell, AFileTypeWithoutAnyProgramGives31)
{
    const QString fil = mappe.skriv("dok/noter.txt", "hej");
    EXPECT_EQ(platform.shellExecute("open", fil.toStdString(), "", ""), 31);
    EXPECT_EQ(platform.shellExecute("edit", fil.toStdString(), "", ""), 31);
}

TEST_F(PosixShell, OtherFilesOpenInTheDefaultProgramOfTheirType)
{
    const QString maerke = mappe.sti("åbnet");
    program("tavlum-test.desktop", "cp %f \"" + maerke + "\"");
    standard("text/plain", "tavlum-test.desktop");
    const QString fil = mappe.skriv("dok/noter med mellemrum.txt", "indhold");
    EXPECT_GT(platform.shellExecute("open", fil.toStdString(), "", ""), 32);
    ASSERT_TRUE(venterPaa(maerke));
    EXPECT_TRUE(QTest::qWaitFor([&] { return mappe.laes("åbnet") == "indhold"; }, 5000));
}

TEST_F(PosixShell, AFileWhoseNamesAreNotTextOpensWithEveryByteAndIsAFolderToStartIn)
{
    const QString maerke = mappe.sti("åbnet");
    program("tavlum-test.desktop", "cp %f \"" + maerke + "\"");
    standard("text/plain", "tavlum-test.desktop");
    const std::string mappen = mappe.sti("").toStdString() + "/d\xf8r";
    const std::string fil = mappen + "/noter\xe9.txt";
    ASSERT_TRUE(platform.makeFolder(mappen));
    ASSERT_TRUE(platform.copyFile(mappe.skriv("kilde.txt", "indhold").toStdString(), fil, {}));
    EXPECT_GT(platform.shellExecute("open", "noter\xe9.txt", "", mappen), 32);
    ASSERT_TRUE(venterPaa(maerke));
    EXPECT_TRUE(QTest::qWaitFor([&] { return mappe.laes("åbnet") == "indhold"; }, 5000));

    const std::string foer = platform.currentFolder();
    ASSERT_TRUE(platform.setCurrentFolder(mappen));
    EXPECT_EQ(platform.currentFolder(), mappen);
    platform.setCurrentFolder(foer);
    platform.deletePermanently(mappen);
}

TEST_F(PosixShell, ADesktopEntryIsLaunchedAsItSays)
{
    const QString maerke = mappe.sti("startet");
    const QString entry = program("starter.desktop", "touch \"" + maerke + "\" %U");
    EXPECT_GT(platform.shellExecute("open", entry.toStdString(), "", ""), 32);
    EXPECT_TRUE(venterPaa(maerke));
}

// Runs a batch script command from the folder "spil" in a stand-in terminal
// that records how it was asked to run it: its folder, then one line per argument.
namespace {
QStringList iTerminal(Testmappe& mappe, PosixPlatform& platform, const std::string& kommando,
                      const std::string& verb = "open")
{
    const QString log = mappe.sti("terminal.log");
    QFile::remove(log);
    const QString terminal = mappe.skriv(
        "bin/x-terminal-emulator", ("#!/bin/sh\npwd > '" + log +
                                    "'\nfor a in \"$@\"; do echo \"[$a]\" >> '" + log + "'; done\n")
                                       .toUtf8());
    QFile::setPermissions(terminal, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray gammelPath = qgetenv("PATH");
    qputenv("PATH", mappe.sti("bin").toLocal8Bit() + ":" + gammelPath);
    const int svar = platform.shellExecute(verb, "cmd", kommando, mappe.sti("spil").toStdString());
    qputenv("PATH", gammelPath);
    EXPECT_GT(svar, 32);
    // The terminal's own options, then sh and the script.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return QString::fromUtf8(mappe.laes("terminal.log")).endsWith("]\n") &&
                     mappe.laes("terminal.log").count('\n') >= 8; },
        5000));
    QStringList linjer = QString::fromUtf8(mappe.laes("terminal.log")).split('\n');
    linjer.removeLast();
    return linjer;
}
void udfoerbar(const QString& fil)
{
    QFile::setPermissions(fil, QFile::permissions(fil) | QFile::ExeOwner);
}
} // namespace

TEST_F(PosixShell, AScriptWithoutTheExecuteBitRunsOnlyConfirmedOrOnceMarkedTrusted)
{
    const QString script = mappe.skriv("spil/hentet.sh", "echo hej\n");
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(platform.shellExecute("open", "cmd", "/K hentet.sh", mappe.sti("spil").toStdString()),
              Platform::UntrustedEntry);
    EXPECT_EQ(iTerminal(mappe, platform, "/K hentet.sh", "openConfirmed").size(), 8);
    EXPECT_FALSE(QFileInfo(script).permissions() & QFile::ExeOwner);

    EXPECT_TRUE(platform.markTrusted(script.toStdString()));
    // The owner's bit only, as the file managers set it.
    EXPECT_EQ(QFileInfo(script).permissions() &
                  (QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther),
              QFile::ExeOwner);
    EXPECT_EQ(iTerminal(mappe, platform, "/K hentet.sh").size(), 8);
    EXPECT_FALSE(platform.markTrusted(mappe.sti("spil/mangler.sh").toStdString()));
}

TEST_F(PosixShell, ABatchScriptRunsInATerminalFromTheCurrentFolderAsOneArgument)
{
    udfoerbar(mappe.skriv("spil/mit spil.sh", "echo hej\n"));
    const QStringList linjer = iTerminal(mappe, platform, "/K mit spil.sh");
    ASSERT_EQ(linjer.size(), 8);
    EXPECT_EQ(linjer[0], QDir(mappe.sti("spil")).canonicalPath());
    EXPECT_EQ(linjer[1], "[-e]");
    EXPECT_EQ(linjer[7], "[" + mappe.sti("spil/mit spil.sh") + "]");
}

TEST_F(PosixShell, ABatchScriptsNameEndsAtTheLastSpaceThatLeavesAFileAndItsArgumentsFollow)
{
    udfoerbar(mappe.skriv("spil/mit spil.sh", "echo hej\n"));
    mappe.skriv("spil/mit", "echo nej\n");
    const QString script = "[" + mappe.sti("spil/mit spil.sh") + "]";
    // The longest name that is a file wins; arguments in double quotes stay
    // whole, as the Windows shell reads them.
    EXPECT_EQ(iTerminal(mappe, platform, "/K mit spil.sh -x \"to ord\"").mid(7),
              (QStringList{script, "[-x]", "[to ord]"}));
    // A whole rest that names a file is the script, spaces and all.
    udfoerbar(mappe.skriv("spil/mit spil.sh -x", "echo ogsaa\n"));
    EXPECT_EQ(iTerminal(mappe, platform, "/K mit spil.sh -x").mid(7),
              (QStringList{"[" + mappe.sti("spil/mit spil.sh -x") + "]"}));
}

TEST_F(PosixShell, FirstIconOfAFileByItsKind)
{
    const QString entry = program("med-ikon.desktop", "true");
    QFile f(entry);
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("Icon=accessories-calculator\n");
    f.close();
    const auto tema = platform.firstIcon(entry.toStdString());
    EXPECT_EQ(tema.kind, Platform::FileIcon::ThemeName);
    EXPECT_EQ(tema.name, "accessories-calculator");

    const QString program = mappe.skriv("bin/spil", "#!/bin/sh\n");
    QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(platform.firstIcon(program.toStdString()).kind, Platform::FileIcon::None);
    EXPECT_EQ(platform.firstIcon(mappe.skriv("a.txt", "x").toStdString()).kind,
              Platform::FileIcon::NotAProgram);
    const auto ico = platform.firstIcon(mappe.skriv("b.ico", "x").toStdString());
    EXPECT_EQ(ico.kind, Platform::FileIcon::Picture);
}

TEST_F(PosixShell, AnEntryFromElsewhereRunsOnlyWhenExecutableOrConfirmed)
{
    const QByteArray exec = "Exec=touch \"" + mappe.sti("%1").toUtf8() + "\"\n";
    const QString hentet =
        entry("Hentet/Faktura.pdf.desktop", QByteArray(exec).replace("%1", "ond"), false);
    EXPECT_EQ(aabn(hentet), Platform::UntrustedEntry);
    EXPECT_EQ(platform.programLine(hentet.toStdString()),
              ("touch \"" + mappe.sti("ond") + "\"").toStdString());
    EXPECT_GT(aabn(hentet, "openConfirmed"), 32);
    EXPECT_TRUE(venterPaa(mappe.sti("ond")));

    EXPECT_GT(aabn(entry("Hentet/egen.desktop", QByteArray(exec).replace("%1", "egen"), true)), 32);
    EXPECT_TRUE(venterPaa(mappe.sti("egen")));
    // The system's programs need no execute bit, a link into their folder neither.
    const QString system =
        entry("system/applications/sys.desktop", QByteArray(exec).replace("%1", "sys"), false);
    EXPECT_GT(aabn(system), 32);
    EXPECT_TRUE(venterPaa(mappe.sti("sys")));
    QFile::link(hentet, mappe.sti("system/applications/link.desktop"));
    EXPECT_EQ(aabn(mappe.sti("system/applications/link.desktop")), Platform::UntrustedEntry);
}

TEST_F(PosixShell, BrokenEntriesAndMissingProgramsHaveTheirOwnNumbers)
{
    EXPECT_EQ(aabn(entry("a.desktop", "Name=Uden\n", true)), Platform::NoProgramLine);
    EXPECT_EQ(aabn(entry("b.desktop", "Exec=prog \"halv\n", true)), Platform::NoProgramLine);
    EXPECT_EQ(aabn(entry("c.desktop", "Exec=prog %\n", true)), Platform::NoProgramLine);
    EXPECT_EQ(aabn(entry("d.desktop", "Exec=tavlum-findes-ikke %f\n", true)),
              Platform::ProgramNotFound);
    EXPECT_EQ(platform.programLine(mappe.skriv("x.txt", "Exec=nej").toStdString()), "");

    const QByteArray gammelPath = qgetenv("PATH");
    qputenv("PATH", mappe.sti("tom").toLocal8Bit());
    udfoerbar(mappe.skriv("spil/spil.sh", "echo hej\n"));
    const int svar =
        platform.shellExecute("open", "cmd", "/K spil.sh", mappe.sti("spil").toStdString());
    qputenv("PATH", gammelPath);
    EXPECT_EQ(svar, Platform::NoTerminal);
    EXPECT_EQ(platform.terminals().front(), "x-terminal-emulator");
}

TEST_F(PosixShell, ALinkEntryOpensItsAddressInTheProgramOfItsScheme)
{
    const QString maerke = mappe.sti("adresse");
    program("browser.desktop", "sh -c \"echo \\\"$1\\\" > '" + maerke + "'\" sh %u");
    standard("x-scheme-handler/https", "browser.desktop");
    const QString link = entry("side.desktop", "Type=Link\nURL=https://example.org/side\n", true);
    EXPECT_GT(aabn(link), 32);
    ASSERT_TRUE(venterPaa(maerke));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return mappe.laes("adresse").trimmed() == "https://example.org/side"; }, 5000));

    // A bare address opens the same way, as the Windows shell opens it; a scheme without a program is 31.
    QFile::remove(maerke);
    EXPECT_GT(aabn("https://example.org/s%C3%B8g?q=a%20b"), 32);
    ASSERT_TRUE(venterPaa(maerke));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return mappe.laes("adresse").trimmed() == "https://example.org/s%C3%B8g?q=a%20b"; },
        5000));
    EXPECT_EQ(aabn("gopher://example.org/"), 31);
}

TEST_F(PosixShell, AScriptsExitStatusAndTextComeBackWhenItEnds)
{
    const QString script = mappe.skriv("Window applets/ingen.sh",
                                       "printf 'Ingen side for \"Lyd\" – æøå\\n'\nexit 3\n");
    std::optional<Platform::ScriptResult> svar;
    platform.runScript(script.toStdString(), [&](const Platform::ScriptResult& r) { svar = r; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return svar.has_value(); }, 5000));
    EXPECT_GT(svar->shellResult, 32);
    EXPECT_EQ(svar->exitStatus, 3);
    EXPECT_EQ(QString::fromStdString(svar->output), "Ingen side for \"Lyd\" – æøå\n");

    svar.reset();
    platform.runScript(mappe.sti("Window applets/væk.sh").toStdString(),
                       [&](const Platform::ScriptResult& r) { svar = r; });
    ASSERT_TRUE(svar.has_value());
    EXPECT_EQ(svar->shellResult, 2);
}

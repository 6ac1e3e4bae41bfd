#include "FakePlatform.h"
#include "SkriptedeBeskeder.h"
#include "Starter.h"
#include "Testmappe.h"

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
    const std::string mappe = o.mappe.sti("spil").toStdString();
    o.starter.executeProg(spil);
    const QString script = o.mappe.skriv("scripts/min fil.sh", "echo hej");
    o.starter.executeProg(script);
    ASSERT_EQ(o.platform.kald.size(), 2u);
    EXPECT_EQ(o.platform.kald[0], (Kald{"open", "cmd", "/K Spil.BAT", "", mappe}));
    EXPECT_EQ(o.platform.kald[1],
              (Kald{"open", "cmd", "/K min fil.sh", "", o.mappe.sti("scripts").toStdString()}));
    EXPECT_TRUE(o.beskeder.beskeder.isEmpty());
}

TEST(Starter, EveryOtherFileGoesToOpenAndMovesTheCurrentFolderOnSuccess)
{
    Opstilling o;
    for (const char* navn : {"a/start.cmd", "b/Genvej.lnk", "c/Side.url", "d/film.mp4"}) {
        const QString fil = o.mappe.skriv(navn, "x");
        o.starter.executeProg(fil);
        EXPECT_EQ(o.platform.kald.back(),
                  (Kald{"open", fil.toStdString(), "", "", o.platform.kald.back().current}));
        EXPECT_EQ(o.platform.current, QFileInfo(fil).absolutePath().toStdString());
    }
    EXPECT_EQ(o.platform.kald[1].current, o.mappe.sti("a").toStdString());
}

TEST(Starter, ARefusalIsShownAndLeavesTheCurrentFolder)
{
    Opstilling o;
    o.platform.shellSvar = 31;
    o.starter.executeProg(o.mappe.skriv("x/bog.pdf", "x"));
    EXPECT_EQ(o.beskeder.beskeder,
              QStringList({"Der er ikke associeret noget program med givne filefternavn."}));
    EXPECT_EQ(o.platform.current, "/");
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

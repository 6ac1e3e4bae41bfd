#include "FakePlatform.h"
#include "Grupper.h"
#include "SkriptedeBeskeder.h"
#include "Starter.h"
#include "Testmappe.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

// A group "Spil" of three elements in a temporary "Filer" folder, as an older
// program left it: no parameter file.
struct Spilgruppe
{
    Testmappe mappe;
    Grupper g;

    Spilgruppe()
    {
        g.DirFiler = mappe.sti("Filer") + QDir::separator();
        mappe.skrivLinjer("Filer/Spil.txt", {"/a/1.exe", "/a/2.exe", "/a/3.exe"});
        mappe.skrivLinjer("Filer/Spiltekst.txt", {"En", "To", "Tre"});
        g.gruppeliste = {"Spil"};
        g.aktiver("Spil");
    }
    QStringList parameterfil() const { return mappe.laesLinjer("Filer/Spilparametre.txt"); }
    bool parameterfilFindes() const
    {
        return QFileInfo::exists(mappe.sti("Filer/Spilparametre.txt"));
    }
};

} // namespace

TEST(Parametre, AnOldGroupHasNoneAndItsChangesWriteNoParameterFile)
{
    Spilgruppe s;
    EXPECT_EQ(s.g.parameterliste, QStringList(3));
    EXPECT_EQ(s.g.parametre(1), "");
    EXPECT_EQ(s.g.startmappe(1), "");
    s.g.tilfoej("/a/4.exe", "Fire");
    s.g.flyt(0, 3);
    s.g.fjern(1);
    ASSERT_EQ(s.g.gemAktiv(), "");
    EXPECT_FALSE(s.parameterfilFindes());
    EXPECT_EQ(s.mappe.laesLinjer("Filer/Spil.txt"),
              (QStringList{"/a/2.exe", "/a/4.exe", "/a/1.exe"}));
}

TEST(Parametre, FollowTheirElementThroughInsertMoveAndDelete)
{
    Spilgruppe s;
    ASSERT_TRUE(s.g.saetParametre(1, "-fuld skærm", "/spil/to"));
    ASSERT_EQ(s.g.gemAktiv(), "");
    EXPECT_EQ(s.parameterfil(), (QStringList{"", "-fuld skærm\t/spil/to", ""}));

    s.g.tilfoej("/a/4.exe", "Fire");
    s.g.flyt(1, 3); // To goes last
    s.g.fjern(0);
    ASSERT_EQ(s.g.gemAktiv(), "");
    EXPECT_EQ(s.parameterfil(), (QStringList{"", "", "-fuld skærm\t/spil/to"}));

    // Read again as at the next start.
    Grupper igen;
    igen.DirFiler = s.g.DirFiler;
    igen.gruppeliste = {"Spil"};
    igen.aktiver("Spil");
    EXPECT_EQ(igen.programliste.last(), "/a/2.exe");
    EXPECT_EQ(igen.parametre(2), "-fuld skærm");
    EXPECT_EQ(igen.startmappe(2), "/spil/to");
    EXPECT_EQ(igen.parametre(0), "");
}

TEST(Parametre, AShortOrLongFileIsEvenedOutToTheElements)
{
    Spilgruppe s;
    s.mappe.skrivLinjer("Filer/Spilparametre.txt", {"-a"});
    s.g.aktiver("Spil");
    EXPECT_EQ(s.g.parameterliste, (QStringList{"-a", "", ""}));
    s.mappe.skrivLinjer("Filer/Spilparametre.txt", {"1", "2", "3", "4", "5"});
    s.g.aktiver("Spil");
    EXPECT_EQ(s.g.parameterliste.size(), 3);
    // Only parameters: no TAB, and a start folder holding one keeps it.
    EXPECT_EQ(Grupper::parameterlinje("-x", ""), "-x");
    EXPECT_EQ(Grupper::parameterlinje("a\tb", "/m\tn"), "a b\t/m n");
}

TEST(Parametre, RenameAndDeleteTakeTheFileAlong)
{
    Spilgruppe s;
    ASSERT_TRUE(s.g.saetParametre(0, "-x", ""));
    ASSERT_EQ(s.g.gemAktiv(), "");
    ASSERT_EQ(s.g.omdoebAktiv("Lege"), "");
    EXPECT_FALSE(s.parameterfilFindes());
    EXPECT_EQ(s.mappe.laesLinjer("Filer/Legeparametre.txt"), (QStringList{"-x", "", ""}));
    s.g.aktiver("Lege");
    EXPECT_EQ(s.g.parametre(0), "-x");
    ASSERT_EQ(s.g.sletAktiv(), "");
    EXPECT_FALSE(QFileInfo::exists(s.mappe.sti("Filer/Legeparametre.txt")));
}

TEST(Parametre, NeverTakeAnotherGroupsFile)
{
    Spilgruppe s;
    // A new name may not be one whose files another group's parameter file is.
    EXPECT_NE(s.g.nyGruppeFejl("Spilparametre"), "");
    EXPECT_EQ(s.g.nyGruppeFejl("Parametre"), "");
    // Lists edited by hand can hold both: that group's element file is left alone.
    s.mappe.skrivLinjer("Filer/Spilparametre.txt", {"/b/anden.exe"});
    s.g.gruppeliste = {"Spil", "Spilparametre"};
    s.g.aktiver("Spil");
    EXPECT_EQ(s.g.parameterliste, QStringList(3));
    EXPECT_FALSE(s.g.saetParametre(0, "-x", ""));
    ASSERT_EQ(s.g.gemAktiv(), "");
    EXPECT_EQ(s.parameterfil(), QStringList{"/b/anden.exe"});
}

namespace {

struct Start
{
    Testmappe mappe;
    FakePlatform platform{mappe.sti("Tavlum").toStdString()};
    SkriptedeBeskeder beskeder;
    Starter starter{platform, beskeder};
};

} // namespace

TEST(Parametre, GoToTheShellAsWrittenWithTheStartFolder)
{
    Start s;
    const QString prog = s.mappe.skriv("p/prog", "x");
    const QString mappe = QDir(s.mappe.sti("arbejde")).absolutePath();
    QDir().mkpath(mappe);
    s.starter.executeProg(prog, "-a \"b c\"", mappe);
    ASSERT_EQ(s.platform.kald.size(), 1u);
    EXPECT_EQ(s.platform.kald[0].parameters, "-a \"b c\"");
    EXPECT_EQ(s.platform.kald[0].folder, nativ(mappe));
    // The current folder still follows the launched file, as without a start folder.
    EXPECT_EQ(s.platform.current, nativ(s.mappe.sti("p")));

    // A script from another folder is named by its path, its parameters after it.
    const QString script = s.mappe.skriv("s/Kør.sh", "echo");
    s.starter.executeProg(script, "-v", mappe);
    EXPECT_EQ(s.platform.kald[1], (FakePlatform::Kald{"open", "cmd",
                                                      "/K " + nativ(script) + " -v", "",
                                                      nativ(mappe)}));
    // Without parameters or folder nothing differs from before.
    s.starter.executeProg(script, "", "");
    EXPECT_EQ(s.platform.kald[2].parameters, "/K Kør.sh");
    EXPECT_TRUE(s.beskeder.beskeder.isEmpty());
}

TEST(Parametre, AMissingStartFolderStopsTheLaunch)
{
    Start s;
    const QString prog = s.mappe.skriv("p/prog", "x");
    s.starter.executeProg(prog, "", s.mappe.sti("væk"));
    EXPECT_TRUE(s.platform.kald.empty());
    ASSERT_EQ(s.beskeder.beskeder.size(), 1);
    EXPECT_TRUE(s.beskeder.beskeder[0].startsWith("Startmappen blev ikke fundet!"));
}

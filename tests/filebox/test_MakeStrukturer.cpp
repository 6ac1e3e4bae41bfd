#include "Kaede.h"
#include "opentekstfil.h"

#include <QAction>
#include <QLocale>
#include <QMenu>

TEST_F(Kaede, AnEmptyFolderGivesAnEmptyListAndNothingSelected)
{
    funk.makeStruktur2(mkdir("tom"), true, true);
    EXPECT_TRUE(tekster().isEmpty());
    EXPECT_EQ(funk.antalGrundmapper, 0);
    EXPECT_EQ(funk.antalGrundfiler, 0);
    EXPECT_EQ(liste.valgt(), -1);
    EXPECT_TRUE(funk.Filnavn.isEmpty());
    EXPECT_EQ(funk.Grundmappe, mappe.sti("tom"));
    EXPECT_EQ(skift, QStringList{mappe.sti("tom") + "|"});
}

TEST_F(Kaede, FoldersComeFirstAndTheFirstNodeIsSelectedOnlyWhenThereAreFiles)
{
    mkdir("kun/b");
    mkdir("kun/A");
    funk.makeStruktur2(mappe.sti("kun"), true, true);
    EXPECT_EQ(tekster(), QStringList({"A", "b"}));
    EXPECT_EQ(liste.valgt(), -1);

    mkdir("begge/Under");
    mappe.skriv("begge/a.txt", "x");
    funk.makeStruktur2(mappe.sti("begge"), true, true);
    EXPECT_EQ(tekster(), QStringList({"Under", "a.txt"}));
    EXPECT_EQ(valgtTekst(), "Under");
    EXPECT_TRUE(funk.Filnavn.isEmpty());
    EXPECT_EQ(funk.antalGrundmapper, 1);
    EXPECT_EQ(funk.antalGrundfiler, 1);
    const StrukturRec mappeRec = liste.noder().rec(0);
    EXPECT_EQ(mappeRec.mappe, mappe.sti("begge/Under"));
    EXPECT_TRUE(mappeRec.filnavn.isEmpty());
    EXPECT_EQ(mappeRec.ID, 0);
    const StrukturRec filRec = liste.noder().rec(1);
    EXPECT_EQ(filRec.mappe, mappe.sti("begge"));
    EXPECT_EQ(filRec.filnavn, mappe.sti("begge/a.txt"));
    EXPECT_EQ(filRec.ID, 1);
    EXPECT_EQ(funk.SL(), QStringList({"Under", mappe.sti("begge/Under"), "", "0"}));

    mappe.skriv("filer/b.txt", "x");
    mappe.skriv("filer/a.txt", "x");
    funk.makeStruktur2(mappe.sti("filer"), true, true);
    EXPECT_EQ(valgtTekst(), "a.txt");
    EXPECT_EQ(funk.Filnavn, mappe.sti("filer/a.txt"));
}

TEST_F(Kaede, HiddenEntriesAreLeftOutAndNamesSortByLocaleIgnoringCase)
{
    mappe.skriv("m/.skjult", "x");
    mappe.skriv("m/listet.txt", "x");
    mappe.skriv("m/.hidden", "listet.txt\nUnder\n");
    mkdir("m/Under");
    mkdir("m/.cache");
    for (const char* navn : {"b.txt", "B2.txt", "a.txt", "Æble.txt", "zebra.txt"})
        mappe.skriv(QString::fromUtf8("m/") + QString::fromUtf8(navn), "x");
    const QLocale foer;
    QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark));
    funk.makeStruktur2(mappe.sti("m"), true, true);
    QLocale::setDefault(foer);
    EXPECT_EQ(tekster(), QStringList({"a.txt", "b.txt", "B2.txt", "zebra.txt", "Æble.txt"}));
}

TEST_F(Kaede, TheCurrentFolderIsListedAgainOnlyWithReload)
{
    const QString a = mkdir("A");
    funk.makeStruktur2(a, true, true);
    mappe.skriv("A/ny.txt", "x");
    funk.makeStruktur2(a, true, false);
    EXPECT_TRUE(tekster().isEmpty());
    EXPECT_EQ(funk.historik().liste(), QStringList{a});
    funk.makeStruktur2(a, true, true);
    EXPECT_EQ(tekster(), QStringList{"ny.txt"});
    EXPECT_EQ(funk.historik().liste(), QStringList({a, a}));
    EXPECT_EQ(funk.OldGrundmappe, a);

    funk.makeStruktur2(mappe.sti("mangler"), true, true);
    EXPECT_EQ(funk.Grundmappe, a);
    EXPECT_EQ(funk.historik().liste().size(), 2);
}

TEST_F(Kaede, TheHistoryGoesBackAndForthAndRecordingNeverCutsIt)
{
    const QString a = mkdir("A"), b = mkdir("B"), c = mkdir("C"), d = mkdir("D");
    for (const QString& m : {a, b, c})
        funk.makeStruktur2(m, true, true);
    EXPECT_TRUE(funk.kanGaaTilbage());
    EXPECT_FALSE(funk.kanGaaFrem());
    funk.mappeTilbage();
    EXPECT_EQ(funk.Grundmappe, b);
    EXPECT_TRUE(funk.kanGaaFrem());
    funk.makeStruktur2(d, true, true);
    EXPECT_EQ(funk.historik().liste(), QStringList({a, b, c, d}));
    EXPECT_EQ(funk.historik().index(), 3);
    EXPECT_FALSE(funk.kanGaaFrem());

    funk.mappeFirst();
    EXPECT_EQ(funk.Grundmappe, a);
    EXPECT_FALSE(funk.kanGaaTilbage());
    funk.mappeFrem();
    EXPECT_EQ(funk.Grundmappe, b);
    funk.mappeLast();
    EXPECT_EQ(funk.Grundmappe, d);
    funk.mappeFrem();
    EXPECT_EQ(funk.Grundmappe, d);
    EXPECT_EQ(funk.historik().index(), 3);
}

TEST_F(Kaede, VanishedFoldersLeaveTheHistoryAsNavigationMeetsThem)
{
    const QString a = mkdir("A"), b = mkdir("B"), c = mkdir("C");
    for (const QString& m : {a, b, c})
        funk.makeStruktur2(m, true, true);
    QDir(b).removeRecursively();
    funk.mappeTilbage();
    EXPECT_EQ(funk.Grundmappe, c);
    EXPECT_EQ(funk.historik().liste(), QStringList({a, c}));
    funk.mappeTilbage();
    EXPECT_EQ(funk.Grundmappe, a);

    QDir(c).removeRecursively();
    funk.mappeLast();
    EXPECT_EQ(funk.historik().liste(), QStringList{a});
    EXPECT_EQ(funk.historik().index(), 0);
    QDir(a).removeRecursively();
    funk.makeStruktur2(mkdir("E"), true, true);
    funk.mappeFirst();
    EXPECT_EQ(funk.historik().liste(), QStringList{mappe.sti("E")});

    funk.historik().ryd();
    funk.mappeTilbage();
    EXPECT_EQ(funk.historik().index(), -1);
}

struct Billedtilfaelde
{
    const char* navn;
    int billede;
};

class Billedtabel : public ::testing::TestWithParam<Billedtilfaelde>
{
};

TEST_P(Billedtabel, TheExtensionChoosesThePicture)
{
    EXPECT_EQ(Filmodel::billedindeks(QStringLiteral("/x/") + GetParam().navn), GetParam().billede);
}

INSTANTIATE_TEST_SUITE_P(
    Filliste, Billedtabel,
    ::testing::Values(Billedtilfaelde{"report.PDF", 2}, Billedtilfaelde{"Movie.MP4", 5},
                      Billedtilfaelde{"brev.docx", 20}, Billedtilfaelde{"side.HTML", 23},
                      Billedtilfaelde{"data.xsd", 6}, Billedtilfaelde{"foto.Gif", 3},
                      Billedtilfaelde{"lyd.m4a", 10}, Billedtilfaelde{"a.b.ps1", 26},
                      Billedtilfaelde{"uden", 2}, Billedtilfaelde{"mp4", 2}));

TEST_F(Kaede, TheDriveMenuNamesDrivesByLabelAndChoosingOneListsItsRoot)
{
    const std::string rod = mkdir("usb").toStdString(), d = mkdir("data").toStdString();
    using T = Platform::DriveType;
    platform.drev = {{"/", T::Fixed, "System", "ext4"},
                     {rod, T::Removable, "", "vfat"},
                     {d, T::Fixed, "Data (Backup)", "ext4"},
                     {mkdir("cd").toStdString(), T::CdRom, "Disk", "iso9660"},
                     {mkdir("net").toStdString(), T::Remote, "Net", "nfs"},
                     {mappe.sti("mangler").toStdString(), T::Fixed, "Væk", "ext4"}};
    using P = TMakeStrukturer::Drevpunkt;
    const QString u = QString::fromStdString(rod), dd = QString::fromStdString(d);
    EXPECT_EQ(funk.drevpunkter(),
              QList<P>({{"System (/)", 1, "/"},
                        {" (" + u + ")", 2, u},
                        {"Data (Backup) (" + dd + ")", 2, dd},
                        {"Diskdrev(" + mappe.sti("cd") + ")", 12, mappe.sti("cd")}}));

    QMenu menu;
    Topenfilform::makeDrevTekstMenu(&menu, funk, {});
    ASSERT_EQ(menu.actions().size(), 4);
    menu.actions().at(2)->trigger();
    EXPECT_EQ(funk.Grundmappe, dd);
    EXPECT_TRUE(funk.historik().liste().isEmpty());
    menu.actions().at(1)->trigger();
    EXPECT_EQ(funk.Grundmappe, u);
}

TEST_F(Kaede, AVanishedFolderIsReportedAndTheNearestFolderLeftIsListed)
{
    const QString inde = mkdir("ude/inde");
    funk.makeStruktur2(inde, true, true);
    QDir(inde).removeRecursively();
    funk.reloadStrukturer();
    EXPECT_EQ(
        beskeder.beskeder,
        QStringList{"Mappen eller drevet eksisterer ikke.\rStrukturene vil blive genindlæst."});
    EXPECT_EQ(funk.Grundmappe, mappe.sti("ude"));
}

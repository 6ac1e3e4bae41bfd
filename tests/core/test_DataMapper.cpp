#include "DataMapper.h"
#include "FakePlatform.h"
#include "Testmappe.h"

#include <QFileInfo>
#include <gtest/gtest.h>

TEST(DataMapper, MakesTheUserFolderAndItsFilerFolder)
{
    Testmappe mappe;
    FakePlatform platform(mappe.sti("Tavlum").toStdString());
    const DataMapper m = DataMapper::lav(platform);
    EXPECT_EQ(m.brugernavn, "kontor");
    EXPECT_EQ(m.Dir.toStdString(), nativ(mappe.sti("Tavlum/Brugere/kontor")));
    EXPECT_EQ(m.DirFiler.toStdString(), nativ(mappe.sti("Tavlum/Brugere/kontor/Filer/")));
    EXPECT_EQ(m.ikonDir.toStdString(), nativ(mappe.sti("Tavlum/Ikoner")));
    EXPECT_EQ(m.appletsDir.toStdString(), nativ(mappe.sti("Tavlum/Window applets/")));
    EXPECT_EQ(m.strukturDir.toStdString(), nativ(mappe.sti("Tavlum/Struktur/")));
    EXPECT_EQ(m.optFilnavn.toStdString(), nativ(mappe.sti("Tavlum/Brugere/kontor/options.txt")));
    EXPECT_EQ(m.reopenFilnavn.toStdString(), nativ(mappe.sti("Tavlum/Brugere/kontor/reopen.txt")));
    EXPECT_EQ(m.gruppefilnavn.toStdString(), nativ(mappe.sti("Tavlum/Brugere/kontor/programgrupper.txt")));
    EXPECT_EQ(m.lagerfilnavn.toStdString(), nativ(mappe.sti("Tavlum/Brugere/kontor/lagergrupper.txt")));
    EXPECT_TRUE(QFileInfo(mappe.sti("Tavlum/Brugere/kontor/Filer")).isDir());
}

TEST(DataMapper, NoUserNameMeansAlleBrugere)
{
    Testmappe mappe;
    FakePlatform platform(mappe.sti("Tavlum").toStdString());
    platform.user.clear();
    EXPECT_EQ(DataMapper::lav(platform).Dir.toStdString(), nativ(mappe.sti("Tavlum/Brugere/Alle brugere")));
}

TEST(DataMapper, CopiesWhatIsMissingAndNeverOverwrites)
{
    Testmappe mappe;
    mappe.skriv("saet/Struktur/Tavlum/struktur.txt", "ny\r\n");
    mappe.skriv("saet/Ikoner/exe_ikon.ico", "ikon");
    mappe.skriv("base/Struktur/Tavlum/struktur.txt", "brugerens\r\n");
    DataMapper::kopierDatasaet(mappe.sti("saet"), mappe.sti("base"));
    EXPECT_EQ(mappe.laes("base/Struktur/Tavlum/struktur.txt"), QByteArray("brugerens\r\n"));
    EXPECT_EQ(mappe.laes("base/Ikoner/exe_ikon.ico"), QByteArray("ikon"));
    DataMapper::kopierDatasaet(mappe.sti("findes-ikke"), mappe.sti("base"));
    DataMapper::kopierDatasaet(QString(), mappe.sti("base"));
}

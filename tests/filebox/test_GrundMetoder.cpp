#include "Dansk.h"
#include "Kaede.h"

TEST(GrundMetoder, SizeTextsChooseTheUnitByTheNumberOfDigits)
{
    const Dansk dansk;
    EXPECT_EQ(TGrundMetoder::getSizeString(0), "0 bytes (0 bytes)");
    EXPECT_EQ(TGrundMetoder::getSizeString(512), "512 bytes (512 bytes)");
    EXPECT_EQ(TGrundMetoder::getSizeString(999), "999 bytes (999 bytes)");
    EXPECT_EQ(TGrundMetoder::getSizeString(1000), "0,98 KB (1.000 bytes)");
    EXPECT_EQ(TGrundMetoder::getSizeString(1536), "1,50 KB (1.536 bytes)");
    EXPECT_EQ(TGrundMetoder::getSizeString(1572864), "1,50 MB (1.572.864 bytes)");
    EXPECT_EQ(TGrundMetoder::getSizeString(5368709120), "5,00 GB (5.368.709.120 bytes)");
    EXPECT_EQ(TGrundMetoder::getSizeString(1099511627776), "1,00 TB (1.099.511.627.776 bytes)");
}

TEST(GrundMetoder, TheLastPartOfAPathAndTheRootAsItself)
{
    EXPECT_EQ(TGrundMetoder::getLastDirectory("/data/Billeder"), "Billeder");
    EXPECT_EQ(TGrundMetoder::getLastDirectory("/data/Billeder/"), "Billeder");
    EXPECT_EQ(TGrundMetoder::getLastDirectory("/"), "/");
    EXPECT_EQ(TGrundMetoder::getLastDirectory("C:"), "C:");
}

TEST(GrundMetoder, KindsGoByTheExtensionWithItsDotIgnoringCase)
{
    EXPECT_TRUE(TGrundMetoder::erDetEnBilledfil(".JPG"));
    EXPECT_FALSE(TGrundMetoder::erDetEnBilledfil("jpg"));
    EXPECT_TRUE(TGrundMetoder::erDetEnMusikfil(".M4a"));
    EXPECT_FALSE(TGrundMetoder::erDetEnMusikfil(".wav"));
    EXPECT_TRUE(TGrundMetoder::erDetEnVideofil(".mp4"));
    EXPECT_FALSE(TGrundMetoder::erDetEnVideofil(".avi"));
    EXPECT_TRUE(TGrundMetoder::erDetEnTekstfil(".PS1"));
    EXPECT_FALSE(TGrundMetoder::erDetEnTekstfil(".docx"));
    EXPECT_EQ(TGrundMetoder::extension("/a.b/noter"), "");
    EXPECT_EQ(TGrundMetoder::extension("/a/arkiv.tar.gz"), ".gz");
}

TEST_F(Kaede, FreeNamesCountUpFromOne)
{
    const QString noter = mappe.skriv("a/noter", "x");
    EXPECT_EQ(funk.getNewFilename(noter, " Kopi"), mappe.sti("a/noter Kopi (1)"));
    const QString brev = mappe.skriv("a/brev.txt", "x");
    mappe.skriv("a/brev Kopi (1).txt", "x");
    EXPECT_EQ(funk.getNewFilename(brev, " Kopi"), mappe.sti("a/brev Kopi (2).txt"));
    EXPECT_EQ(funk.getNewFilename(mappe.sti("a/ny.txt"), " Kopi"), mappe.sti("a/ny.txt"));

    const QString ny = mkdir("a/Ny mappe");
    mkdir("a/Ny mappe (1)");
    EXPECT_EQ(funk.getNewDirectoryName(ny, ""), mappe.sti("a/Ny mappe (2)"));
}

TEST_F(Kaede, DriveTypesAndLabelsComeFromTheDriveAPathLiesOn)
{
    using T = Platform::DriveType;
    platform.drev = {
        {"/", T::Fixed, "System", "ext4"},      {"/media/usb", T::Removable, "Pind", "vfat"},
        {"/media/cd", T::CdRom, "", "iso9660"}, {"/mnt/ram", T::RamDisk, "", "tmpfs"},
        {"/mnt/net", T::Remote, "", "nfs"},     {"/mnt/x", T::Unknown, "", "zfs"}};
    EXPECT_EQ(funk.getDrevType("/"), 2);
    EXPECT_EQ(funk.getDrevType("/media/usb"), 1);
    EXPECT_EQ(funk.getDrevType("/media/cd"), 3);
    EXPECT_EQ(funk.getDrevType("/mnt/ram"), 4);
    EXPECT_EQ(funk.getDrevType("/mnt/net"), 5);
    EXPECT_EQ(funk.getDrevType("/mnt/x"), 0);
    EXPECT_EQ(funk.getVolumeLabel("/media/usb"), "Pind");
    platform.drev.clear();
    EXPECT_EQ(funk.getDrevType("/"), 0);
}

TEST_F(Kaede, TheSelectedNodeGivesItsFolderAndTakesNewPaths)
{
    mkdir("g/Under");
    mappe.skriv("g/a.txt", "x");
    funk.makeStruktur2(mappe.sti("g"), true, true);
    EXPECT_TRUE(funk.IsSelectedDirectory());
    EXPECT_EQ(funk.getSourcemappe(), mappe.sti("g"));
    liste.vaelg(1);
    EXPECT_FALSE(funk.IsSelectedDirectory());
    EXPECT_EQ(funk.getSourcemappe(), mappe.sti("g"));
    funk.setSelectedDataFilnavn(mappe.sti("g/b.txt"));
    EXPECT_EQ(funk.Filnavn, mappe.sti("g/b.txt"));
    EXPECT_EQ(liste.noder().rec(1).filnavn, mappe.sti("g/b.txt"));
    liste.vaelg(0);
    funk.setSelectedDataMappe(mappe.sti("g/Over"));
    EXPECT_EQ(liste.noder().rec(0).mappe, mappe.sti("g/Over"));
    liste.vaelg(-1);
    EXPECT_FALSE(funk.IsSelectedDirectory());
    EXPECT_TRUE(funk.getSourcemappe().isEmpty());
}

TEST_F(Kaede, TheFolderUnderTheMouseIsSelectedOrGrundmappeWhenThereIsNone)
{
    mkdir("g/Under");
    mappe.skriv("g/a.txt", "x");
    liste.resize(200, 200);
    funk.makeStruktur2(mappe.sti("g"), true, true);
    const QRect fil = liste.visualRect(liste.noder().index(1));
    EXPECT_EQ(funk.getFocusFilDirectory(fil.center().x(), fil.center().y()), mappe.sti("g"));
    EXPECT_EQ(liste.valgt(), 1);
    EXPECT_EQ(funk.getFocusFilDirectory(5, 190), mappe.sti("g"));
    const QRect under = liste.visualRect(liste.noder().index(0));
    EXPECT_EQ(funk.getFocusFilDirectory(under.center().x(), under.center().y()),
              mappe.sti("g/Under"));
    EXPECT_EQ(funk.Bibmappe, mappe.sti("g/Under"));
}

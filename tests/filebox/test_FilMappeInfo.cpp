#include "Dansk.h"
#include "Fil_info.h"
#include "Filliste.h"
#include "Programtest.h"
#include "functions/Handlinger.h"
#include "opentekstfil.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>

namespace {

class Egenskaber : public Programtest
{
protected:
    Egenskaber()
    {
        startMed({"A"}, "A");
        program->mainform->visFilboks();
        // The icon folder holds only what a test puts there.
        QDir(ikoner()).removeRecursively();
        QDir().mkpath(ikoner());
    }
    Topenfilform& boks() { return program->openfilform(); }
    THandlinger& funk() { return *boks().funk; }
    Tfilinfoform& vindue() { return program->filinfoform(); }
    QString ikoner() const { return program->mainform->mapper().ikonDir; }
    // An icon file of one colour, as the icon folder holds them.
    void ikonfil(const QString& key, Qt::GlobalColor farve)
    {
        QImage billede(32, 32, QImage::Format_ARGB32);
        billede.fill(farve);
        QImageWriter(program->mainform->makeIconFilnavn(key), "ico").write(billede);
    }
    QColor ikonfarve() { return vindue().ikonBox->pixmap().toImage().pixelColor(16, 16); }
    void liste(const QString& mappen) { boks().visMappe(mappen); }
    void vaelgTekst(const QString& tekst)
    {
        for (int i = 0; i < boks().openbox->antal(); ++i)
            if (boks().openbox->noder().tekst(i) == tekst)
                boks().openbox->vaelg(i);
    }
};

} // namespace

TEST_F(Egenskaber, AFileWithoutAKindOrIconFileGetsItsOwnIconOrTheUnknownOne)
{
    ikonfil("ukendt", Qt::red);
    const QString fil = mappe.skriv("docs/rapport.PDF", QByteArray(1536, 'x'));
    const Dansk dansk;
    vindue().showFileInfo(fil);
    EXPECT_TRUE(vindue().isVisible());
    EXPECT_EQ(vindue().windowTitle(), "Fil egenskaber");
    EXPECT_TRUE(vindue().screen()->availableGeometry().contains(vindue().geometry()));
    EXPECT_EQ(vindue().Bog->currentIndex(), 0);
    EXPECT_EQ(vindue().LabelFiltype->text(), "PDF-fil (.pdf)");
    EXPECT_EQ(vindue().EditFilnavn->text(), "rapport.PDF");
    EXPECT_EQ(vindue().EditPath->text(), mappe.sti("docs") + "/");
    EXPECT_EQ(vindue().LabelSize->text(), "1,50 KB (1.536 bytes)");
    EXPECT_EQ(ikonfarve(), QColor(Qt::red));

    QImage blaa(32, 32, QImage::Format_ARGB32);
    blaa.fill(Qt::blue);
    blaa.save(mappe.sti("blaa.png"));
    platform.ikoner[fil.toStdString()] = {
        Platform::FileIcon::Picture, mappe.sti("blaa.png").toStdString(), {}};
    vindue().showFileInfo(fil);
    EXPECT_EQ(ikonfarve(), QColor(Qt::blue));
}

TEST_F(Egenskaber, AWindowsProgramShowsTheUnknownIconUnlessItsExtensionHasAnIconFile)
{
    ikonfil("ukendt", Qt::red);
    const QString exe = mappe.skriv("setup.exe", "MZ");
    platform.ikoner[exe.toStdString()] = {Platform::FileIcon::ThemeName, "folder", {}};
    vindue().showFileInfo(exe);
    EXPECT_EQ(ikonfarve(), QColor(Qt::red));
    EXPECT_EQ(vindue().LabelFiltype->text(), "EXE-fil (.exe)");
    ikonfil("exe", Qt::green);
    vindue().showFileInfo(exe);
    EXPECT_EQ(ikonfarve(), QColor(Qt::green));
}

TEST_F(Egenskaber, AKindIconStandsInForTheExtensionAndItsTextLeadsTheType)
{
    ikonfil("film", Qt::yellow);
    const QString film = mappe.skriv("ferie.mp4", "x");
    vindue().showFileInfo(film);
    EXPECT_EQ(vindue().LabelFiltype->text(), "Videofil: MP4-fil (.mp4)");
    EXPECT_EQ(ikonfarve(), QColor(Qt::yellow));
    // Without the kind's icon file the window still opens.
    vindue().showFileInfo(mappe.skriv("sang.m4a", "x"));
    EXPECT_TRUE(vindue().isVisible());
    EXPECT_EQ(vindue().LabelFiltype->text(), "Musikfil: M4A-fil (.m4a)");
    EXPECT_FALSE(vindue().ikonBox->pixmap().isNull());
    EXPECT_TRUE(beskeder.beskeder.isEmpty());
}

TEST_F(Egenskaber, AFileThatIsGoneClosesTheWindowWithAMessage)
{
    vindue().showFileInfo(mappe.skriv("a.txt", "x"));
    ASSERT_TRUE(vindue().isVisible());
    vindue().showFileInfo(mappe.sti("væk.txt"));
    EXPECT_FALSE(vindue().isVisible());
    EXPECT_EQ(beskeder.beskeder, QStringList{"Der opstod en fejl.\rFilen er muligvist i brug."});
}

TEST_F(Egenskaber, TheUserCannotLeaveTheTabThatIsShown)
{
    vindue().showFileInfo(mappe.skriv("a.txt", "x"));
    vindue().Bog->setCurrentIndex(2);
    EXPECT_EQ(vindue().Bog->currentIndex(), 0);
    vindue().showDriveInfo(mappe.sti(""));
    vindue().Bog->setCurrentIndex(0);
    EXPECT_EQ(vindue().Bog->currentIndex(), 1);
    EXPECT_EQ(vindue().windowTitle(), "Drev egenskaber");
}

TEST_F(Egenskaber, TheWindowWidensAndNarrowsWithinItsLimits)
{
    vindue().showFileInfo(mappe.skriv("a.txt", "x"));
    EXPECT_EQ(vindue().size(), QSize(345, 349));
    EXPECT_TRUE(vindue().aUdfold->isEnabled());
    EXPECT_FALSE(vindue().aSammenfold->isEnabled());
    vindue().aUdfold->trigger();
    EXPECT_EQ(vindue().width(), 485);
    EXPECT_TRUE(vindue().aSammenfold->isEnabled());
    while (vindue().aUdfold->isEnabled())
        vindue().aUdfold->trigger();
    EXPECT_EQ(vindue().width(), 2025);
    vindue().aSammenfold->trigger();
    EXPECT_EQ(vindue().width(), 350);
    EXPECT_FALSE(vindue().aSammenfold->isEnabled());
}

TEST_F(Egenskaber, ReadOnlyIsTheOwnersWritePermissionAndApplyingIt)
{
    const QString fil = mappe.skriv("l/brev.txt", "x");
    ASSERT_EQ(funk().skrivAttributter(fil, true, false), "");
    EXPECT_FALSE(QFileInfo(fil).permissions() & QFileDevice::WriteOwner);
    liste(mappe.sti("l"));
    vindue().showFileInfo(fil);
    EXPECT_TRUE(vindue().cbReadOnly->isChecked());
    EXPECT_FALSE(vindue().cbHidden->isChecked());
    EXPECT_TRUE(vindue().aAnvend->isEnabled());

    vindue().cbReadOnly->click();
    vindue().Button1->click();
    EXPECT_TRUE(QFile::permissions(fil) & QFileDevice::WriteOwner);
    EXPECT_TRUE(QFile::permissions(fil) & QFileDevice::ReadOwner);
    EXPECT_FALSE(vindue().aAnvend->isEnabled());
    EXPECT_FALSE(vindue().Button1->isEnabled());
    // Filling the window again leaves the button as it is; a click on a box enables it.
    vindue().showFileInfo(fil);
    EXPECT_FALSE(vindue().aAnvend->isEnabled());
    vindue().cbHidden->click();
    EXPECT_TRUE(vindue().Button1->isEnabled());
    EXPECT_TRUE(beskeder.beskeder.isEmpty());
}

TEST_F(Egenskaber, HiddenIsTheFoldersHiddenListAndTheFileLeavesTheFileBox)
{
    const QString fil = mappe.skriv("h/brev.txt", "x");
    mappe.skriv("h/andet.txt", "x");
    mappe.skriv("h/.hidden", "andet.txt\r\nnoget\n");
    liste(mappe.sti("h"));
    ASSERT_EQ(boks().openbox->antal(), 1);
    vindue().showFileInfo(fil);
    vindue().cbHidden->click();
    vindue().aAnvend->trigger();
    EXPECT_EQ(mappe.laes("h/.hidden"), "andet.txt\r\nnoget\nbrev.txt\n");
    EXPECT_EQ(boks().openbox->antal(), 0);

    EXPECT_TRUE(funk().laesAttributter(mappe.sti("h/andet.txt"))->skjult);
    ASSERT_EQ(funk().skrivAttributter(mappe.sti("h/andet.txt"), false, false), "");
    EXPECT_EQ(mappe.laes("h/.hidden"), "noget\nbrev.txt\n");
}

TEST_F(Egenskaber, AHiddenListTooLargeForAnyFolderIsNeitherReadNorWrittenOver)
{
    mappe.skriv("h/brev.txt", "x");
    const QByteArray stor = "brev.txt\n" + QByteArray(2 * 1024 * 1024, 'x') + "\n";
    mappe.skriv("h/.hidden", stor);
    EXPECT_FALSE(funk().laesAttributter(mappe.sti("h/brev.txt"))->skjult);
    EXPECT_EQ(funk().skrivAttributter(mappe.sti("h/brev.txt"), true, false), "Der opstod en fejl.");
    EXPECT_EQ(mappe.laes("h/.hidden"), stor);
}

TEST_F(Egenskaber, AHiddenListThatIsALinkOrNoPlainFileIsNeverReadOrWrittenThrough)
{
    // Planted in a shared folder, pointing at one of the user's files.
    const QByteArray speciale = "kapitel 1\nbrev.txt\n";
    const QString maal = mappe.skriv("Dokumenter/speciale.txt", speciale);
    mappe.skriv("delt/brev.txt", "x");
    ASSERT_TRUE(QFile::link(maal, mappe.sti("delt/.hidden")));
    EXPECT_FALSE(funk().laesAttributter(mappe.sti("delt/brev.txt"))->skjult);
    for (const bool skjult : {true, false})
        EXPECT_EQ(funk().skrivAttributter(mappe.sti("delt/brev.txt"), false, skjult),
                  "Mappens liste over skjulte filer (.hidden) er en genvej eller ikke en almindelig "
                  "fil, så Tavlum ændrer den ikke.");
    EXPECT_EQ(mappe.laes("Dokumenter/speciale.txt"), speciale);
    EXPECT_TRUE(QFileInfo(mappe.sti("delt/.hidden")).isSymLink());

    // A folder in the list's place is no list either.
    mappe.skriv("mappe/brev.txt", "x");
    QDir().mkpath(mappe.sti("mappe/.hidden"));
    EXPECT_NE(funk().skrivAttributter(mappe.sti("mappe/brev.txt"), false, true), "");
    EXPECT_TRUE(QFileInfo(mappe.sti("mappe/.hidden")).isDir());
}

TEST_F(Egenskaber, ANameThatBeginsWithADotIsAlwaysHidden)
{
    const QString fil = mappe.skriv(".profil", "x");
    vindue().showFileInfo(fil);
    EXPECT_TRUE(vindue().cbHidden->isChecked());
    EXPECT_FALSE(vindue().cbHidden->isEnabled());
    EXPECT_EQ(vindue().LabelFiltype->text(), "PROFIL-fil (.profil)");
    EXPECT_EQ(funk().skrivAttributter(fil, false, false), "Der opstod en fejl.");
    EXPECT_FALSE(QFile::exists(mappe.sti(".hidden")));
}

TEST_F(Egenskaber, AnAttributeThatCannotBeWrittenSaysSoAndTheListIsRebuilt)
{
    const QString fil = mappe.skriv("e/linje\nskift.txt", "x");
    liste(mappe.sti("e"));
    vindue().showFileInfo(fil);
    vindue().cbHidden->click();
    mappe.skriv("e/ny.txt", "x");
    vindue().aAnvend->trigger();
    EXPECT_EQ(beskeder.beskeder, QStringList{"Der opstod en fejl."});
    EXPECT_FALSE(QFile::exists(mappe.sti("e/.hidden")));
    EXPECT_EQ(boks().openbox->antal(), 2);
    EXPECT_FALSE(vindue().aAnvend->isEnabled());
}

TEST_F(Egenskaber, AFolderIsCountedWithThousandsSeparators)
{
    const Dansk dansk;
    for (int i = 0; i < 1230; ++i)
        mappe.skriv(QStringLiteral("f/Stor/fil%1.txt").arg(i), "ab");
    mappe.skriv("f/Stor/.skjult", "abc");
    mappe.skriv("f/Stor/Under/a.txt", "abcd");
    mappe.skriv("f/Stor/Under/Dybere/b.txt", "abcde");
    mappe.skriv("f/Stor/Under/Dybere/c.txt", "");
    liste(mappe.sti("f"));
    vaelgTekst("Stor");
    boks().aEleEgenskaber->trigger();
    EXPECT_TRUE(vindue().isVisible());
    EXPECT_EQ(vindue().windowTitle(), "Mappe egenskaber");
    EXPECT_EQ(vindue().Bog->currentIndex(), 2);
    EXPECT_EQ(vindue().EditMappenavn->text(), "Stor");
    EXPECT_EQ(vindue().LabelPlacering->text(), mappe.sti("f"));
    EXPECT_EQ(vindue().LabelMappeIndhold->text(), "1.234 filer, 2 mapper");
    EXPECT_EQ(vindue().LabelMappeSize->text(), "2,41 KB (2.472 bytes)");
}

TEST_F(Egenskaber, AFolderThatIsNotSelectedOrIsGoneIsReported)
{
    QDir().mkpath(mappe.sti("g/Væk"));
    liste(mappe.sti("g"));
    boks().openbox->vaelg(-1);
    vindue().showMappeInfo();
    vaelgTekst("Væk");
    QDir(mappe.sti("g/Væk")).removeRecursively();
    vindue().showMappeInfo();
    EXPECT_EQ(beskeder.beskeder,
              QStringList({"Der er ikke valgt en mappe.", "Mappen blev ikke fundet."}));
    EXPECT_FALSE(vindue().isVisible());
}

TEST_F(Egenskaber, ADriveShowsItsSpaceTypeAndFileSystem)
{
    const Dansk dansk;
    platform.drev = {{mappe.sti("").toStdString(), Platform::DriveType::Fixed, "Data", "ext4"}};
    platform.plads = {4096, 1024};
    liste(mappe.sti(""));
    boks().aDrevinfo->trigger();
    EXPECT_EQ(vindue().windowTitle(), "Drev egenskaber");
    EXPECT_EQ(vindue().EditDisknavn->text(), "Data (" + mappe.sti("") + ")");
    EXPECT_EQ(vindue().LabelType->text(), "Lokal disk");
    EXPECT_EQ(vindue().LabelFilsystem->text(), "ext4");
    EXPECT_EQ(vindue().LabelKapasitet->text(), "4,00 KB (4.096 bytes)");
    EXPECT_EQ(vindue().LabelFreeSpace->text(), "1,00 KB (1.024 bytes)");
    EXPECT_EQ(vindue().LabelAnvendtSpace->text(), "3,00 KB (3.072 bytes)");
    EXPECT_EQ(vindue().ProgressBar->value(), 75);

    platform.drev = {{"/", Platform::DriveType::Removable, "", ""}};
    platform.plads = {};
    vindue().showDriveInfo("/");
    EXPECT_EQ(vindue().EditDisknavn->text(), " (/)");
    EXPECT_EQ(vindue().LabelType->text(), "Flytbar disk");
    EXPECT_EQ(vindue().LabelFilsystem->text(), "Ukendt");
    for (QLabel* l : {vindue().LabelKapasitet, vindue().LabelFreeSpace, vindue().LabelAnvendtSpace})
        EXPECT_EQ(l->text(), "0 bytes (0 bytes)");
    EXPECT_EQ(vindue().ProgressBar->value(), 100);
}

TEST_F(Egenskaber, TheFileBoxOffersPropertiesForASelectionAndPlayListsForAFile)
{
    mappe.skriv("p/klip.avi", "x");
    QDir().mkpath(mappe.sti("p/Mappe"));
    liste(mappe.sti("p"));
    boks().openbox->vaelg(-1);
    EXPECT_FALSE(boks().aEleEgenskaber->isEnabled());
    EXPECT_FALSE(boks().aHTMLfilmliste->isEnabled());
    EXPECT_TRUE(boks().aDrevinfo->isEnabled());
    vaelgTekst("Mappe");
    EXPECT_TRUE(boks().aEleEgenskaber->isEnabled());
    EXPECT_FALSE(boks().aHTMLfilmliste->isEnabled());

    vaelgTekst("klip.avi");
    ASSERT_TRUE(boks().aHTMLfilmliste->isEnabled());
    boks().aHTMLfilmliste->trigger();
    EXPECT_EQ(beskeder.spoergsmaal,
              QStringList{"Er filtypen .avi en videofil, der kan afspilles i Html-Browser?"});
    EXPECT_FALSE(QFile::exists(mappe.sti("p/Film_afspilningsliste.html")));
    beskeder.setNextAnswer(true);
    boks().aHTMLfilmliste->trigger();
    EXPECT_TRUE(QFile::exists(mappe.sti("p/Film_afspilningsliste.html")));
    EXPECT_EQ(funk().Filnavn, mappe.sti("p/Film_afspilningsliste.html"));

    // A selection of only a folder has nothing to list, and says so.
    vaelgTekst("Mappe");
    funk().Filnavn = mappe.sti("p/klip.avi");
    boks().opdaterAktioner();
    beskeder.setNextAnswer(true);
    boks().aHTMLbilledliste->trigger();
    EXPECT_EQ(beskeder.spoergsmaal.size(), 3);
    EXPECT_EQ(beskeder.beskeder, QStringList{"Afspilningslisten kunne ikke skrives."});
}

TEST_F(Egenskaber, AFileWhoseNameIsNotTextIsShownWithItsSizeAndItsAttributesApply)
{
    const std::string mappen = mappe.sti("b").toStdString();
    QDir().mkpath(mappe.sti("b"));
    const std::string fil = mappen + "/a\xff.txt";
    ASSERT_TRUE(platform.copyFile(mappe.skriv("kilde.txt", "12345").toStdString(), fil, {}));
    liste(mappe.sti("b"));
    boks().openbox->vaelg(0);
    boks().aEleEgenskaber->trigger();
    EXPECT_EQ(vindue().windowTitle(), "Fil egenskaber");
    EXPECT_EQ(vindue().EditFilnavn->text(), "a\uFFFD.txt");
    EXPECT_EQ(vindue().LabelSize->text(), "5 bytes (5 bytes)");
    EXPECT_NE(vindue().LabelForandret->text(), "Ukendt");
    EXPECT_FALSE(vindue().cbReadOnly->isChecked());
    vindue().cbReadOnly->click();
    vindue().aAnvend->trigger();
    EXPECT_TRUE(platform.statusOf(fil).readOnly);
    EXPECT_TRUE(beskeder.beskeder.isEmpty());
    platform.deletePermanently(fil);
}

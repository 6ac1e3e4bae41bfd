#include "Programtest.h"
#include "boks.h"
#include "egenskaber.h"
#include "information.h"
#include "opentekstfil.h"
#include "url.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>

namespace {

// Bytes no settings or list file holds: a NUL among them.
QByteArray skrald(int n)
{
    QByteArray b(n, 'x');
    for (int i = 0; i < n; i += 7)
        b[i] = static_cast<char>(i * 31);
    return b;
}

// The files a start reads, then those of the windows made later: the help
// viewer with its URL box, and the file box.
const QStringList startfiler{"options.txt", "programgrupper.txt", "lagergrupper.txt",
                             "egenskaber.txt", "reopen.txt"};
const QStringList hjaelpefiler{"information.txt", "urlboks.txt"};
const QStringList indstillingsfiler = startfiler + hjaelpefiler + QStringList{"opentekstfil.txt"};

} // namespace

class Skadedefiler : public Programtest
{
protected:
    // The places of the six windows that keep theirs in a file.
    QList<QRect> pladser()
    {
        Program& p = *program;
        return {p.mainform->geometry(),     p.boksform().geometry(), p.egenskabsform().geometry(),
                p.openfilform().geometry(), p.infoform().geometry(), p.urlform().geometry()};
    }
    // Closes every window that writes its file on closing, then the program.
    void luk()
    {
        program->infoform().close();
        program->urlform().close();
        program->openfilform().close();
        program->mainform->close();
        program.reset();
        beskeder.beskeder.clear();
    }
};

TEST_F(Skadedefiler, PlacesBeyondAnyScreenInEachSettingsFileGiveTheDefaultPlaces)
{
    startMed({"A"}, "A");
    const QList<QRect> standard = pladser();
    luk();

    QStringList opts = laesBruger("options.txt");
    for (int i = 2; i <= 13; ++i)
        opts[i] = i % 2 ? "-400000" : "400000";
    skrivBruger("options.txt", opts);
    for (const char* fil : {"information.txt", "urlboks.txt"})
        skrivBruger(fil, {"300000", "-300000", "300000", "0"});
    skrivBruger("opentekstfil.txt", {"-1", "300000", "0", "0", mappe.sti("")});
    start();
    EXPECT_EQ(pladser(), standard);
    luk();

    // The largest sane values are kept on the screen instead.
    for (int i = 2; i <= 5; ++i)
        opts[i] = "32767";
    skrivBruger("options.txt", opts);
    const QRect flade = QGuiApplication::primaryScreen()->availableGeometry();
    const Tmainform& main = start();
    EXPECT_TRUE(flade.contains(main.pos()));
    EXPECT_EQ(main.size(), flade.size());
}

TEST_F(Skadedefiler, DamagedFilesAreToldInOneMessageAndKeptUntilWhatTheyHoldChanges)
{
    QHash<QString, QByteArray> foer;
    for (int i = 0; i < indstillingsfiler.size(); ++i)
        foer[indstillingsfiler[i]] = skrald(1000 + i * 100);
    for (auto it = foer.cbegin(); it != foer.cend(); ++it)
        mappe.skriv("Tavlum/Brugere/kontor/" + it.key(), it.value());
    const auto uroert = [&] {
        for (auto it = foer.cbegin(); it != foer.cend(); ++it)
            if (mappe.laes("Tavlum/Brugere/kontor/" + it.key()) != it.value())
                return it.key();
        return QString();
    };

    const auto nevner = [](const QString& besked, const QStringList& filer) {
        for (const QString& fil : indstillingsfiler)
            EXPECT_EQ(besked.contains("\r" + fil + "\r"), filer.contains(fil)) << fil.toStdString();
    };
    start();
    ASSERT_EQ(beskeder.beskeder.size(), 2);
    const QString& besked = beskeder.beskeder[0];
    EXPECT_TRUE(besked.startsWith("Tavlum kunne ikke læse disse filer")) << besked.toStdString();
    nevner(besked, startfiler);
    EXPECT_TRUE(besked.contains("i mappen " + QFileInfo(bruger("options.txt")).path()));
    EXPECT_EQ(beskeder.beskeder[1], "Der er ikke valgt eller indført et gruppenavn!");
    // A window made later tells the files it reads when it is made, once.
    program->info();
    ASSERT_EQ(beskeder.beskeder.size(), 3);
    nevner(beskeder.beskeder[2], hjaelpefiler);
    program->filboks();
    ASSERT_EQ(beskeder.beskeder.size(), 4);
    nevner(beskeder.beskeder[3], {"opentekstfil.txt"});
    program->egenskaber();
    EXPECT_EQ(beskeder.beskeder.size(), 4);
    luk();
    EXPECT_EQ(uroert(), QString());

    // Told again at the next start; then the user moves the panel and keeps a
    // recent folder: those two files are written, the rest stay as they were.
    Tmainform& main = start();
    EXPECT_EQ(beskeder.beskeder.size(), 2);
    main.move(main.pos() + QPoint(7, 5));
    main.senesteMapper().InsertItem(mappe.sti(""), "tmp");
    luk();
    EXPECT_EQ(laesBruger("options.txt").size(), Options::antalLinjer);
    EXPECT_EQ(laesBruger("reopen.txt").size(), 4);
    foer.remove("options.txt");
    foer.remove("reopen.txt");
    EXPECT_EQ(uroert(), QString());
}

TEST_F(Skadedefiler, ADamagedGroupFileIsAnEmptyGroupUntilAnElementIsPutIn)
{
    skrivBruger("programgrupper.txt", {"A", "B"});
    skrivGruppe("B", {"b1", "b2"});
    skrivOptions("A");
    const QByteArray b = skrald(5000);
    mappe.skriv("Tavlum/Brugere/kontor/Filer/A.txt", b);
    mappe.skriv("Tavlum/Brugere/kontor/Filer/Btekst.txt", b);
    Tmainform& main = start();
    ASSERT_EQ(beskeder.beskeder.size(), 1);
    EXPECT_TRUE(beskeder.beskeder[0].startsWith("Tavlum kunne ikke læse denne fil"));
    EXPECT_TRUE(beskeder.beskeder[0].contains("\rA.txt\r\ri mappen " + bruger("Filer")));
    EXPECT_EQ(tekster(programBoks(main)), QStringList());

    // The other group's texts are damaged: its elements show their file names.
    program->boksform().SkiftGruppe(1);
    EXPECT_EQ(tekster(programBoks(main)), QStringList({"b1", "b2"}));
    EXPECT_EQ(beskeder.beskeder.size(), 2);
    EXPECT_TRUE(beskeder.beskeder[1].contains("\rBtekst.txt\r"));
    EXPECT_EQ(mappe.laes("Tavlum/Brugere/kontor/Filer/Btekst.txt"), b);

    program->boksform().SkiftGruppe(0);
    EXPECT_EQ(beskeder.beskeder.size(), 2) << "each file is told once a run";
    main.insertItem(mappe.skriv("ny.txt", "x"), "Ny", true);
    EXPECT_EQ(laesBruger("Filer/A.txt"), QStringList({mappe.sti("ny.txt")}));
    EXPECT_EQ(laesBruger("Filer/Atekst.txt"), QStringList({"Ny"}));
}

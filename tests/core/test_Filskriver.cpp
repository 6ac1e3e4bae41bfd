#include "Filskriver.h"
#include "FuldDisk.h"
#include "Linjefil.h"
#include "Testmappe.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

QList<Filskriver::Fil> par(const QString& mappe, const QByteArray& a, const QByteArray& b)
{
    return {{mappe + "/Spil.txt", a}, {mappe + "/Spiltekst.txt", b}};
}

QStringList rester(const QString& mappe)
{
    return QDir(mappe).entryList(QDir::Files | QDir::Hidden).filter("tavlum");
}

} // namespace

// Whatever is written whole, or not at all: on a full disk the old file stays,
// the reason is told, and nothing is left beside it.
TEST(Filskriver, FullDiskKeepsOldFilesAndLeavesNothingBehind)
{
    Testmappe mappe;
    const QString punkt = mappe.sti("lille");
    FuldDisk disk(punkt);
    if (!disk.ok())
        GTEST_SKIP() << "cannot mount a small tmpfs here (needs root)";
    ASSERT_TRUE(Filskriver::skriv(punkt + "/.hidden", "a\nb\n").isEmpty());
    ASSERT_TRUE(Filskriver::skrivSammen(par(punkt, "gammel\r\n", "tekst\r\n")).isEmpty());
    disk.fyld();

    EXPECT_EQ(Filskriver::skriv(punkt + "/.hidden", QByteArray(6000, 'n')),
              "Der er ikke plads nok på disken.");
    EXPECT_EQ(Filskriver::skriv(punkt + "/ny.txt", "x"), "Der er ikke plads nok på disken.");
    EXPECT_EQ(Filskriver::skrivSammen(par(punkt, QByteArray(3000, 'a'), QByteArray(3000, 'b'))),
              "Filen\r" + punkt + "/Spil.txt\rkunne ikke gemmes. Der er ikke plads nok på disken.");

    QFile h(punkt + "/.hidden");
    ASSERT_TRUE(h.open(QIODevice::ReadOnly));
    EXPECT_EQ(h.readAll(), QByteArray("a\nb\n"));
    EXPECT_FALSE(QFile::exists(punkt + "/ny.txt"));
    EXPECT_EQ(Linjefil::hent(punkt + "/Spil.txt"), QStringList{"gammel"});
    EXPECT_EQ(Linjefil::hent(punkt + "/Spiltekst.txt"), QStringList{"tekst"});
    EXPECT_TRUE(rester(punkt).isEmpty()) << rester(punkt).join(' ').toStdString();

    // With room again the same write goes through.
    disk.fjern();
    EXPECT_TRUE(Filskriver::skriv(punkt + "/.hidden", "c\n").isEmpty());
}

TEST(Filskriver, LineFilesRefuseALineBreakInsideALine)
{
    Testmappe mappe;
    const QString fil = mappe.skrivLinjer("reopen.txt", {"/home/a"});
    const QString fejl = Linjefil::gem(fil, {"/home/ny\nlinje", "/home/to\rdele"});
    EXPECT_TRUE(fejl.startsWith("Filen\r")) << fejl.toStdString();
    EXPECT_TRUE(fejl.contains("linjeskift"));
    EXPECT_EQ(Linjefil::hent(fil), QStringList{"/home/a"});
}

// A change of several files broken off by a crash: finished when its note was
// written, undone when it was not; a note never reaches outside its folder.
TEST(Filskriver, ABrokenOffChangeIsFinishedOrUndone)
{
    Testmappe mappe;
    const QString m = mappe.sti("Filer");
    mappe.skrivLinjer("Filer/Spil.txt", {"gammel"});
    mappe.skrivLinjer("Filer/Spiltekst.txt", {"gammel tekst"});
    mappe.skrivLinjer("Filer/Alfa.txt", {"alfa"});
    mappe.skrivLinjer("Filer/Alfa.txt.tavlum-ny", {"halv"});
    mappe.skrivLinjer("Filer/Spil.txt.tavlum-ny", {"ny"});
    mappe.skrivLinjer("Filer/Spiltekst.txt.tavlum-ny", {"ny tekst"});
    mappe.skriv("udenfor.txt", "bevar");
    mappe.skriv("Filer/../udenfor.txt.tavlum-ny", "nej");
    mappe.skriv("Filer/.tavlum-samlet", "Spil.txt\nSpiltekst.txt\n../udenfor.txt");

    Filskriver::fuldfoer(m);

    EXPECT_EQ(mappe.laesLinjer("Filer/Spil.txt"), QStringList{"ny"});
    EXPECT_EQ(mappe.laesLinjer("Filer/Spiltekst.txt"), QStringList{"ny tekst"});
    EXPECT_EQ(mappe.laesLinjer("Filer/Alfa.txt"), QStringList{"alfa"});
    EXPECT_EQ(mappe.laes("udenfor.txt"), QByteArray("bevar"));
    EXPECT_TRUE(rester(m).isEmpty()) << rester(m).join(' ').toStdString();
}

namespace {

// The pairs of one generation: the same length each time, so that only the
// contents tell them apart.
QList<Filskriver::Fil> generation(const QString& m, int g)
{
    QStringList elementer, tekster;
    for (int i = 0; i < 200; ++i) {
        const int n = (i + g) % 200;
        elementer << QString("/home/bruger/fil%1.txt").arg(n);
        tekster << QString("Fil %1").arg(n);
    }
    return par(m, Linjefil::indkod(elementer, Linjefil::Kodning::Ansi),
               Linjefil::indkod(tekster, Linjefil::Kodning::Ansi));
}

// What the writer prints once it has written a whole generation.
const char* const skrevet = "generation 1 skrevet";

} // namespace

// The writer the next test kills: it runs only when that test starts it.
TEST(Filskriver, DISABLED_WriterThatRunsUntilKilled)
{
    const QString m = qEnvironmentVariable("TAVLUM_SKRIVER");
    ASSERT_FALSE(m.isEmpty());
    for (int g = 1;; ++g) {
        ASSERT_TRUE(Filskriver::skrivSammen(generation(m, g)).isEmpty());
        if (g == 1) {
            std::puts(skrevet);
            std::fflush(stdout);
        }
    }
}

// A writer killed at random moments while it replaces a pair of files whose
// lines belong together place by place: after each kill, the pair read back
// (once broken-off changes are finished) is one generation, never two.
TEST(Filskriver, AKilledWriterNeverLeavesAPairThatDisagrees)
{
    Testmappe mappe;
    const QString m = mappe.sti("Filer");
    QDir().mkpath(m);
    ASSERT_TRUE(Filskriver::skrivSammen(generation(m, 0)).isEmpty());
    auto* tilfaeldig = QRandomGenerator::global();
    for (int runde = 0; runde < 40; ++runde) {
        QProcess skriver;
        QProcessEnvironment miljoe = QProcessEnvironment::systemEnvironment();
        miljoe.insert("TAVLUM_SKRIVER", m);
        skriver.setProcessEnvironment(miljoe);
        skriver.start(QCoreApplication::applicationFilePath(),
                      {"--gtest_also_run_disabled_tests",
                       "--gtest_filter=Filskriver.DISABLED_WriterThatRunsUntilKilled"});
        // Killed while it writes, not while it starts.
        QByteArray ud;
        while (!ud.contains(skrevet) && skriver.waitForReadyRead(20000))
            ud += skriver.readAllStandardOutput();
        ASSERT_TRUE(ud.contains(skrevet)) << ud.toStdString();
        QThread::msleep(tilfaeldig->bounded(0, 20));
        skriver.kill();
        ASSERT_TRUE(skriver.waitForFinished());
        ASSERT_EQ(skriver.exitStatus(), QProcess::CrashExit)
            << "the writer failed by itself";

        Filskriver::fuldfoer(m);
        const QStringList elementer = Linjefil::hent(m + "/Spil.txt", Linjefil::Graense::grupper);
        const QStringList tekster = Linjefil::hent(m + "/Spiltekst.txt", Linjefil::Graense::grupper);
        ASSERT_EQ(elementer.size(), 200);
        ASSERT_EQ(tekster.size(), 200);
        for (int i = 0; i < 200; ++i)
            ASSERT_EQ(elementer.at(i).mid(16).chopped(4), tekster.at(i).mid(4))
                << "round " << runde << ", line " << i;
        ASSERT_TRUE(rester(m).isEmpty()) << rester(m).join(' ').toStdString();
    }
}

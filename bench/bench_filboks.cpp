// Listing a folder of 100,000 files and 1,000 folders in the file box until
// its list is filled, against GNU ls -1 -F on the same warm folder, which also
// sorts by the locale and marks each entry's kind.
#include "Benchfaelles.h"
#include "Beskeder.h"
#include "Filliste.h"
#include "Platform.h"
#include "functions/Handlinger.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <chrono>
#include <optional>

namespace {

struct Opstilling
{
    QTemporaryDir dir;
    QString mappe = dir.filePath("stor");
    std::unique_ptr<Platform> platform = Platform::createNative();
    Stille stille;

    Opstilling()
    {
        QDir().mkpath(mappe);
        for (int i = 0; i < 1000; ++i)
            QDir().mkpath(mappe + QStringLiteral("/Mappe %1").arg(i));
        for (int i = 0; i < 100000; ++i)
            QFile(mappe + QStringLiteral("/fil %1.%2").arg(i).arg(slags.at(i % slags.size())))
                .open(QIODevice::WriteOnly);
    }
};

std::unique_ptr<Opstilling> faelles;

Opstilling& opstilling()
{
    if (!faelles)
        faelles = std::make_unique<Opstilling>();
    return *faelles;
}

// The whole list filled, as the user waits for it.
void Filboks(benchmark::State& state)
{
    Opstilling& o = opstilling();
    Filliste liste;
    THandlinger funk(*o.platform, o.stille);
    funk.Struktur2 = &liste;
    for (auto _ : state) {
        funk.makeStruktur2(o.mappe, false, true);
        benchmark::DoNotOptimize(liste.antal());
    }
}

// A shown list that notes when it has painted rows for the first time.
class MaaltListe : public Filliste
{
public:
    std::optional<std::chrono::steady_clock::time_point> malt;

protected:
    bool viewportEvent(QEvent* e) override
    {
        const bool svar = Filliste::viewportEvent(e);
        if (e->type() == QEvent::Paint && !malt && antal() > 0)
            malt = std::chrono::steady_clock::now();
        return svar;
    }
};

// From the command to the first screenful of rows painted in a shown list.
void Skaermfuld(benchmark::State& state)
{
    Opstilling& o = opstilling();
    MaaltListe liste;
    liste.resize(330, 560);
    liste.show();
    while (!liste.windowHandle() || !liste.windowHandle()->isExposed())
        QCoreApplication::processEvents();
    THandlinger funk(*o.platform, o.stille);
    funk.Struktur2 = &liste;
    for (auto _ : state) {
        liste.malt.reset();
        const auto start = std::chrono::steady_clock::now();
        funk.makeStruktur2(o.mappe, false, true);
        // A folder ordered whole at once is painted when the list is next painted.
        if (!liste.malt)
            liste.repaint();
        state.SetIterationTime(std::chrono::duration<double>(*liste.malt - start).count());
    }
}

void Ls(benchmark::State& state)
{
    Opstilling& o = opstilling();
    for (auto _ : state) {
        QProcess ls;
        ls.setStandardOutputFile(QProcess::nullDevice());
        ls.start(QStringLiteral("ls"), {QStringLiteral("-1"), QStringLiteral("-F"), o.mappe});
        ls.waitForFinished(-1);
        benchmark::DoNotOptimize(ls.exitCode());
    }
}

} // namespace

BENCHMARK(Filboks)->Unit(benchmark::kMillisecond);
BENCHMARK(Skaermfuld)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Ls)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return koerBenchmarks(argc, argv, [] { faelles.reset(); });
}

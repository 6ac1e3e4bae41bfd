// Pasting one 512 MiB file, and a tree of 10,000 small files, with the file
// box's paste and its progress window shown, against cp -r of the same
// sources into a fresh folder in the same run.
#include "Benchfaelles.h"
#include "Filliste.h"
#include "Platform.h"
#include "functions/Handlinger.h"
#include "progress.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <sys/resource.h>

namespace {

// Every confirmation answered "Ja", as a user in a hurry would.
class Ja : public Bekraeftelse
{
public:
    bool bekraeft(const Forespoergsel&) override { return true; }
};

struct Opstilling
{
    QTemporaryDir dir;
    QString stor = dir.filePath("kilde/stor.bin");
    QString trae = dir.filePath("kilde/Træ");
    QString maal = dir.filePath("maal");
    std::unique_ptr<Platform> platform = Platform::createNative();
    Stille stille;
    Ja ja;

    Opstilling()
    {
        QDir().mkpath(dir.filePath("kilde"));
        QFile f(stor);
        f.open(QIODevice::WriteOnly);
        const QByteArray mib(1 << 20, 'x');
        for (int i = 0; i < 512; ++i)
            f.write(mib);
        f.close();
        for (int m = 0; m < 100; ++m) {
            const QString under = trae + QStringLiteral("/Mappe %1").arg(m);
            QDir().mkpath(under);
            for (int i = 0; i < 100; ++i) {
                QFile lille(under + QStringLiteral("/fil %1.txt").arg(i));
                lille.open(QIODevice::WriteOnly);
                lille.write(QByteArray(2000 + i * 10, 'y'));
            }
        }
    }
};

std::unique_ptr<Opstilling> faelles;

Opstilling& opstilling()
{
    if (!faelles)
        faelles = std::make_unique<Opstilling>();
    return *faelles;
}

double peakMiB()
{
    rusage brug{};
    getrusage(RUSAGE_SELF, &brug);
    return static_cast<double>(brug.ru_maxrss) / 1024.0;
}

void indsaet(benchmark::State& state, const QString& kilde)
{
    Opstilling& o = opstilling();
    Tprogressform progress(nullptr);
    THandlinger funk(*o.platform, o.stille);
    Filliste liste(funk.noder());
    funk.Struktur2 = &liste;
    funk.Kopieringsvindue = &o.ja;
    funk.Progressvindue = &progress;
    for (auto _ : state) {
        state.PauseTiming();
        QDir(o.maal).removeRecursively();
        QDir().mkpath(o.maal);
        funk.makeStruktur2(o.maal, false, true);
        funk.InitRegister();
        funk.RegisterElements(kilde);
        state.ResumeTiming();
        benchmark::DoNotOptimize(funk.PasteElementer(false));
    }
    state.counters["peakMiB"] = peakMiB();
    // What arrived, so that a fast paste that copied nothing would show.
    qint64 filer = 0;
    for (QDirIterator it(o.maal, QDir::Files, QDirIterator::Subdirectories); it.hasNext(); it.next())
        ++filer;
    state.counters["filer"] = static_cast<double>(filer);
}

void cp(benchmark::State& state, const QString& kilde)
{
    Opstilling& o = opstilling();
    for (auto _ : state) {
        state.PauseTiming();
        QDir(o.maal).removeRecursively();
        QDir().mkpath(o.maal);
        state.ResumeTiming();
        QProcess cp;
        cp.start(QStringLiteral("cp"), {QStringLiteral("-r"), kilde, o.maal});
        cp.waitForFinished(-1);
        benchmark::DoNotOptimize(cp.exitCode());
    }
}

void IndsaetStor(benchmark::State& state)
{
    indsaet(state, opstilling().stor);
}
void CpStor(benchmark::State& state)
{
    cp(state, opstilling().stor);
}
void IndsaetTrae(benchmark::State& state)
{
    indsaet(state, opstilling().trae);
}
void CpTrae(benchmark::State& state)
{
    cp(state, opstilling().trae);
}

} // namespace

BENCHMARK(IndsaetStor)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(CpStor)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(IndsaetTrae)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(CpTrae)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    return koerBenchmarks(argc, argv, [] { faelles.reset(); });
}

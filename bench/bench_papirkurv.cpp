// Listing a recycle bin of 10,000 items, with their original places and
// deletion dates, against listing a folder of 10,000 files in the same run.
#include "Platform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <benchmark/benchmark.h>

namespace {

constexpr int antal = 10000;

struct Opstilling
{
    QTemporaryDir dir;
    std::unique_ptr<Platform> platform;

    Opstilling()
    {
        qputenv("XDG_DATA_HOME", dir.filePath("data").toLocal8Bit());
        platform = Platform::createNative();
        const QString mappe = dir.filePath("mappe");
        const QString kurv = dir.filePath("data/Trash");
        QDir().mkpath(mappe);
        QDir().mkpath(kurv + "/files");
        QDir().mkpath(kurv + "/info");
        for (int i = 0; i < antal; ++i) {
            const QString navn = QStringLiteral("brev nr. %1 æøå.txt").arg(i);
            for (const QString& fil : {mappe + '/' + navn, kurv + "/files/" + navn}) {
                QFile f(fil);
                f.open(QIODevice::WriteOnly);
                f.write("x");
            }
            QFile info(kurv + "/info/" + navn + ".trashinfo");
            info.open(QIODevice::WriteOnly);
            info.write("[Trash Info]\nPath=" +
                       QUrl::toPercentEncoding(dir.filePath("gammel/" + navn), "/") +
                       "\nDeletionDate=2024-03-01T14:05:09\n");
        }
    }
};

Opstilling& opstilling()
{
    static Opstilling o;
    return o;
}

void Papirkurv(benchmark::State& state)
{
    Opstilling& o = opstilling();
    for (auto _ : state) {
        const auto items = o.platform->trashItems();
        if (items.size() != antal)
            state.SkipWithError("the trash is not listed whole");
        benchmark::DoNotOptimize(items.data());
    }
}

void Mappe(benchmark::State& state)
{
    Opstilling& o = opstilling();
    const std::string mappe = o.dir.filePath("mappe").toStdString();
    for (auto _ : state) {
        const auto entries = o.platform->listFolder(mappe);
        benchmark::DoNotOptimize(entries.data());
    }
}

} // namespace

BENCHMARK(Papirkurv)->Unit(benchmark::kMillisecond);
BENCHMARK(Mappe)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();

// Listing a recycle bin of 10,000 items as the file box lists it (the names
// in order, the original places and deletion dates of a screenful of rows),
// against listing a folder of 10,000 files as the file box does, in the same run.
#include "Platform.h"
#include "Mappeindhold.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <benchmark/benchmark.h>

namespace {

constexpr int antal = 10000;
// The rows a tall file box shows at once; their info files are read as they are painted.
constexpr int skaermfuld = 60;

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
        auto items = o.platform->trashEntries();
        Mappeindhold::ordn(items);
        for (int i = 0; i < skaermfuld; ++i)
            if (!o.platform->readTrashInfo(items.at(static_cast<std::size_t>(i))))
                state.SkipWithError("an info file is not read");
        if (items.size() != antal)
            state.SkipWithError("the trash is not listed whole");
        benchmark::DoNotOptimize(items.data());
    }
}

// Every info file read, as taking back a delete reads them.
void PapirkurvHel(benchmark::State& state)
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
        Mappeindhold indhold(o.platform->listFolder(mappe));
        indhold.ordnAlle();
        benchmark::DoNotOptimize(indhold.filer().data());
    }
}

} // namespace

BENCHMARK(Papirkurv)->Unit(benchmark::kMillisecond);
BENCHMARK(PapirkurvHel)->Unit(benchmark::kMillisecond);
BENCHMARK(Mappe)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();

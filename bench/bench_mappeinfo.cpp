// Counting a folder tree of 100,000 files in 5,000 folders for the folder
// properties window, as it repaints, against du -sb on the same warm tree.
#include "Benchfaelles.h"
#include "Fil_info.h"
#include "Filliste.h"
#include "Platform.h"
#include "functions/Handlinger.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct Opstilling
{
    QTemporaryDir dir;
    QString rod = dir.filePath("trae");
    std::unique_ptr<Platform> platform = Platform::createNative();
    Stille stille;

    Opstilling()
    {
        // 50 folders of 99 folders each, 20 files in every one of the 5,000.
        for (int i = 0; i < 50; ++i) {
            const QString top = rod + QStringLiteral("/Mappe %1").arg(i);
            for (int j = -1; j < 99; ++j) {
                const QString mappe = j < 0 ? top : top + QStringLiteral("/Under %1").arg(j);
                QDir().mkpath(mappe);
                for (int k = 0; k < 20; ++k) {
                    QFile fil(mappe +
                              QStringLiteral("/fil %1.%2").arg(k).arg(slags.at(k % slags.size())));
                    fil.open(QIODevice::WriteOnly);
                    fil.write(QByteArray(k, 'x'));
                }
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

// From the command to the last count shown in the window.
void Mappeinfo(benchmark::State& state)
{
    Opstilling& o = opstilling();
    THandlinger funk(*o.platform, o.stille);
    Filliste liste(funk.noder());
    Tfilinfoform vindue(o.stille);
    funk.Struktur2 = &liste;
    vindue.logik = &funk;
    funk.makeStruktur2(o.dir.path(), false, true);
    liste.vaelg(0);
    for (auto _ : state) {
        vindue.showMappeInfo();
        benchmark::DoNotOptimize(vindue.LabelMappeIndhold->text());
    }
    const QLocale sprog;
    if (vindue.LabelMappeIndhold->text() != sprog.toString(100000) + QStringLiteral(" filer, ") +
                                                sprog.toString(5000) + QStringLiteral(" mapper"))
        state.SkipWithError(vindue.LabelMappeIndhold->text().toStdString().c_str());
}

void Du(benchmark::State& state)
{
    Opstilling& o = opstilling();
    for (auto _ : state) {
        QProcess du;
        du.setStandardOutputFile(QProcess::nullDevice());
        du.start(QStringLiteral("du"), {QStringLiteral("-sb"), o.rod});
        du.waitForFinished(-1);
        benchmark::DoNotOptimize(du.exitCode());
    }
}

} // namespace

BENCHMARK(Mappeinfo)->Unit(benchmark::kMillisecond);
BENCHMARK(Du)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return koerBenchmarks(argc, argv, [] { faelles.reset(); });
}

// Rebuilding the panel for 1,000 elements whose icons come from icon files,
// against a bare loop that reads the same icon files into QIcons and adds the
// same items to a QListWidget.
#include "Benchfaelles.h"
#include "Beskeder.h"
#include "Platform.h"
#include "Program.h"
#include "main.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct Opstilling
{
    QTemporaryDir hjem;
    std::unique_ptr<Platform> platform;
    Stille stille;
    std::unique_ptr<Program> program;
    QStringList filer;
    QStringList ikonfiler;

    Opstilling()
    {
        qputenv("HOME", hjem.path().toLocal8Bit());
        platform = Platform::createNative();
        program = std::make_unique<Program>(*platform, &stille);
        Tmainform& main = *program->mainform;
        QDir().mkpath(hjem.filePath("filer"));
        for (int i = 0; i < 1000; ++i) {
            const QString ext = slags.at(i % slags.size());
            const QString fil = hjem.filePath(QStringLiteral("filer/element%1.%2").arg(i).arg(ext));
            QFile(fil).open(QIODevice::WriteOnly);
            filer << fil;
            const QString kind = ext == "mp4"   ? "film"
                                 : ext == "mp3" ? "musik"
                                 : ext == "jpg" ? "billeder"
                                                : ext;
            ikonfiler << main.makeIconFilnavn(kind);
        }
        main.grupper.gruppenavn = "Stor";
        main.grupper.programliste = filer;
        for (const QString& f : filer)
            main.grupper.tekstliste << QFileInfo(f).completeBaseName();
    }
};

// Made on first use and freed before the application, which its windows need.
std::unique_ptr<Opstilling> faelles;

Opstilling& opstilling()
{
    if (!faelles)
        faelles = std::make_unique<Opstilling>();
    return *faelles;
}

void Panel(benchmark::State& state)
{
    Tmainform& main = *opstilling().program->mainform;
    for (auto _ : state) {
        main.LoadProgramBoks(false);
        benchmark::DoNotOptimize(main.programBoks->count());
    }
}

void BarLoekke(benchmark::State& state)
{
    const Opstilling& o = opstilling();
    QListWidget liste;
    liste.setViewMode(QListView::IconMode);
    for (auto _ : state) {
        liste.clear();
        for (qsizetype i = 0; i < o.filer.size(); ++i)
            new QListWidgetItem(QIcon(o.ikonfiler.at(i)),
                                QFileInfo(o.filer.at(i)).completeBaseName(), &liste);
        benchmark::DoNotOptimize(liste.count());
    }
}

} // namespace

BENCHMARK(Panel)->Unit(benchmark::kMillisecond);
BENCHMARK(BarLoekke)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return koerBenchmarks(argc, argv, [] { faelles.reset(); });
}

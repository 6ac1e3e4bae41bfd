// Listing a folder of 100,000 files and 1,000 folders in the file box until
// its list is filled, against GNU ls -1 -F on the same warm folder, which also
// sorts by the locale and marks each entry's kind; and the same folder listed
// in a window on the display with accessibility on, as for a screen-reader
// user, beside the same without it.
#include "Benchfaelles.h"
#include "Beskeder.h"
#include "Filliste.h"
#include "Platform.h"
#include "functions/Handlinger.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
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
    THandlinger funk(*o.platform, o.stille);
    Filliste liste(funk.noder());
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
    using Filliste::Filliste;
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
    THandlinger funk(*o.platform, o.stille);
    MaaltListe liste(funk.noder());
    liste.resize(330, 560);
    liste.show();
    while (!liste.windowHandle() || !liste.windowHandle()->isExposed())
        QCoreApplication::processEvents();
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

// The program itself on the display, run as "--vindue <folder>": lists the
// folder in a shown list with the keyboard focus and prints the milliseconds
// until the list is filled, painted and every event it caused is handled.
constexpr const char* vindueFlag = "--vindue";

int vindue(int argc, char** argv)
{
    QApplication app(argc, argv);
    const bool tilgaengelig = qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON");
    const std::unique_ptr<Platform> platform = Platform::createNative();
    Stille stille;
    THandlinger funk(*platform, stille);
    Filliste liste(funk.noder());
    liste.resize(330, 560);
    liste.show();
    liste.activateWindow();
    liste.setFocus();
    QElapsedTimer vent;
    vent.start();
    while (vent.elapsed() < 5000 &&
           (!liste.windowHandle()->isExposed() || (tilgaengelig && !QAccessible::isActive())))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (tilgaengelig && !QAccessible::isActive())
        return 2;
    funk.Struktur2 = &liste;
    const QString mappe = QString::fromLocal8Bit(argv[2]);
    // Once to warm what the first listing loads, then as the user waits.
    funk.makeStruktur2(mappe, false, true);
    QCoreApplication::processEvents();
    QElapsedTimer ur;
    ur.start();
    funk.makeStruktur2(mappe, false, true);
    liste.repaint();
    QCoreApplication::processEvents();
    std::printf("%.3f\n", static_cast<double>(ur.nsecsElapsed()) / 1e6);
    return 0;
}

// The same folder listed in the window above, accessibility off (0) and on (1).
void Tilgaengelighed(benchmark::State& state)
{
    Opstilling& o = opstilling();
    if (qEnvironmentVariableIsEmpty("DISPLAY") ||
        qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        state.SkipWithError("needs a display and a session bus (bench/run.sh gives both)");
        return;
    }
    QProcessEnvironment miljoe = QProcessEnvironment::systemEnvironment();
    miljoe.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    if (state.range(0) != 0)
        miljoe.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    else
        miljoe.remove(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"));
    for (auto _ : state) {
        QProcess p;
        p.setProcessEnvironment(miljoe);
        p.start(QCoreApplication::applicationFilePath(), {QLatin1String(vindueFlag), o.mappe});
        p.waitForFinished(-1);
        bool ok = false;
        const double ms = p.readAllStandardOutput().trimmed().toDouble(&ok);
        if (!ok || p.exitCode() != 0) {
            state.SkipWithError("the window could not list the folder (accessibility not on?)");
            return;
        }
        state.SetIterationTime(ms / 1000);
    }
}

} // namespace

BENCHMARK(Filboks)->Unit(benchmark::kMillisecond);
BENCHMARK(Skaermfuld)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Ls)->Unit(benchmark::kMillisecond);
BENCHMARK(Tilgaengelighed)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (argc == 3 && std::string_view(argv[1]) == vindueFlag)
        return vindue(argc, argv);
    return koerBenchmarks(argc, argv, [] { faelles.reset(); });
}

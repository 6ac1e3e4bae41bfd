// The panel's icons. Rebuilding the panel for 1,000 elements whose icons come
// from icon files, against a bare loop that reads the same icon files into
// QIcons and adds the same items to a QListWidget; and for 1,000 elements of
// mixed types without icon files, against a bare loop that asks QMimeDatabase
// and the icon theme for the same files. A group of 100,000 elements is chosen,
// read and shown in the panel and the group window's list.
#include "Benchfaelles.h"
#include "DataMapper.h"
#include "Beskeder.h"
#include "Elementmodel.h"
#include "Linjefil.h"
#include "Platform.h"
#include "Program.h"
#include "boks.h"
#include "main.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListView>
#include <QListWidget>
#include <QMimeDatabase>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <benchmark/benchmark.h>

namespace {

// Kinds without an icon file in the data set: the desktop's icons for their types.
const QStringList typer{"mkv", "flac", "ogg", "webm", "svg", "csv", "odp", "epub", "tex", "rtf"};
constexpr int kaempeAntal = 100000;

QStringList lavFiler(const QString& mappe, const QStringList& slagene, int antal)
{
    QDir().mkpath(mappe);
    QStringList filer;
    for (int i = 0; i < antal; ++i) {
        const QString fil =
            QStringLiteral("%1/element%2.%3").arg(mappe).arg(i).arg(slagene.at(i % slagene.size()));
        QFile(fil).open(QIODevice::WriteOnly);
        filer << fil;
    }
    return filer;
}

QStringList tekster(const QStringList& filer)
{
    QStringList ud;
    for (const QString& f : filer)
        ud << QFileInfo(f).completeBaseName();
    return ud;
}

struct Opstilling
{
    QTemporaryDir hjem;
    std::unique_ptr<Platform> platform;
    Stille stille;
    std::unique_ptr<Program> program;
    QStringList filer;
    QStringList ikonfiler;
    QStringList typefiler;

    Opstilling()
    {
        qputenv("HOME", hjem.path().toLocal8Bit());
        platform = Platform::createNative();
        // The huge group is on disk before the program reads its groups.
        const DataMapper mapper = DataMapper::lav(*platform);
        const QStringList kaempe = lavFiler(hjem.filePath("kaempe"), slags, kaempeAntal);
        (void)Linjefil::gem(mapper.gruppefilnavn, {"Lille", "Kaempe"});
        (void)Linjefil::gem(mapper.DirFiler + QStringLiteral("Kaempe.txt"), kaempe);
        (void)Linjefil::gem(mapper.DirFiler + QStringLiteral("Kaempetekst.txt"), tekster(kaempe));

        program = std::make_unique<Program>(*platform, &stille);
        Tmainform& main = *program->mainform;
        filer = lavFiler(hjem.filePath("filer"), slags, 1000);
        for (const QString& fil : std::as_const(filer)) {
            const QString ext = QFileInfo(fil).suffix();
            const QString kind = ext == "mp4"   ? "film"
                                 : ext == "mp3" ? "musik"
                                 : ext == "jpg" ? "billeder"
                                                : ext;
            ikonfiler << main.makeIconFilnavn(kind);
        }
        typefiler = lavFiler(hjem.filePath("typer"), typer, 1000);
    }

    // The active group's lists, as reading its files would fill them.
    void aktiv(const QStringList& elementer)
    {
        Grupper& g = program->mainform->grupperne();
        g.gruppenavn = QStringLiteral("Lille");
        g.programliste = elementer;
        g.tekstliste = tekster(elementer);
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

// The panel rebuilt and every element's icon made, as drawing them all makes them.
void genopbyg(Tmainform& main, benchmark::State& state)
{
    for (auto _ : state) {
        main.LoadProgramBoks(false);
        for (int i = 0; i < main.elementmodel().rowCount(); ++i)
            benchmark::DoNotOptimize(main.elementmodel().ikon(i).cacheKey());
    }
}

void Panel(benchmark::State& state)
{
    Opstilling& o = opstilling();
    o.aktiv(o.filer);
    genopbyg(*o.program->mainform, state);
}

// The bare loop: a QListWidget's items made anew, each with the icon given.
template <typename Ikon>
void barLoekke(benchmark::State& state, const QStringList& filer, Ikon ikon)
{
    QListWidget liste;
    liste.setViewMode(QListView::IconMode);
    for (auto _ : state) {
        liste.clear();
        for (qsizetype i = 0; i < filer.size(); ++i)
            new QListWidgetItem(ikon(i), QFileInfo(filer.at(i)).completeBaseName(), &liste);
        benchmark::DoNotOptimize(liste.count());
    }
}

void BarLoekke(benchmark::State& state)
{
    const Opstilling& o = opstilling();
    barLoekke(state, o.filer, [&](qsizetype i) { return QIcon(o.ikonfiler.at(i)); });
}

void PanelTyper(benchmark::State& state)
{
    Opstilling& o = opstilling();
    o.aktiv(o.typefiler);
    genopbyg(*o.program->mainform, state);
}

void BarLoekkeTyper(benchmark::State& state)
{
    const Opstilling& o = opstilling();
    const QMimeDatabase typeDb;
    barLoekke(state, o.typefiler, [&](qsizetype i) {
        const QMimeType type = typeDb.mimeTypeForFile(o.typefiler.at(i));
        const QIcon ikon = QIcon::fromTheme(type.iconName());
        return ikon.isNull() ? QIcon::fromTheme(type.genericIconName()) : ikon;
    });
}

// Choosing the group of 100,000 elements: its files read, the panel and the
// group window's list laid out and drawn, the window ready for the next input.
void Kaempe(benchmark::State& state)
{
    Opstilling& o = opstilling();
    Tmainform& main = *o.program->mainform;
    Tboksform& boks = o.program->boksform();
    o.program->start();
    QTest::qWaitFor([&] { return !main.opstart(); }, 5000);
    boks.Bog->setCurrentIndex(2);
    boks.show();
    for (auto _ : state) {
        boks.SkiftGruppe(0);
        boks.SkiftGruppe(1);
        main.findChild<QListView*>("programBoks")->viewport()->repaint();
        boks.programBoks->viewport()->repaint();
        if (main.elementmodel().rowCount() != kaempeAntal)
            state.SkipWithError("the group was not read");
    }
    boks.hide();
    main.hide();
}

} // namespace

BENCHMARK(Panel)->Unit(benchmark::kMillisecond);
BENCHMARK(BarLoekke)->Unit(benchmark::kMillisecond);
BENCHMARK(PanelTyper)->Unit(benchmark::kMillisecond);
BENCHMARK(BarLoekkeTyper)->Unit(benchmark::kMillisecond);
BENCHMARK(Kaempe)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv)
{
    return koerBenchmarks(argc, argv, [] { faelles.reset(); });
}

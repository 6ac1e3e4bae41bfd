// Find as you type. One key press in the main window's search field over
// 1,000 elements in 20 groups (the filtering, the results model and the
// panel painted), against a bare loop that does the same matching with QCollator
// (every word of the search held somewhere in the text or the file name, case
// ignored) and fills a QListWidget with the matches. Both report how many rows
// a key press gives on average, so that they are seen to do the same work.
#include "Benchfaelles.h"
#include "DataMapper.h"
#include "Linjefil.h"
#include "Platform.h"
#include "Program.h"
#include "Soegefelt.h"
#include "main.h"

#include <QAbstractItemView>
#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

constexpr int grupper = 20;
constexpr int perGruppe = 50;

const QStringList ord{
    "Kabale",      "Skak",     "Tekstbehandling", "Regneark", "Musik",    "Film",
    "Billeder",    "Æblekage", "Øresund",         "Århus",    "Café",     "Résumé",
    "Spil",        "Kontor",   "Netværk",         "Post",     "Kalender", "Noter",
    "Lommeregner", "Terminal", "Overblik",        "Tegning",  "Kort",     "Bøger"};
// Typed one key at a time; each word starts a new search.
const QStringList soegninger{"kabale", "tekst", "øre", "cafe", "ter 1", "bøger", "musik kort"};

QStringList tryk()
{
    QStringList ud;
    for (const QString& s : soegninger)
        for (qsizetype k = 1; k <= s.size(); ++k)
            ud << s.left(k);
    return ud;
}

struct Opstilling
{
    QTemporaryDir hjem;
    std::unique_ptr<Platform> platform;
    Stille stille;
    std::unique_ptr<Program> program;
    QStringList tekster, filer;

    Opstilling()
    {
        qputenv("HOME", hjem.path().toLocal8Bit());
        platform = Platform::createNative();
        const DataMapper mapper = DataMapper::lav(*platform);
        QDir().mkpath(hjem.filePath("filer"));
        QStringList navne;
        for (int g = 0; g < grupper; ++g) {
            const QString navn = QStringLiteral("Gruppe %1").arg(g);
            navne << navn;
            QStringList gf, gt;
            for (int i = 0; i < perGruppe; ++i) {
                const int n = g * perGruppe + i;
                const QString tekst = ord.at(n % ord.size()) + u' ' +
                                      ord.at((n / ord.size() + g) % ord.size()) + u' ' +
                                      QString::number(n);
                const QString fil = hjem.filePath(
                    QStringLiteral("filer/element%1.%2").arg(n).arg(slags.at(n % slags.size())));
                QFile(fil).open(QIODevice::WriteOnly);
                gf << fil;
                gt << tekst;
            }
            (void)Linjefil::gem(mapper.DirFiler + navn + ".txt", gf);
            (void)Linjefil::gem(mapper.DirFiler + navn + "tekst.txt", gt);
            filer += gf;
            tekster += gt;
        }
        (void)Linjefil::gem(mapper.gruppefilnavn, navne);
        Options o;
        o.gruppenavn = navne.first();
        o.visning = Options::Rapport;
        o.initDir = hjem.path();
        (void)Linjefil::gem(mapper.optFilnavn, o.tilLinjer());
        program = std::make_unique<Program>(*platform, &stille);
        program->start();
        if (!QTest::qWaitFor([this] { return !program->mainform->opstart(); }, 5000))
            qFatal("The main window did not start");
    }
};

// Made on first use and freed before the application, which its windows need.
std::unique_ptr<Opstilling> opstilling;

Opstilling& faelles()
{
    if (!opstilling)
        opstilling = std::make_unique<Opstilling>();
    return *opstilling;
}

void BM_Soegefelt(benchmark::State& state)
{
    Opstilling& o = faelles();
    Tmainform& main = *o.program->mainform;
    main.visSoegning();
    Soegefelt* felt = main.soegefelt();
    const auto* panel = main.findChild<QAbstractItemView*>(QStringLiteral("programBoks"));
    const QStringList taster = tryk();
    qsizetype n = 0;
    double raekker = 0;
    for (auto _ : state) {
        felt->setText(taster.at(n++ % taster.size()));
        QCoreApplication::processEvents();
        raekker += panel->model()->rowCount();
    }
    main.afslutSoegning();
    state.SetItemsProcessed(state.iterations());
    state.counters["raekker"] = raekker / double(state.iterations());
}
BENCHMARK(BM_Soegefelt)->Unit(benchmark::kMillisecond);

void BM_BarLoekke(benchmark::State& state)
{
    Opstilling& o = faelles();
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    QStringList navne;
    for (const QString& f : std::as_const(o.filer))
        navne << QFileInfo(f).fileName();
    QListWidget liste;
    liste.resize(400, 430);
    liste.show();
    const QStringList taster = tryk();
    // A word is held where some stretch of the text as long as the word is
    // equal to it by the collator.
    const auto holder = [&collator](QStringView tekst, QStringView soegt) {
        for (qsizetype p = 0; p + soegt.size() <= tekst.size(); ++p)
            if (collator.compare(tekst.mid(p, soegt.size()), soegt) == 0)
                return true;
        return false;
    };
    qsizetype n = 0;
    double raekker = 0;
    for (auto _ : state) {
        const QStringList soegeord = taster.at(n++ % taster.size()).split(u' ', Qt::SkipEmptyParts);
        liste.clear();
        for (qsizetype i = 0; i < o.tekster.size(); ++i) {
            const QString& t = o.tekster.at(i);
            const bool alle =
                std::all_of(soegeord.cbegin(), soegeord.cend(), [&](const QString& soegt) {
                    return holder(t, soegt) || holder(navne.at(i), soegt);
                });
            if (alle)
                liste.addItem(t);
        }
        QCoreApplication::processEvents();
        raekker += liste.count();
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["raekker"] = raekker / double(state.iterations());
}
BENCHMARK(BM_BarLoekke)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return koerBenchmarks(argc, argv, [] { opstilling.reset(); });
}

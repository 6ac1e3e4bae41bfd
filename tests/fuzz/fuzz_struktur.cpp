// The help tree's two files of any bytes (the tree file, a form feed, the data
// file): loaded as the viewer loads them, no topic deeper than the bound, and
// once saved the tree saves the same again.
#include "Fuzzmaal.h"
#include "Linjefil.h"
#include "Platform.h"
#include "Struktur.h"

#include <QApplication>
#include <QFile>

namespace {

struct Filer
{
    QString struktur, data;
};

Filer filer(const QString& navn)
{
    return {arbejdsmappe() + u'/' + navn + QStringLiteral("struktur.txt"),
            arbejdsmappe() + u'/' + navn + QStringLiteral("data.txt")};
}

QStringList gemOgLaes(TStruktur& t, const Filer& til)
{
    t.Strukturfile = til.struktur;
    t.Datafile = til.data;
    FUZZ_KRAV(t.GemStruktur());
    return Linjefil::hent(til.struktur) + Linjefil::hent(til.data);
}

int dybde(const QTreeWidgetItem* e)
{
    int d = 0;
    for (const QTreeWidgetItem* p = e->parent(); p; p = p->parent())
        ++d;
    return d;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    startApp<QApplication>(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::unique_ptr<Platform> platform = Platform::createNative();
    const QByteArray bytes = bytesAf(data, size);
    const qsizetype skel = bytes.indexOf('\f');
    const Filer ind = filer(QStringLiteral("ind"));
    QFile::remove(ind.data);
    for (const auto& [fil, del] :
         {std::pair{ind.struktur, skel < 0 ? bytes : bytes.left(skel)},
          std::pair{ind.data, skel < 0 ? QByteArray() : bytes.mid(skel + 1)}}) {
        if (fil == ind.data && skel < 0)
            continue;
        QFile f(fil);
        FUZZ_KRAV(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(del);
    }
    QStringList fejl;
    TStruktur t(*platform, [&](const QString& tekst) { fejl << tekst; });
    t.Strukturfile = ind.struktur;
    t.Datafile = ind.data;
    t.DataOn = true;
    t.HentStruktur();
    const QList<QTreeWidgetItem*> emner = t.emner();
    for (const QTreeWidgetItem* e : emner) {
        FUZZ_KRAV(dybde(e) <= TStruktur::hoejstNiveau);
        FUZZ_KRAV(!e->text(0).isEmpty());
    }
    if (!fejl.isEmpty())
        return 0;
    const QStringList foerste = gemOgLaes(t, filer(QStringLiteral("a")));
    t.Strukturfile = filer(QStringLiteral("a")).struktur;
    t.Datafile = filer(QStringLiteral("a")).data;
    FUZZ_KRAV(t.HentStruktur());
    FUZZ_KRAV(t.emner().size() == emner.size());
    FUZZ_KRAV(gemOgLaes(t, filer(QStringLiteral("b"))) == foerste);
    return 0;
}

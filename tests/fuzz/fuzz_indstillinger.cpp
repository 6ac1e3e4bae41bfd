// The settings files of any bytes, read by the readers the windows use: every
// place and size ends on the screen, every count within its bound, and what
// is read writes back as itself.
#include "Egenskabsfil.h"
#include "Filvagt.h"
#include "Fuzzmaal.h"
#include "Linjefil.h"
#include "MenuFiler.h"
#include "Options.h"
#include "Skaermplads.h"
#include "Vindueplads.h"

#include <QFile>

namespace {

const QList<QRect> flader{{0, 0, 1280, 1000}, {1280, 0, 1920, 1080}};

void paaSkaermen(const QRect& sted)
{
    const QRect tilpasset = Skaermplads::tilpas(sted, {}, flader);
    FUZZ_KRAV(tilpasset.width() >= Skaermplads::mindst.width() &&
              tilpasset.height() >= Skaermplads::mindst.height());
    FUZZ_KRAV(std::any_of(flader.begin(), flader.end(),
                          [&](const QRect& f) { return f.contains(tilpasset); }));
}

void skriv(const QString& fil, const QByteArray& bytes)
{
    QFile f(fil);
    FUZZ_KRAV(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_KRAV(f.write(bytes) == bytes.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = bytesAf(data, size);
    const QStringList linjer = Linjefil::tolk(bytes).value_or(QStringList());

    const Options o = Options::fraLinjer(linjer, QStringLiteral("/start"));
    FUZZ_KRAV(o.fontSize >= Options::mindsteFont && o.fontSize <= Options::stoersteFont);
    for (const QRect& r : {QRect(o.pLeft, o.pTop, o.pWidth, o.pHeight),
                           QRect(o.boksLeft, o.boksTop, o.boksWidth, o.boksHeight)})
        paaSkaermen(r);
    FUZZ_KRAV(Options::fraLinjer(o.tilLinjer(), QStringLiteral("/start")).tilLinjer() ==
              o.tilLinjer());

    const Egenskabsfil e = Egenskabsfil::fraLinjer(linjer, true);
    FUZZ_KRAV(Egenskabsfil::fraLinjer(e.tilLinjer(), true).tilLinjer() == e.tilLinjer());

    // The readers that take a file: the recent folders and a small window's place.
    const QString fil = arbejdsmappe() + QStringLiteral("/indstilling.txt");
    skriv(fil, bytes);
    Filvagt vagt;
    paaSkaermen(Vindueplads::hent(vagt, fil, QRect(0, 0, 300, 200)));
    TReopenFiler r;
    r.Itemfile = fil;
    r.HentReopenFiler();
    FUZZ_KRAV(r.Filantal >= 0 && r.Filantal <= TReopenFiler::hoejstFilantal);
    FUZZ_KRAV(r.Antal() <= r.Filantal);
    const QList<TReopenFiler::TReopenRec> foer = r.entries();
    r.Itemfile = arbejdsmappe() + QStringLiteral("/reopen.txt");
    FUZZ_KRAV(r.GemReopenFiler().isEmpty());
    r.HentReopenFiler();
    FUZZ_KRAV(r.entries() == foer);
    return 0;
}

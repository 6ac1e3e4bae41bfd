// Windows programs of any bytes: the icon read from them is an ".ico" file
// within the bounds of a real icon, which the picture reader then reads as the
// panel does.
#include "Fuzzmaal.h"
#include "PeIkon.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImageReader>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    startApp<QGuiApplication>(argc, argv);
    QImageReader::setAllocationLimit(128);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> fil(data, size);
    (void)PeIkon::erPe(fil);
    const std::vector<std::uint8_t> ikon = PeIkon::foersteIkon(fil);
    if (ikon.empty())
        return 0;
    FUZZ_KRAV(ikon.size() <= PeIkon::hoejstIkon && ikon.size() >= 6);
    const std::size_t antal = ikon[4] | ikon[5] << 8;
    FUZZ_KRAV(antal >= 1 && antal <= PeIkon::hoejstBilleder && ikon.size() >= 6 + 16 * antal);
    for (std::size_t i = 0; i < antal; ++i) {
        const std::uint8_t* e = ikon.data() + 6 + 16 * i;
        const std::size_t str = e[8] | e[9] << 8 | e[10] << 16 | std::size_t(e[11]) << 24;
        const std::size_t sted = e[12] | e[13] << 8 | e[14] << 16 | std::size_t(e[15]) << 24;
        FUZZ_KRAV(sted <= ikon.size() && str <= ikon.size() - sted);
    }
    QByteArray bytes(reinterpret_cast<const char*>(ikon.data()), qsizetype(ikon.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader laeser(&buffer, "ico");
    for (int i = 0; i < 64 && laeser.canRead(); ++i)
        if (laeser.read().isNull())
            break;
    return 0;
}

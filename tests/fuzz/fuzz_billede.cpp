// Pictures of any bytes, read as the picture window reads them: never more
// pixels than the allocation limit allows, whatever the header claims.
#include "Fuzzmaal.h"
#include "visBilled.h"

#include <QBuffer>
#include <QGuiApplication>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    startApp<QGuiApplication>(argc, argv);
    QImageReader::setAllocationLimit(128);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes = bytesAf(data, size);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader laeser(&buffer);
    const std::optional<Tbilledform::Laest> laest = Tbilledform::laes(laeser);
    if (!laest)
        return 0;
    FUZZ_KRAV(!laest->billede.isNull());
    FUZZ_KRAV(laest->billede.sizeInBytes() <= qsizetype(QImageReader::allocationLimit()) << 20);
    return 0;
}

// Line files of any bytes: read as the program reads them, and what reads
// back as text must write and read back the same in every encoding.
#include "Fuzzmaal.h"
#include "Linjefil.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::optional<QStringList> linjer = Linjefil::tolk(bytesAf(data, size));
    if (!linjer)
        return 0;
    for (const QString& l : *linjer)
        FUZZ_KRAV(l.size() <= Linjefil::hoejstLinje && !l.contains(u'\r') && !l.contains(u'\n') &&
                  !l.contains(QChar(u'\0')));
    using K = Linjefil::Kodning;
    for (const K k : {K::Ansi, K::Utf8Bom, K::Utf16LE, K::Utf16BE})
        FUZZ_KRAV(Linjefil::tolk(Linjefil::indkod(*linjer, k)) == linjer);
    return 0;
}

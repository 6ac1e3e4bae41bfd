// Play list pages for names of any characters (the input as UTF-16, names
// between NUL characters): every line of the page stays one line, and every
// name stands in the script as one whole string.
#include "Fuzzmaal.h"
#include "functions/Afspilningsliste.h"

namespace {

// The string literal after `eleSrc="`: it must end with `";` and nothing after.
bool helStreng(const QString& linje)
{
    const QString start = QStringLiteral("eleSrc=\"./");
    if (!linje.startsWith(start))
        return false;
    for (qsizetype i = start.size(); i < linje.size(); ++i) {
        if (linje.at(i) == u'\\')
            ++i;
        else if (linje.at(i) == u'"')
            return linje.mid(i) == QStringLiteral("\";");
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const int slags = 1 + data[0] % 3;
    const QString tekst(reinterpret_cast<const QChar*>(data + 1), qsizetype((size - 1) / 2));
    QStringList navne = tekst.split(QChar(u'\0'));
    const QString mappe = QStringLiteral("/") + navne.takeFirst();
    const QStringList poster = Afspilningsliste::poster(navne);
    if (poster.isEmpty())
        return 0;
    const QStringList linjer = Afspilningsliste::linjer(slags, mappe, poster);
    qsizetype strenge = 0;
    for (const QString& l : linjer) {
        for (const QChar c : {QChar(u'\n'), QChar(u'\r'), QChar(u'\u2028'), QChar(u'\u2029')})
            FUZZ_KRAV(!l.contains(c));
        if (l.startsWith(QStringLiteral("eleSrc="))) {
            FUZZ_KRAV(helStreng(l));
            ++strenge;
        }
    }
    FUZZ_KRAV(strenge == poster.size());
    // The same page for plain names has as many lines.
    QStringList enkle;
    for (qsizetype i = 0; i < poster.size(); ++i)
        enkle << QString::number(i) + QStringLiteral(".x");
    FUZZ_KRAV(Afspilningsliste::linjer(slags, QStringLiteral("/m"), enkle).size() == linjer.size());
    return 0;
}

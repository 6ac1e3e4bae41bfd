#include "Linjefil.h"

#include "Filskriver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <array>
#include <limits>

namespace Linjefil {

namespace {

// Windows-1252's characters at 0x80..0x9F; the five unassigned bytes keep their
// C1 code point, as Windows itself converts them, so every byte round-trips.
constexpr std::array<char16_t, 32> cp1252Hoej = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString fraAnsi(QByteArrayView bytes)
{
    QString tekst(bytes.size(), Qt::Uninitialized);
    QChar* ud = tekst.data();
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *ud++ = (b >= 0x80 && b < 0xA0) ? QChar(cp1252Hoej[b - 0x80]) : QChar(b);
    }
    return tekst;
}

bool tilAnsi(const QString& tekst, QByteArray& ud)
{
    ud.reserve(ud.size() + tekst.size());
    for (QChar ch : tekst) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            ud.append(static_cast<char>(u));
            continue;
        }
        auto it = std::find(cp1252Hoej.begin(), cp1252Hoej.end(), u);
        if (it == cp1252Hoej.end())
            return false;
        ud.append(static_cast<char>(0x80 + (it - cp1252Hoej.begin())));
    }
    return true;
}

Kodning kodningAfStart(QByteArrayView start)
{
    if (start.startsWith("\xEF\xBB\xBF"))
        return Kodning::Utf8Bom;
    if (start.startsWith("\xFF\xFE"))
        return Kodning::Utf16LE;
    if (start.startsWith("\xFE\xFF"))
        return Kodning::Utf16BE;
    return Kodning::Ansi;
}

// The lines of a text; nothing when a line is longer than `hoejst`.
std::optional<QStringList> splitLinjer(const QString& tekst, qsizetype hoejst)
{
    QStringList linjer;
    qsizetype start = 0;
    const qsizetype n = tekst.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = tekst.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        if (i - start > hoejst)
            return std::nullopt;
        linjer.append(tekst.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && tekst.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (n - start > hoejst)
        return std::nullopt;
    if (start < n)
        linjer.append(tekst.mid(start));
    return linjer;
}

// UTF-16 text as Unicode: a half of a surrogate pair alone (which the decoder
// lets through) could be written in no other encoding, so it is read as U+FFFD.
QString hel(QString tekst)
{
    const qsizetype n = tekst.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = tekst.at(i);
        if (c.isHighSurrogate() && i + 1 < n && tekst.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            tekst[i] = QChar::ReplacementCharacter;
    }
    return tekst;
}

// The text after the mark. A mark that the text itself begins with is its own
// character (U+FEFF), not a second mark to drop.
QString dekod(QByteArrayView bytes, Kodning k)
{
    constexpr auto egen = QStringDecoder::Flag::ConvertInitialBom;
    switch (k) {
    case Kodning::Ansi:
        return fraAnsi(bytes);
    case Kodning::Utf8Bom:
        return QStringDecoder(QStringDecoder::Utf8, egen)(bytes.sliced(3));
    case Kodning::Utf16LE:
        return hel(QStringDecoder(QStringDecoder::Utf16LE, egen)(bytes.sliced(2)));
    case Kodning::Utf16BE:
        return hel(QStringDecoder(QStringDecoder::Utf16BE, egen)(bytes.sliced(2)));
    }
    return {};
}

bool erMaerke(QByteArrayView start)
{
    return kodningAfStart(start) != Kodning::Ansi;
}

} // namespace

QStringList afkod(const QByteArray& bytes, Kodning* kodning)
{
    const Kodning k = kodningAfStart(bytes);
    if (kodning)
        *kodning = k;
    return *splitLinjer(dekod(bytes, k), std::numeric_limits<qsizetype>::max());
}

std::optional<QStringList> tolk(const QByteArray& bytes)
{
    const QString tekst = dekod(bytes, kodningAfStart(bytes));
    if (tekst.contains(QChar(u'\0')))
        return std::nullopt;
    return splitLinjer(tekst, hoejstLinje);
}

QByteArray indkod(const QStringList& linjer, Kodning kodning)
{
    QString tekst;
    for (const QString& linje : linjer) {
        tekst += linje;
        tekst += QLatin1String("\r\n");
    }
    QByteArray ud;
    switch (kodning) {
    case Kodning::Ansi:
        // "ÿþ" or "ï»¿" first in Windows-1252 would read back as a mark.
        if (tilAnsi(tekst, ud) && !erMaerke(ud))
            return ud;
        [[fallthrough]];
    case Kodning::Utf8Bom:
        return QByteArray("\xEF\xBB\xBF") + tekst.toUtf8();
    case Kodning::Utf16LE:
        return QByteArray("\xFF\xFE") + QStringEncoder(QStringEncoder::Utf16LE)(tekst);
    case Kodning::Utf16BE:
        return QByteArray("\xFE\xFF") + QStringEncoder(QStringEncoder::Utf16BE)(tekst);
    }
    return ud;
}

Kodning kodningAf(const QString& filnavn)
{
    QFile fil(filnavn);
    if (!fil.open(QIODevice::ReadOnly))
        return Kodning::Ansi;
    return kodningAfStart(fil.read(3));
}

Laesning laes(const QString& filnavn, qint64 hoejst)
{
    const QFileInfo info(filnavn);
    if (!info.exists())
        return {};
    // A pipe or a device in a data file's place would never end or never answer.
    QFile fil(filnavn);
    if (!info.isFile() || info.size() > hoejst || !fil.open(QIODevice::ReadOnly))
        return {Laesning::Ulaeselig, {}};
    constexpr qint64 stykke = 1024 * 1024;
    QByteArray bytes;
    bool ansiEllerUtf8 = true;
    while (true) {
        const QByteArray del = fil.read(std::min(stykke, hoejst + 1 - bytes.size()));
        if (del.isEmpty())
            break;
        if (bytes.isEmpty())
            ansiEllerUtf8 = !del.startsWith("\xFF\xFE") && !del.startsWith("\xFE\xFF");
        // A NUL byte outside UTF-16 is a binary file: no need to read the rest.
        if (bytes.size() + del.size() > hoejst || (ansiEllerUtf8 && del.contains('\0')))
            return {Laesning::Ulaeselig, {}};
        bytes += del;
    }
    if (fil.error() != QFileDevice::NoError)
        return {Laesning::Ulaeselig, {}};
    std::optional<QStringList> linjer = tolk(bytes);
    if (!linjer)
        return {Laesning::Ulaeselig, {}};
    return {Laesning::Laest, std::move(*linjer)};
}

QStringList hent(const QString& filnavn, qint64 hoejst)
{
    return laes(filnavn, hoejst).linjer;
}

QString linjeFejl(const QStringList& linjer)
{
    for (const QString& l : linjer)
        if (l.contains(u'\r') || l.contains(u'\n'))
            return QStringLiteral("En linje indeholder et linjeskift, som filen ikke kan rumme.");
    return {};
}

QByteArray bytesTil(const QString& filnavn, const QStringList& linjer)
{
    return indkod(linjer, kodningAf(filnavn));
}

QString gem(const QString& filnavn, const QStringList& linjer)
{
    QString aarsag = linjeFejl(linjer);
    if (aarsag.isEmpty())
        aarsag = Filskriver::skriv(filnavn, bytesTil(filnavn, linjer));
    return aarsag.isEmpty() ? QString() : Filskriver::fejltekst(filnavn, aarsag);
}

std::optional<int> tal(const QStringList& linjer, int i)
{
    if (i < 0 || i >= linjer.size())
        return std::nullopt;
    bool ok = false;
    const int v = linjer.at(i).trimmed().toInt(&ok);
    return ok ? std::optional<int>(v) : std::nullopt;
}

int heltal(const QStringList& linjer, int i, int standard)
{
    return tal(linjer, i).value_or(standard);
}

} // namespace Linjefil

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The whole-line data files: read whole, changed in memory, written whole.
// Lines end with CR LF, the last one too. Files are Windows-1252 without a
// byte-order mark unless they began with a UTF-8 or UTF-16 mark, which they keep.
namespace Linjefil {

enum class Kodning { Ansi, Utf8Bom, Utf16LE, Utf16BE };

// The most bytes a file may hold, by what it holds; a larger one is damage.
namespace Graense {
constexpr qint64 indstillinger = 64 * 1024;  // settings and window places
constexpr qint64 lister = 4 * 1024 * 1024;   // group lists, recent folders, the help tree
constexpr qint64 grupper = 32 * 1024 * 1024; // a group's element and text files
} // namespace Graense
// The most characters a line may hold: far above any path or caption.
constexpr qsizetype hoejstLinje = 32 * 1024;

// Splits file bytes into lines; CR LF, LF and a lone CR each end a line.
QStringList afkod(const QByteArray& bytes, Kodning* kodning = nullptr);
// The same, or nothing when the bytes are no text of ours: a NUL character or a
// line longer than hoejstLinje is what a binary or broken file holds.
std::optional<QStringList> tolk(const QByteArray& bytes);

// Lines as file bytes in the wanted encoding; a text that Windows-1252
// cannot hold is written as UTF-8 with a byte-order mark instead of mangled,
// and so is one whose first bytes would read back as a byte-order mark.
QByteArray indkod(const QStringList& linjer, Kodning kodning);

// The encoding a file is in now, by its byte-order mark; Ansi when it has none or is missing.
Kodning kodningAf(const QString& filnavn);

struct Laesning
{
    enum Udfald { Mangler, Laest, Ulaeselig };
    Udfald udfald = Mangler;
    QStringList linjer; // empty unless read
};
// A file of at most `hoejst` bytes, read in pieces so that a large or binary
// file is given up early. One that cannot be opened, is larger, or is no text
// (see tolk) is Ulaeselig.
Laesning laes(const QString& filnavn, qint64 hoejst);

// The lines of a file; a missing, unreadable or damaged file is an empty list.
QStringList hent(const QString& filnavn, qint64 hoejst = Graense::lister);

// Why the lines cannot make a line file (a line break inside a line would
// part it in two when read back); empty when they can.
QString linjeFejl(const QStringList& linjer);

// The lines as the file's bytes, in the encoding it is in now.
QByteArray bytesTil(const QString& filnavn, const QStringList& linjer);

// Replaces the file atomically, keeping its encoding. Returns an empty string on
// success, else a Danish message for the user; the old file is then left whole.
[[nodiscard]] QString gem(const QString& filnavn, const QStringList& linjer);

// Line i as an integer; nothing when the line is missing or not a number.
std::optional<int> tal(const QStringList& linjer, int i);
// Line i as an integer, or the fallback when the line is missing or not a number.
int heltal(const QStringList& linjer, int i, int standard);

} // namespace Linjefil

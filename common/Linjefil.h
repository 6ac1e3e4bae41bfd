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

// Splits file bytes into lines; CR LF, LF and a lone CR each end a line.
QStringList afkod(const QByteArray& bytes, Kodning* kodning = nullptr);

// Lines as file bytes in the wanted encoding; a text that Windows-1252
// cannot hold is written as UTF-8 with a byte-order mark instead of mangled.
QByteArray indkod(const QStringList& linjer, Kodning kodning);

// The encoding a file is in now, by its byte-order mark; Ansi when it has none or is missing.
Kodning kodningAf(const QString& filnavn);

// The lines of a file; a missing or unreadable file is an empty list.
QStringList hent(const QString& filnavn);

// Replaces the file atomically, keeping its encoding. Returns an empty string on
// success, else a Danish message for the user; the old file is then left whole.
[[nodiscard]] QString gem(const QString& filnavn, const QStringList& linjer);

// Line i as an integer; nothing when the line is missing or not a number.
std::optional<int> tal(const QStringList& linjer, int i);
// Line i as an integer, or the fallback when the line is missing or not a number.
int heltal(const QStringList& linjer, int i, int standard);

} // namespace Linjefil

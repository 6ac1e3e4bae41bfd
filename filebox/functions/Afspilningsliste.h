#pragma once

#include <QString>
#include <QStringList>

// The web pages that play a selection of films or music, or show pictures,
// in a browser. Each entry is a bare file name, relative to the page's folder.
namespace Afspilningsliste {

enum Slags { Film = 1, Musik = 2, Billeder = 3 };

// The texts that have an extension, in their order; the rest are left out.
QStringList poster(const QStringList& tekster);
// The page's lines without line breaks; `poster` must not be empty.
QStringList linjer(int aFiltype, const QString& mappe, const QStringList& poster);
// Writes the lines as UTF-8 with a byte-order mark and CR LF into a new file;
// an existing file is never touched, and a failed write leaves no file.
bool skriv(const QString& sti, const QStringList& linjer);

} // namespace Afspilningsliste

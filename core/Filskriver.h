#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Every file the program writes whole goes through here: a new file beside the
// old one, checked byte for byte (a full disk takes fewer bytes without an
// error), synced, then renamed over the old one. A crash or a failure leaves
// the old file whole.
namespace Filskriver {

// Replaces (or makes) the file. An empty string, or the Danish reason it was
// not written ("Der er ikke plads nok på disken.").
[[nodiscard]] QString skriv(const QString& filnavn, const QByteArray& bytes);

struct Fil
{
    QString navn;
    QByteArray bytes;
};

// Replaces several files of one folder as one change: each is written beside
// its old one first, then a note of the renames is written, then the renames
// are done and the note is removed. A crash before the note leaves the old
// files, after it fuldfoer finishes the new ones, so the files never disagree.
// An empty string, or the Danish message that names the file not written.
[[nodiscard]] QString skrivSammen(const QList<Fil>& filer);

// Finishes or undoes a change of several files that a crash broke off in the
// folder; called before the folder's files are read.
void fuldfoer(const QString& mappe);

// The Danish message for a file that could not be written, with the reason.
QString fejltekst(const QString& filnavn, const QString& aarsag);

} // namespace Filskriver

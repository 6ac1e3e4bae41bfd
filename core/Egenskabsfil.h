#pragma once

#include <QString>
#include <QStringList>

class Filvagt;

// "egenskaber.txt": the start settings of the properties window.
struct Egenskabsfil
{
    bool tray = true;       // "Minimer til system bakken"
    bool minimer = false;   // "Minimer ved opstart"
    QString tavlumFilename; // the start-up shortcut while registered

    // A missing file gives the defaults. Reading stops at the first line that
    // is missing or not a number: what was read stays, and the shortcut is
    // then unknown.
    static Egenskabsfil fraLinjer(const QStringList& linjer, bool findes);
    // Read through the guard, which notes a file it cannot read.
    static Egenskabsfil hent(Filvagt& vagt, const QString& filnavn);
    // The file in the user's folder.
    static QString filnavn(const QString& brugermappe);
    QStringList tilLinjer() const;
};

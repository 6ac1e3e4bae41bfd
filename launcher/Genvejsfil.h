#pragma once

#include "Platform.h"

#include <QKeySequence>
#include <QString>
#include <QStringList>

#include <optional>

class Filvagt;

// "genvej.txt" beside "egenskaber.txt": whether the global key is on, and its
// combination in Qt's portable text ("Ctrl+Alt+Space").
struct Genvejsfil
{
    bool til = true;
    QKeySequence tast = standard();

    static QKeySequence standard();
    // A missing or damaged file, or a combination no program could take for
    // itself, gives the defaults.
    static Genvejsfil fraLinjer(const QStringList& linjer);
    static Genvejsfil hent(Filvagt& vagt, const QString& filnavn);
    static QString filnavn(const QString& brugermappe);
    QStringList tilLinjer() const;

    // The first combination of a sequence as the platform takes it; nothing
    // without Ctrl, Alt or the Windows key, as a bare key would be lost to typing.
    static std::optional<Platform::GlobalKey> somGlobal(const QKeySequence& tast);
    // The combination as the user reads it: "Ctrl+Alt+Mellemrum".
    static QString tekst(const QKeySequence& tast);
};

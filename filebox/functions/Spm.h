#pragma once

#include "functions/Dialoger.h"
#include "functions/SearchHandlinger.h"

// The consent questions asked before a file operation.
class TSpm : public TSearchHandlinger
{
    Q_OBJECT
public:
    using TSearchHandlinger::TSearchHandlinger;

    // The last part of a path; a drive's root ("C:\", "/") is kept whole.
    static QString getSlutDir(const QString& path);
    // Shows what a copy, or a move when deleteAfterCopy, will do; true on "Ja".
    bool skalElementerKopieres(const QString& sourceDir, const QString& destDir,
                               const QStringList& folders, const QStringList& files);
    // Shows what a deletion will remove (files as full paths); true on "Ja".
    bool skalElementerSlettes(const QString& sourceDir, const QStringList& files,
                              bool tilPapirkurven, const QStringList& folders);

    Bekraeftelse* Kopieringsvindue = nullptr;
    FilFindes* Findesvindue = nullptr;
};

#pragma once

#include "functions/VarProp.h"

#include "functions/Filmodel.h"

#include <QPoint>
#include <optional>

// Stateless helpers of the file box, and reads and writes of the selected node.
class TGrundMetoder : public TVarProp
{
    Q_OBJECT
public:
    using TVarProp::TVarProp;

    // 1 removable, 2 fixed, 3 CD-ROM, 4 RAM disk, 5 network; 0 not known or no drive.
    int getDrevType(const QString& path) const;
    // The label of the drive whose short form this is; empty when it has none.
    QString getVolumeLabel(const QString& drev) const;
    // "1,50 KB (1.536 bytes)" with Danish settings; the unit goes by the number of digits.
    static QString getSizeString(qint64 size);
    // The number in the unit its digits call for, at most the step given (4 is TB).
    static QString enhedstekst(qint64 size, int hoejesteTrin);
    // The last part of a path; a drive's root gives its short form.
    static QString getLastDirectory(const QString& aDirectory);

    bool IsSelectedDirectory() const;
    // The folder that a copy or delete of the selection is taken from.
    QString getSourcemappe() const;
    void setSelectedDataMappe(const QString& aDirectory);
    void setSelectedDataFilnavn(const QString& aFilename);
    // The folder of the node at the point, which gets selected; Grundmappe when none.
    QString getFocusFilDirectory(int X, int Y);
    // The wanted name, or the first of "name<suffix> (1)", "(2)", ... that is free.
    QString getNewDirectoryName(const QString& aDirectory, const QString& aSuffix) const;
    QString getNewFilename(const QString& aFilename, const QString& aSuffix) const;

    // A folder, or a link to one, is there.
    bool erMappe(const QString& sti) const;
    // A file, or a link to one, is there.
    bool erFil(const QString& sti) const;
    // Anything at all is there, a broken link too.
    bool findesNoget(const QString& sti) const;
    // The folder that holds a path, by its text; a root is its own.
    static QString mappeOver(const QString& sti);

    // By extension with its dot, case ignored.
    static bool erDetEnBilledfil(const QString& ext);
    static bool erDetEnMusikfil(const QString& ext);
    static bool erDetEnVideofil(const QString& ext);
    static bool erDetEnTekstfil(const QString& ext);
    // The extension with its dot, as the kind tests take it; empty when none.
    static QString extension(const QString& filnavn);

protected:
    // The selection the operations act on, and its selected node's record.
    Listevalg* aktivStruktur() const;
    std::optional<StrukturRec> valgtData() const;
};

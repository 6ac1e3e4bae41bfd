#pragma once

#include "functions/Prehandlinger.h"

#include <optional>

class Ikonvalg;
class Tfilinfoform;

// Filling the information window of a file, a folder or a drive.
class TFilMappeInfo : public TPrehandlinger
{
    Q_OBJECT
public:
    using TPrehandlinger::TPrehandlinger;

    void showFileInfo(const QString& aFilename);
    // The selected folder, counted to its end while the window repaints.
    void showMappeInfo();
    // The drive that the path lies on.
    void showDriveInfo(const QString& aDriveTekst);

    QString makeIconFilnavn(const QString& key) const;
    // "Lokal disk" and the like for the drive a path lies on; empty when not known.
    QString getDrevTypeString(const QString& drev) const;
    // The drive's file system as the mount table names it; "Ukendt" when not known.
    QString getFileSystem(const QString& drev) const;
    // The size text of a file that can be opened for reading; empty when it cannot.
    QString getSizeInfo(const QString& path) const;
    // Puts the file's icon into the window; the extension, lower case, without dot.
    QString insertIkon(const QString& path);

    // "Videofil: " and the like, by extension without dot; empty for other kinds.
    static QString filslagstekst(const QString& ext);

    // What the file tab shows as "Skrivebeskyttet" and "Skjult": the owner's
    // write permission and the folder's ".hidden" list. A name that begins
    // with "." is always hidden.
    struct Attributter
    {
        bool skrivebeskyttet = false;
        bool skjult = false;
        bool altidSkjult = false;
    };
    std::optional<Attributter> laesAttributter(const QString& fil) const;
    // Sets both, leaving everything else as it was; false when either failed.
    bool skrivAttributter(const QString& fil, bool skrivebeskyttet, bool skjult);

    Tfilinfoform* Infovindue = nullptr;
    QString ikonDir; // the main window's icon folder

private:
    Ikonvalg ikonvalg() const;
    void visMappeTal(qint64 filer, qint64 mapper, qint64 bytes) const;
    // Counts every filling of the window, so that a folder count stops when
    // the window is taken for something else while it repaints.
    int m_visning = 0;
};

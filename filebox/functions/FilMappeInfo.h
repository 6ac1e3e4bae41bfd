#pragma once

#include "functions/Prehandlinger.h"

#include <functional>
#include <optional>

// What the information window shows of a file, a folder or a drive.
class TFilMappeInfo : public TPrehandlinger
{
    Q_OBJECT
public:
    using TPrehandlinger::TPrehandlinger;

    // "Lokal disk" and the like for the drive a path lies on; empty when not known.
    QString getDrevTypeString(const QString& drev) const;
    // The drive's file system as the mount table names it; "Ukendt" when not known.
    QString getFileSystem(const QString& drev) const;
    // The size text of a file that can be opened for reading; empty when it cannot.
    QString getSizeInfo(const QString& path) const;
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
    // Sets both, leaving everything else as it was; empty when done, else why not in Danish.
    QString skrivAttributter(const QString& fil, bool skrivebeskyttet, bool skjult);

    // "Fil egenskaber".
    struct Filvisning
    {
        QString navn;
        QString placering; // the folder, with its separator
        QString filtype;   // "Videofil: MP4-fil (.mp4)"
        QString stoerrelse;
        QString oprettet;
        QString aendret;
        QString aabnet;
        Attributter attributter;
        // The icon is the extension's icon file, else the kind's icon file
        // when the kind has one, else the icon the platform finds in the file.
        QString ikonnavn;  // the extension, lower case, without dot
        QString slagsikon; // empty when the kind has no icon of its own
    };
    // Nothing when the file cannot be read.
    std::optional<Filvisning> filInfo(const QString& aFilename) const;

    // "Mappe egenskaber", before its contents are counted.
    struct Mappevisning
    {
        QString mappe;
        QString navn;
        QString placering;
        QString oprettet;
    };
    // The selected folder; nothing, told already, when none is selected or it is gone.
    std::optional<Mappevisning> mappeInfo();
    struct Mappetal
    {
        QString stoerrelse; // "2,41 KB (2.472 bytes)"
        QString indhold;    // "1.234 filer, 2 mapper"
    };
    static Mappetal mappetal(qint64 filer, qint64 mapper, qint64 bytes);
    // Every entry below the folder, hidden ones too; links are counted as
    // entries, not followed. `undervejs` is given the count so far now and
    // then, and stops it by answering false; nothing then.
    std::optional<Mappetal> taelMappe(const QString& mappe,
                                      const std::function<bool(const Mappetal&)>& undervejs) const;

    // "Drev egenskaber" of the drive that the path lies on.
    struct Drevvisning
    {
        QString navn; // "Data (/media/data)"
        QString type;
        QString filsystem;
        QString anvendt;
        QString ledig;
        QString kapacitet;
        int procentBrugt = 0;
    };
    Drevvisning drevInfo(const QString& aDriveTekst) const;
};

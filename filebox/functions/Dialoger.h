#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// What the file operations ask and show through the file box's three
// operation windows; the windows implement these, tests script them.

// The confirmation window: what is about to happen, answered "Ja" or "Nej".
class Bekraeftelse
{
public:
    struct Forespoergsel
    {
        QString caption;
        QString spoergsmaal;
        int billede = 0; // in the file box's 32-pixel pictures
        QString kilde;
        QString destination;
        QStringList filer;
        QStringList mapper;
    };
    virtual ~Bekraeftelse() = default;
    virtual bool bekraeft(const Forespoergsel& f) = 0;
};

// The progress window "Kopierer".
class Fremdrift
{
public:
    virtual ~Fremdrift() = default;
    virtual void setInfo(const QString& tekst) = 0;
    virtual void setProcent(const QString& tekst) = 0;
    virtual void setResterende(const QString& tekst) = 0;
    virtual void setSletInfo(const QString& tekst) = 0;
    virtual void setIndlaeste(const QString& tekst) = 0;
    virtual int filProcent() const = 0;
    virtual void setFilProcent(int procent) = 0;
    virtual void setAlleProcent(int procent) = 0;
    virtual void setAktiv(int maksimum, int position) = 0;
    virtual void setAktivPosition(int position) = 0;
    // Shown, the program waits with the hourglass until the window is closed.
    virtual void vis() = 0;
    virtual void luk() = 0;
    // Lets the window paint what it was given; may skip when it painted a moment ago.
    virtual void opdater() = 0;
};

// One file that exists where a paste goes: the one there and the one coming.
struct Konflikt
{
    QString navn;
    qint64 eksisterendeSize = 0;
    qint64 eksisterendeTid = -1; // milliseconds since 1970 UTC; -1 not known
    qint64 nySize = 0;
    qint64 nyTid = -1;
    // By the second: copies keep no finer time on every file system.
    bool nyErNyere() const;
    // The two files' size and time, the newer and the larger marked:
    // "Eksisterende: 1,50 KB, 01.03.2024 14.05 (nyere)", then "Ny: ...".
    QStringList linjer() const;
};

// The window "Hvad skal der gøres" for files that exist at the destination.
class FilFindes
{
public:
    enum Valg { OverskrivIngen, OverskrivAlle, SpoergHverGang, OpretKopier, OverskrivHvisNyere };
    virtual ~FilFindes() = default;
    // The choice made with "Forsæt"; none when the window was closed.
    virtual std::optional<Valg> vaelg(const QList<Konflikt>& filer) = 0;
};

#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class Platform;

// The file box's operations since the program started that can be taken back,
// the last first. Taking one back never deletes or replaces anything the
// operation did not make: what has changed since, or whose place is taken,
// is left as it is and named.
class Fortrydelser
{
public:
    enum Art { Indsaet, Flyt, Omdoeb, NyMappe, Papirkurv };
    // A file or folder as the operation left it.
    struct Spor
    {
        QString sti;
        qint64 size = 0;
        qint64 modified = -1;
        bool mappe = false;
    };
    struct Handling
    {
        Art art = Indsaet;
        // The entries made, in the order they were made: a folder before what it holds.
        std::vector<Spor> lavet;
        // Each element as it was before and after: a move's and a rename's
        // two places, a new folder's and a trashed entry's one (in `fra`).
        std::vector<std::pair<QString, QString>> par;
        // Files of the same name that a paste replaced; they cannot come back.
        QStringList overskrevet;
        qint64 tid = 0; // when a delete began, milliseconds since 1970 UTC
    };
    struct Resultat
    {
        int fortrudt = 0;
        QStringList ikke; // each as the user reads it: "name (why)"
    };

    explicit Fortrydelser(Platform& platform) : m_platform(platform) {}

    // Keeps an operation that did something.
    void husk(Handling h);
    bool tom() const { return m_handlinger.empty(); }
    // "Fortryd indsættelse", "Fortryd sletning", ...; "Fortryd" when there is nothing.
    QString caption() const;
    // The new folder just made has got its name.
    void nyMappeNavngivet(const QString& fra, const QString& til);
    // Takes back the last operation and forgets it.
    Resultat fortryd();

    // The entry as it is now, by its kind, size and time.
    Spor spor(const QString& sti) const;

private:
    bool uaendret(const Spor& s) const;
    void fjernLavet(const Handling& h, Resultat& r);
    void flytTilbage(const Handling& h, Resultat& r);
    void slet(const Handling& h, Resultat& r);
    void gendan(const Handling& h, Resultat& r);
    // A whole tree back to its first place, by a rename or else a copy.
    bool flyt(const QString& fra, const QString& til);
    bool kopierTrae(const std::string& fra, const std::string& til);
    bool findes(const QString& sti) const;
    // A folder that cannot be read is not known to be empty.
    bool erTom(const QString& mappe) const;

    Platform& m_platform;
    std::vector<Handling> m_handlinger;
};

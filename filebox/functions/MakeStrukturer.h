#pragma once

#include "functions/Filmodel.h"
#include "functions/GrundMetoder.h"
#include "Mappehistorik.h"
#include "Mappeindhold.h"

#include <QList>

// Fills the file list with one folder's contents, keeps the folder history
// and finds the drive menu's items. Every change of folder ends in makeStruktur2.
class TMakeStrukturer : public TGrundMetoder
{
    Q_OBJECT
public:
    using TGrundMetoder::TGrundMetoder;

    // Shows a folder; nothing happens when it is missing, or when it is the
    // current one and `reload` is false. `insertMSL` records it in the history.
    void makeStruktur2(const QString& aDirectory, bool insertMSL, bool reload);

    // Lists the recycle bins of every drive instead of a folder. Grundmappe
    // stays the folder shown before, which the next folder shown replaces.
    void visPapirkurv();
    bool papirkurvVises() const { return m_papirkurv; }
    // Lists again what is shown: the folder, or the recycle bin.
    void visIgen();

    void mappeFirst() { vis(m_historik.foerste()); }
    void mappeTilbage() { vis(m_historik.tilbage()); }
    void mappeFrem() { vis(m_historik.frem()); }
    void mappeLast() { vis(m_historik.sidste()); }
    // Whether the history has a folder before, or after, the one shown.
    bool kanGaaTilbage() const { return m_historik.kanTilbage(); }
    bool kanGaaFrem() const { return m_historik.kanFrem(); }
    Mappehistorik& historik() { return m_historik; }

    struct Drevpunkt
    {
        QString caption;
        int billede = 0;
        QString kortform;
        bool operator==(const Drevpunkt&) const = default;
    };
    // The drive menu's items: removable, fixed and CD-ROM drives.
    QList<Drevpunkt> drevpunkter() const;

    // Tells the user the folder has vanished and lists the nearest one that is left.
    void reloadStrukturer();

    int antalGrundmapper = 0;
    int antalGrundfiler = 0;

    // The last directory scan as the list holds it, 4 lines an entry: name,
    // folder, file path, kind; made when asked for.
    QStringList SL() const { return skanlinjer(0); }
    QStringList SLfil() const { return skanlinjer(1); }

protected:
    // True while a listing selects its first node: that choice is the list's,
    // not the user's, so it does not make the node the target of a paste.
    bool m_autovalg = false;
    bool m_papirkurv = false;

private:
    void visNoder(std::vector<Filnode> nye);
    // After a listing the first node is chosen, when there is a file.
    void vaelgFoerste();
    QStringList skanlinjer(int ID) const;
    void vis(const std::optional<QString>& mappe);

    Mappehistorik m_historik{[this](const QString& mappe) { return erMappe(mappe); }};
};

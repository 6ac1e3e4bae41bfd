#pragma once

#include <QIcon>
#include <QList>
#include <QString>
#include <functional>

class Filvagt;
class QAction;
class QMenu;

// A most-recently-used list of paths with their menu captions, kept in a text
// file: line 1 the most entries kept, line 2 the entries held, then caption and
// path of each entry, the most recent first.
class TReopenFiler
{
public:
    enum TItemtype { itFil, itBibliotek, itAndet };
    struct TReopenRec
    {
        QString Caption;
        QString Filnavn;
        bool operator==(const TReopenRec&) const = default;
    };

    QString Itemfile;
    // Keeps an item file that could not be read from being written over; none when used alone.
    Filvagt* vagt = nullptr;
    // The most entries a file may ask to keep: a menu longer than this is damage.
    static constexpr int hoejstFilantal = 100;
    int Filantal = 10;
    TItemtype Itemtype = itFil;
    // The menu whose sub-items show the list, from place MenuStartNr on; the
    // sub-items before it belong to others and are never touched.
    QMenu* MainItem = nullptr;
    int MenuStartNr = 0;
    // Pictures of the entry items, by index into Billeder.
    int ImageStartNr = 0;
    QList<QIcon> Billeder;
    // A separator after the entries, and an item that empties the list.
    bool MedMenuStreg = false;
    QString DeleteItemCap;
    QString DeleteItemHint;
    // Run when an entry item is chosen, with the entry's path (empty when it has vanished).
    std::function<void(QAction* Sender, const QString& Filnavn)> OnKlik;

    int Antal() const { return static_cast<int>(Ropen.size()); }
    const QList<TReopenRec>& entries() const { return Ropen; }

    // Puts a path at the top; an equal path (case counts) moves up instead of
    // standing twice, except for itAndet. The oldest entry falls off a full list.
    void InsertItem(const QString& FNavn, const QString& MenuCaption);
    void DeleteItem(const QString& FNavn);
    void DeleteItemByCaption(const QString& CapNavn);
    void DeleteItem(int Index);
    void DeleteAllItems();
    QString GetCaption(int Index) const;
    // The recent-folders caption of a path: its last folder's name; empty when it is no folder.
    static QString GetBibliotek(const QString& FNavn);

    // Writes the list to Itemfile; an empty string or a Danish message.
    [[nodiscard]] QString GemReopenFiler() const;
    // The lines GemReopenFiler writes.
    QStringList linjer() const;
    // Reads the list from Itemfile; a damaged file gives what can be read of
    // it, and counts outside 0 to hoejstFilantal give the defaults.
    void HentReopenFiler();
    void DeleteItemFile();
    // Rebuilds the entry items under MainItem; a picture index of 0 or more
    // gives every item that picture.
    void MakeMenu(int aImageIndex);
    // An entry item was chosen.
    void klik(QAction* Sender);

private:
    void fjernMenupunkter();
    QAction* nytPunkt(const QString& caption, const QString& hint, int billede);
    void fjernFoersteHvor(auto&& passer);
    QList<TReopenRec> Ropen;
};

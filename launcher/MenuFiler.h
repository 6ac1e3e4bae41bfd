#pragma once

#include <QList>
#include <QString>

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
    int Filantal = 10;
    TItemtype Itemtype = itFil;

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

    // Writes the list to Itemfile; an empty string or a Danish message.
    [[nodiscard]] QString GemReopenFiler() const;
    // Reads the list from Itemfile; a damaged file gives what can be read of it.
    void HentReopenFiler();
    void DeleteItemFile();

private:
    void fjernFoersteHvor(auto&& passer);
    QList<TReopenRec> Ropen;
};

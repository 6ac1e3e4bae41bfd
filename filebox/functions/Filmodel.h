#pragma once

#include "Platform.h"

#include <QAbstractListModel>
#include <QList>
#include <QVariant>
#include <string>
#include <vector>

// The record every node of the file list carries.
struct StrukturRec
{
    QString mappe;   // a folder's own path; for a file the folder that holds it
    QString filnavn; // a file's full path; empty for a folder
    int ID = 0;      // 0 folder, 1 file; even counts as a folder
};

// One entry of the folder listed: its name as the file system's bytes, and its kind.
struct Filnode
{
    std::string navn;
    int ID = 0;
};

// The nodes of the file list: one flat level of one folder. A row's text,
// picture and paths are made when they are asked for, so a folder of many
// thousand entries costs one name each and the list shows what is in view.
class Filmodel : public QAbstractListModel
{
    Q_OBJECT
public:
    // The picture's place in the window's pictures of the file list.
    static constexpr int BilledeRolle = Qt::UserRole;

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    // The recycle bin shows each item's original place and deletion date beside its name.
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // An edited text is offered, not kept: the rename decides what the node shows.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QStringList mimeTypes() const override;
    // The entries as the desktop's file managers take them, and marked as the file box's own.
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    static const QString egenType;

    // The entries of `mappe`, in the order they are shown.
    void fyld(const QString& mappe, std::vector<Filnode> noder);
    // The recycle bin's items in the order shown; an item's original place and
    // date are read from the bin when its row is first asked for.
    void fyldPapirkurv(std::vector<Platform::TrashItem> items, const Platform& platform);
    bool papirkurv() const { return m_platform != nullptr; }
    // The item of row i, its original place read where the bin has it.
    const Platform::TrashItem& element(int i) const;
    // The entries shown: those the filter lets through.
    int antal() const;
    // Every entry of the folder, shown or not.
    int antalAlle() const { return static_cast<int>(m_noder.size()); }
    // Shows only the entries whose names hold the text, case ignored; an
    // empty text shows them all. A new folder filled in clears it.
    void setFilter(const QString& filter);
    const QString& filter() const { return m_filter; }
    // The text shown: a name as the eye reads it.
    QString tekst(int i) const;
    // The name with every byte kept.
    QString navn(int i) const;
    StrukturRec rec(int i) const;
    int ID(int i) const { return node(i).ID; }
    void setID(int i, int ID);
    // The entry has been renamed on disk.
    void omdoeb(int i, const QString& navn);
    // The pictures by place, as the window's design has them.
    void setBilleder(const QList<QVariant>& billeder);

    // The picture of a file by the extension of its name.
    static int billedindeks(const QString& filnavn);

signals:
    void tekstRedigeret(int i, const QString& tekst);

private:
    QString sti(int i) const;
    const Filnode& node(int i) const;
    std::size_t plads(int i) const;
    QVariant papirkurvData(int i, int column, int role) const;
    Filnode& node(int i);
    void vaelgVist();

    QString m_mappe;
    QString m_praefiks; // the folder with its separator, before every name
    std::vector<Filnode> m_noder;
    QString m_filter;
    std::vector<std::size_t> m_vist; // the entries the filter shows, by place
    QList<QVariant> m_billeder;
    // While the recycle bin is shown: its items beside the nodes, and which are read.
    const Platform* m_platform = nullptr;
    mutable std::vector<Platform::TrashItem> m_kurv;
    mutable std::vector<bool> m_laest;
};

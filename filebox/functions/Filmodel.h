#pragma once

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
    int antal() const { return static_cast<int>(m_noder.size()); }
    // The text shown: a name as the eye reads it.
    QString tekst(int i) const;
    // The name with every byte kept.
    QString navn(int i) const;
    StrukturRec rec(int i) const;
    int ID(int i) const { return m_noder.at(static_cast<std::size_t>(i)).ID; }
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

    QString m_mappe;
    QString m_praefiks; // the folder with its separator, before every name
    std::vector<Filnode> m_noder;
    QList<QVariant> m_billeder;
};

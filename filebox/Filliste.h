#pragma once

#include <QAbstractListModel>
#include <QIcon>
#include <QTreeView>
#include <vector>

// The record every node of the file list carries.
struct StrukturRec
{
    QString mappe;   // a folder's own path; for a file the folder that holds it
    QString filnavn; // a file's full path; empty for a folder
    int ID = 0;      // 0 folder, 1 file; even counts as a folder
};

struct Filnode
{
    QString tekst;
    int billede = 0;
    StrukturRec data;
};

// The nodes of the file list: one flat level, shown with pictures by index.
class Filmodel : public QAbstractListModel
{
    Q_OBJECT
public:
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

    void fyld(std::vector<Filnode> noder);
    const std::vector<Filnode>& noder() const { return m_noder; }
    Filnode& node(int i) { return m_noder.at(static_cast<std::size_t>(i)); }
    void setBilleder(const QList<QIcon>& billeder);
    void setTekst(int i, const QString& tekst);

signals:
    void tekstRedigeret(int i, const QString& tekst);

private:
    std::vector<Filnode> m_noder;
    QList<QIcon> m_billeder;
};

// The file box's tree view: one level of folders and files, several selectable.
class Filliste : public QTreeView
{
    Q_OBJECT
public:
    explicit Filliste(QWidget* parent = nullptr);

    Filmodel& noder() const { return *m_model; }
    int antal() const { return m_model->rowCount(); }
    // The selected node: the current one when it is selected, else the first selected; -1 for none.
    int valgt() const;
    int antalValgte() const;
    // Makes node i the current and only selected node; -1 clears the selection.
    void vaelg(int i);
    // The node at a point of the list, -1 for none.
    int nodeVed(const QPoint& sted) const;
    // Starts editing node i's text in place.
    void redigerTekst(int i);
    bool redigerer() const { return state() == EditingState; }
    // At least as many rows as the list shows at once.
    std::size_t skaermfuld() const;

signals:
    void redigeringBegynder(int i);
    // A drag of the selection starts, and has ended.
    void traekStarter();
    void traekSlutter();

protected:
    // The drag copies or moves nothing by itself: the drop decides.
    void startDrag(Qt::DropActions supportedActions) override;

private:
    Filmodel* m_model;
};

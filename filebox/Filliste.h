#pragma once

#include "functions/Filmodel.h"

#include <QIcon>
#include <QTreeView>

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
    void setBilleder(const QList<QIcon>& billeder);
    // Starts editing node i's text in place.
    void redigerTekst(int i);
    bool redigerer() const { return state() == EditingState; }
    // The recycle bin's columns with their headings, or the one column of a folder.
    void visKolonner(bool papirkurv);
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

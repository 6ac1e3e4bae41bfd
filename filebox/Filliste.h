#pragma once

#include "functions/Filmodel.h"
#include "functions/Listevalg.h"

#include <QIcon>
#include <QTreeView>

// The file box's tree view of the logic's nodes: one level of folders and
// files, several selectable.
class Filliste : public QTreeView, public Listevalg
{
    Q_OBJECT
public:
    explicit Filliste(Filmodel& noder, QWidget* parent = nullptr);

    Filmodel& noder() const { return m_model; }
    int antal() const { return m_model.rowCount(); }
    int valgt() const override;
    int aktuel() const override;
    bool erValgt(int i) const override;
    int antalValgte() const override;
    void vaelg(int i) override;
    void vaelgAlle() override;
    void vendValg() override;
    int nodeVed(const QPoint& sted) const override;
    void setBilleder(const QList<QIcon>& billeder);
    void redigerTekst(int i) override;
    bool redigerer() const { return state() == EditingState; }
    void tilToppen() override { scrollToTop(); }
    // The recycle bin's columns with their headings, or the one column of a folder.
    void visKolonner(bool papirkurv);
    std::size_t skaermfuld() const override;
    void tegnNu() override { repaint(); }

signals:
    void redigeringBegynder(int i);
    // A drag of the selection starts, and has ended.
    void traekStarter();
    void traekSlutter();

protected:
    // The drag copies or moves nothing by itself: the drop decides.
    void startDrag(Qt::DropActions supportedActions) override;

private:
    // Every row, each whole: the recycle bin's rows have three columns.
    void marker(QItemSelectionModel::SelectionFlags maade);

    Filmodel& m_model;
};

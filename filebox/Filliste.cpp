#include "Filliste.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDrag>
#include <QHeaderView>
#include <QLocale>

Filliste::Filliste(Filmodel& noder, QWidget* parent) : QTreeView(parent), m_model(noder)
{
    setModel(&m_model);
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(5);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::CopyAction);
    setIconSize(QSize(16, 16));
    header()->setStretchLastSection(true);
}

int Filliste::valgt() const
{
    const QModelIndex aktuel = currentIndex();
    if (aktuel.isValid() && selectionModel()->isSelected(aktuel))
        return aktuel.row();
    const QModelIndexList valgte = selectionModel()->selectedRows();
    return valgte.isEmpty() ? -1 : valgte.first().row();
}

int Filliste::aktuel() const
{
    return currentIndex().row();
}

bool Filliste::erValgt(int i) const
{
    return selectionModel()->isRowSelected(i, {});
}

int Filliste::antalValgte() const
{
    return static_cast<int>(selectionModel()->selectedRows().size());
}

void Filliste::vaelg(int i)
{
    if (i < 0 || i >= antal()) {
        selectionModel()->clearSelection();
        return;
    }
    // Whole rows, as a click chooses them: the recycle bin's rows have three columns.
    selectionModel()->setCurrentIndex(m_model.index(i), QItemSelectionModel::ClearAndSelect |
                                                            QItemSelectionModel::Rows);
}

void Filliste::marker(QItemSelectionModel::SelectionFlags maade)
{
    if (antal() > 0)
        selectionModel()->select(QItemSelection(m_model.index(0), m_model.index(antal() - 1)),
                                 maade | QItemSelectionModel::Rows);
}

void Filliste::vaelgAlle()
{
    marker(QItemSelectionModel::Select);
}

void Filliste::vendValg()
{
    marker(QItemSelectionModel::Toggle);
}

void Filliste::visKolonner(bool papirkurv)
{
    if (papirkurv == !isHeaderHidden())
        return;
    setHeaderHidden(!papirkurv);
    if (!papirkurv)
        return;
    // The date as wide as the longest the locale writes, the rest shared:
    // fitted to the contents, every item's place would be read.
    const QString dato =
        QLocale().toString(QDateTime(QDate(2026, 12, 28), QTime(23, 58)), QLocale::ShortFormat);
    const int datobredde = fontMetrics().horizontalAdvance(dato) + 3 * indentation() + 8;
    const int rest = std::max(200, viewport()->width() - datobredde);
    header()->resizeSection(0, rest / 2);
    header()->resizeSection(1, rest - rest / 2);
}

std::size_t Filliste::skaermfuld() const
{
    if (!isVisible())
        return 0;
    // No row is lower than the font.
    return static_cast<std::size_t>(viewport()->height() / std::max(1, fontMetrics().height())) + 1;
}

int Filliste::nodeVed(const QPoint& sted) const
{
    return indexAt(sted).row();
}

void Filliste::redigerTekst(int i)
{
    emit redigeringBegynder(i);
    // Just after a new listing the rows are not laid out yet, and an editor
    // needs its row's place.
    const QModelIndex index = m_model.index(i);
    scrollTo(index);
    edit(index);
}

void Filliste::setBilleder(const QList<QIcon>& billeder)
{
    QList<QVariant> ud;
    for (const QIcon& b : billeder)
        ud << b;
    m_model.setBilleder(ud);
}

void Filliste::startDrag(Qt::DropActions supportedActions)
{
    const QModelIndexList valgte = selectionModel()->selectedRows();
    if (valgte.isEmpty())
        return;
    emit traekStarter();
    auto* drag = new QDrag(this);
    drag->setMimeData(m_model.mimeData(valgte));
    const QIcon billede = m_model.data(valgte.first(), Qt::DecorationRole).value<QIcon>();
    drag->setPixmap(billede.pixmap(valgte.size() == 1 ? 16 : 24));
    drag->exec(supportedActions, Qt::CopyAction);
    emit traekSlutter();
}

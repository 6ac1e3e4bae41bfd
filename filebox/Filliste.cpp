#include "Filliste.h"

#include <QCoreApplication>
#include <QDrag>
#include <QHeaderView>
#include <QMimeData>
#include <QUrl>

const QString Filmodel::egenType = QStringLiteral("application/x-tavlum-filboks");

int Filmodel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_noder.size());
}

QVariant Filmodel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Filnode& n = m_noder[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return n.tekst;
    case Qt::DecorationRole:
        return m_billeder.value(n.billede);
    case Qt::ToolTipRole:
        return n.data.filnavn.isEmpty() ? n.data.mappe : n.data.filnavn;
    default:
        return {};
    }
}

Qt::ItemFlags Filmodel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable |
                                 Qt::ItemIsDragEnabled | Qt::ItemNeverHasChildren
                           : Qt::NoItemFlags;
}

bool Filmodel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() >= rowCount())
        return false;
    emit tekstRedigeret(index.row(), value.toString());
    return true;
}

void Filmodel::setTekst(int i, const QString& tekst)
{
    node(i).tekst = tekst;
    emit dataChanged(index(i), index(i), {Qt::DisplayRole, Qt::EditRole});
}

QStringList Filmodel::mimeTypes() const
{
    return {QStringLiteral("text/uri-list"), egenType};
}

QMimeData* Filmodel::mimeData(const QModelIndexList& indexes) const
{
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const QModelIndex& i : indexes) {
        const StrukturRec& r = m_noder.at(static_cast<std::size_t>(i.row())).data;
        urls << QUrl::fromLocalFile(r.filnavn.isEmpty() ? r.mappe : r.filnavn);
    }
    data->setUrls(urls);
    data->setData(egenType, QByteArray::number(QCoreApplication::applicationPid()));
    return data;
}

void Filmodel::fyld(std::vector<Filnode> noder)
{
    beginResetModel();
    m_noder = std::move(noder);
    endResetModel();
}

void Filmodel::setBilleder(const QList<QIcon>& billeder)
{
    m_billeder = billeder;
    if (!m_noder.empty())
        emit dataChanged(index(0), index(rowCount() - 1), {Qt::DecorationRole});
}

Filliste::Filliste(QWidget* parent) : QTreeView(parent), m_model(new Filmodel(this))
{
    setModel(m_model);
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
    selectionModel()->setCurrentIndex(m_model->index(i), QItemSelectionModel::ClearAndSelect);
}

std::size_t Filliste::skaermfuld() const
{
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
    const QModelIndex index = m_model->index(i);
    scrollTo(index);
    edit(index);
}

void Filliste::startDrag(Qt::DropActions supportedActions)
{
    const QModelIndexList valgte = selectionModel()->selectedRows();
    if (valgte.isEmpty())
        return;
    emit traekStarter();
    auto* drag = new QDrag(this);
    drag->setMimeData(m_model->mimeData(valgte));
    const QIcon billede = m_model->data(valgte.first(), Qt::DecorationRole).value<QIcon>();
    drag->setPixmap(billede.pixmap(valgte.size() == 1 ? 16 : 24));
    drag->exec(supportedActions, Qt::CopyAction);
    emit traekSlutter();
}

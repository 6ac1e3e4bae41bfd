#include "Afkrydsning.h"

#include <algorithm>

Afkrydsning::Afkrydsning(QAbstractItemModel* elementer, QObject* parent)
    : QIdentityProxyModel(parent)
{
    setSourceModel(elementer);
    connect(elementer, &QAbstractItemModel::modelReset, this, [this] { m_valgte.clear(); });
}

Qt::ItemFlags Afkrydsning::flags(const QModelIndex& index) const
{
    return QIdentityProxyModel::flags(index) | Qt::ItemIsUserCheckable;
}

QVariant Afkrydsning::data(const QModelIndex& index, int role) const
{
    if (role == Qt::CheckStateRole && index.isValid())
        return afkrydset(index.row()) ? Qt::Checked : Qt::Unchecked;
    return QIdentityProxyModel::data(index, role);
}

bool Afkrydsning::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || !index.isValid())
        return QIdentityProxyModel::setData(index, value, role);
    afkryds(index.row(), value.toInt() == Qt::Checked);
    return true;
}

void Afkrydsning::afkryds(int raekke, bool valgt)
{
    if (afkrydset(raekke) == valgt || raekke < 0 || raekke >= rowCount())
        return;
    if (valgt)
        m_valgte.insert(raekke);
    else
        m_valgte.remove(raekke);
    emit dataChanged(index(raekke, 0), index(raekke, 0), {Qt::CheckStateRole});
}

QList<int> Afkrydsning::afkrydsede() const
{
    QList<int> ud(m_valgte.cbegin(), m_valgte.cend());
    std::sort(ud.begin(), ud.end());
    return ud;
}

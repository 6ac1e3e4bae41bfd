#pragma once

#include <QIdentityProxyModel>
#include <QList>
#include <QSet>

// The main window's elements with a check box each, as the group window's
// list chooses them. A new group, or the same one made anew, starts unchecked.
class Afkrydsning : public QIdentityProxyModel
{
    Q_OBJECT
public:
    explicit Afkrydsning(QAbstractItemModel* elementer, QObject* parent = nullptr);

    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    bool afkrydset(int raekke) const { return m_valgte.contains(raekke); }
    void afkryds(int raekke, bool valgt);
    // The checked places, first to last.
    QList<int> afkrydsede() const;

private:
    QSet<int> m_valgte;
};

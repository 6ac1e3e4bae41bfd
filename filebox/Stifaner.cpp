#include "Stifaner.h"

#include <QDir>

namespace Stifaner {

QStringList dele(const QString& mappe)
{
    const QString sti = QDir::fromNativeSeparators(mappe);
    QStringList ud;
    if (sti.startsWith(u'/'))
        ud << QDir::toNativeSeparators(QStringLiteral("/"));
    ud << sti.split(u'/', Qt::SkipEmptyParts);
    return ud;
}

QString mappeTil(const QStringList& dele, int sted)
{
    const QStringList valgte = dele.mid(0, sted + 1);
    if (valgte.isEmpty())
        return {};
    const QString rod = QDir::toNativeSeparators(QStringLiteral("/"));
    if (valgte.first() == rod)
        return rod + valgte.mid(1).join(QDir::separator());
    return valgte.join(QDir::separator());
}

} // namespace Stifaner

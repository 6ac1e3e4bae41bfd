#pragma once

#include <QStringList>

// The path tabs: one tab per part of a folder's path, the root first.
namespace Stifaner {

// "/home/kontor/Data" gives "/", "home", "kontor", "Data"; empty parts are left out.
QStringList dele(const QString& mappe);
// The folder of the tab at `sted`: the root joined with the parts up to it.
QString mappeTil(const QStringList& dele, int sted);

} // namespace Stifaner

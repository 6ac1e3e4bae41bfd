#include "Startupmappe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool sikrStartupmappe(const QString& mappe, const QString& hjem)
{
    const QFileInfo info(mappe);
    if (info.isDir())
        return true;
    const QString sti = QDir::cleanPath(info.absoluteFilePath());
    const QString rod = QDir::cleanPath(QFileInfo(hjem).absoluteFilePath());
    if (hjem.isEmpty() || !QFileInfo(rod).isDir() || !sti.startsWith(rod + QLatin1Char('/')))
        return false;
    // Each missing level is made on its own, so each gets the user's permissions only.
    QString del = rod;
    for (const QString& navn : sti.mid(rod.size() + 1).split(QLatin1Char('/'))) {
        del += QLatin1Char('/') + navn;
        if (QFileInfo(del).isDir())
            continue;
        if (!QDir().mkdir(del, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
            return false;
    }
    return QFileInfo(sti).isDir();
}

#include "Enkeltstart.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileSystemWatcher>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

Enkeltstart::Enkeltstart(const QString& mappe, const QString& navn)
    : m_postkasse(QDir(mappe).filePath(navn + QStringLiteral(".d"))),
      m_anmodning(QDir(m_postkasse).filePath(QStringLiteral("vis"))),
      m_laas(QDir(mappe).filePath(navn + QStringLiteral(".lock")))
{
    // A run holds the lock for as long as it runs; only a dead holder's lock is stale.
    m_laas.setStaleLockTime(0);
}

Enkeltstart::~Enkeltstart()
{
    // Only the run that made the folder takes it away.
    if (m_vagt)
        QDir(m_postkasse).removeRecursively();
}

QString Enkeltstart::mappe()
{
    // A folder of the user's own, so that two accounts never meet. Windows has
    // no runtime folder (Qt names the home there): the user's temporary folder.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() || QDir(runtime) == QDir::home() ? QDir::tempPath() : runtime;
}

QString Enkeltstart::navn(const QString& bruger, const QString& base)
{
    QString laeseligt = bruger;
    laeseligt.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")), QStringLiteral("_"));
    // The data set's folder too: one run per set of files, however HOME is set.
    const QByteArray spor =
        QCryptographicHash::hash((bruger + u'\n' + base).toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(12);
    return QStringLiteral("tavlum-") + laeseligt.left(32) + u'-' + QString::fromLatin1(spor);
}

bool Enkeltstart::foerste()
{
    if (m_laas.tryLock(0)) {
        // Only the holder of the lock clears what a crashed run left.
        QDir(m_postkasse).removeRecursively();
        if (!QDir().mkpath(m_postkasse))
            qWarning("Tavlum: later starts cannot reach this one at %s", qUtf8Printable(m_postkasse));
        m_vagt = new QFileSystemWatcher(this);
        connect(m_vagt, &QFileSystemWatcher::directoryChanged, this, &Enkeltstart::modtag);
        if (!m_vagt->addPath(m_postkasse)) {
            // No change notices to be had (none left, or none on this file system): look twice a second.
            auto* ur = new QTimer(this);
            connect(ur, &QTimer::timeout, this, &Enkeltstart::modtag);
            ur->start(500);
        }
        return true;
    }
    if (m_laas.error() != QLockFile::LockFailedError) {
        // No lock can be made here at all: running unguarded is better than not at all.
        qWarning("Tavlum: no lock file can be made at %s", qUtf8Printable(m_laas.fileName()));
        return true;
    }
    if (!bedOmVisning())
        qWarning("Tavlum runs already but does not answer at %s", qUtf8Printable(m_postkasse));
    return false;
}

bool Enkeltstart::bedOmVisning() const
{
    // The first run may have taken the lock a moment before its folder is there.
    const QDeadlineTimer frist(3000);
    for (;;) {
        QFile anmodning(m_anmodning);
        if (anmodning.open(QIODevice::WriteOnly))
            return true;
        if (frist.hasExpired())
            return false;
        QThread::msleep(20);
    }
}

void Enkeltstart::modtag()
{
    // Removed here means asked: a missing request is no removal.
    if (QFile::remove(m_anmodning))
        emit vis();
}

#include "Enkeltstart.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

namespace {

const QByteArray visBesked = QByteArrayLiteral("vis\n");

} // namespace

Enkeltstart::Enkeltstart(const QString& mappe, const QString& navn)
    : m_sokkel(QDir(mappe).filePath(navn)), m_laas(m_sokkel + QStringLiteral(".lock"))
{
    // A run holds the lock for as long as it runs; only a dead holder's lock is stale.
    m_laas.setStaleLockTime(0);
}

Enkeltstart::~Enkeltstart() = default;

QString Enkeltstart::mappe()
{
    // A folder of the user's own, so that two accounts never meet; a full
    // path also keeps the socket out of the shared /tmp on Linux, and on
    // Windows it is only the pipe's name.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
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
        // Only the holder of the lock may remove a socket that a crashed run left.
        QLocalServer::removeServer(m_sokkel);
        m_server = new QLocalServer(this);
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server, &QLocalServer::newConnection, this, &Enkeltstart::modtag);
        if (!m_server->listen(m_sokkel))
            qWarning("Tavlum: later starts cannot reach this one: %s",
                     qUtf8Printable(m_server->errorString()));
        return true;
    }
    if (m_laas.error() != QLockFile::LockFailedError) {
        // No lock can be made here at all: running unguarded is better than not at all.
        qWarning("Tavlum: no lock file can be made at %s", qUtf8Printable(m_laas.fileName()));
        return true;
    }
    if (!bedOmVisning())
        qWarning("Tavlum runs already but does not answer at %s", qUtf8Printable(m_sokkel));
    return false;
}

bool Enkeltstart::bedOmVisning() const
{
    // The first run may have taken the lock a moment before it listens.
    const QDeadlineTimer frist(3000);
    QLocalSocket sokkel;
    for (;;) {
        sokkel.connectToServer(m_sokkel);
        if (sokkel.waitForConnected(500))
            break;
        if (frist.hasExpired())
            return false;
        QThread::msleep(50);
    }
    sokkel.write(visBesked);
    const bool sendt = sokkel.waitForBytesWritten(1000) || sokkel.bytesToWrite() == 0;
    sokkel.disconnectFromServer();
    return sendt;
}

void Enkeltstart::modtag()
{
    while (QLocalSocket* sokkel = m_server->nextPendingConnection()) {
        connect(sokkel, &QLocalSocket::disconnected, sokkel, &QObject::deleteLater);
        const auto laes = [this, sokkel] {
            while (sokkel->canReadLine())
                if (sokkel->readLine() == visBesked)
                    emit vis();
        };
        connect(sokkel, &QLocalSocket::readyRead, this, laes);
        laes();
    }
}

#include "DataMapper.h"

#include "Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

QString sti(const QString& mappe, const QString& navn)
{
    return QDir::toNativeSeparators(QDir(mappe).filePath(navn));
}

QString medSkel(const QString& mappe)
{
    return mappe + QDir::separator();
}

} // namespace

DataMapper DataMapper::lav(const Platform& platform)
{
    DataMapper m;
    m.brugernavn = QString::fromStdString(platform.userName());
    if (m.brugernavn.isEmpty())
        m.brugernavn = QStringLiteral("Alle brugere");
    m.base = QDir::toNativeSeparators(QString::fromStdString(platform.baseFolder()));
    m.ikonDir = sti(m.base, QStringLiteral("Ikoner"));
    m.appletsDir = medSkel(sti(m.base, QStringLiteral("Window applets")));
    m.strukturDir = medSkel(sti(m.base, QStringLiteral("Struktur")));
    m.Dir = sti(sti(m.base, QStringLiteral("Brugere")), m.brugernavn);
    QDir().mkpath(m.Dir);
    m.optFilnavn = sti(m.Dir, QStringLiteral("options.txt"));
    m.reopenFilnavn = sti(m.Dir, QStringLiteral("reopen.txt"));
    m.gruppefilnavn = sti(m.Dir, QStringLiteral("programgrupper.txt"));
    m.lagerfilnavn = sti(m.Dir, QStringLiteral("lagergrupper.txt"));
    const QString filer = sti(m.Dir, QStringLiteral("Filer"));
    QDir().mkpath(filer);
    m.DirFiler = medSkel(filer);
    return m;
}

void DataMapper::kopierDatasaet(const QString& datasaet, const QString& base)
{
    if (datasaet.isEmpty() || !QFileInfo(datasaet).isDir())
        return;
    const QDir kilde(datasaet);
    QDirIterator it(datasaet, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo fra(it.next());
        const QString til = QDir(base).filePath(kilde.relativeFilePath(fra.filePath()));
        if (fra.isDir())
            QDir().mkpath(til);
        else if (!QFileInfo::exists(til))
            QFile::copy(fra.filePath(), til);
    }
}

QString DataMapper::installeretDatasaet()
{
    // Installed (bin/ beside share/) or unpacked from the Windows zip (share/ beside the program).
    const QDir program(QCoreApplication::applicationDirPath());
    for (const char* sted : {"../share/tavlum", "share/tavlum"})
        if (const QString mappe = program.filePath(QLatin1String(sted)); QFileInfo(mappe).isDir())
            return QDir::cleanPath(mappe);
    return {};
}

#include "functions/Spm.h"

#include "functions/Stinavn.h"

namespace {

// The confirmation shows names and paths as the eye reads them.
QStringList vist(const QStringList& navne)
{
    QStringList ud;
    ud.reserve(navne.size());
    for (const QString& n : navne)
        ud << Stinavn::vist(n);
    return ud;
}

QStringList slutDirs(const QStringList& mapper)
{
    QStringList ud;
    ud.reserve(mapper.size());
    for (const QString& m : mapper)
        ud << Stinavn::vist(TSpm::getSlutDir(m));
    return ud;
}

} // namespace

QString TSpm::getSlutDir(const QString& path)
{
    // A drive's root stays whole, as the folder list shows it.
    return getLastDirectory(path);
}

bool TSpm::skalElementerKopieres(const QString& sourceDir, const QString& destDir,
                                 const QStringList& folders, const QStringList& files)
{
    Bekraeftelse::Forespoergsel f;
    if (deleteAfterCopy) {
        f.caption = QStringLiteral("Flytning af elementer");
        f.spoergsmaal = QStringLiteral("Skal valgte elementer flyttes?");
        f.billede = 7;
    } else {
        f.caption = QStringLiteral("Kopiering af elementer");
        f.spoergsmaal = QStringLiteral("Skal valgte elementer kopieres?");
        f.billede = 2;
    }
    f.filer = vist(files);
    f.mapper = slutDirs(folders);
    f.kilde = Stinavn::vist(sourceDir);
    f.destination = Stinavn::vist(destDir);
    return Kopieringsvindue && Kopieringsvindue->bekraeft(f);
}

bool TSpm::skalElementerSlettes(const QString& sourceDir, const QStringList& files,
                                bool tilPapirkurven, const QStringList& folders)
{
    Bekraeftelse::Forespoergsel f;
    f.caption = QStringLiteral("Sletning af elementer");
    f.spoergsmaal = QStringLiteral("Skal valgte elementer Slettes?");
    f.billede = 4;
    for (const QString& fil : files)
        f.filer << Stinavn::vist(getLastDirectory(fil));
    f.mapper = slutDirs(folders);
    f.kilde = Stinavn::vist(sourceDir);
    f.destination = tilPapirkurven ? QStringLiteral("Papirkurv")
                                   : QStringLiteral("Ingen: Elementerne slettes permanent.");
    return Kopieringsvindue && Kopieringsvindue->bekraeft(f);
}

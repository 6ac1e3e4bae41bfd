#include "Filskriver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>
#include <cerrno>
#include <filesystem>
#include <system_error>

namespace {

const QString noteNavn = QStringLiteral(".tavlum-samlet");
const QString nyEndelse = QStringLiteral(".tavlum-ny");

std::filesystem::path fsSti(const QString& sti)
{
    return std::filesystem::path(sti.toStdU16String());
}

// Over an existing file too, which QFile::rename refuses.
bool erstat(const QString& fra, const QString& til)
{
    std::error_code fejl;
    std::filesystem::rename(fsSti(fra), fsSti(til), fejl);
    return !fejl;
}

} // namespace

namespace Filskriver {

QString fejltekst(const QString& filnavn, const QString& aarsag)
{
    return QStringLiteral("Filen\r%1\rkunne ikke gemmes. %2")
        .arg(QDir::toNativeSeparators(filnavn), aarsag);
}

QString skriv(const QString& filnavn, const QByteArray& bytes)
{
    QSaveFile fil(filnavn);
    // Unbuffered, so that a short write on a full disk shows in write()'s result:
    // QSaveFile would otherwise commit the truncated file as a success.
    if (!fil.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return QStringLiteral("Der er ikke adgang til at skrive i mappen.");
    errno = 0;
    if (fil.write(bytes) != bytes.size() || !fil.flush()) {
        const bool fuld = errno == ENOSPC;
        fil.cancelWriting();
        return fuld ? QStringLiteral("Der er ikke plads nok på disken.")
                    : QStringLiteral("Der opstod en fejl under skrivningen.");
    }
    if (!fil.commit())
        return errno == ENOSPC ? QStringLiteral("Der er ikke plads nok på disken.")
                               : QStringLiteral("Filen kunne ikke erstattes.");
    return {};
}

QString skrivSammen(const QList<Fil>& filer)
{
    const auto fejl = [](const QString& filnavn, const QString& aarsag) {
        return aarsag.isEmpty() ? aarsag : fejltekst(filnavn, aarsag);
    };
    if (filer.size() == 1)
        return fejl(filer.first().navn, skriv(filer.first().navn, filer.first().bytes));
    if (filer.isEmpty())
        return {};
    const QString mappe = QFileInfo(filer.first().navn).path();
    const auto fjernNye = [&] {
        for (const Fil& f : filer)
            QFile::remove(f.navn + nyEndelse);
    };
    QStringList navne;
    for (const Fil& f : filer) {
        // A folder in a file's place could not be renamed over once the others were.
        QString aarsag = QFileInfo(f.navn).isDir()
                             ? QStringLiteral("Der er en mappe med samme navn.")
                             : skriv(f.navn + nyEndelse, f.bytes);
        if (!aarsag.isEmpty()) {
            fjernNye();
            return fejl(f.navn, aarsag);
        }
        navne << QFileInfo(f.navn).fileName();
    }
    const QString note = QDir(mappe).filePath(noteNavn);
    if (QString aarsag = skriv(note, navne.join(u'\n').toUtf8()); !aarsag.isEmpty()) {
        fjernNye();
        return fejl(filer.first().navn, aarsag);
    }
    for (const Fil& f : filer)
        if (!erstat(f.navn + nyEndelse, f.navn)) // the next start finishes the rest
            return fejl(f.navn, QStringLiteral("Filen kunne ikke erstattes."));
    QFile::remove(note);
    return {};
}

void fuldfoer(const QString& mappe)
{
    const QDir dir(mappe);
    QFile note(dir.filePath(noteNavn));
    if (note.open(QIODevice::ReadOnly)) {
        const QStringList navne = QString::fromUtf8(note.readAll()).split(u'\n');
        note.close();
        for (const QString& navn : navne) {
            // Only names of this folder: the note is no way to reach elsewhere.
            if (navn.isEmpty() || navn != QFileInfo(navn).fileName())
                continue;
            if (QFileInfo::exists(dir.filePath(navn + nyEndelse)))
                erstat(dir.filePath(navn + nyEndelse), dir.filePath(navn));
        }
        note.remove();
    }
    // New files without a note were never part of a finished change (the
    // writer's own temporary files of them and of the note included: on
    // Windows those have names, where Linux gives them none).
    for (const QString& rest :
         dir.entryList({QLatin1Char('*') + nyEndelse + QLatin1Char('*'), noteNavn + QStringLiteral(".*")},
                       QDir::Files | QDir::Hidden))
        QFile::remove(dir.filePath(rest));
}

} // namespace Filskriver

#include "functions/GrundMetoder.h"

#include "functions/Stinavn.h"

#include <QDir>
#include <QLocale>
#include <algorithm>

namespace {

bool blandt(const QString& ext, std::initializer_list<const char*> liste)
{
    const QString lav = ext.toLower();
    return std::any_of(liste.begin(), liste.end(),
                       [&](const char* e) { return lav == QLatin1String(e); });
}

} // namespace

int TGrundMetoder::getDrevType(const QString& path) const
{
    using T = Platform::DriveType;
    const Platform::Drive drev = platform.driveOf(Stinavn::bytes(path));
    if (drev.root.empty())
        return 0;
    switch (drev.type) {
    case T::Removable:
        return 1;
    case T::Fixed:
        return 2;
    case T::CdRom:
        return 3;
    case T::RamDisk:
        return 4;
    case T::Remote:
        return 5;
    case T::Unknown:
        break;
    }
    return 0;
}

QString TGrundMetoder::getVolumeLabel(const QString& drev) const
{
    return Stinavn::vist(Stinavn::tekst(platform.driveOf(Stinavn::bytes(drev)).label));
}

QString TGrundMetoder::enhedstekst(qint64 size, int hoejesteTrin)
{
    static const char* const enheder[] = {" bytes", " KB", " MB", " GB", " TB"};
    const qsizetype cifre = QString::number(size).size();
    const int trin = std::min(hoejesteTrin, cifre >= 13   ? 4
                                            : cifre >= 10 ? 3
                                            : cifre >= 7  ? 2
                                            : cifre >= 4  ? 1
                                                          : 0);
    double vaerdi = static_cast<double>(size);
    for (int i = 0; i < trin; ++i)
        vaerdi /= 1024;
    return QLocale().toString(vaerdi, 'f', trin == 0 ? 0 : 2) + QLatin1String(enheder[trin]);
}

QString TGrundMetoder::getSizeString(qint64 size)
{
    return enhedstekst(size, 4) + QStringLiteral(" (") + QLocale().toString(size) +
           QStringLiteral(" bytes)");
}

QString TGrundMetoder::getLastDirectory(const QString& aDirectory)
{
    QString sti = QDir::fromNativeSeparators(aDirectory);
    while (sti.size() > 1 && sti.endsWith(u'/'))
        sti.chop(1);
    if (QDir(sti).isRoot() || !sti.contains(u'/'))
        return QDir::toNativeSeparators(sti);
    return sti.mid(sti.lastIndexOf(u'/') + 1);
}

Listevalg* TGrundMetoder::aktivStruktur() const
{
    return AktiveStruktur == 2 ? Struktur2 : nullptr;
}

std::optional<StrukturRec> TGrundMetoder::valgtData() const
{
    const Listevalg* trae = aktivStruktur();
    const int i = trae ? trae->valgt() : -1;
    if (i < 0)
        return std::nullopt;
    return noder().rec(i);
}

bool TGrundMetoder::IsSelectedDirectory() const
{
    const std::optional<StrukturRec> data = valgtData();
    return data && data->ID % 2 == 0;
}

QString TGrundMetoder::mappeOver(const QString& sti)
{
    QString s = sti;
    while (s.size() > 1 && (s.endsWith(u'/') || s.endsWith(QDir::separator())))
        s.chop(1);
    const qsizetype skel = std::max(s.lastIndexOf(u'/'), s.lastIndexOf(QDir::separator()));
    if (skel < 0)
        return s;
    // "/home" lies in "/", "C:\Data" in "C:\".
    return s.left(skel == 0 || (skel == 2 && s.at(1) == u':') ? skel + 1 : skel);
}

QString TGrundMetoder::getSourcemappe() const
{
    const std::optional<StrukturRec> data = valgtData();
    if (!data)
        return {};
    QString mappe = data->ID % 2 == 0 ? mappeOver(data->mappe) : data->mappe;
    while (mappe.size() > 1 && mappe.endsWith(QDir::separator()))
        mappe.chop(1);
    return mappe;
}

void TGrundMetoder::setSelectedDataMappe(const QString& aDirectory)
{
    const Listevalg* trae = aktivStruktur();
    if (const int i = trae ? trae->valgt() : -1; i >= 0)
        noder().omdoeb(i, getLastDirectory(aDirectory));
}

void TGrundMetoder::setSelectedDataFilnavn(const QString& aFilename)
{
    const Listevalg* trae = aktivStruktur();
    if (const int i = trae ? trae->valgt() : -1; i >= 0) {
        noder().omdoeb(i, getLastDirectory(aFilename));
        if (trae == Struktur2)
            Filnavn = aFilename;
    }
}

QString TGrundMetoder::getFocusFilDirectory(int X, int Y)
{
    const int i = Struktur2 ? Struktur2->nodeVed(QPoint(X, Y)) : -1;
    if (i < 0)
        return Grundmappe;
    const QString mappe = noder().rec(i).mappe;
    if (!erMappe(mappe))
        return Grundmappe;
    Struktur2->vaelg(i);
    Bibmappe = mappe;
    return mappe;
}

bool TGrundMetoder::erMappe(const QString& sti) const
{
    return !sti.isEmpty() && platform.statusOf(Stinavn::bytes(sti)).folder;
}

bool TGrundMetoder::erFil(const QString& sti) const
{
    if (sti.isEmpty())
        return false;
    const Platform::FileStatus s = platform.statusOf(Stinavn::bytes(sti));
    return s.exists && !s.folder;
}

bool TGrundMetoder::findesNoget(const QString& sti) const
{
    return platform.entryOf(Stinavn::bytes(sti)).kind != Platform::TreeEntry::Missing;
}

QString TGrundMetoder::getNewDirectoryName(const QString& aDirectory, const QString& aSuffix) const
{
    QString navn = aDirectory;
    for (int n = 1; findesNoget(navn); ++n)
        navn = aDirectory + aSuffix + QStringLiteral(" (%1)").arg(n);
    return navn;
}

QString TGrundMetoder::getNewFilename(const QString& aFilename, const QString& aSuffix) const
{
    const QString mappe = mappeOver(aFilename);
    const QString ext = extension(aFilename);
    const QString stamme = getLastDirectory(aFilename).chopped(ext.size());
    const QString praefiks = mappe.endsWith(QDir::separator()) ? mappe : mappe + QDir::separator();
    QString navn = aFilename;
    for (int n = 1; findesNoget(navn); ++n)
        navn = praefiks + stamme + aSuffix + QStringLiteral(" (%1)").arg(n) + ext;
    return navn;
}

QString TGrundMetoder::extension(const QString& filnavn)
{
    // Found in place: a folder of many thousand files asks for every one.
    const qsizetype skille =
        std::max(filnavn.lastIndexOf(u'/'), filnavn.lastIndexOf(QDir::separator()));
    const qsizetype punkt = filnavn.lastIndexOf(u'.');
    return punkt <= skille ? QString() : filnavn.mid(punkt);
}

bool TGrundMetoder::erDetEnBilledfil(const QString& ext)
{
    return blandt(ext, {".jpg", ".png", ".bmp", ".ico", ".gif"});
}

bool TGrundMetoder::erDetEnMusikfil(const QString& ext)
{
    return blandt(ext, {".mp3", ".m4a"});
}

bool TGrundMetoder::erDetEnVideofil(const QString& ext)
{
    return blandt(ext, {".mp4", ".m4v"});
}

bool TGrundMetoder::erDetEnTekstfil(const QString& ext)
{
    return blandt(ext, {".asp", ".bat", ".html", ".inc", ".js", ".vbs", ".css", ".txt", ".wsf",
                        ".xml", ".rtf", ".asa", ".ps1", ".xsd"});
}

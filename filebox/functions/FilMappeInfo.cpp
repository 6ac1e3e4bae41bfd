#include "functions/FilMappeInfo.h"

#include "Beskeder.h"
#include "Filskriver.h"
#include "functions/Stinavn.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace {

struct Filslag
{
    QStringList udvidelser;
    const char* tekst;
    const char* ikon; // the kind's icon file when the extension has none of its own
};

const Filslag filslag[] = {
    {{"mp4", "m4v", "avi", "mov", "wmv", "mpg", "ts"}, "Videofil: ", "film"},
    {{"mp3", "m4a"}, "Musikfil: ", "musik"},
    {{"bmp", "jpg", "ico", "gif", "png", "jpeg", "tif", "tiff", "emf", "wmf"},
     "Billedfil: ",
     "billeder"},
    {{"txt"}, "Tekstfil: ", nullptr},
    {{"html", "htm", "asp"}, "Webfil: ", nullptr},
    {{"js", "vbs"}, "Scriptfil: ", nullptr},
    {{"css"}, "Stylesheet: ", nullptr},
    {{"wsf"}, "Window script fil: ", nullptr},
    {{"inc"}, "Includefil: ", nullptr},
    {{"bat"}, "Batchfil: ", nullptr},
    {{"pas"}, "Delphi/Pascalfil: ", nullptr},
    {{"lnk"}, "Genvej: ", nullptr},
    // A Windows program's own icon is not shown.
    {{"exe"}, "", "ukendt"},
};

const Filslag* slagAf(const QString& ext)
{
    for (const Filslag& s : filslag)
        if (s.udvidelser.contains(ext))
            return &s;
    return nullptr;
}

QString tidspunkt(std::int64_t ms)
{
    // Not every file system keeps a creation time.
    return ms >= 0 ? QLocale().toString(QDateTime::fromMSecsSinceEpoch(ms), QLocale::ShortFormat)
                   : QStringLiteral("Ukendt");
}

// The lines of a ".hidden" file, as bytes, with the line that names `navn` found.
// A list larger than any folder's is not read, and so never written over.
struct Skjulteliste
{
    QList<QByteArray> linjer;
    bool harNavn = false;
    bool forStor = false;
};

constexpr qint64 hoejstSkjulte = 1024 * 1024;

// A list that is a link, or no plain file, may lead anywhere: someone else
// may have put it in a shared folder. It is neither read nor written through.
bool fremmedListe(const QString& sti)
{
    const QFileInfo info(sti);
    return info.isSymLink() || (info.exists() && !info.isFile());
}

Skjulteliste laesSkjulte(const QString& sti, const QByteArray& navn)
{
    Skjulteliste ud;
    QFile fil(sti);
    if (fremmedListe(sti) || !fil.open(QIODevice::ReadOnly))
        return ud;
    const QByteArray indhold = fil.read(hoejstSkjulte + 1);
    ud.forStor = indhold.size() > hoejstSkjulte;
    if (indhold.isEmpty() || ud.forStor)
        return ud;
    ud.linjer = indhold.split('\n');
    if (indhold.endsWith('\n'))
        ud.linjer.removeLast();
    for (const QByteArray& l : std::as_const(ud.linjer))
        if (l == navn || l == navn + '\r')
            ud.harNavn = true;
    return ud;
}

const QString fejl = QStringLiteral("Der opstod en fejl.");

QString skrivSkjulte(const QString& mappe, const QByteArray& navn, bool skjult)
{
    // A name that holds a line break cannot be listed one a line.
    if (navn.contains('\n') || navn.contains('\r'))
        return fejl;
    const QString sti = QDir(mappe).filePath(QStringLiteral(".hidden"));
    if (fremmedListe(sti))
        return QStringLiteral("Mappens liste over skjulte filer (.hidden) er en genvej eller ikke "
                              "en almindelig fil, så Tavlum ændrer den ikke.");
    Skjulteliste liste = laesSkjulte(sti, navn);
    if (liste.forStor)
        return fejl;
    if (liste.harNavn == skjult)
        return {};
    if (skjult)
        liste.linjer << navn;
    else
        liste.linjer.removeIf([&](const QByteArray& l) { return l == navn || l == navn + '\r'; });
    QByteArray bytes;
    for (const QByteArray& l : std::as_const(liste.linjer))
        bytes += l + '\n';
    return Filskriver::skriv(sti, bytes).isEmpty() ? QString() : fejl;
}

} // namespace

QString TFilMappeInfo::filslagstekst(const QString& ext)
{
    const Filslag* s = slagAf(ext);
    return s ? QString::fromUtf8(s->tekst) : QString();
}

QString TFilMappeInfo::getDrevTypeString(const QString& drev) const
{
    switch (getDrevType(drev)) {
    case 1:
        return QStringLiteral("Flytbar disk");
    case 2:
        return QStringLiteral("Lokal disk");
    case 3:
        return QStringLiteral("CD ROM disk");
    case 4:
        return QStringLiteral("RAM disk");
    case 5:
        return QStringLiteral("Fjern disk");
    default:
        return {};
    }
}

QString TFilMappeInfo::getFileSystem(const QString& drev) const
{
    const std::string navn = platform.driveOf(Stinavn::bytes(drev)).fileSystem;
    return navn.empty() ? QStringLiteral("Ukendt") : QString::fromStdString(navn);
}

QString TFilMappeInfo::getSizeInfo(const QString& path) const
{
    const qint64 str = platform.readableSize(Stinavn::bytes(path));
    return str < 0 ? QString() : getSizeString(str);
}

std::optional<TFilMappeInfo::Attributter> TFilMappeInfo::laesAttributter(const QString& fil) const
{
    const Platform::FileStatus status = platform.statusOf(Stinavn::bytes(fil));
    if (!status.exists)
        return std::nullopt;
    const QString navn = getLastDirectory(fil);
    const QString mappe = mappeOver(fil);
    Attributter a;
    a.skrivebeskyttet = status.readOnly;
    a.altidSkjult = navn.startsWith(u'.');
    // The list is read by Qt's own calls, which reach only a folder whose name is text.
    a.skjult = a.altidSkjult || (Stinavn::erTekst(mappe) &&
                                 laesSkjulte(QDir(mappe).filePath(QStringLiteral(".hidden")),
                                             QByteArray::fromStdString(Stinavn::bytes(navn)))
                                     .harNavn);
    return a;
}

QString TFilMappeInfo::skrivAttributter(const QString& fil, bool skrivebeskyttet, bool skjult)
{
    const std::string sti = Stinavn::bytes(fil);
    const Platform::FileStatus status = platform.statusOf(sti);
    if (!status.exists)
        return fejl;
    if (status.readOnly != skrivebeskyttet && !platform.setReadOnly(sti, skrivebeskyttet))
        return fejl;
    const QString navn = getLastDirectory(fil);
    if (navn.startsWith(u'.'))
        return skjult ? QString() : fejl;
    const QString mappe = mappeOver(fil);
    if (!Stinavn::erTekst(mappe))
        return skjult ? fejl : QString();
    return skrivSkjulte(mappe, QByteArray::fromStdString(Stinavn::bytes(navn)), skjult);
}

std::optional<TFilMappeInfo::Filvisning> TFilMappeInfo::filInfo(const QString& aFilename) const
{
    const std::optional<Attributter> attr = laesAttributter(aFilename);
    const QString stoerrelse = attr ? getSizeInfo(aFilename) : QString();
    if (stoerrelse.isEmpty())
        return std::nullopt;
    const QString key = extension(aFilename).mid(1).toLower();
    const QString ext = Stinavn::vist(key);
    const Filslag* slag = slagAf(key);
    const Platform::FileStatus status = platform.statusOf(Stinavn::bytes(aFilename));
    Filvisning v;
    v.navn = Stinavn::vist(getLastDirectory(aFilename));
    v.placering = Stinavn::vist(QDir::toNativeSeparators(mappeOver(aFilename))) + QDir::separator();
    // Many Linux files have no extension, and "-fil (.)" says nothing.
    v.filtype = ext.isEmpty()
                    ? QStringLiteral("Fil uden filtype")
                    : filslagstekst(ext) + ext.toUpper() + QStringLiteral("-fil (.") + ext + u')';
    v.stoerrelse = stoerrelse;
    v.oprettet = tidspunkt(status.created);
    v.aendret = tidspunkt(status.modified);
    v.aabnet = tidspunkt(status.accessed);
    v.attributter = *attr;
    v.ikonnavn = key;
    if (slag && slag->ikon)
        v.slagsikon = QLatin1String(slag->ikon);
    return v;
}

TFilMappeInfo::Mappetal TFilMappeInfo::mappetal(qint64 filer, qint64 mapper, qint64 bytes)
{
    const QLocale sprog;
    return {getSizeString(bytes), sprog.toString(filer) + QStringLiteral(" filer, ") +
                                      sprog.toString(mapper) + QStringLiteral(" mapper")};
}

std::optional<TFilMappeInfo::Mappevisning> TFilMappeInfo::mappeInfo()
{
    const Listevalg* trae = aktivStruktur();
    const int valgt = trae ? trae->valgt() : -1;
    if (valgt < 0) {
        beskeder.besked(QStringLiteral("Der er ikke valgt en mappe."));
        return std::nullopt;
    }
    const QString mappe = noder().rec(valgt).mappe;
    if (!erMappe(mappe)) {
        beskeder.besked(QStringLiteral("Mappen blev ikke fundet."));
        return std::nullopt;
    }
    return Mappevisning{mappe, noder().tekst(valgt),
                        Stinavn::vist(QDir::toNativeSeparators(mappeOver(mappe))),
                        tidspunkt(platform.statusOf(Stinavn::bytes(mappe)).created)};
}

std::optional<TFilMappeInfo::Mappetal>
TFilMappeInfo::taelMappe(const QString& mappe,
                         const std::function<bool(const Mappetal&)>& undervejs) const
{
    // The platform's own walk, which keeps the names' bytes.
    qint64 filer = 0, mapper = 0, bytes = 0;
    const char skille = QDir::separator().toLatin1();
    std::vector<std::string> stak{Stinavn::bytes(QDir::toNativeSeparators(mappe))};
    QElapsedTimer ur;
    ur.start();
    while (!stak.empty()) {
        std::string her = std::move(stak.back());
        stak.pop_back();
        if (her.back() != skille)
            her += skille;
        for (Platform::TreeEntry& e :
             platform.readFolder(her).value_or(std::vector<Platform::TreeEntry>())) {
            if (e.kind == Platform::TreeEntry::Folder) {
                ++mapper;
                stak.push_back(her + e.name);
            } else {
                ++filer;
                bytes += e.size;
            }
        }
        // Telling at every folder would cost more than the count itself.
        if (ur.elapsed() >= 50) {
            if (!undervejs(mappetal(filer, mapper, bytes)))
                return std::nullopt;
            ur.restart();
        }
    }
    return mappetal(filer, mapper, bytes);
}

TFilMappeInfo::Drevvisning TFilMappeInfo::drevInfo(const QString& aDriveTekst) const
{
    const std::string sti = Stinavn::bytes(aDriveTekst);
    const Platform::DriveSpace plads = platform.driveSpace(sti);
    // An unusable drive answers with negative sizes.
    const qint64 kapacitet = std::max<qint64>(plads.size, 0);
    const qint64 ledig = std::clamp<qint64>(plads.free, 0, kapacitet);
    const qint64 brugt = kapacitet - ledig;
    QString kortform = Stinavn::tekst(platform.driveOf(sti).root);
    if (kortform.isEmpty())
        kortform = aDriveTekst;
    while (kortform.size() > 1 && kortform.endsWith(QDir::separator()))
        kortform.chop(1);
    return {getVolumeLabel(aDriveTekst) + QStringLiteral(" (") + Stinavn::vist(kortform) + u')',
            getDrevTypeString(aDriveTekst),
            getFileSystem(aDriveTekst),
            getSizeString(brugt),
            getSizeString(ledig),
            getSizeString(kapacitet),
            kapacitet > 0 ? qRound(brugt * 100.0 / static_cast<double>(kapacitet)) : 100};
}

#include "functions/FilMappeInfo.h"

#include "Beskeder.h"
#include "Fil_info.h"
#include "Ikonvalg.h"
#include "functions/Stinavn.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QSaveFile>

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

Skjulteliste laesSkjulte(const QString& sti, const QByteArray& navn)
{
    Skjulteliste ud;
    QFile fil(sti);
    if (!QFileInfo(sti).isFile() || !fil.open(QIODevice::ReadOnly))
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

bool skrivSkjulte(const QString& mappe, const QByteArray& navn, bool skjult)
{
    // A name that holds a line break cannot be listed one a line.
    if (navn.contains('\n') || navn.contains('\r'))
        return false;
    const QString sti = QDir(mappe).filePath(QStringLiteral(".hidden"));
    Skjulteliste liste = laesSkjulte(sti, navn);
    if (liste.forStor)
        return false;
    if (liste.harNavn == skjult)
        return true;
    if (skjult)
        liste.linjer << navn;
    else
        liste.linjer.removeIf([&](const QByteArray& l) { return l == navn || l == navn + '\r'; });
    QByteArray bytes;
    for (const QByteArray& l : std::as_const(liste.linjer))
        bytes += l + '\n';
    QSaveFile fil(sti);
    if (!fil.open(QIODevice::WriteOnly))
        return false;
    // A full disk may take fewer bytes without an error; the old list is then kept.
    if (fil.write(bytes) != bytes.size()) {
        fil.cancelWriting();
        return false;
    }
    return fil.commit();
}

} // namespace

Ikonvalg TFilMappeInfo::ikonvalg() const
{
    return Ikonvalg(platform, ikonDir);
}

QString TFilMappeInfo::makeIconFilnavn(const QString& key) const
{
    return ikonvalg().makeIconFilnavn(key);
}

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

QString TFilMappeInfo::insertIkon(const QString& path)
{
    const QString key = extension(path).mid(1).toLower();
    const Ikonvalg valg = ikonvalg();
    QIcon ikon;
    const Filslag* slag = slagAf(key);
    if (const QString egen = valg.makeIconFilnavn(key); !key.isEmpty() && QFileInfo(egen).isFile())
        ikon = QIcon(egen);
    else if (slag && slag->ikon) {
        // A kind icon missing from the icon folder is no reason to refuse the window.
        if (const QString fil = valg.makeIconFilnavn(QLatin1String(slag->ikon));
            QFileInfo(fil).isFile())
            ikon = QIcon(fil);
    } else
        ikon = Ikonvalg::ikonAf(platform.firstIcon(Stinavn::bytes(path)));
    if (ikon.isNull())
        ikon = valg.ukendt();
    if (Infovindue)
        Infovindue->ikonBox->setPixmap(ikon.pixmap(32, 32));
    return key;
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

bool TFilMappeInfo::skrivAttributter(const QString& fil, bool skrivebeskyttet, bool skjult)
{
    const std::string sti = Stinavn::bytes(fil);
    const Platform::FileStatus status = platform.statusOf(sti);
    if (!status.exists)
        return false;
    if (status.readOnly != skrivebeskyttet && !platform.setReadOnly(sti, skrivebeskyttet))
        return false;
    const QString navn = getLastDirectory(fil);
    if (navn.startsWith(u'.'))
        return skjult;
    const QString mappe = mappeOver(fil);
    if (!Stinavn::erTekst(mappe))
        return !skjult;
    return skrivSkjulte(mappe, QByteArray::fromStdString(Stinavn::bytes(navn)), skjult);
}

void TFilMappeInfo::showFileInfo(const QString& aFilename)
{
    ++m_visning;
    Tfilinfoform& f = *Infovindue;
    const std::optional<Attributter> attr = laesAttributter(aFilename);
    const QString stoerrelse = attr ? getSizeInfo(aFilename) : QString();
    if (stoerrelse.isEmpty()) {
        f.close();
        beskeder.besked(QStringLiteral("Der opstod en fejl.\rFilen er muligvist i brug."));
        return;
    }
    const QString ext = Stinavn::vist(insertIkon(aFilename));
    const Platform::FileStatus status = platform.statusOf(Stinavn::bytes(aFilename));
    f.setWindowTitle(QStringLiteral("Fil egenskaber"));
    f.visSide(0);
    f.Filnavn = aFilename;
    f.EditFilnavn->setText(Stinavn::vist(getLastDirectory(aFilename)));
    f.EditPath->setText(Stinavn::vist(QDir::toNativeSeparators(mappeOver(aFilename))) +
                        QDir::separator());
    // Many Linux files have no extension, and "-fil (.)" says nothing.
    f.LabelFiltype->setText(ext.isEmpty() ? QStringLiteral("Fil uden filtype")
                                          : filslagstekst(ext) + ext.toUpper() +
                                                QStringLiteral("-fil (.") + ext + u')');
    f.LabelSize->setText(stoerrelse);
    f.LabelOprettet->setText(tidspunkt(status.created));
    f.LabelForandret->setText(tidspunkt(status.modified));
    f.LabelAabnet->setText(tidspunkt(status.accessed));
    f.cbReadOnly->setChecked(attr->skrivebeskyttet);
    f.cbHidden->setChecked(attr->skjult);
    f.cbHidden->setEnabled(!attr->altidSkjult);
    f.vis();
}

void TFilMappeInfo::visMappeTal(qint64 filer, qint64 mapper, qint64 bytes) const
{
    Infovindue->LabelMappeSize->setText(getSizeString(bytes));
    const QLocale sprog;
    Infovindue->LabelMappeIndhold->setText(sprog.toString(filer) + QStringLiteral(" filer, ") +
                                           sprog.toString(mapper) + QStringLiteral(" mapper"));
}

void TFilMappeInfo::showMappeInfo()
{
    const Listevalg* trae = aktivStruktur();
    const int valgt = trae ? trae->valgt() : -1;
    if (valgt < 0) {
        beskeder.besked(QStringLiteral("Der er ikke valgt en mappe."));
        return;
    }
    const QString mappe = noder().rec(valgt).mappe;
    if (!erMappe(mappe)) {
        beskeder.besked(QStringLiteral("Mappen blev ikke fundet."));
        return;
    }
    const int visning = ++m_visning;
    Tfilinfoform& f = *Infovindue;
    f.setWindowTitle(QStringLiteral("Mappe egenskaber"));
    f.visSide(2);
    f.EditMappenavn->setText(noder().tekst(valgt));
    f.LabelPlacering->setText(Stinavn::vist(QDir::toNativeSeparators(mappeOver(mappe))));
    visMappeTal(0, 0, 0);
    f.LabeloprettelsesDato->setText(tidspunkt(platform.statusOf(Stinavn::bytes(mappe)).created));
    f.vis();

    // Every entry below, hidden ones too, by the platform's own walk that keeps
    // the names' bytes; links are counted as entries, not followed.
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
        for (Platform::TreeEntry& e : platform.readFolder(her)) {
            if (e.kind == Platform::TreeEntry::Folder) {
                ++mapper;
                stak.push_back(her + e.name);
            } else {
                ++filer;
                bytes += e.size;
            }
        }
        // Repainting at every folder would cost more than the count itself.
        if (ur.elapsed() >= 50) {
            visMappeTal(filer, mapper, bytes);
            QCoreApplication::processEvents();
            if (visning != m_visning || !f.isVisible())
                return;
            ur.restart();
        }
    }
    visMappeTal(filer, mapper, bytes);
}

void TFilMappeInfo::showDriveInfo(const QString& aDriveTekst)
{
    ++m_visning;
    Tfilinfoform& f = *Infovindue;
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
    f.setWindowTitle(QStringLiteral("Drev egenskaber"));
    f.visSide(1);
    f.EditDisknavn->setText(getVolumeLabel(aDriveTekst) + QStringLiteral(" (") +
                            Stinavn::vist(kortform) + u')');
    f.LabelType->setText(getDrevTypeString(aDriveTekst));
    f.LabelFilsystem->setText(getFileSystem(aDriveTekst));
    f.LabelAnvendtSpace->setText(getSizeString(brugt));
    f.LabelFreeSpace->setText(getSizeString(ledig));
    f.LabelKapasitet->setText(getSizeString(kapacitet));
    f.ProgressBar->setValue(kapacitet > 0 ? qRound(brugt * 100.0 / static_cast<double>(kapacitet))
                                          : 100);
    f.vis();
}

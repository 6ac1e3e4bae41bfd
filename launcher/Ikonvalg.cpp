#include "Ikonvalg.h"

#include "Grupper.h"
#include "Platform.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>
#include <QStyle>

namespace {

const QStringList film{".mp4", ".m4v", ".avi", ".mov", ".wmv", ".mpg", ".ts"};
const QStringList musik{".mp3", ".m4a"};
const QStringList billeder{".bmp",  ".jpg", ".ico",  ".gif", ".png",
                           ".jpeg", ".tif", ".tiff", ".emf", ".wmf"};

QIcon indbygget()
{
    return QApplication::style()->standardIcon(QStyle::SP_FileIcon);
}

// Every picture of an ".ico" file's bytes, so each size draws sharp.
QIcon fraBytes(const std::vector<std::uint8_t>& data)
{
    QByteArray bytes(reinterpret_cast<const char*>(data.data()),
                     static_cast<qsizetype>(data.size()));
    QBuffer buffer(&bytes);
    QImageReader laeser(&buffer, "ico");
    QIcon ikon;
    while (laeser.canRead()) {
        const QImage billede = laeser.read();
        if (billede.isNull())
            break;
        ikon.addPixmap(QPixmap::fromImage(billede));
    }
    return ikon;
}

} // namespace

QIcon Ikonvalg::ikonAf(const Platform::FileIcon& fundet)
{
    switch (fundet.kind) {
    case Platform::FileIcon::Picture:
        return QIcon(QString::fromStdString(fundet.name));
    case Platform::FileIcon::ThemeName:
        return QIcon::fromTheme(QString::fromStdString(fundet.name));
    case Platform::FileIcon::IconData:
        return fraBytes(fundet.data);
    case Platform::FileIcon::None:
    case Platform::FileIcon::NotAProgram:
        break;
    }
    return {};
}

QString Ikonvalg::makeIconFilnavn(const QString& str) const
{
    return m_ikonDir + QDir::separator() + str + QStringLiteral("_ikon.ico");
}

QIcon Ikonvalg::indlaes(const QFileInfo& fil) const
{
    Indlaest& i = m_indlaest[fil.filePath()];
    if (i.ikon.isNull() || i.aendret != fil.lastModified() || i.stoerrelse != fil.size())
        i = {fil.lastModified(), fil.size(), QIcon(fil.filePath())};
    return i.ikon;
}

QIcon Ikonvalg::fraFil(const QString& filnavn) const
{
    // A kind icon missing from the icon folder must not stop the panel.
    const QFileInfo fil(filnavn);
    return fil.isFile() ? indlaes(fil) : indbygget();
}

QIcon Ikonvalg::ukendt() const
{
    return fraFil(makeIconFilnavn(QStringLiteral("ukendt")));
}

Ikonvalg::Resultat Ikonvalg::lav(const QString& FNavn) const
{
    const QFileInfo info(FNavn);
    if (!info.isFile())
        return {};
    const QString ext = Grupper::udvidelse(FNavn);
    if (const QFileInfo egen(makeIconFilnavn(ext.mid(1))); egen.isFile())
        return {Udfald::Ikon, indlaes(egen)};
    if (film.contains(ext))
        return {Udfald::Ikon, fraFil(makeIconFilnavn(QStringLiteral("film")))};
    if (musik.contains(ext))
        return {Udfald::Ikon, fraFil(makeIconFilnavn(QStringLiteral("musik")))};
    if (billeder.contains(ext))
        return {Udfald::Ikon, fraFil(makeIconFilnavn(QStringLiteral("billeder")))};

    const Platform::FileIcon fundet = m_platform.firstIcon(FNavn.toStdString());
    if (fundet.kind == Platform::FileIcon::NotAProgram)
        return {Udfald::IkkeKoerbar, {}};
    return {Udfald::Ikon, ikonAf(fundet)};
}

#include "Ikonvalg.h"

#include "Grupper.h"
#include "Ikonlaeser.h"
#include "PeIkon.h"
#include "Platform.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QStandardPaths>
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

// Any picture as an icon, decoded at the largest size an icon is drawn. Only
// JPEG shrinks while it is read; any other decoder holds the whole picture
// first, so such a picture larger than 16 MB decoded gives no icon.
QIcon billedeIkon(const QString& fil)
{
    constexpr int stoerst = 256;
    constexpr qint64 hoejstPixel = 2048 * 2048;
    QImageReader laeser(fil);
    laeser.setAutoTransform(true);
    const QByteArray format = laeser.format();
    // A drawing is drawn at each size it is shown at.
    if (format.startsWith("svg"))
        return QIcon(fil);
    const QSize fuld = laeser.size();
    const bool krymper = format == "jpeg" || format == "jpg";
    if (!fuld.isValid() || (!krymper && qint64(fuld.width()) * fuld.height() > hoejstPixel))
        return {};
    if (fuld.width() > stoerst || fuld.height() > stoerst)
        laeser.setScaledSize(fuld.scaled(stoerst, stoerst, Qt::KeepAspectRatio));
    const QImage billede = laeser.read();
    return billede.isNull() ? QIcon() : QIcon(QPixmap::fromImage(billede));
}

QIcon laesIkonfil(const QFileInfo& fil)
{
    // Icon files as the data set makes them are read here, other pictures by the toolkit.
    if (fil.suffix().compare(u"ico", Qt::CaseInsensitive) == 0 &&
        fil.size() <= qint64(PeIkon::hoejstIkon)) {
        QFile f(fil.filePath());
        if (f.open(QIODevice::ReadOnly))
            if (QIcon ikon = Ikonlaeser::laes(f.readAll()); !ikon.isNull())
                return ikon;
    }
    return billedeIkon(fil.filePath());
}

// Any icon drawn disabled: the picture of an element whose file is gone.
class Graat : public QIconEngine
{
public:
    explicit Graat(QIcon ikon) : m_ikon(std::move(ikon)) {}
    void paint(QPainter* maler, const QRect& rect, QIcon::Mode, QIcon::State state) override
    {
        m_ikon.paint(maler, rect, Qt::AlignCenter, QIcon::Disabled, state);
    }
    // Asked for in device pixels: the picture is not scaled once more.
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State state) override
    {
        return m_ikon.pixmap(size, 1.0, QIcon::Disabled, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State state) override
    {
        return m_ikon.actualSize(size, QIcon::Disabled, state);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State state) override
    {
        return m_ikon.availableSizes(QIcon::Disabled, state);
    }
    QIconEngine* clone() const override { return new Graat(m_ikon); }
    QString iconName() override { return m_ikon.name(); }
    QString key() const override { return QStringLiteral("Graat"); }

private:
    QIcon m_ikon;
};

// The desktop's icon theme. A bare X server or the test platform names none,
// or only "hicolor", which holds no pictures of file types: then Breeze.
void vaelgTema()
{
    QStringList stier = QIcon::themeSearchPaths();
    for (const QString& d :
         QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("icons"),
                                   QStandardPaths::LocateDirectory))
        if (!stier.contains(d) && !stier.contains(QDir::cleanPath(d)))
            stier << d;
    QIcon::setThemeSearchPaths(stier);
    const QString navn = QIcon::themeName();
    if (!navn.isEmpty() && navn != QLatin1String("hicolor"))
        return;
    for (const QString& d : std::as_const(stier))
        if (QFileInfo::exists(d + QStringLiteral("/breeze/index.theme"))) {
            QIcon::setThemeName(QStringLiteral("breeze"));
            return;
        }
}

} // namespace

Ikonvalg::Ikonvalg(const Platform& platform, const QString& ikonDir)
    : m_platform(platform), m_ikonDir(ikonDir)
{
    static const bool tema = (vaelgTema(), true);
    Q_UNUSED(tema);
}

QIcon Ikonvalg::graa(const QIcon& ikon)
{
    return QIcon(new Graat(ikon));
}

QIcon Ikonvalg::ikonAf(const Platform::FileIcon& fundet)
{
    switch (fundet.kind) {
    case Platform::FileIcon::Picture:
        return billedeIkon(QString::fromStdString(fundet.name));
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
        i = {fil.lastModified(), fil.size(), laesIkonfil(fil)};
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

QIcon Ikonvalg::tema(const QString& navn) const
{
    if (navn.isEmpty())
        return {};
    auto it = m_tema.find(navn);
    if (it == m_tema.end())
        it = m_tema.insert(navn, QIcon::fromTheme(navn));
    return *it;
}

QIcon Ikonvalg::typeIkon(const QFileInfo& info, bool findes) const
{
    // A vanished file has only its name to tell its type by.
    const QMimeType type =
        findes ? m_typer.mimeTypeForFile(info)
               : m_typer.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    if (QIcon ikon = tema(type.iconName()); !ikon.isNull())
        return ikon;
    return tema(type.genericIconName());
}

QIcon Ikonvalg::valgt(const QFileInfo& info, bool findes) const
{
    const QString ext = Grupper::udvidelse(info.filePath());
    if (const QFileInfo egen(makeIconFilnavn(ext.mid(1))); egen.isFile())
        return indlaes(egen);
    if (film.contains(ext))
        return fraFil(makeIconFilnavn(QStringLiteral("film")));
    if (musik.contains(ext))
        return fraFil(makeIconFilnavn(QStringLiteral("musik")));
    if (billeder.contains(ext))
        return fraFil(makeIconFilnavn(QStringLiteral("billeder")));
    if (findes) {
        const Platform::FileIcon fundet = m_platform.firstIcon(info.filePath().toStdString());
        if (fundet.kind == Platform::FileIcon::None && info.isExecutable()) {
            if (QIcon program = tema(QStringLiteral("application-x-executable")); !program.isNull())
                return program;
        } else if (fundet.kind == Platform::FileIcon::ThemeName) {
            if (QIcon eget = tema(QString::fromStdString(fundet.name)); !eget.isNull())
                return eget;
        } else if (fundet.kind == Platform::FileIcon::Picture) {
            // Many elements may name one picture: it is read once.
            if (const QFileInfo billede(QString::fromStdString(fundet.name)); billede.isFile())
                if (QIcon eget = indlaes(billede); !eget.isNull())
                    return eget;
        } else if (QIcon eget = ikonAf(fundet); !eget.isNull()) {
            return eget;
        }
    }
    return typeIkon(info, findes);
}

Ikonvalg::Resultat Ikonvalg::lav(const QString& FNavn) const
{
    const QFileInfo info(FNavn);
    const bool findes = info.isFile();
    const QIcon ikon = valgt(info, findes);
    if (!findes)
        return {Udfald::Mangler, graa(ikon.isNull() ? ukendt() : ikon)};
    if (ikon.isNull())
        return {Udfald::Ukendt, ukendt()};
    return {Udfald::Ikon, ikon};
}

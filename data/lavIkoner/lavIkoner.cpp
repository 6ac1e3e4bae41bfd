// Build tool: renders icon-theme pictures into the data set's ".ico" files,
// each with its own picture at 256, 64, 48, 32 and 16 pixels, so that no
// size is ever drawn from a smaller one.
// Usage: lavIkoner OUTDIR THEMEDIR name=themeicon ...   (THEMEDIR holds 16/, 32/, 64/)
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QtEndian>
#include <cstdio>

namespace {

// The largest first: a reader that takes one picture takes one it can only shrink.
constexpr int stoerrelser[] = {256, 64, 48, 32, 16};

// The theme's drawing for the size nearest above, or its largest.
QString kilde(const QDir& tema, const QString& ikon, int stoerrelse)
{
    for (const int mappe : {16, 32, 64})
        if (mappe >= stoerrelse || mappe == 64)
            if (const QString fil = tema.filePath(QStringLiteral("%1/%2.svg").arg(mappe).arg(ikon));
                QFile::exists(fil))
                return fil;
    return {};
}

// One picture as an icon file holds it: a bitmap, or a PNG for the large one.
QByteArray billeddata(const QImage& billede)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (billede.width() >= 256) {
        billede.save(&buffer, "png");
        return data;
    }
    // The toolkit writes a one-picture file; its picture follows the 6-byte
    // header and the 16-byte entry.
    QImageWriter(&buffer, "ico").write(billede);
    return data.mid(22);
}

template <class T> void skriv(QByteArray& ud, T tal)
{
    const T le = qToLittleEndian(tal);
    ud.append(reinterpret_cast<const char*>(&le), sizeof(T));
}

QByteArray ikonfil(const QList<QImage>& billeder)
{
    QList<QByteArray> data;
    for (const QImage& b : billeder)
        data.append(billeddata(b));
    QByteArray ud;
    skriv<quint16>(ud, 0);
    skriv<quint16>(ud, 1);
    skriv<quint16>(ud, static_cast<quint16>(billeder.size()));
    quint32 sted = 6 + 16 * static_cast<quint32>(billeder.size());
    for (qsizetype i = 0; i < billeder.size(); ++i) {
        const int s = billeder.at(i).width();
        ud.append(static_cast<char>(s >= 256 ? 0 : s));
        ud.append(static_cast<char>(s >= 256 ? 0 : s));
        ud.append('\0'); // no palette
        ud.append('\0');
        skriv<quint16>(ud, 1);  // planes
        skriv<quint16>(ud, 32); // bits a pixel
        skriv<quint32>(ud, static_cast<quint32>(data.at(i).size()));
        skriv<quint32>(ud, sted);
        sted += static_cast<quint32>(data.at(i).size());
    }
    for (const QByteArray& d : data)
        ud.append(d);
    return ud;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    const QDir ud(args.at(1));
    const QDir tema(args.at(2));
    ud.mkpath(QStringLiteral("."));
    int fejl = 0;
    for (const QString& par : args.mid(3)) {
        const QString navn = par.section(u'=', 0, 0);
        const QString ikon = par.section(u'=', 1);
        QList<QImage> billeder;
        QString grund;
        for (const int s : stoerrelser) {
            QImageReader laeser(kilde(tema, ikon, s));
            laeser.setScaledSize(QSize(s, s));
            const QImage b = laeser.read().convertToFormat(QImage::Format_ARGB32);
            if (b.isNull())
                grund = laeser.errorString();
            else
                billeder.append(b);
        }
        QFile fil(ud.filePath(navn + QStringLiteral("_ikon.ico")));
        const QByteArray data = ikonfil(billeder);
        if (!grund.isEmpty() || !fil.open(QIODevice::WriteOnly) || fil.write(data) != data.size()) {
            std::fprintf(stderr, "lavIkoner: %s: %s\n", qPrintable(par),
                         qPrintable(grund.isEmpty() ? fil.errorString() : grund));
            ++fejl;
        }
    }
    return fejl == 0 ? 0 : 1;
}

// Build tool: renders icon-theme pictures into the data set's ".ico" files.
// Usage: lavIkoner OUTDIR THEMEDIR name=themeicon ...
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <cstdio>

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
        QImageReader laeser(tema.filePath(ikon + QStringLiteral(".svg")));
        laeser.setScaledSize(QSize(32, 32));
        const QImage billede = laeser.read().convertToFormat(QImage::Format_ARGB32);
        QImageWriter skriver(ud.filePath(navn + QStringLiteral("_ikon.ico")), "ico");
        if (billede.isNull() || !skriver.write(billede)) {
            std::fprintf(
                stderr, "lavIkoner: %s: %s\n", qPrintable(par),
                qPrintable(billede.isNull() ? laeser.errorString() : skriver.errorString()));
            ++fejl;
        }
    }
    return fejl == 0 ? 0 : 1;
}

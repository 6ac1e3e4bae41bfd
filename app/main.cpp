#include "Design.h"
#include "Platform.h"
#include "Program.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavlum"));
    // The main window ends the program, whatever other windows are open.
    QApplication::setQuitOnLastWindowClosed(false);

    // The toolkit's own dialogs and edit menus speak Danish too.
    QTranslator qtDansk;
    if (qtDansk.load(QStringLiteral("qtbase_da"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtDansk);

    Design::anvend(QStringLiteral("Windows10 Clear Day"));
    const auto platform = Platform::createNative();
    Program program(*platform);
    program.start();
    return QApplication::exec();
}

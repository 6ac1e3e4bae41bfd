#include "Afslutning.h"
#include "Design.h"
#include "Enkeltstart.h"
#include "Platform.h"
#include "Program.h"
#include "main.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdlib>
#include <utility>

namespace {

// The main window while the loop runs, for a save at exit().
Tmainform* vedUdgang = nullptr;

// The toolkit ends the process with exit() when the X server goes away,
// without returning from its loop: what closing saves is saved here, told
// on the error output, as no window can be shown any more.
void gemVedUdgang()
{
    if (Tmainform* vindue = std::exchange(vedUdgang, nullptr)) {
        vindue->udenSkaerm();
        vindue->gemVedSessionsslut();
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Before anything is read, copied or made: a second start hands over to the
    // first and ends, so that two runs never write over each other's files.
    const auto platform = Platform::createNative();
    Enkeltstart enkeltstart(Enkeltstart::mappe(),
                            Enkeltstart::navn(QString::fromStdString(platform->userName()),
                                              QString::fromStdString(platform->baseFolder())));
    if (!enkeltstart.foerste())
        return 0;

    QApplication::setApplicationName(QStringLiteral("Tavlum"));
    // The main window ends the program, whatever other windows are open.
    QApplication::setQuitOnLastWindowClosed(false);

    // The toolkit's own dialogs and edit menus speak Danish too.
    QTranslator qtDansk;
    if (qtDansk.load(QStringLiteral("qtbase_da"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtDansk);

    Design::anvend(QStringLiteral("Windows10 Clear Day"));
    Program program(*platform);
    Tmainform& hovedvindue = *program.mainform;
    QObject::connect(&enkeltstart, &Enkeltstart::vis, &hovedvindue, &Tmainform::visForrest);
    // The end of the session saves what Ctrl+Q saves: the log-out, a signal
    // (which closes the windows as Ctrl+Q does), and the X server going away.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &hovedvindue,
                     &Tmainform::gemVedSessionsslut);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &hovedvindue,
                     &Tmainform::gemVedAfslutning);
    Afslutning::lyt([&hovedvindue] {
        hovedvindue.gemVedSessionsslut();
        QCoreApplication::quit();
    });
    vedUdgang = &hovedvindue;
    std::atexit(gemVedUdgang);

    program.start();
    const int udfald = QApplication::exec();
    vedUdgang = nullptr;
    return udfald;
}

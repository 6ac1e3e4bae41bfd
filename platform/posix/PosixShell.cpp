// The shell's "open" and "edit" on Linux: programs, desktop entries, files in
// the default program of their type, and scripts in a terminal that stays open.
#include "PeIkon.h"
#include "posix/DesktopEntry.h"
#include "posix/PosixPlatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

// Success as the Windows shell reports it: any number above 32.
constexpr int startet = 42;
constexpr int filMangler = 2;
constexpr int mappeMangler = 3;
constexpr int ingenAdgang = 5;
constexpr int ugyldigProgram = 11;
constexpr int ingenTilknytning = 31;

int start(const QStringList& kommando, const QString& mappe)
{
    QString program = kommando.value(0);
    if (!program.contains(u'/'))
        program = QStandardPaths::findExecutable(program);
    if (program.isEmpty())
        return ingenTilknytning;
    return QProcess::startDetached(program, kommando.mid(1), mappe) ? startet : ugyldigProgram;
}

// The terminal and the arguments that make it run a command line.
QStringList terminal()
{
    struct Terminal
    {
        const char* navn;
        const char* udfoer;
    };
    static const Terminal kendte[] = {
        {"x-terminal-emulator", "-e"}, {"xterm", "-e"},          {"konsole", "-e"},
        {"gnome-terminal", "--"},      {"xfce4-terminal", "-x"}, {"lxterminal", "-e"}};
    for (const Terminal& t : kendte) {
        const QString sti = QStandardPaths::findExecutable(QLatin1String(t.navn));
        if (!sti.isEmpty())
            return {sti, QLatin1String(t.udfoer)};
    }
    return {};
}

// Runs a command in a terminal whose shell stays open after it.
int iTerminal(const QStringList& kommando, const QString& mappe)
{
    QStringList t = terminal();
    if (t.isEmpty())
        return ingenTilknytning;
    t << QStringLiteral("sh") << QStringLiteral("-c")
      << QStringLiteral("\"$@\"; exec \"${SHELL:-sh}\"") << QStringLiteral("sh") << kommando;
    return start(t, mappe);
}

int startDesktop(const QString& entryFil, const QString& fil, const QString& mappe)
{
    const DesktopEntry::Entry e = DesktopEntry::laes(entryFil);
    if (!e.valid)
        return ugyldigProgram;
    const QStringList kommando = DesktopEntry::medFil(e.exec, fil);
    const QString startmappe = e.path.isEmpty() ? mappe : e.path;
    return e.terminal ? iTerminal(kommando, startmappe) : start(kommando, startmappe);
}

int medStandardprogram(const QString& fil, const QString& mimeType, const QString& mappe)
{
    const QString id = DesktopEntry::standardProgram(mimeType);
    return id.isEmpty() ? ingenTilknytning : startDesktop(DesktopEntry::find(id), fil, mappe);
}

int tjek(const QFileInfo& info)
{
    if (!info.exists())
        return QFileInfo(info.absolutePath()).isDir() ? filMangler : mappeMangler;
    if (!info.isReadable())
        return ingenAdgang;
    return 0;
}

} // namespace

int PosixPlatform::shellExecute(const std::string& verb, const std::string& file,
                                const std::string& parameters, const std::string& folder)
{
    const QString fil = QString::fromStdString(file);
    const QString param = QString::fromStdString(parameters);
    const QString mappe = folder.empty() ? QDir::currentPath() : QString::fromStdString(folder);

    // A batch script: the whole rest is one name, so spaces cannot split it.
    if (fil == QLatin1String("cmd") && param.startsWith(QLatin1String("/K "))) {
        const QFileInfo script(QDir(mappe).filePath(param.mid(3)));
        if (const int fejl = tjek(script))
            return fejl;
        return iTerminal({QStringLiteral("sh"), script.absoluteFilePath()}, mappe);
    }

    // A bare name is looked for in the folder given, as the Windows shell does.
    const QFileInfo info(folder.empty() ? fil : QDir(mappe).filePath(fil));
    if (const int fejl = tjek(info))
        return fejl;
    const QString fuld = info.absoluteFilePath();
    if (verb == "edit")
        return medStandardprogram(fuld, QStringLiteral("text/plain"), mappe);
    if (info.isFile() && fuld.endsWith(QLatin1String(".desktop"), Qt::CaseInsensitive))
        return startDesktop(fuld, QString(), mappe);
    if (info.isFile() && info.isExecutable()) {
        QStringList kommando{fuld};
        kommando << QProcess::splitCommand(param);
        // A program starts in its own folder unless it is given one.
        return start(kommando, folder.empty() ? info.absolutePath() : mappe);
    }
    const QString mime = info.isDir() ? QStringLiteral("inode/directory")
                                      : QMimeDatabase().mimeTypeForFile(info).name();
    return medStandardprogram(fuld, mime, mappe);
}

std::string PosixPlatform::currentFolder() const
{
    return QDir::currentPath().toStdString();
}

bool PosixPlatform::setCurrentFolder(const std::string& folder)
{
    return QDir::setCurrent(QString::fromStdString(folder));
}

Platform::FileIcon PosixPlatform::firstIcon(const std::string& file) const
{
    const QFileInfo info(QString::fromStdString(file));
    const QString ext = info.suffix().toLower();
    if (ext == QLatin1String("ico"))
        return {FileIcon::Picture, file, {}};
    if (ext == QLatin1String("desktop")) {
        const QString ikon = DesktopEntry::laes(info.absoluteFilePath()).icon;
        if (ikon.isEmpty())
            return {FileIcon::None, {}, {}};
        return {
            ikon.contains(u'/') ? FileIcon::Picture : FileIcon::ThemeName, ikon.toStdString(), {}};
    }
    if (ext == QLatin1String("exe") || ext == QLatin1String("dll")) {
        QFile fil(info.absoluteFilePath());
        // Icons sit in the resource section; a program larger than this is read in part.
        constexpr qint64 hoejst = 64 * 1024 * 1024;
        if (fil.open(QIODevice::ReadOnly)) {
            const QByteArray indhold = fil.read(hoejst);
            const std::vector<std::uint8_t> bytes(indhold.begin(), indhold.end());
            if (PeIkon::erPe(bytes)) {
                std::vector<std::uint8_t> ikon = PeIkon::foersteIkon(bytes);
                if (ikon.empty())
                    return {FileIcon::None, {}, {}};
                return {FileIcon::IconData, {}, std::move(ikon)};
            }
        }
    }
    if (info.isFile() && info.isExecutable())
        return {FileIcon::None, {}, {}};
    return {FileIcon::NotAProgram, {}, {}};
}

bool PosixPlatform::isValidUrl(const std::string& url) const
{
    const QUrl adresse(QString::fromStdString(url), QUrl::StrictMode);
    return adresse.isValid() && !adresse.scheme().isEmpty();
}

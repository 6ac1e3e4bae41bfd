// The shell's "open" and "edit" on Linux: programs, desktop entries, files in
// the default program of their type, and scripts in a terminal that stays open.
#include "Navnetekst.h"
#include "PeIkon.h"
#include "posix/DesktopEntry.h"
#include "posix/PosixPlatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Success as the Windows shell reports it: any number above 32.
constexpr int startet = 42;
constexpr int filMangler = 2;
constexpr int mappeMangler = 3;
constexpr int ingenAdgang = 5;
constexpr int ingenTilknytning = 31;

// The terminals a script is run in and the arguments that make each run a command.
struct Terminal
{
    const char* navn;
    const char* udfoer;
};
constexpr Terminal kendteTerminaler[] = {
    {"x-terminal-emulator", "-e"}, {"xterm", "-e"},          {"konsole", "-e"},
    {"gnome-terminal", "--"},      {"xfce4-terminal", "-x"}, {"lxterminal", "-e"}};

// Paths arrive as the file system's bytes, which need not be UTF-8; as text
// they keep every byte (Navnetekst), and go back to the same bytes.
QString tekst(const std::string& bytes)
{
    return QString::fromStdU16String(Navnetekst::tilTekst(bytes));
}

std::string bytes(const QString& tekst)
{
    return Navnetekst::tilBytes(tekst.toStdU16String());
}

// Starts a program apart from this process, its arguments passed as bytes:
// QProcess would turn a name that is not UTF-8 into another name.
bool startLoesrevet(const QStringList& kommando, const QString& mappe)
{
    std::vector<std::string> args;
    for (const QString& a : kommando)
        args.push_back(bytes(a));
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const std::string dir = bytes(mappe);
    // The grandchild tells through the pipe when it could not start the program.
    int roer[2];
    if (pipe2(roer, O_CLOEXEC) != 0)
        return false;
    const pid_t barn = fork();
    if (barn == 0) {
        setsid();
        if (fork() == 0) {
            if (dir.empty() || chdir(dir.c_str()) == 0)
                execv(argv[0], argv.data());
            const int fejl = errno;
            [[maybe_unused]] const ssize_t n = write(roer[1], &fejl, sizeof fejl);
        }
        _exit(0);
    }
    close(roer[1]);
    int fejl = 0;
    const bool lykkedes = barn > 0 && waitpid(barn, nullptr, 0) == barn &&
                          read(roer[0], &fejl, sizeof fejl) != static_cast<ssize_t>(sizeof fejl);
    close(roer[0]);
    return lykkedes;
}

struct stat statusAf(const QString& sti)
{
    struct stat st
    {
    };
    if (::stat(bytes(sti).c_str(), &st) != 0)
        st.st_mode = 0;
    return st;
}

int start(const QStringList& kommando, const QString& mappe)
{
    QString program = kommando.value(0);
    if (!program.contains(u'/'))
        program = QStandardPaths::findExecutable(program);
    if (program.isEmpty() || !S_ISREG(statusAf(program).st_mode))
        return Platform::ProgramNotFound;
    QStringList alt = kommando;
    alt[0] = program;
    return startLoesrevet(alt, mappe) ? startet : Platform::NotStartable;
}

// Runs a command in a terminal whose shell stays open after it.
int iTerminal(const QStringList& kommando, const QString& mappe)
{
    for (const Terminal& t : kendteTerminaler) {
        const QString sti = QStandardPaths::findExecutable(QLatin1String(t.navn));
        if (sti.isEmpty())
            continue;
        QStringList k{sti,
                      QLatin1String(t.udfoer),
                      QStringLiteral("sh"),
                      QStringLiteral("-c"),
                      QStringLiteral("\"$@\"; exec \"${SHELL:-sh}\""),
                      QStringLiteral("sh")};
        return start(k << kommando, mappe);
    }
    return Platform::NoTerminal;
}

int tjek(const QFileInfo& info)
{
    const std::string sti = bytes(info.absoluteFilePath());
    struct stat st
    {
    };
    if (::stat(sti.c_str(), &st) != 0)
        return S_ISDIR(statusAf(info.absolutePath()).st_mode) ? filMangler : mappeMangler;
    if (::access(sti.c_str(), R_OK) != 0)
        return ingenAdgang;
    return 0;
}

int startDesktop(const QString& entryFil, const QString& fil, const QString& mappe);

int medStandardprogram(const QString& fil, const QString& mimeType, const QString& mappe)
{
    const QString id = DesktopEntry::standardProgram(mimeType);
    return id.isEmpty() ? ingenTilknytning : startDesktop(DesktopEntry::find(id), fil, mappe);
}

// What a link entry points at: a local file by its type, anything else by its scheme.
int aabnAdresse(const QString& url, const QString& mappe)
{
    const QUrl adresse(url);
    if (!adresse.isLocalFile() && !adresse.scheme().isEmpty())
        return medStandardprogram(url, QStringLiteral("x-scheme-handler/") + adresse.scheme(),
                                  mappe);
    const QFileInfo info(adresse.isLocalFile() ? adresse.toLocalFile() : url);
    if (const int fejl = tjek(info))
        return fejl;
    const QString mime = info.isDir() ? QStringLiteral("inode/directory")
                                      : QMimeDatabase().mimeTypeForFile(info).name();
    return medStandardprogram(info.absoluteFilePath(), mime, mappe);
}

int startDesktop(const QString& entryFil, const QString& fil, const QString& mappe)
{
    const DesktopEntry::Entry e = DesktopEntry::laes(entryFil);
    if (!e.valid)
        return fil.isEmpty() && !e.url.isEmpty() ? aabnAdresse(e.url, mappe)
                                                 : Platform::NoProgramLine;
    const QStringList kommando = DesktopEntry::medFil(e, fil);
    const QString startmappe = e.path.isEmpty() ? mappe : e.path;
    return e.terminal ? iTerminal(kommando, startmappe) : start(kommando, startmappe);
}

// The desktops run an entry only when it is executable or installed where
// programs are: one that came with a download must not run by a double click.
bool betroet(const QString& entry)
{
    if (::access(bytes(entry).c_str(), X_OK) == 0)
        return true;
    const QString sti = QFileInfo(entry).canonicalFilePath();
    for (const QString& d : DesktopEntry::programmapper()) {
        const QString mappe = QFileInfo(d).canonicalFilePath();
        if (!mappe.isEmpty() && sti.startsWith(mappe + u'/'))
            return true;
    }
    return false;
}

} // namespace

int PosixPlatform::shellExecute(const std::string& verb, const std::string& file,
                                const std::string& parameters, const std::string& folder)
{
    const QString fil = tekst(file);
    const QString param = tekst(parameters);
    const QString mappe = folder.empty() ? tekst(currentFolder()) : tekst(folder);

    // A batch script: the whole rest names it when that is a file, so spaces
    // cannot split its name; else its name ends at the last space that leaves
    // a file, and its arguments follow.
    if (fil == QLatin1String("cmd") && param.startsWith(QLatin1String("/K "))) {
        const QString rest = param.mid(3);
        QFileInfo script(QDir(mappe).filePath(rest));
        QStringList args;
        for (qsizetype i = rest.lastIndexOf(u' '); !script.isFile() && i > 0;
             i = rest.lastIndexOf(u' ', i - 1)) {
            const QFileInfo del(QDir(mappe).filePath(rest.left(i)));
            if (del.isFile()) {
                script = del;
                args = QProcess::splitCommand(rest.mid(i + 1));
            }
        }
        if (const int fejl = tjek(script))
            return fejl;
        // Run by sh, a script needs no execute bit; one without it may have come
        // from anywhere, so it runs only once the user has said yes.
        if (verb != "openConfirmed" &&
            ::access(bytes(script.absoluteFilePath()).c_str(), X_OK) != 0)
            return UntrustedEntry;
        return iTerminal(QStringList{QStringLiteral("sh"), script.absoluteFilePath()} << args,
                         mappe);
    }

    // A bare name is looked for in the folder given, as the Windows shell does.
    const QFileInfo info(folder.empty() ? fil : QDir(mappe).filePath(fil));
    // A web address (no file of that name) opens in its scheme's program, as the Windows shell does.
    if (const QUrl adresse(fil, QUrl::StrictMode); verb == "open" && adresse.isValid() &&
        adresse.scheme().size() > 1 && !adresse.isLocalFile() && !info.exists())
        return aabnAdresse(fil, mappe);
    if (const int fejl = tjek(info))
        return fejl;
    const QString fuld = info.absoluteFilePath();
    if (verb == "edit")
        return medStandardprogram(fuld, QStringLiteral("text/plain"), mappe);
    const bool erFil = S_ISREG(statusAf(fuld).st_mode);
    if (erFil && fuld.endsWith(QLatin1String(".desktop"), Qt::CaseInsensitive)) {
        if (verb != "openConfirmed" && !betroet(fuld))
            return UntrustedEntry;
        return startDesktop(fuld, QString(), mappe);
    }
    if (erFil && ::access(bytes(fuld).c_str(), X_OK) == 0) {
        QStringList kommando{fuld};
        kommando << QProcess::splitCommand(param);
        // A program starts in its own folder unless it is given one.
        return start(kommando, folder.empty() ? info.absolutePath() : mappe);
    }
    // A name that is not text is known by its extension only: Qt cannot open it to look inside.
    const bool tekstnavn = QString::fromStdString(bytes(fuld)) == fuld;
    const QString mime =
        S_ISDIR(statusAf(fuld).st_mode) ? QStringLiteral("inode/directory")
        : tekstnavn                     ? QMimeDatabase().mimeTypeForFile(info).name()
                    : QMimeDatabase().mimeTypeForFile(fuld, QMimeDatabase::MatchExtension).name();
    return medStandardprogram(fuld, mime, mappe);
}

std::vector<std::string> PosixPlatform::terminals() const
{
    std::vector<std::string> ud;
    for (const Terminal& t : kendteTerminaler)
        ud.emplace_back(t.navn);
    return ud;
}

std::string PosixPlatform::programLine(const std::string& file) const
{
    const QString fil = QString::fromStdString(file);
    if (!fil.endsWith(QLatin1String(".desktop"), Qt::CaseInsensitive))
        return {};
    return DesktopEntry::laes(fil).execLine.toStdString();
}

bool PosixPlatform::markTrusted(const std::string& file)
{
    struct stat st
    {
    };
    if (::stat(file.c_str(), &st) != 0)
        return false;
    return (st.st_mode & S_IXUSR) != 0 ||
           ::chmod(file.c_str(), (st.st_mode | S_IXUSR) & 07777) == 0;
}

void PosixPlatform::runScript(const std::string& file,
                              std::function<void(const ScriptResult&)> done)
{
    const QFileInfo script(QString::fromStdString(file));
    if (const int fejl = tjek(script)) {
        done({fejl, 0, {}});
        return;
    }
    // Owned by the application, so a script still running at the end is stopped.
    auto* proces = new QProcess(QCoreApplication::instance());
    proces->setProgram(QStringLiteral("sh"));
    proces->setArguments({script.absoluteFilePath()});
    proces->setWorkingDirectory(script.absolutePath());
    proces->setStandardInputFile(QProcess::nullDevice());
    proces->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(
        proces, &QProcess::finished, proces,
        [proces, done](int status, QProcess::ExitStatus slags) {
            // A script says a few lines; more is not read.
            const QByteArray tekst = proces->read(64 * 1024);
            proces->deleteLater();
            done({startet, slags == QProcess::NormalExit ? status : -1, tekst.toStdString()});
        });
    QObject::connect(proces, &QProcess::errorOccurred, proces,
                     [proces, done](QProcess::ProcessError fejl) {
                         if (fejl != QProcess::FailedToStart)
                             return;
                         proces->deleteLater();
                         done({NotStartable, 0, {}});
                     });
    proces->start();
}

std::string PosixPlatform::currentFolder() const
{
    char* her = getcwd(nullptr, 0);
    const std::string ud = her ? her : "";
    std::free(her);
    return ud;
}

bool PosixPlatform::setCurrentFolder(const std::string& folder)
{
    return !folder.empty() && chdir(folder.c_str()) == 0;
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

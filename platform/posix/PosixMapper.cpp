// Folder listings and the user's special folders on POSIX systems.
#include "posix/PosixPlatform.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <set>
#include <sys/stat.h>

namespace {

using Entry = Platform::FolderEntry;

// The names a folder's ".hidden" file lists, one a line, as the desktop file managers read it.
std::set<std::string> skjulteNavne(int mappeFd)
{
    std::set<std::string> navne;
    // Without waiting on a pipe put in the list's place.
    const int fd = openat(mappeFd, ".hidden", O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat st
    {
    };
    if (fd < 0 || fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        if (fd >= 0)
            close(fd);
        return navne;
    }
    // A list of more than a megabyte names no folder's entries: what follows is not read.
    constexpr std::size_t hoejst = 1024 * 1024;
    std::string indhold;
    char buf[4096];
    for (ssize_t n; indhold.size() < hoejst && (n = read(fd, buf, sizeof buf)) > 0;)
        indhold.append(buf, static_cast<std::size_t>(n));
    close(fd);
    std::size_t start = 0;
    while (start < indhold.size()) {
        std::size_t slut = indhold.find('\n', start);
        if (slut == std::string::npos)
            slut = indhold.size();
        std::string linje = indhold.substr(start, slut - start);
        if (!linje.empty() && linje.back() == '\r')
            linje.pop_back();
        if (!linje.empty())
            navne.insert(std::move(linje));
        start = slut + 1;
    }
    return navne;
}

Entry::Kind kindAf(int mappeFd, const dirent& e)
{
    switch (e.d_type) {
    case DT_DIR:
        return Entry::Folder;
    case DT_REG:
        return Entry::File;
    case DT_LNK:
    case DT_UNKNOWN: {
        // A link counts as what it points to, as the Windows shell's links do not but
        // the desktop's file managers do.
        struct stat st
        {
        };
        if (fstatat(mappeFd, e.d_name, &st, 0) != 0)
            return Entry::Other;
        return S_ISDIR(st.st_mode)   ? Entry::Folder
               : S_ISREG(st.st_mode) ? Entry::File
                                     : Entry::Other;
    }
    default:
        return Entry::Other;
    }
}

std::string mappeEllerTom(const QString& sti)
{
    return !sti.isEmpty() && QFileInfo(sti).isDir() ? QDir::cleanPath(sti).toStdString()
                                                    : std::string();
}

std::string skrivebordsmappe(QStandardPaths::StandardLocation hvor)
{
    return mappeEllerTom(QStandardPaths::writableLocation(hvor));
}

// Windows keeps the shared folders as Documents, Music, ... under one public
// folder; the desktop has one public folder, and may hold the same below it.
std::string delt(const char* navn)
{
    const QString offentlig = QStandardPaths::writableLocation(QStandardPaths::PublicShareLocation);
    if (std::string under = mappeEllerTom(offentlig + u'/' + QLatin1String(navn)); !under.empty())
        return under;
    return mappeEllerTom(offentlig);
}

} // namespace

std::vector<Platform::FolderEntry> PosixPlatform::listFolder(const std::string& folder) const
{
    std::vector<Entry> entries;
    DIR* d = opendir(folder.c_str());
    if (!d)
        return entries;
    const int fd = dirfd(d);
    const std::set<std::string> skjulte = skjulteNavne(fd);
    errno = 0;
    while (const dirent* e = readdir(d)) {
        const std::string navn = e->d_name;
        if (navn == "." || navn == "..")
            continue;
        entries.push_back({navn, kindAf(fd, *e), navn.front() == '.' || skjulte.contains(navn)});
    }
    closedir(d);
    return entries;
}

std::string PosixPlatform::specialFolder(SpecialFolder which) const
{
    using S = SpecialFolder;
    using Q = QStandardPaths;
    const QString hjem = QDir::homePath();
    switch (which) {
    case S::Home:
        return mappeEllerTom(hjem);
    case S::Desktop:
        return skrivebordsmappe(Q::DesktopLocation);
    case S::Documents:
        return skrivebordsmappe(Q::DocumentsLocation);
    case S::Music:
        return skrivebordsmappe(Q::MusicLocation);
    case S::Pictures:
        return skrivebordsmappe(Q::PicturesLocation);
    case S::Videos:
        return skrivebordsmappe(Q::MoviesLocation);
    case S::Downloads:
        return skrivebordsmappe(Q::DownloadLocation);
    case S::LocalAppData:
        return skrivebordsmappe(Q::GenericDataLocation);
    case S::StartMenuPrograms:
        return skrivebordsmappe(Q::ApplicationsLocation);
    case S::Contacts:
        return mappeEllerTom(hjem + QStringLiteral("/Contacts"));
    case S::OneDrive:
        return mappeEllerTom(hjem + QStringLiteral("/OneDrive"));
    case S::Favorites:
        // The desktop keeps its favourite places as bookmarks, not as a folder.
        return {};
    case S::CommonDocuments:
        return delt("Documents");
    case S::CommonMusic:
        return delt("Music");
    case S::CommonPictures:
        return delt("Pictures");
    case S::CommonVideos:
        return delt("Videos");
    }
    return {};
}

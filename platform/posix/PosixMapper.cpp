// Folder listings and the user's special folders on POSIX systems.
#include "posix/PosixPlatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>
#include <QXmlStreamReader>
#include <algorithm>
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
    // Without waiting on a pipe put in the list's place, nor following a link planted there.
    const int fd = openat(mappeFd, ".hidden", O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
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

// The path of a local "file://" address as the file system's bytes; empty for any other.
std::string lokalSti(const QByteArray& adresse)
{
    const QByteArray praefiks = "file://";
    if (!adresse.startsWith(praefiks))
        return {};
    QByteArray sti = QByteArray::fromPercentEncoding(adresse.mid(praefiks.size()));
    while (sti.size() > 1 && sti.endsWith('/'))
        sti.chop(1);
    return sti.startsWith('/') ? sti.toStdString() : std::string();
}

std::string sidsteDel(const std::string& sti)
{
    const auto skel = sti.find_last_of('/');
    return skel == std::string::npos || sti == "/" ? sti : sti.substr(skel + 1);
}

QByteArray laes(const QString& fil)
{
    QFile f(fil);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// GTK's file managers (Nautilus, Thunar, Caja): one "address label" a line.
void gtkBogmaerker(std::vector<Platform::Place>& ud)
{
    const QString konfig = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QByteArray indhold = laes(konfig + QStringLiteral("/gtk-3.0/bookmarks"));
    if (indhold.isEmpty())
        indhold = laes(QDir::homePath() + QStringLiteral("/.gtk-bookmarks"));
    for (const QByteArray& linje : indhold.split('\n')) {
        const QByteArray l = linje.trimmed();
        const qsizetype mellemrum = l.indexOf(' ');
        const std::string sti = lokalSti(mellemrum < 0 ? l : l.left(mellemrum));
        if (!sti.empty())
            ud.push_back(
                {mellemrum < 0 ? sidsteDel(sti) : l.mid(mellemrum + 1).toStdString(), sti});
    }
}

// KDE's places (Dolphin): the XBEL bookmarks that are not hidden.
void kdePladser(std::vector<Platform::Place>& ud)
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QXmlStreamReader xml(laes(data + QStringLiteral("/user-places.xbel")));
    Platform::Place plads;
    bool skjult = false;
    while (!xml.atEnd()) {
        xml.readNext();
        const QStringView navn = xml.name();
        if (xml.isStartElement() && navn == u"bookmark") {
            plads = {std::string(),
                     lokalSti(xml.attributes().value(QLatin1String("href")).toLatin1())};
            skjult = false;
        } else if (xml.isStartElement() && navn == u"title") {
            plads.caption = xml.readElementText().toStdString();
        } else if (xml.isStartElement() && navn == u"IsHidden") {
            skjult = xml.readElementText() == u"true";
        } else if (xml.isEndElement() && navn == u"bookmark" && !plads.path.empty() && !skjult) {
            if (plads.caption.empty())
                plads.caption = sidsteDel(plads.path);
            ud.push_back(plads);
        }
    }
}

} // namespace

std::vector<Platform::Place> PosixPlatform::favoritePlaces() const
{
    std::vector<Place> ud;
    gtkBogmaerker(ud);
    kdePladser(ud);
    // A place both desktops keep is one place.
    std::vector<Place> hver;
    for (Place& p : ud)
        if (std::none_of(hver.begin(), hver.end(),
                         [&](const Place& h) { return h.path == p.path; }))
            hver.push_back(std::move(p));
    return hver;
}

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

// The recycle bin on Linux: the freedesktop.org trash, written by its rules,
// because Qt's own writes the original path without percent-encoding.
#include "posix/PosixPlatform.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_set>
#include <vector>

namespace {

std::string parentOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string absolute(const std::string& path)
{
    if (!path.empty() && path[0] == '/')
        return path;
    char* cwd = getcwd(nullptr, 0);
    const std::string result = std::string(cwd ? cwd : "") + "/" + path;
    std::free(cwd);
    return result;
}

bool makeFolders(const std::string& path)
{
    for (std::size_t i = 1; i <= path.size(); ++i) {
        if (i < path.size() && path[i] != '/')
            continue;
        if (mkdir(path.substr(0, i).c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    struct stat st
    {
    };
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

dev_t deviceOf(const std::string& path)
{
    struct stat st
    {
    };
    return stat(path.c_str(), &st) == 0 ? st.st_dev : static_cast<dev_t>(-1);
}

// The top folder of the mount that holds `folder`.
std::string topFolder(const std::string& folder)
{
    const dev_t device = deviceOf(folder);
    std::string top = folder;
    while (top != "/" && deviceOf(parentOf(top)) == device)
        top = parentOf(top);
    return top;
}

std::string percentEncoded(const std::string& path)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (const unsigned char c : path) {
        const bool ascii =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (ascii || c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

std::string localTimeNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    return text;
}

// The trash folder for a file on another mount than the home trash's.
std::string mountTrash(const std::string& top)
{
    const std::string uid = std::to_string(getuid());
    const std::string shared = (top == "/" ? "" : top) + "/.Trash";
    struct stat st
    {
    };
    // A shared trash counts only as a real, sticky folder, never through a link.
    if (lstat(shared.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX)) {
        const std::string own = shared + "/" + uid;
        if (makeFolders(own + "/files") && makeFolders(own + "/info"))
            return own;
    }
    const std::string own = (top == "/" ? "" : top) + "/.Trash-" + uid;
    if (makeFolders(own + "/files") && makeFolders(own + "/info"))
        return own;
    return {};
}

// The name an entry takes in the trash: the file's own, ".N" added on the Nth
// try, cut at a character so that its info file's name stays within the
// file system's limit; the original name stays whole in the info file's Path.
std::string trashName(const std::string& name, int n, std::size_t limit)
{
    static const std::string info = ".trashinfo";
    const std::string suffix = n == 1 ? "" : "." + std::to_string(n);
    std::size_t room = limit - info.size() - suffix.size();
    if (name.size() <= room)
        return name + suffix;
    while (room > 0 && (static_cast<unsigned char>(name[room]) & 0xC0) == 0x80)
        --room; // not within a UTF-8 character
    return name.substr(0, room) + suffix;
}

// The trash in the user's data folder; empty when no home is known, never one
// at the file system's root.
std::string homeTrash()
{
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data == '/')
        return std::string(data) + "/Trash";
    const std::string home = PosixPlatform::homeFolder();
    return home.empty() || home == "/" ? std::string() : home + "/.local/share/Trash";
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string percentDecoded(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int hi = text[i] == '%' && i + 2 < text.size() ? hexValue(text[i + 1]) : -1;
        const int lo = hi < 0 ? -1 : hexValue(text[i + 2]);
        if (lo < 0) {
            out += text[i];
            continue;
        }
        out += static_cast<char>(hi * 16 + lo);
        i += 2;
    }
    return out;
}

// "2024-03-01T14:05:09" in local time, as the trash writes it; -1 when it is no such date.
std::int64_t localTime(const std::string& text)
{
    std::tm t{};
    char rest = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%c", &t.tm_year, &t.tm_mon, &t.tm_mday,
                    &t.tm_hour, &t.tm_min, &t.tm_sec, &rest) < 6)
        return -1;
    t.tm_year -= 1900;
    t.tm_mon -= 1;
    t.tm_isdst = -1;
    const std::time_t when = std::mktime(&t);
    return when == static_cast<std::time_t>(-1) ? -1 : static_cast<std::int64_t>(when) * 1000;
}

// The whole of a small file; empty when it cannot be read or is not small.
std::string smallFile(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return {};
    std::string text;
    char buffer[4096];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0 || text.size() > 64 * 1024)
            break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    close(fd);
    return text;
}

// The Path and DeletionDate of an info file's "[Trash Info]" group.
bool readInfo(const std::string& text, std::string& path, std::string& date)
{
    bool inGroup = false;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line[0] == '[') {
            inGroup = line == "[Trash Info]";
            continue;
        }
        const auto eq = line.find('=');
        if (!inGroup || eq == std::string::npos)
            continue;
        std::string key = line.substr(0, eq);
        while (!key.empty() && key.back() == ' ')
            key.pop_back();
        std::size_t from = eq + 1;
        while (from < line.size() && line[from] == ' ')
            ++from;
        if (key == "Path" && path.empty())
            path = percentDecoded(line.substr(from));
        else if (key == "DeletionDate" && date.empty())
            date = line.substr(from);
    }
    return !path.empty();
}

// The entries of one trash folder. Their info files are read later, for the
// rows shown; an entry that lost its info file is listed without its place.
void readTrash(const std::string& trash, std::vector<Platform::TrashItem>& items)
{
    DIR* dir = opendir((trash + "/files").c_str());
    if (!dir)
        return;
    const std::string files = trash + "/files/";
    while (const dirent* e = readdir(dir)) {
        const std::string_view name = e->d_name;
        if (name == "." || name == "..")
            continue;
        bool folder = e->d_type == DT_DIR;
        if (e->d_type == DT_UNKNOWN) {
            struct stat st
            {
            };
            folder = lstat((files + e->d_name).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
        }
        items.push_back({files + e->d_name, {}, -1, folder});
    }
    closedir(dir);
}

// The name of the info file that belongs to an entry of a trash's "files"
// folder; empty when the path is no such entry.
std::string infoNameOf(const std::string& id)
{
    const auto slash = id.find_last_of('/');
    static const std::string files = "/files";
    if (slash == std::string::npos || slash < files.size() ||
        id.compare(slash - files.size(), files.size(), files) != 0)
        return {};
    const std::string trash = id.substr(0, slash - files.size());
    return trash + "/info/" + id.substr(slash + 1) + ".trashinfo";
}

// The same, where it is there.
std::string infoOf(const std::string& id)
{
    const std::string info = infoNameOf(id);
    struct stat st
    {
    };
    return !info.empty() && lstat(info.c_str(), &st) == 0 && S_ISREG(st.st_mode) ? info
                                                                                 : std::string();
}

} // namespace

bool PosixPlatform::moveToTrash(const std::string& file)
{
    const std::string path = absolute(file);
    struct stat st
    {
    };
    if (path.size() < 2 || lstat(path.c_str(), &st) != 0)
        return false;

    const std::string home = homeTrash();
    const bool homeTrash = !home.empty() && makeFolders(home + "/files") &&
                           makeFolders(home + "/info") && deviceOf(home) == deviceOf(parentOf(path));
    std::string trash = home;
    std::string original = path;
    if (!homeTrash) {
        const std::string top = topFolder(parentOf(path));
        trash = mountTrash(top);
        if (trash.empty())
            return false;
        // Relative to the mount, so the entry still holds when it is mounted elsewhere.
        original = top == "/" ? path.substr(1) : path.substr(top.size() + 1);
    }

    // The info file is made first and exclusively: that claims the name.
    const std::string name = path.substr(path.find_last_of('/') + 1);
    const std::string entry = "[Trash Info]\nPath=" + percentEncoded(original) +
                              "\nDeletionDate=" + localTimeNow() + "\n";
    const long nameMax = pathconf((trash + "/info").c_str(), _PC_NAME_MAX);
    const std::size_t limit = nameMax > 32 ? static_cast<std::size_t>(nameMax) : 255;
    for (int n = 1; n < 10000; ++n) {
        const std::string candidate = trashName(name, n, limit);
        const std::string info = trash + "/info/" + candidate + ".trashinfo";
        const int fd = open(info.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return false;
        }
        const bool written =
            write(fd, entry.data(), entry.size()) == static_cast<ssize_t>(entry.size());
        const bool closed = close(fd) == 0;
        const std::string target = trash + "/files/" + candidate;
        struct stat existing
        {
        };
        if (written && closed && lstat(target.c_str(), &existing) == 0) {
            // A file left in the trash without its entry keeps its name.
            unlink(info.c_str());
            continue;
        }
        // Never a copy across file systems: the rename moves it or nothing happens.
        if (written && closed && std::rename(path.c_str(), target.c_str()) == 0)
            return true;
        unlink(info.c_str());
        return false;
    }
    return false;
}

bool PosixPlatform::emptyTrash(const std::string& drive, bool /*confirm*/)
{
    // The desktop's trash has no question of its own: the caller asked.
    const std::string top = topFolder(absolute(drive));
    const std::string uid = std::to_string(getuid());
    std::vector<std::string> trashes = {(top == "/" ? "" : top) + "/.Trash/" + uid,
                                        (top == "/" ? "" : top) + "/.Trash-" + uid};
    if (deviceOf(homeTrash()) == deviceOf(top))
        trashes.push_back(homeTrash());
    bool alt = true;
    for (const std::string& trash : trashes) {
        struct stat st
        {
        };
        if (lstat(trash.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
            continue;
        // The files first: an info file left over names nothing, but a file
        // left without its info file could no longer be seen in the trash.
        alt = emptyFolder(trash + "/files") && alt;
        alt = emptyFolder(trash + "/info") && alt;
    }
    return alt;
}

std::vector<Platform::TrashItem> PosixPlatform::trashEntries() const
{
    std::vector<TrashItem> items;
    std::unordered_set<std::string> seen;
    const auto read = [&](const std::string& trash) {
        struct stat st
        {
        };
        if (lstat(trash.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
            return;
        if (!seen.insert(std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino)).second)
            return;
        readTrash(trash, items);
    };
    read(homeTrash());
    const std::string uid = std::to_string(getuid());
    for (const Drive& drive : drives()) {
        const std::string top = drive.root == "/" ? "" : drive.root;
        read(top + "/.Trash/" + uid);
        read(top + "/.Trash-" + uid);
    }
    return items;
}

bool PosixPlatform::readTrashInfo(TrashItem& item) const
{
    if (!item.original.empty())
        return true;
    const std::string info = infoOf(item.id);
    std::string path;
    std::string date;
    if (info.empty() || !readInfo(smallFile(info), path, date))
        return false;
    if (path[0] != '/') {
        // Relative to the top of the mount that holds "top/.Trash/uid" or "top/.Trash-uid".
        std::string top = parentOf(parentOf(parentOf(item.id)));
        if (top.substr(top.find_last_of('/') + 1) == ".Trash")
            top = parentOf(top);
        path = (top == "/" ? "" : top) + "/" + path;
    }
    item.original = path;
    item.deleted = localTime(date);
    return true;
}

bool PosixPlatform::restoreFromTrash(const TrashItem& item, const std::string& target)
{
    const std::string info = infoOf(item.id);
    if (info.empty() || target.empty())
        return false;
    // Never over an entry that is there: the kernel refuses, or, where the
    // file system cannot, a look first.
    if (renameat2(AT_FDCWD, item.id.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) != 0) {
        struct stat st
        {
        };
        if (errno != EINVAL || lstat(target.c_str(), &st) == 0 ||
            std::rename(item.id.c_str(), target.c_str()) != 0)
            return false;
    }
    unlink(info.c_str());
    return true;
}

bool PosixPlatform::deleteFromTrash(const TrashItem& item)
{
    // An entry that lost its info file can still be deleted.
    const std::string info = infoNameOf(item.id);
    if (info.empty() || !deletePermanently(item.id))
        return false;
    return unlink(info.c_str()) == 0 || errno == ENOENT;
}

// The recycle bin on Linux: the freedesktop.org trash, written by its rules,
// because Qt's own writes the original path without percent-encoding.
#include "posix/PosixPlatform.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
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

std::string homeTrash()
{
    std::string home;
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data == '/')
        home = data;
    else if (const char* h = std::getenv("HOME"); h && *h)
        home = std::string(h) + "/.local/share";
    return home + "/Trash";
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
    const bool homeTrash = makeFolders(home + "/files") && makeFolders(home + "/info") &&
                           deviceOf(home) == deviceOf(parentOf(path));
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

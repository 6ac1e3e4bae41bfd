// Copying, renaming, listing and deleting files on POSIX systems. Every call
// goes through a folder descriptor and a last part, so paths longer than the
// system's limit work too, and names keep their bytes.
#include "posix/PosixPlatform.h"
#include "posix/Sted.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <string_view>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <vector>

namespace {

using Entry = Platform::TreeEntry;

Entry::Kind kindAf(mode_t mode)
{
    return S_ISDIR(mode)   ? Entry::Folder
           : S_ISREG(mode) ? Entry::File
           : S_ISLNK(mode) ? Entry::Link
                           : Entry::Other;
}

std::string sidsteDel(const std::string& path)
{
    std::string p = path;
    while (p.size() > 1 && p.back() == '/')
        p.pop_back();
    const auto slash = p.find_last_of('/');
    return slash == std::string::npos ? p : p.substr(slash + 1);
}

// The entries of an open folder; the descriptor is taken over and closed.
// The entries of an open folder, which it closes; nothing when they cannot all be read.
std::optional<std::vector<Entry>> entriesAf(int fd)
{
    std::vector<Entry> ud;
    DIR* d = fd < 0 ? nullptr : fdopendir(fd);
    if (!d) {
        if (fd >= 0)
            close(fd);
        return std::nullopt;
    }
    // readdir tells the end of the folder from a failure only by errno.
    errno = 0;
    while (const dirent* e = readdir(d)) {
        const std::string navn = e->d_name;
        if (navn == "." || navn == "..")
            continue;
        struct stat st
        {
        };
        Entry entry{navn, Entry::Other, 0};
        if (fstatat(dirfd(d), e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0) {
            entry.kind = kindAf(st.st_mode);
            if (entry.kind == Entry::File)
                entry.size = st.st_size;
        }
        ud.push_back(std::move(entry));
        errno = 0;
    }
    const bool helt = errno == 0;
    closedir(d);
    if (!helt)
        return std::nullopt;
    return ud;
}

struct Mappeid
{
    dev_t enhed = 0;
    ino_t inode = 0;
    bool operator==(const Mappeid&) const = default;
};

std::optional<Mappeid> idAf(int fd)
{
    struct stat st
    {
    };
    return fstat(fd, &st) == 0 ? std::optional(Mappeid{st.st_dev, st.st_ino}) : std::nullopt;
}

// Deletes everything inside an open folder, depth first; the descriptor is kept.
// The walk holds one folder open at a time, however deep the tree, and climbs
// back through ".." only when that is the very folder it came down from.
bool toemMappe(int top)
{
    struct Niveau
    {
        std::vector<Entry> poster;
        std::size_t naeste = 0;
        Mappeid id;
    };
    int fd = dup(top);
    const auto topId = fd < 0 ? std::nullopt : idAf(fd);
    if (!topId) {
        if (fd >= 0)
            close(fd);
        return false;
    }
    std::vector<Niveau> sti;
    sti.push_back({entriesAf(dup(fd)).value_or(std::vector<Entry>()), 0, *topId});
    bool alt = true;
    while (true) {
        Niveau& her = sti.back();
        if (her.naeste < her.poster.size()) {
            const Entry& e = her.poster[her.naeste++];
            if (e.kind != Entry::Folder) {
                alt = unlinkat(fd, e.name.c_str(), 0) == 0 && alt;
                continue;
            }
            const int under =
                openat(fd, e.name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            const auto id = under < 0 ? std::nullopt : idAf(under);
            if (!id) {
                if (under >= 0)
                    close(under);
                alt = false;
                continue;
            }
            close(fd);
            fd = under;
            sti.push_back({entriesAf(dup(fd)).value_or(std::vector<Entry>()), 0, *id});
            continue;
        }
        sti.pop_back();
        if (sti.empty())
            break;
        // Up again: the parent must still be the folder the walk came from.
        const int op = openat(fd, "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        close(fd);
        fd = op;
        if (fd < 0 || idAf(fd) != sti.back().id) {
            if (fd >= 0)
                close(fd);
            return false;
        }
        const Niveau& foraelder = sti.back();
        alt =
            unlinkat(fd, foraelder.poster[foraelder.naeste - 1].name.c_str(), AT_REMOVEDIR) == 0 &&
            alt;
    }
    close(fd);
    return alt;
}

// An open file that is closed however the copy ends.
struct Beskrivelse
{
    explicit Beskrivelse(int f) : fd(f) {}
    ~Beskrivelse() { luk(); }
    Beskrivelse(const Beskrivelse&) = delete;
    Beskrivelse& operator=(const Beskrivelse&) = delete;
    bool luk()
    {
        const bool ok = fd < 0 || close(fd) == 0;
        fd = -1;
        return ok;
    }
    int fd;
};

bool sammeFil(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A free name beside the target for the copy under way.
std::string midlertidigtNavn(const Sted& maal, int forsoeg)
{
    const auto slash = maal.leaf.find_last_of('/');
    const std::string mappe = slash == std::string::npos ? "" : maal.leaf.substr(0, slash + 1);
    const std::string navn = maal.leaf.substr(mappe.size(), 200);
    return mappe + "." + navn + ".tavlum-" + std::to_string(getpid()) + "-" +
           std::to_string(forsoeg);
}

// Copies the bytes of an open file to another, the kernel's way where it can.
bool kopierIndhold(int fra, int til, std::int64_t total, const Platform::CopyProgress& progress)
{
    constexpr std::size_t stykke = 8u << 20;
    std::int64_t done = 0;
    bool kernel = true;
    std::vector<char> buffer;
    for (;;) {
        ssize_t n = -1;
        if (kernel) {
            n = copy_file_range(fra, nullptr, til, nullptr, stykke, 0);
            if (n < 0 && (errno == EINVAL || errno == EXDEV || errno == ENOSYS ||
                          errno == EOPNOTSUPP || errno == EBADF)) {
                // Not for these file systems: the same bytes by reading.
                kernel = false;
                continue;
            }
        } else {
            if (buffer.empty())
                buffer.resize(1u << 20);
            n = read(fra, buffer.data(), buffer.size());
            for (ssize_t skrevet = 0; n > 0 && skrevet < n;) {
                const ssize_t w =
                    write(til, buffer.data() + skrevet, static_cast<std::size_t>(n - skrevet));
                if (w < 0 && errno == EINTR)
                    continue;
                if (w <= 0)
                    return false;
                skrevet += w;
            }
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        // The end is where reading ends, not where the size said it would.
        if (n == 0)
            return true;
        done += n;
        if (progress)
            progress(done, std::max(total, done));
    }
}

bool kopierLink(const Sted& kilde, const Sted& maal)
{
    std::vector<char> tekst(PATH_MAX + 1);
    const ssize_t n = readlinkat(kilde.fd, kilde.leaf.c_str(), tekst.data(), tekst.size() - 1);
    if (n < 0 || static_cast<std::size_t>(n) >= tekst.size() - 1)
        return false;
    tekst[static_cast<std::size_t>(n)] = '\0';
    for (int forsoeg = 0; forsoeg < 100; ++forsoeg) {
        const std::string tmp = midlertidigtNavn(maal, forsoeg);
        if (symlinkat(tekst.data(), maal.fd, tmp.c_str()) != 0) {
            if (errno == EEXIST)
                continue;
            return false;
        }
        if (renameat(maal.fd, tmp.c_str(), maal.fd, maal.leaf.c_str()) == 0)
            return true;
        unlinkat(maal.fd, tmp.c_str(), 0);
        return false;
    }
    return false;
}

} // namespace

std::optional<std::vector<Platform::TreeEntry>>
PosixPlatform::readFolder(const std::string& folder) const
{
    const Sted sted(folder);
    return entriesAf(sted.open(O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

Platform::TreeEntry PosixPlatform::entryOf(const std::string& path) const
{
    Entry e{sidsteDel(path), Entry::Missing, 0};
    const Sted sted(path);
    struct stat st
    {
    };
    if (sted.ok() && fstatat(sted.fd, sted.leaf.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
        e.kind = kindAf(st.st_mode);
        if (e.kind == Entry::File)
            e.size = st.st_size;
    }
    return e;
}

std::int64_t PosixPlatform::readableSize(const std::string& file) const
{
    const Sted sted(file);
    const int fd = sted.open(O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return -1;
    struct stat st
    {
    };
    const bool ok = fstat(fd, &st) == 0 && !S_ISDIR(st.st_mode);
    close(fd);
    return ok ? st.st_size : -1;
}

bool PosixPlatform::makeFolder(const std::string& folder)
{
    const Sted sted(folder);
    if (!sted.ok())
        return false;
    if (mkdirat(sted.fd, sted.leaf.c_str(), 0777) == 0)
        return true;
    struct stat st
    {
    };
    return errno == EEXIST && fstatat(sted.fd, sted.leaf.c_str(), &st, 0) == 0 &&
           S_ISDIR(st.st_mode);
}

bool PosixPlatform::copyFile(const std::string& source, const std::string& target,
                             const CopyProgress& progress)
{
    const Sted kilde(source);
    const Sted maal(target);
    struct stat ks
    {
    };
    if (!kilde.ok() || !maal.ok() ||
        fstatat(kilde.fd, kilde.leaf.c_str(), &ks, AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    // The same file under two names, or a link to it, would be emptied by the copy.
    struct stat ms
    {
    };
    struct stat kf
    {
    };
    const bool kildeFoelges = fstatat(kilde.fd, kilde.leaf.c_str(), &kf, 0) == 0;
    for (const int flag : {AT_SYMLINK_NOFOLLOW, 0})
        if (fstatat(maal.fd, maal.leaf.c_str(), &ms, flag) == 0 &&
            (sammeFil(ks, ms) || (kildeFoelges && sammeFil(kf, ms))))
            return false;
    if (S_ISLNK(ks.st_mode))
        return kopierLink(kilde, maal);
    if (!S_ISREG(ks.st_mode))
        return false;

    const Beskrivelse fra(kilde.open(O_RDONLY | O_CLOEXEC));
    struct stat st
    {
    };
    if (fra.fd < 0 || fstat(fra.fd, &st) != 0)
        return false;
    for (int forsoeg = 0; forsoeg < 100; ++forsoeg) {
        const std::string tmp = midlertidigtNavn(maal, forsoeg);
        Beskrivelse til(
            openat(maal.fd, tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
        if (til.fd < 0 && errno == EEXIST)
            continue;
        if (til.fd < 0)
            return false;
        const struct timespec tider[2] = {st.st_atim, st.st_mtim};
        bool ok = false;
        try {
            ok = kopierIndhold(fra.fd, til.fd, st.st_size, progress);
        } catch (...) {
            // The caller's report failed: no half copy is left behind.
            unlinkat(maal.fd, tmp.c_str(), 0);
            throw;
        }
        ok = ok && fchmod(til.fd, st.st_mode & 07777) == 0;
        ok = ok && futimens(til.fd, tider) == 0;
        ok = til.luk() && ok;
        ok = ok && renameat(maal.fd, tmp.c_str(), maal.fd, maal.leaf.c_str()) == 0;
        if (!ok)
            unlinkat(maal.fd, tmp.c_str(), 0);
        return ok;
    }
    return false;
}

bool PosixPlatform::validName(const std::string& name) const
{
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\0", 2)) == std::string::npos;
}

bool PosixPlatform::renameEntry(const std::string& from, const std::string& to)
{
    const Sted fra(from);
    const Sted til(to);
    if (!fra.ok() || !til.ok())
        return false;
    if (renameat2(fra.fd, fra.leaf.c_str(), til.fd, til.leaf.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    struct stat a
    {
    };
    struct stat b
    {
    };
    const bool findes = fstatat(til.fd, til.leaf.c_str(), &b, AT_SYMLINK_NOFOLLOW) == 0;
    if (errno == EEXIST || findes) {
        // A file system that ignores case finds the new spelling as the file itself.
        if (findes && fstatat(fra.fd, fra.leaf.c_str(), &a, AT_SYMLINK_NOFOLLOW) == 0 &&
            sammeFil(a, b) && fra.leaf != til.leaf)
            return renameat(fra.fd, fra.leaf.c_str(), til.fd, til.leaf.c_str()) == 0;
        return false;
    }
    // File systems without the no-replace rename: the target was just seen missing.
    if (errno == EINVAL || errno == ENOSYS)
        return renameat(fra.fd, fra.leaf.c_str(), til.fd, til.leaf.c_str()) == 0;
    return false;
}

Platform::FileStatus PosixPlatform::statusOf(const std::string& path) const
{
    FileStatus f;
    const Sted sted(path);
    struct statx st
    {
    };
    if (!sted.ok() ||
        statx(sted.fd, sted.leaf.c_str(), 0, STATX_BASIC_STATS | STATX_BTIME, &st) != 0)
        return f;
    const auto ms = [](const statx_timestamp& t) {
        return static_cast<std::int64_t>(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
    };
    f.exists = true;
    f.folder = S_ISDIR(st.stx_mode);
    f.device = makedev(st.stx_dev_major, st.stx_dev_minor);
    f.inode = st.stx_ino;
    f.size = S_ISREG(st.stx_mode) ? static_cast<std::int64_t>(st.stx_size) : 0;
    f.created = st.stx_mask & STATX_BTIME ? ms(st.stx_btime) : -1;
    f.modified = ms(st.stx_mtime);
    f.accessed = ms(st.stx_atime);
    f.readOnly = !(st.stx_mode & S_IWUSR);
    return f;
}

bool PosixPlatform::setReadOnly(const std::string& path, bool readOnly)
{
    const Sted sted(path);
    struct stat st
    {
    };
    if (!sted.ok() || fstatat(sted.fd, sted.leaf.c_str(), &st, 0) != 0)
        return false;
    const mode_t ny = readOnly ? st.st_mode & ~S_IWUSR : st.st_mode | S_IWUSR;
    return (ny & 07777) == (st.st_mode & 07777) ||
           fchmodat(sted.fd, sted.leaf.c_str(), ny & 07777, 0) == 0;
}

bool PosixPlatform::deletePermanently(const std::string& path)
{
    const Sted sted(path);
    struct stat st
    {
    };
    if (!sted.ok() || fstatat(sted.fd, sted.leaf.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    if (!S_ISDIR(st.st_mode))
        return unlinkat(sted.fd, sted.leaf.c_str(), 0) == 0;
    const int fd = sted.open(O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool alt = toemMappe(fd);
    close(fd);
    return alt && unlinkat(sted.fd, sted.leaf.c_str(), AT_REMOVEDIR) == 0;
}

bool PosixPlatform::emptyFolder(const std::string& folder)
{
    const Sted sted(folder);
    const int fd = sted.open(O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT;
    const bool alt = toemMappe(fd);
    close(fd);
    return alt;
}

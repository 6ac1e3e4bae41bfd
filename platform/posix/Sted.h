#pragma once

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <string>
#include <unistd.h>

// A path as a folder descriptor and the part after it. A path within the
// system's limit is used as it is; a longer one is reached by opening its
// folders one at a time, which no limit binds.
class Sted
{
public:
    explicit Sted(const std::string& path)
    {
        std::string p = path;
        while (p.size() > 1 && p.back() == '/')
            p.pop_back();
        if (p.size() < PATH_MAX) {
            leaf = p;
            return;
        }
        const auto slash = p.find_last_of('/');
        leaf = p.substr(slash + 1);
        std::size_t start = 0;
        int dir = AT_FDCWD;
        if (p.front() == '/') {
            dir = ::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC);
            start = 1;
        }
        while (dir != -1 && start < slash) {
            std::size_t slut = p.find('/', start);
            if (slut > slash)
                slut = slash;
            const std::string del = p.substr(start, slut - start);
            start = slut + 1;
            if (del.empty())
                continue;
            const int naeste = ::openat(dir, del.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
            if (dir != AT_FDCWD)
                ::close(dir);
            dir = naeste;
        }
        fd = dir;
        m_eget = dir != AT_FDCWD;
    }
    ~Sted()
    {
        if (m_eget && fd >= 0)
            ::close(fd);
    }
    Sted(const Sted&) = delete;
    Sted& operator=(const Sted&) = delete;

    bool ok() const { return fd != -1 && !leaf.empty(); }
    // The path opened with these flags; -1 on failure.
    int open(int flags) const { return ok() ? ::openat(fd, leaf.c_str(), flags) : -1; }

    int fd = AT_FDCWD;
    std::string leaf;

private:
    bool m_eget = false;
};

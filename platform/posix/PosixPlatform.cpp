#include "posix/PosixPlatform.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

std::unique_ptr<Platform> Platform::createNative()
{
    return std::make_unique<PosixPlatform>();
}

namespace {

const passwd* effectiveUser(std::vector<char>& buffer, passwd& entry)
{
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    buffer.resize(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd* result = nullptr;
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &result) != 0)
        return nullptr;
    return result;
}

} // namespace

// $HOME first, as every desktop program does, so a test can move it.
std::string PosixPlatform::homeFolder()
{
    std::string home;
    if (const char* env = std::getenv("HOME"); env && *env) {
        home = env;
    } else {
        std::vector<char> buffer;
        passwd entry{};
        if (const passwd* user = effectiveUser(buffer, entry); user && user->pw_dir)
            home = user->pw_dir;
    }
    while (home.size() > 1 && home.back() == '/')
        home.pop_back();
    return home;
}

std::string PosixPlatform::userName() const
{
    std::vector<char> buffer;
    passwd entry{};
    const passwd* user = effectiveUser(buffer, entry);
    return user && user->pw_name ? std::string(user->pw_name) : std::string();
}

std::string PosixPlatform::baseFolder() const
{
    return homeFolder() + "/Tavlum";
}

std::string PosixPlatform::startupFolder(const std::string&) const
{
    // The desktops start the entries of the XDG autostart folder at log-on.
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config == '/')
        return std::string(config) + "/autostart";
    return homeFolder() + "/.config/autostart";
}

Platform::StartupNames PosixPlatform::startupNames() const
{
    return {"Tavlum.desktop", "createShortcut.sh"};
}

std::string PosixPlatform::programsFolder() const
{
    // The desktop's installed programs are listed here as launchable entries.
    return "/usr/share/applications";
}

bool PosixPlatform::effectiveUserIsRoot() const
{
    return geteuid() == 0;
}

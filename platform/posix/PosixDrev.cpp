// The drives of a POSIX system: the real file systems of the mount table.
#include "posix/PosixPlatform.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

using Drive = Platform::Drive;
using DriveType = Platform::DriveType;

// The mount table writes blanks and the like as \ooo.
std::string uddrag(const std::string& felt)
{
    std::string ud;
    for (std::size_t i = 0; i < felt.size(); ++i) {
        if (felt[i] == '\\' && i + 3 < felt.size() &&
            std::isdigit(static_cast<unsigned char>(felt[i + 1]))) {
            ud += static_cast<char>(std::strtol(felt.substr(i + 1, 3).c_str(), nullptr, 8));
            i += 3;
        } else {
            ud += felt[i];
        }
    }
    return ud;
}

// udev writes unsafe characters of a label as \xNN.
std::string labelNavn(const std::string& navn)
{
    std::string ud;
    for (std::size_t i = 0; i < navn.size(); ++i) {
        if (navn.compare(i, 2, "\\x") == 0 && i + 3 < navn.size()) {
            ud += static_cast<char>(std::strtol(navn.substr(i + 2, 2).c_str(), nullptr, 16));
            i += 3;
        } else {
            ud += navn[i];
        }
    }
    return ud;
}

std::string aegteSti(const std::string& sti)
{
    char buf[PATH_MAX];
    return realpath(sti.c_str(), buf) ? std::string(buf) : sti;
}

bool blandt(const std::string& s, std::initializer_list<const char*> liste)
{
    return std::any_of(liste.begin(), liste.end(), [&](const char* x) { return s == x; });
}

// Whether a path is the folder or lies below it; everything lies below the root.
bool under(const std::string& sti, const char* mappe)
{
    const std::string m = mappe;
    return m == "/" || sti == m || sti.rfind(m + "/", 0) == 0;
}

// Kernel and system mounts that a user never thinks of as drives.
bool erSystemmount(const std::string& mappe, const std::string& type)
{
    if (blandt(type, {"proc",       "sysfs",    "devtmpfs", "devpts",    "cgroup",      "cgroup2",
                      "securityfs", "pstore",   "bpf",      "debugfs",   "tracefs",     "mqueue",
                      "hugetlbfs",  "configfs", "fusectl",  "autofs",    "binfmt_misc", "efivarfs",
                      "rpc_pipefs", "nsfs",     "squashfs", "selinuxfs", "ramfs"}))
        return true;
    if (under(mappe, "/run"))
        return !under(mappe, "/run/media");
    return under(mappe, "/proc") || under(mappe, "/sys") || under(mappe, "/dev") ||
           under(mappe, "/snap") || under(mappe, "/boot");
}

bool flytbar(const std::string& enhed)
{
    if (enhed.rfind("/dev/", 0) != 0)
        return false;
    // A partition's own folder lies inside its disk's, which holds the flag.
    std::string sys = aegteSti("/sys/class/block/" + enhed.substr(5));
    for (int i = 0; i < 2; ++i) {
        std::ifstream f(sys + "/removable");
        if (int flag = 0; f >> flag)
            return flag == 1;
        sys = sys.substr(0, sys.rfind('/'));
    }
    return false;
}

DriveType typeAf(const std::string& enhed, const std::string& mappe, const std::string& type)
{
    if (mappe == "/")
        return DriveType::Fixed;
    if (blandt(type, {"nfs", "nfs4", "cifs", "smb3", "smbfs", "9p", "davfs", "fuse.sshfs", "sshfs",
                      "afs", "ncpfs"}))
        return DriveType::Remote;
    if (type == "tmpfs")
        return DriveType::RamDisk;
    if (blandt(type, {"iso9660", "udf"}) || enhed.rfind("/dev/sr", 0) == 0)
        return DriveType::CdRom;
    if (enhed.rfind("/dev/", 0) != 0)
        return DriveType::Unknown;
    if (flytbar(enhed) || under(mappe, "/media") || under(mappe, "/run/media"))
        return DriveType::Removable;
    return DriveType::Fixed;
}

std::string labelAf(const std::string& enhed)
{
    if (enhed.rfind("/dev/", 0) != 0)
        return {};
    const std::string aegte = aegteSti(enhed);
    const char* mappe = "/dev/disk/by-label";
    DIR* d = opendir(mappe);
    if (!d)
        return {};
    std::string label;
    while (const dirent* e = readdir(d)) {
        const std::string navn = e->d_name;
        if (navn != "." && navn != ".." && aegteSti(std::string(mappe) + "/" + navn) == aegte) {
            label = labelNavn(navn);
            break;
        }
    }
    closedir(d);
    return label;
}

bool erMappe(const std::string& sti)
{
    struct stat st
    {
    };
    return stat(sti.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

} // namespace

std::vector<Platform::Drive> PosixPlatform::drives() const
{
    std::vector<Drive> drev;
    std::ifstream tabel("/proc/self/mounts");
    for (std::string linje; std::getline(tabel, linje);) {
        std::istringstream felter(linje);
        std::string enhed, mappe, type;
        if (!(felter >> enhed >> mappe >> type))
            continue;
        enhed = uddrag(enhed);
        mappe = uddrag(mappe);
        if (erSystemmount(mappe, type) || !under(mappe, m_drevRod.c_str()) || !erMappe(mappe))
            continue;
        // A later mount on the same place hides the earlier one.
        std::erase_if(drev, [&](const Drive& d) { return d.root == mappe; });
        drev.push_back({mappe, typeAf(enhed, mappe, type), labelAf(enhed), type});
    }
    std::stable_sort(drev.begin(), drev.end(), [](const Drive& a, const Drive& b) {
        return a.root == "/" ? b.root != "/" : b.root == "/" ? false : a.root < b.root;
    });
    return drev;
}

Platform::Drive PosixPlatform::driveOf(const std::string& path) const
{
    Drive bedst;
    for (const Drive& d : drives())
        if (under(path, d.root.c_str()))
            if (d.root.size() > bedst.root.size() || bedst.root.empty())
                bedst = d;
    return bedst;
}

Platform::DriveSpace PosixPlatform::driveSpace(const std::string& path) const
{
    struct statvfs s
    {
    };
    if (statvfs(path.c_str(), &s) != 0)
        return {};
    return {static_cast<std::int64_t>(s.f_blocks) * static_cast<std::int64_t>(s.f_frsize),
            static_cast<std::int64_t>(s.f_bavail) * static_cast<std::int64_t>(s.f_frsize)};
}

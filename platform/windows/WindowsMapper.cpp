// Folder listings, the user's special folders and the drives, as Windows gives them.
#include "windows/Poster.h"
#include "windows/Tekst.h"
#include "windows/WindowsPlatform.h"

#include <windows.h>

#include <shlobj.h>

#include <algorithm>

using Tekst::bred;
using Tekst::langSti;
using Tekst::smal;

namespace {

std::string fastSti(const std::string& user, const char* under)
{
    const std::string sti = "C:\\Users\\" + user + "\\" + under;
    const DWORD attr = GetFileAttributesW(bred(sti).c_str());
    return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY) ? sti
                                                                                : std::string();
}

Platform::DriveType typeAf(UINT type)
{
    using T = Platform::DriveType;
    switch (type) {
    case DRIVE_REMOVABLE:
        return T::Removable;
    case DRIVE_FIXED:
        return T::Fixed;
    case DRIVE_REMOTE:
        return T::Remote;
    case DRIVE_CDROM:
        return T::CdRom;
    case DRIVE_RAMDISK:
        return T::RamDisk;
    default:
        return T::Unknown;
    }
}

Platform::Drive drevFra(const std::wstring& rod)
{
    // An empty card reader or disc drive must not bring up the system's error box.
    const UINT foer = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    Platform::Drive d;
    d.root = smal(rod);
    d.type = typeAf(GetDriveTypeW(rod.c_str()));
    wchar_t navn[MAX_PATH + 1] = {}, system[MAX_PATH + 1] = {};
    if (GetVolumeInformationW(rod.c_str(), navn, MAX_PATH + 1, nullptr, nullptr, nullptr, system,
                              MAX_PATH + 1)) {
        d.label = smal(navn);
        d.fileSystem = smal(system);
    }
    SetErrorMode(foer);
    return d;
}

std::wstring volumenAf(const std::string& sti)
{
    // The long form reaches a path past MAX_PATH; the root is given back in the short one.
    const std::wstring lang = langSti(sti);
    std::wstring rod(lang.size() + 2, L'\0');
    if (lang.empty() ||
        !GetVolumePathNameW(lang.c_str(), rod.data(), static_cast<DWORD>(rod.size())))
        return {};
    rod.resize(wcslen(rod.c_str()));
    if (rod.rfind(L"\\\\?\\UNC\\", 0) == 0)
        return L"\\\\" + rod.substr(8);
    if (rod.rfind(L"\\\\?\\", 0) == 0)
        return rod.substr(4);
    return rod;
}

} // namespace

std::vector<Platform::FolderEntry> WindowsPlatform::listFolder(const std::string& folder) const
{
    std::vector<FolderEntry> ud;
    // What was read before an error is listed.
    Poster::hverEntry(langSti(folder), [&](const WIN32_FIND_DATAW& fund) {
        FolderEntry e;
        e.name = smal(fund.cFileName);
        e.kind = fund.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY ? FolderEntry::Folder
                                                                  : FolderEntry::File;
        e.hidden = (fund.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0;
        ud.push_back(std::move(e));
    });
    return ud;
}

std::string WindowsPlatform::specialFolder(SpecialFolder which) const
{
    using S = SpecialFolder;
    int id = -1;
    switch (which) {
    case S::Home:
        id = CSIDL_PROFILE;
        break;
    case S::Desktop:
        id = CSIDL_DESKTOPDIRECTORY;
        break;
    case S::Documents:
        id = CSIDL_PERSONAL;
        break;
    case S::Music:
        id = CSIDL_MYMUSIC;
        break;
    case S::Pictures:
        id = CSIDL_MYPICTURES;
        break;
    case S::Videos:
        id = CSIDL_MYVIDEO;
        break;
    case S::Favorites:
        id = CSIDL_FAVORITES;
        break;
    case S::LocalAppData:
        id = CSIDL_LOCAL_APPDATA;
        break;
    case S::StartMenuPrograms:
        id = CSIDL_PROGRAMS;
        break;
    case S::CommonDocuments:
        id = CSIDL_COMMON_DOCUMENTS;
        break;
    case S::CommonMusic:
        id = CSIDL_COMMON_MUSIC;
        break;
    case S::CommonPictures:
        id = CSIDL_COMMON_PICTURES;
        break;
    case S::CommonVideos:
        id = CSIDL_COMMON_VIDEO;
        break;
    case S::Downloads:
        return fastSti(userName(), "Downloads");
    case S::Contacts:
        return fastSti(userName(), "Contacts");
    case S::OneDrive:
        return fastSti(userName(), "OneDrive");
    }
    wchar_t sti[MAX_PATH + 1] = {};
    if (!SHGetSpecialFolderPathW(nullptr, sti, id, FALSE))
        return {};
    return smal(sti);
}

std::vector<Platform::Drive> WindowsPlatform::drives() const
{
    std::vector<Drive> ud;
    const DWORD n = GetLogicalDriveStringsW(0, nullptr);
    if (n == 0)
        return ud;
    std::wstring liste(n + 1, L'\0');
    if (GetLogicalDriveStringsW(n, liste.data()) == 0)
        return ud;
    for (const wchar_t* p = liste.c_str(); *p; p += wcslen(p) + 1)
        ud.push_back(drevFra(p));
    // The system drive first, the rest in the letters' order.
    wchar_t windows[MAX_PATH + 1] = {};
    if (GetWindowsDirectoryW(windows, MAX_PATH + 1) >= 3) {
        const std::string system = smal(std::wstring(windows, 3));
        std::stable_partition(ud.begin(), ud.end(), [&](const Drive& d) {
            return _stricmp(d.root.c_str(), system.c_str()) == 0;
        });
    }
    return ud;
}

Platform::Drive WindowsPlatform::driveOf(const std::string& path) const
{
    const std::wstring rod = volumenAf(path);
    return rod.empty() ? Drive{} : drevFra(rod);
}

Platform::DriveSpace WindowsPlatform::driveSpace(const std::string& path) const
{
    const std::wstring rod = volumenAf(path);
    ULARGE_INTEGER fri{}, hel{};
    if (rod.empty() || !GetDiskFreeSpaceExW(rod.c_str(), &fri, &hel, nullptr))
        return {};
    return {static_cast<std::int64_t>(hel.QuadPart), static_cast<std::int64_t>(fri.QuadPart)};
}

std::vector<Platform::Place> WindowsPlatform::favoritePlaces() const
{
    // Windows keeps its favourites as a folder (SpecialFolder::Favorites).
    return {};
}

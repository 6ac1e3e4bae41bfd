// The recycle bin's contents on Windows: each drive's "$Recycle.Bin" folder of
// the user keeps an item as a pair, "$R…" the item itself and "$I…" its
// original path, size and time of deletion.
#include "windows/Poster.h"
#include "windows/Tekst.h"
#include "windows/WindowsPlatform.h"

#include <windows.h>

#include <sddl.h>

#include <cstring>
#include <vector>

using namespace Poster;
using Tekst::bred;
using Tekst::smal;

namespace {

// The user's security identifier as text, which names the user's bin on every drive.
std::wstring brugerSid()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return {};
    std::vector<unsigned char> buffer(256);
    DWORD size = 0;
    std::wstring ud;
    if (GetTokenInformation(token, TokenUser, buffer.data(), static_cast<DWORD>(buffer.size()),
                            &size)) {
        wchar_t* tekst = nullptr;
        if (ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid,
                                   &tekst)) {
            ud = tekst;
            LocalFree(tekst);
        }
    }
    CloseHandle(token);
    return ud;
}

template <typename T> T tal(const std::vector<char>& data, std::size_t sted)
{
    T v{};
    std::memcpy(&v, data.data() + sted, sizeof v);
    return v;
}

// An "$I" file: version 1 holds the path in 260 characters, version 2 its length first.
bool laesInfo(const std::wstring& fil, std::wstring& original, std::int64_t& slettet)
{
    const HANDLE h = CreateFileW(fil.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    std::vector<char> data(24 + 4 + 2 * 32768);
    DWORD laest = 0;
    const bool ok = ReadFile(h, data.data(), static_cast<DWORD>(data.size()), &laest, nullptr);
    CloseHandle(h);
    if (!ok || laest < 24 + 2)
        return false;
    data.resize(laest);
    const auto version = tal<std::uint64_t>(data, 0);
    std::size_t fra = 24;
    std::size_t tegn = (data.size() - 24) / 2;
    if (version == 2) {
        if (data.size() < 28)
            return false;
        tegn = std::min<std::size_t>(tal<std::uint32_t>(data, 24), (data.size() - 28) / 2);
        fra = 28;
    } else if (version != 1) {
        return false;
    }
    original.assign(tegn, L'\0');
    std::memcpy(original.data(), data.data() + fra, tegn * 2);
    original.resize(wcsnlen(original.c_str(), original.size()));
    const auto tid = tal<std::uint64_t>(data, 16);
    // FILETIME counts 100 ns from 1601.
    slettet = tid == 0 ? -1 : static_cast<std::int64_t>((tid - 116444736000000000ULL) / 10000);
    return !original.empty();
}

// The "$I" file beside an item's "$R" file; empty when the path is no such item.
std::wstring infoAf(const std::wstring& id)
{
    const auto skel = id.find_last_of(L'\\');
    if (skel == std::wstring::npos || id.compare(skel + 1, 2, L"$R") != 0)
        return {};
    std::wstring info = id;
    info[skel + 2] = L'I';
    return GetFileAttributesW(info.c_str()) == INVALID_FILE_ATTRIBUTES ? std::wstring() : info;
}

} // namespace

std::vector<Platform::TrashItem> WindowsPlatform::trashEntries() const
{
    std::vector<TrashItem> items;
    const std::wstring sid = brugerSid();
    if (sid.empty())
        return items;
    for (const Drive& drev : drives()) {
        if (drev.type != DriveType::Fixed && drev.type != DriveType::Removable)
            continue;
        std::wstring kurv = bred(drev.root);
        if (!kurv.empty() && kurv.back() != L'\\')
            kurv += L'\\';
        kurv = L"\\\\?\\" + kurv + L"$Recycle.Bin\\" + sid;
        hverEntry(kurv, [&](const WIN32_FIND_DATAW& fund) {
            const std::wstring navn = fund.cFileName;
            if (navn.rfind(L"$I", 0) != 0)
                return;
            std::wstring original;
            std::int64_t slettet = -1;
            if (!laesInfo(kurv + L'\\' + navn, original, slettet))
                return;
            const std::wstring id = kurv + L"\\$R" + navn.substr(2);
            const DWORD attr = GetFileAttributesW(id.c_str());
            if (attr == INVALID_FILE_ATTRIBUTES)
                return;
            items.push_back(
                {smal(id.substr(4)), smal(original), slettet, kindAf(id, attr) == Entry::Folder});
        });
    }
    return items;
}

bool WindowsPlatform::readTrashInfo(TrashItem& item) const
{
    // The "$I" file was read with the listing: the name of the "$R" file tells nothing.
    return !item.original.empty();
}

bool WindowsPlatform::restoreFromTrash(const TrashItem& item, const std::string& target)
{
    const std::wstring id = Tekst::langSti(item.id);
    const std::wstring info = infoAf(id);
    if (info.empty() || target.empty())
        return false;
    // Without MOVEFILE_REPLACE_EXISTING an entry at the target stays.
    if (!MoveFileExW(id.c_str(), Tekst::langSti(target).c_str(), 0))
        return false;
    DeleteFileW(info.c_str());
    return true;
}

bool WindowsPlatform::deleteFromTrash(const TrashItem& item)
{
    const std::wstring info = infoAf(Tekst::langSti(item.id));
    if (info.empty() || !deletePermanently(item.id))
        return false;
    return DeleteFileW(info.c_str()) != 0;
}

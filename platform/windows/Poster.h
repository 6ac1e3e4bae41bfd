#pragma once

#include "Platform.h"

#include <windows.h>

#include <string>

// What the file services share: the kind of an entry, walking a folder, and
// removing one entry. Paths are in the long \\?\ form.
namespace Poster {

using Entry = Platform::TreeEntry;

// Only a reparse point that stands for another name is a link; a cloud
// placeholder or a deduplicated file is still its folder or file.
inline Entry::Kind kindAf(DWORD attr, DWORD tag)
{
    if ((attr & FILE_ATTRIBUTE_REPARSE_POINT) && IsReparseTagNameSurrogate(tag))
        return Entry::Link;
    if (attr & FILE_ATTRIBUTE_DIRECTORY)
        return Entry::Folder;
    if (attr & FILE_ATTRIBUTE_DEVICE)
        return Entry::Other;
    return Entry::File;
}

inline std::wstring udenSkraastreg(std::wstring sti)
{
    while (sti.size() > 1 && sti.back() == L'\\' && sti[sti.size() - 2] != L':')
        sti.pop_back();
    return sti;
}

// Calls `hver` with every entry of a folder but "." and ".."; false when the
// folder could not be read to its end.
template <typename Hver> bool hverEntry(const std::wstring& mappe, Hver&& hver)
{
    std::wstring moenster = mappe;
    if (!moenster.empty() && moenster.back() != L'\\')
        moenster += L'\\';
    moenster += L'*';
    WIN32_FIND_DATAW fund{};
    const HANDLE h = FindFirstFileExW(moenster.c_str(), FindExInfoBasic, &fund,
                                      FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    do {
        const std::wstring navn = fund.cFileName;
        if (navn != L"." && navn != L"..")
            hver(fund);
    } while (FindNextFileW(h, &fund));
    const bool helt = GetLastError() == ERROR_NO_MORE_FILES;
    FindClose(h);
    return helt;
}

// The kind of one path, with the reparse tag that only a search reports.
inline Entry::Kind kindAf(const std::wstring& sti, DWORD attr)
{
    DWORD tag = 0;
    if (attr & FILE_ATTRIBUTE_REPARSE_POINT) {
        WIN32_FIND_DATAW fund{};
        const HANDLE h = FindFirstFileExW(udenSkraastreg(sti).c_str(), FindExInfoBasic, &fund,
                                          FindExSearchNameMatch, nullptr, 0);
        if (h != INVALID_HANDLE_VALUE) {
            tag = fund.dwReserved0;
            FindClose(h);
        }
    }
    return kindAf(attr, tag);
}

// Removes one file, link or empty folder; a read-only one loses that attribute first.
inline bool fjernEn(const std::wstring& sti, DWORD attr)
{
    if (attr & FILE_ATTRIBUTE_READONLY)
        SetFileAttributesW(sti.c_str(), (attr & ~FILE_ATTRIBUTE_READONLY) | FILE_ATTRIBUTE_NORMAL);
    return (attr & FILE_ATTRIBUTE_DIRECTORY) ? RemoveDirectoryW(sti.c_str()) != 0
                                             : DeleteFileW(sti.c_str()) != 0;
}

} // namespace Poster

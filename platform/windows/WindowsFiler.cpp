// Copying, renaming, listing and deleting files on Windows. Every call takes
// the \\?\ form of the path where it can, so paths longer than MAX_PATH work.
#include "windows/Tekst.h"
#include "windows/WindowsPlatform.h"

#include <windows.h>

#include <shellapi.h>

#include <exception>
#include <utility>

using Tekst::bred;
using Tekst::fuldSti;
using Tekst::langSti;
using Tekst::smal;

namespace {

using Entry = Platform::TreeEntry;

// Only a reparse point that stands for another name is a link; a cloud
// placeholder or a deduplicated file is still its folder or file.
Entry::Kind kindAf(DWORD attr, DWORD tag)
{
    if ((attr & FILE_ATTRIBUTE_REPARSE_POINT) && IsReparseTagNameSurrogate(tag))
        return Entry::Link;
    if (attr & FILE_ATTRIBUTE_DIRECTORY)
        return Entry::Folder;
    if (attr & FILE_ATTRIBUTE_DEVICE)
        return Entry::Other;
    return Entry::File;
}

Entry entryAf(const WIN32_FIND_DATAW& fund)
{
    Entry e{smal(fund.cFileName), kindAf(fund.dwFileAttributes, fund.dwReserved0), 0};
    if (e.kind == Entry::File)
        e.size = static_cast<std::int64_t>((static_cast<std::uint64_t>(fund.nFileSizeHigh) << 32) |
                                           fund.nFileSizeLow);
    return e;
}

std::wstring udenSkraastreg(std::wstring sti)
{
    while (sti.size() > 1 && sti.back() == L'\\' && sti[sti.size() - 2] != L':')
        sti.pop_back();
    return sti;
}

std::string sidsteDel(const std::string& path)
{
    std::string p = path;
    while (p.size() > 1 && (p.back() == '\\' || p.back() == '/'))
        p.pop_back();
    const auto skel = p.find_last_of("\\/");
    return skel == std::string::npos ? p : p.substr(skel + 1);
}

// The entries of a folder given in the long form, "." and ".." left out.
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

// The reparse tag of one entry, which only a search reports.
DWORD tagAf(const std::wstring& sti)
{
    WIN32_FIND_DATAW fund{};
    const HANDLE h = FindFirstFileExW(udenSkraastreg(sti).c_str(), FindExInfoBasic, &fund,
                                      FindExSearchNameMatch, nullptr, 0);
    if (h == INVALID_HANDLE_VALUE)
        return 0;
    FindClose(h);
    return fund.dwReserved0;
}

// Removes one file, link or empty folder; a read-only one loses that attribute first.
bool fjernEn(const std::wstring& sti, DWORD attr)
{
    if (attr & FILE_ATTRIBUTE_READONLY)
        SetFileAttributesW(sti.c_str(), (attr & ~FILE_ATTRIBUTE_READONLY) | FILE_ATTRIBUTE_NORMAL);
    return (attr & FILE_ATTRIBUTE_DIRECTORY) ? RemoveDirectoryW(sti.c_str()) != 0
                                             : DeleteFileW(sti.c_str()) != 0;
}

// Deletes a tree depth first without recursion, so depth costs no stack; a
// link is removed, never followed.
bool sletTrae(const std::wstring& rod)
{
    const DWORD attr = GetFileAttributesW(rod.c_str());
    if (attr == INVALID_FILE_ATTRIBUTES)
        return false;
    struct Punkt
    {
        std::wstring sti;
        DWORD attr;
        bool aabnet;
    };
    const bool link = kindAf(attr, (attr & FILE_ATTRIBUTE_REPARSE_POINT) ? tagAf(rod) : 0) ==
                      Entry::Link;
    std::vector<Punkt> stak{{rod, attr, link}};
    bool alt = true;
    while (!stak.empty()) {
        Punkt& p = stak.back();
        if ((p.attr & FILE_ATTRIBUTE_DIRECTORY) && !p.aabnet) {
            p.aabnet = true;
            const std::wstring mappe = p.sti;
            std::vector<Punkt> under;
            alt = hverEntry(mappe, [&](const WIN32_FIND_DATAW& fund) {
                      const bool link = kindAf(fund.dwFileAttributes, fund.dwReserved0) ==
                                        Entry::Link;
                      under.push_back({mappe + L'\\' + fund.cFileName, fund.dwFileAttributes, link});
                  }) &&
                  alt;
            for (Punkt& u : under)
                stak.push_back(std::move(u));
            continue;
        }
        alt = fjernEn(p.sti, p.attr) && alt;
        stak.pop_back();
    }
    return alt;
}

bool findes(const std::wstring& sti)
{
    return GetFileAttributesW(sti.c_str()) != INVALID_FILE_ATTRIBUTES ||
           (GetLastError() != ERROR_FILE_NOT_FOUND && GetLastError() != ERROR_PATH_NOT_FOUND);
}

struct Identitet
{
    DWORD volumen = 0, hoej = 0, lav = 0;
    bool ok = false;
    bool operator==(const Identitet& o) const
    {
        return ok && o.ok && volumen == o.volumen && hoej == o.hoej && lav == o.lav;
    }
};

Identitet identitetAf(const std::wstring& sti, bool foelg)
{
    Identitet id;
    const HANDLE h = CreateFileW(
        sti.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING,
        FILE_FLAG_BACKUP_SEMANTICS | (foelg ? 0 : FILE_FLAG_OPEN_REPARSE_POINT), nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return id;
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileInformationByHandle(h, &info)) {
        id = {info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow, true};
    }
    CloseHandle(h);
    return id;
}

struct Fremdrift
{
    const Platform::CopyProgress* progress;
    std::int64_t sidst = 0;
    std::exception_ptr fejl;
};

DWORD CALLBACK kopiRutine(LARGE_INTEGER total, LARGE_INTEGER done, LARGE_INTEGER, LARGE_INTEGER,
                          DWORD, DWORD grund, HANDLE, HANDLE, LPVOID data)
{
    auto* f = static_cast<Fremdrift*>(data);
    if (grund != CALLBACK_CHUNK_FINISHED || !*f->progress)
        return PROGRESS_CONTINUE;
    // An exception must not unwind through the system's frames: it waits for the return.
    try {
        f->sidst = done.QuadPart;
        (*f->progress)(done.QuadPart, total.QuadPart);
    } catch (...) {
        f->fejl = std::current_exception();
        return PROGRESS_CANCEL;
    }
    return PROGRESS_CONTINUE;
}

void fjernKopi(const std::wstring& sti)
{
    const DWORD attr = GetFileAttributesW(sti.c_str());
    if (attr != INVALID_FILE_ATTRIBUTES)
        fjernEn(sti, attr);
}

} // namespace

std::vector<Platform::TreeEntry> WindowsPlatform::readFolder(const std::string& folder) const
{
    std::vector<Entry> ud;
    hverEntry(langSti(folder), [&](const WIN32_FIND_DATAW& fund) { ud.push_back(entryAf(fund)); });
    return ud;
}

Platform::TreeEntry WindowsPlatform::entryOf(const std::string& path) const
{
    Entry e{sidsteDel(path), Entry::Missing, 0};
    const std::wstring sti = langSti(path);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (path.empty() || !GetFileAttributesExW(sti.c_str(), GetFileExInfoStandard, &data))
        return e;
    const DWORD tag = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ? tagAf(sti) : 0;
    e.kind = kindAf(data.dwFileAttributes, tag);
    if (e.kind == Entry::File)
        e.size = static_cast<std::int64_t>((static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) |
                                           data.nFileSizeLow);
    return e;
}

std::int64_t WindowsPlatform::readableSize(const std::string& file) const
{
    if (file.empty())
        return -1;
    const HANDLE h = CreateFileW(langSti(file).c_str(), GENERIC_READ,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return -1;
    LARGE_INTEGER stoerrelse{};
    const bool ok = GetFileSizeEx(h, &stoerrelse);
    CloseHandle(h);
    return ok ? stoerrelse.QuadPart : -1;
}

bool WindowsPlatform::makeFolder(const std::string& folder)
{
    if (folder.empty())
        return false;
    const std::wstring sti = langSti(folder);
    if (CreateDirectoryW(sti.c_str(), nullptr))
        return true;
    // An existing folder, or a drive's root, which cannot be made but is there.
    const DWORD attr = GetFileAttributesW(sti.c_str());
    return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY);
}

bool WindowsPlatform::copyFile(const std::string& source, const std::string& target,
                               const CopyProgress& progress)
{
    if (source.empty() || target.empty())
        return false;
    const std::wstring kilde = langSti(source);
    const std::wstring maal = udenSkraastreg(langSti(target));
    const DWORD attr = GetFileAttributesW(kilde.c_str());
    if (attr == INVALID_FILE_ATTRIBUTES)
        return false;
    const bool link =
        kindAf(attr, (attr & FILE_ATTRIBUTE_REPARSE_POINT) ? tagAf(kilde) : 0) == Entry::Link;
    if ((attr & FILE_ATTRIBUTE_DIRECTORY) && !link)
        return false;

    // The same file under two names, or a link to it, would be emptied by the copy.
    const Identitet selv = identitetAf(kilde, false), foelgt = identitetAf(kilde, true);
    for (const bool foelg : {false, true}) {
        const Identitet m = identitetAf(maal, foelg);
        if (m == selv || m == foelgt)
            return false;
    }

    const auto skel = maal.find_last_of(L'\\');
    if (skel == std::wstring::npos)
        return false;
    const std::wstring mappe = maal.substr(0, skel + 1);
    const std::wstring navn = maal.substr(skel + 1, 200);
    Fremdrift fremdrift{&progress, 0, {}};
    LARGE_INTEGER stoerrelse{};
    {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        if (GetFileAttributesExW(kilde.c_str(), GetFileExInfoStandard, &data) && !link) {
            stoerrelse.HighPart = static_cast<LONG>(data.nFileSizeHigh);
            stoerrelse.LowPart = data.nFileSizeLow;
        }
    }
    const DWORD flag = COPY_FILE_FAIL_IF_EXISTS | (link ? COPY_FILE_COPY_SYMLINK : 0);
    for (int forsoeg = 0; forsoeg < 100; ++forsoeg) {
        // A name of its own beside the target, claimed by the copy that fails if it exists.
        const std::wstring tmp = mappe + L"." + navn + L".tavlum-" +
                                 std::to_wstring(GetCurrentProcessId()) + L"-" +
                                 std::to_wstring(forsoeg);
        if (!CopyFileExW(kilde.c_str(), tmp.c_str(), kopiRutine, &fremdrift, nullptr, flag)) {
            const DWORD fejl = GetLastError();
            if (fremdrift.fejl)
                std::rethrow_exception(fremdrift.fejl);
            if (fejl == ERROR_FILE_EXISTS || fejl == ERROR_ALREADY_EXISTS)
                continue;
            return false;
        }
        if (!MoveFileExW(tmp.c_str(), maal.c_str(), MOVEFILE_REPLACE_EXISTING)) {
            fjernKopi(tmp);
            return false;
        }
        // Where the system reported no chunk, or not the last, the caller still sees the end.
        if (progress && fremdrift.sidst < stoerrelse.QuadPart)
            progress(stoerrelse.QuadPart, stoerrelse.QuadPart);
        return true;
    }
    return false;
}

bool WindowsPlatform::renameEntry(const std::string& from, const std::string& to)
{
    if (from.empty() || to.empty())
        return false;
    // Without MOVEFILE_REPLACE_EXISTING an existing target is refused, and a
    // new spelling of the same name is a rename of the entry itself.
    return MoveFileW(langSti(from).c_str(), langSti(to).c_str()) != 0;
}

bool WindowsPlatform::deletePermanently(const std::string& path)
{
    if (path.empty())
        return false;
    const std::wstring lang = udenSkraastreg(langSti(path));
    const DWORD attr = GetFileAttributesW(lang.c_str());
    if (attr == INVALID_FILE_ATTRIBUTES)
        return false;
    const bool link =
        kindAf(attr, (attr & FILE_ATTRIBUTE_REPARSE_POINT) ? tagAf(lang) : 0) == Entry::Link;
    const std::wstring fuld = udenSkraastreg(fuldSti(path));
    // The shell takes no \\?\ form and no path past MAX_PATH, and a link is
    // removed by hand so that nothing behind it is reached.
    if (!link && fuld.size() < MAX_PATH && fuld.rfind(L"\\\\?\\", 0) != 0) {
        std::wstring kilde = fuld;
        kilde.push_back(L'\0'); // the list of one ends with a second zero
        SHFILEOPSTRUCTW op{};
        op.wFunc = FO_DELETE;
        op.pFrom = kilde.c_str();
        op.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI;
        if (SHFileOperationW(&op) == 0 && !op.fAnyOperationsAborted && !findes(lang))
            return true;
        if (op.fAnyOperationsAborted)
            return false;
    }
    // What the shell left, or could not take, goes by its own walk.
    sletTrae(lang);
    return !findes(lang);
}

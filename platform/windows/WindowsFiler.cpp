// Copying, renaming, listing and making files on Windows. Every call takes
// the \\?\ form of the path where it can, so paths longer than MAX_PATH work.
#include "windows/Poster.h"
#include "windows/Tekst.h"
#include "windows/WindowsPlatform.h"

#include <windows.h>

#include <algorithm>
#include <exception>
#include <string_view>
#include <utility>

using Tekst::bred;
using Tekst::langSti;
using Tekst::smal;

namespace {

using namespace Poster;

Entry entryAf(const WIN32_FIND_DATAW& fund)
{
    Entry e{smal(fund.cFileName), kindAf(fund.dwFileAttributes, fund.dwReserved0), 0};
    if (e.kind == Entry::File)
        e.size = static_cast<std::int64_t>((static_cast<std::uint64_t>(fund.nFileSizeHigh) << 32) |
                                           fund.nFileSizeLow);
    return e;
}

std::string sidsteDel(const std::string& path)
{
    std::string p = path;
    while (p.size() > 1 && (p.back() == '\\' || p.back() == '/'))
        p.pop_back();
    const auto skel = p.find_last_of("\\/");
    return skel == std::string::npos ? p : p.substr(skel + 1);
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

std::optional<std::vector<Platform::TreeEntry>>
WindowsPlatform::readFolder(const std::string& folder) const
{
    std::vector<Entry> ud;
    if (!hverEntry(langSti(folder),
                   [&](const WIN32_FIND_DATAW& fund) { ud.push_back(entryAf(fund)); }))
        return std::nullopt;
    return ud;
}

Platform::TreeEntry WindowsPlatform::entryOf(const std::string& path) const
{
    Entry e{sidsteDel(path), Entry::Missing, 0};
    const std::wstring sti = langSti(path);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (path.empty() || !GetFileAttributesExW(sti.c_str(), GetFileExInfoStandard, &data))
        return e;
    e.kind = kindAf(sti, data.dwFileAttributes);
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

Platform::FileStatus WindowsPlatform::statusOf(const std::string& path) const
{
    FileStatus f;
    const std::wstring sti = langSti(path);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (path.empty() || !GetFileAttributesExW(sti.c_str(), GetFileExInfoStandard, &data))
        return f;
    const auto ms = [](const FILETIME& t) -> std::int64_t {
        const std::uint64_t v =
            (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
        // FILETIME counts 100 ns from 1601; none kept reads as zero.
        return v == 0 ? -1 : static_cast<std::int64_t>((v - 116444736000000000ULL) / 10000);
    };
    const Identitet id = identitetAf(sti, true);
    f.exists = true;
    f.folder = data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
    f.device = id.volumen;
    f.inode = (static_cast<std::uint64_t>(id.hoej) << 32) | id.lav;
    if (!f.folder)
        f.size = static_cast<std::int64_t>((static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) |
                                           data.nFileSizeLow);
    f.created = ms(data.ftCreationTime);
    f.modified = ms(data.ftLastWriteTime);
    f.accessed = ms(data.ftLastAccessTime);
    f.readOnly = data.dwFileAttributes & FILE_ATTRIBUTE_READONLY;
    return f;
}

bool WindowsPlatform::setReadOnly(const std::string& path, bool readOnly)
{
    const std::wstring sti = langSti(path);
    const DWORD attr = path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(sti.c_str());
    if (attr == INVALID_FILE_ATTRIBUTES)
        return false;
    const DWORD ny = readOnly ? attr | FILE_ATTRIBUTE_READONLY : attr & ~FILE_ATTRIBUTE_READONLY;
    return ny == attr || SetFileAttributesW(sti.c_str(), ny);
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
    const bool link = kindAf(kilde, attr) == Entry::Link;
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
            if (fejl == ERROR_FILE_EXISTS || fejl == ERROR_ALREADY_EXISTS)
                continue;
            // The name was ours: whatever a broken copy left of it goes.
            fjernKopi(tmp);
            if (fremdrift.fejl)
                std::rethrow_exception(fremdrift.fejl);
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

bool WindowsPlatform::validName(const std::string& name) const
{
    if (name.empty() || name == "." || name == "..")
        return false;
    constexpr std::string_view reserveret = "\\/:*?\"<>|";
    return std::none_of(name.begin(), name.end(), [&](char c) {
        return static_cast<unsigned char>(c) < 32 || reserveret.find(c) != std::string_view::npos;
    });
}

bool WindowsPlatform::renameEntry(const std::string& from, const std::string& to)
{
    if (from.empty() || to.empty())
        return false;
    const std::wstring fra = udenSkraastreg(langSti(from)), til = udenSkraastreg(langSti(to));
    // Without MOVEFILE_REPLACE_EXISTING an existing target is refused, and a
    // new spelling of the same name is a rename of the entry itself.
    if (!MoveFileW(fra.c_str(), til.c_str()))
        return false;
    const bool kunBogstaver =
        fra != til && CompareStringOrdinal(fra.c_str(), static_cast<int>(fra.size()), til.c_str(),
                                           static_cast<int>(til.size()), TRUE) == CSTR_EQUAL;
    if (!kunBogstaver)
        return true;
    // Wine answers yes to a change of letter case and keeps the old spelling;
    // a detour over a name of its own gives the new one.
    const std::wstring navn = til.substr(til.find_last_of(L'\\') + 1);
    WIN32_FIND_DATAW fund{};
    const HANDLE h =
        FindFirstFileExW(til.c_str(), FindExInfoBasic, &fund, FindExSearchNameMatch, nullptr, 0);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    FindClose(h);
    if (navn == fund.cFileName)
        return true;
    const std::wstring mellem = til + L".tavlum-" + std::to_wstring(GetCurrentProcessId());
    if (!MoveFileW(til.c_str(), mellem.c_str()))
        return false;
    if (MoveFileW(mellem.c_str(), til.c_str()))
        return true;
    MoveFileW(mellem.c_str(), fra.c_str());
    return false;
}

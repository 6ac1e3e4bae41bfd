// Deleting on Windows: into the recycle bin, for good, and emptying the bin.
#include "windows/Poster.h"
#include "windows/Tekst.h"
#include "windows/WindowsPlatform.h"

#include <windows.h>

#include <shellapi.h>

#include <utility>
#include <vector>

using namespace Poster;
using Tekst::bred;
using Tekst::fuldSti;
using Tekst::langSti;

namespace {

struct Punkt
{
    std::wstring sti;
    DWORD attr;
    bool link;
};

// Whether every path of a tree fits the shell's buffers of MAX_PATH. One that
// does not must never reach it: Wine's shell then walks and deletes the
// contents of the current folder instead, and Windows' stops half way.
bool shellenKanTage(const std::wstring& fuld)
{
    // Room for the "\*.*" that a search of a folder adds.
    constexpr std::size_t plads = MAX_PATH - 5;
    if (fuld.size() > plads || fuld.rfind(L"\\\\", 0) == 0)
        return false;
    const std::wstring lang = L"\\\\?\\" + fuld;
    const DWORD attr = GetFileAttributesW(lang.c_str());
    if (attr == INVALID_FILE_ATTRIBUTES || !(attr & FILE_ATTRIBUTE_DIRECTORY) ||
        kindAf(lang, attr) == Entry::Link)
        return true;
    std::vector<std::wstring> mapper{fuld};
    bool kan = true;
    while (kan && !mapper.empty()) {
        const std::wstring mappe = std::move(mapper.back());
        mapper.pop_back();
        hverEntry(L"\\\\?\\" + mappe, [&](const WIN32_FIND_DATAW& fund) {
            const std::wstring sti = mappe + L'\\' + fund.cFileName;
            kan = kan && sti.size() <= plads;
            if (kan && (fund.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                kindAf(fund.dwFileAttributes, fund.dwReserved0) != Entry::Link)
                mapper.push_back(sti);
        });
    }
    return kan;
}

// The shell's delete of one path, a list of one ended by a second zero.
bool shelletSlet(const std::wstring& fuld, bool tilPapirkurv)
{
    std::wstring kilde = fuld;
    kilde.push_back(L'\0');
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_DELETE;
    op.pFrom = kilde.c_str();
    op.fFlags =
        FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI | (tilPapirkurv ? FOF_ALLOWUNDO : 0);
    return SHFileOperationW(&op) == 0 && !op.fAnyOperationsAborted;
}

// Deletes a tree depth first without recursion, so depth costs no stack; a
// link is removed, never followed.
bool sletTrae(const std::wstring& rod)
{
    const DWORD attr = GetFileAttributesW(rod.c_str());
    if (attr == INVALID_FILE_ATTRIBUTES)
        return false;
    std::vector<Punkt> stak{{rod, attr, kindAf(rod, attr) == Entry::Link}};
    std::vector<bool> aabnet{false};
    bool alt = true;
    while (!stak.empty()) {
        if ((stak.back().attr & FILE_ATTRIBUTE_DIRECTORY) && !stak.back().link && !aabnet.back()) {
            aabnet.back() = true;
            const std::wstring mappe = stak.back().sti;
            std::vector<Punkt> under;
            alt =
                hverEntry(mappe,
                          [&](const WIN32_FIND_DATAW& fund) {
                              under.push_back(
                                  {mappe + L'\\' + fund.cFileName, fund.dwFileAttributes,
                                   kindAf(fund.dwFileAttributes, fund.dwReserved0) == Entry::Link});
                          }) &&
                alt;
            for (Punkt& u : under) {
                stak.push_back(std::move(u));
                aabnet.push_back(false);
            }
            continue;
        }
        alt = fjernEn(stak.back().sti, stak.back().attr) && alt;
        stak.pop_back();
        aabnet.pop_back();
    }
    return alt;
}

bool findes(const std::wstring& sti)
{
    if (GetFileAttributesW(sti.c_str()) != INVALID_FILE_ATTRIBUTES)
        return true;
    const DWORD fejl = GetLastError();
    return fejl != ERROR_FILE_NOT_FOUND && fejl != ERROR_PATH_NOT_FOUND;
}

} // namespace

bool WindowsPlatform::moveToTrash(const std::string& file)
{
    if (file.empty())
        return false;
    // The shell resolves a relative name against its own idea of the current
    // folder and takes no \\?\ form: it gets the full path, and only a tree it can take.
    const std::wstring fuld = udenSkraastreg(fuldSti(file));
    const std::wstring lang = udenSkraastreg(langSti(file));
    if (!findes(lang) || !shellenKanTage(fuld))
        return false;
    return shelletSlet(fuld, true) && !findes(lang);
}

bool WindowsPlatform::deletePermanently(const std::string& path)
{
    if (path.empty())
        return false;
    const std::wstring lang = udenSkraastreg(langSti(path));
    const DWORD attr = GetFileAttributesW(lang.c_str());
    if (attr == INVALID_FILE_ATTRIBUTES)
        return false;
    // A drive's root is never emptied wholesale.
    const std::wstring fuld = udenSkraastreg(fuldSti(path));
    if (fuld.size() <= 3 || lang.size() <= 7)
        return false;
    // A link is removed by hand, so that nothing behind it is reached.
    if (kindAf(lang, attr) != Entry::Link && shellenKanTage(fuld) && shelletSlet(fuld, false) &&
        !findes(lang))
        return true;
    // What the shell left, or could not take, goes by a walk of our own.
    sletTrae(lang);
    return !findes(lang);
}

bool WindowsPlatform::emptyTrash(const std::string& drive, bool confirm)
{
    std::wstring rod = bred(drive);
    for (wchar_t& c : rod)
        if (c == L'/')
            c = L'\\';
    if (!rod.empty() && rod.back() != L'\\')
        rod += L'\\';
    const wchar_t* r = rod.empty() ? nullptr : rod.c_str();
    // An empty bin is already what was asked for; some versions answer
    // E_UNEXPECTED when asked to empty one.
    const auto tom = [r] {
        SHQUERYRBINFO info{};
        info.cbSize = sizeof info;
        return SHQueryRecycleBinW(r, &info) == S_OK && info.i64NumItems == 0;
    };
    if (tom())
        return true;
    const HRESULT svar = SHEmptyRecycleBinW(nullptr, r, confirm ? 0 : SHERB_NOCONFIRMATION);
    // A "no" to the shell's own question leaves the bin as it was.
    return (svar == S_OK || svar == E_UNEXPECTED) && tom();
}

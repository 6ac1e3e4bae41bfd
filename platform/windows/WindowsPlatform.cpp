#include "windows/WindowsPlatform.h"

#include "windows/Ikonfil.h"
#include "windows/Tekst.h"

#include <windows.h>

#include <lmcons.h>
#include <shellapi.h>
#include <urlmon.h>

using Tekst::bred;
using Tekst::smal;

std::unique_ptr<Platform> Platform::createNative()
{
    return std::make_unique<WindowsPlatform>();
}

std::string WindowsPlatform::userName() const
{
    std::wstring navn(UNLEN + 1, L'\0');
    auto n = static_cast<DWORD>(navn.size());
    if (!GetUserNameW(navn.data(), &n)) {
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER)
            return {};
        navn.assign(n, L'\0');
        if (!GetUserNameW(navn.data(), &n))
            return {};
    }
    // The count includes the terminating zero.
    navn.resize(n > 0 ? n - 1 : 0);
    return smal(navn);
}

std::string WindowsPlatform::baseFolder() const
{
    return "C:\\Tavlum";
}

std::string WindowsPlatform::programsFolder() const
{
    return "C:\\Program Files (x86)";
}

int WindowsPlatform::shellExecute(const std::string& verb, const std::string& file,
                                  const std::string& parameters, const std::string& folder)
{
    // Windows has no desktop entries to confirm: a confirmed open is an open.
    const std::wstring v = bred(verb == "openConfirmed" ? "open" : verb), f = bred(file),
                       p = bred(parameters), d = bred(folder);
    const HINSTANCE svar = ShellExecuteW(nullptr, v.empty() ? nullptr : v.c_str(), f.c_str(),
                                         p.empty() ? nullptr : p.c_str(),
                                         d.empty() ? nullptr : d.c_str(), SW_SHOWNORMAL);
    return static_cast<int>(reinterpret_cast<INT_PTR>(svar));
}

void WindowsPlatform::runScript(const std::string& file,
                                std::function<void(const ScriptResult&)> done)
{
    // Windows Script Host runs it on its own and tells nothing of its end.
    done({shellExecute("open", file, {}, {}), 0, {}});
}

Platform::FileIcon WindowsPlatform::firstIcon(const std::string& file) const
{
    const std::wstring f = bred(file);
    const HICON ikon = ExtractIconW(GetModuleHandleW(nullptr), f.c_str(), 0);
    const auto svar = reinterpret_cast<INT_PTR>(ikon);
    if (svar == 0)
        return {FileIcon::None, {}, {}};
    if (svar == 1)
        return {FileIcon::NotAProgram, {}, {}};
    std::vector<std::uint8_t> data = Ikonfil::fraHandle(ikon);
    DestroyIcon(ikon);
    if (data.empty())
        return {FileIcon::None, {}, {}};
    return {FileIcon::IconData, {}, std::move(data)};
}

std::string WindowsPlatform::currentFolder() const
{
    const DWORD n = GetCurrentDirectoryW(0, nullptr);
    if (n == 0)
        return {};
    std::wstring mappe(n, L'\0');
    const DWORD skrevet = GetCurrentDirectoryW(n, mappe.data());
    mappe.resize(skrevet < n ? skrevet : 0);
    return smal(mappe);
}

bool WindowsPlatform::setCurrentFolder(const std::string& folder)
{
    return SetCurrentDirectoryW(bred(folder).c_str()) != 0;
}

std::string WindowsPlatform::startupFolder(const std::string& user) const
{
    // Built from the name, as the program always has; the system is not asked.
    return "C:\\Users\\" + user +
           "\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Startup";
}

Platform::StartupNames WindowsPlatform::startupNames() const
{
    return {"Tavlum.lnk", "createShortcut.vbs"};
}

bool WindowsPlatform::isValidUrl(const std::string& url) const
{
    return IsValidURL(nullptr, bred(url).c_str(), 0) == S_OK;
}

#include "windows/Tekst.h"

#include <windows.h>

namespace Tekst {

std::wstring bred(const std::string& utf8)
{
    if (utf8.empty())
        return {};
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring ud(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), ud.data(), n);
    return ud;
}

std::string smal(const std::wstring& utf16)
{
    if (utf16.empty())
        return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()),
                                      nullptr, 0, nullptr, nullptr);
    std::string ud(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0)
        WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), ud.data(), n,
                            nullptr, nullptr);
    return ud;
}

} // namespace Tekst

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

namespace Tekst {

std::wstring fuldSti(const std::string& sti)
{
    std::wstring w = bred(sti);
    for (wchar_t& c : w)
        if (c == L'/')
            c = L'\\';
    if (w.empty() || w.rfind(L"\\\\?\\", 0) == 0)
        return w;
    // The wide call takes paths of any length; the answer's size is asked first.
    const DWORD n = GetFullPathNameW(w.c_str(), 0, nullptr, nullptr);
    if (n == 0)
        return w;
    std::wstring fuld(n, L'\0');
    const DWORD skrevet = GetFullPathNameW(w.c_str(), n, fuld.data(), nullptr);
    if (skrevet == 0 || skrevet >= n)
        return w;
    fuld.resize(skrevet);
    return fuld;
}

std::wstring langSti(const std::string& sti)
{
    const std::wstring w = fuldSti(sti);
    if (w.rfind(L"\\\\?\\", 0) == 0 || w.rfind(L"\\\\.\\", 0) == 0)
        return w;
    if (w.size() >= 3 && w[1] == L':' && w[2] == L'\\')
        return L"\\\\?\\" + w;
    if (w.size() > 2 && w[0] == L'\\' && w[1] == L'\\')
        return L"\\\\?\\UNC\\" + w.substr(2);
    return w;
}

} // namespace Tekst

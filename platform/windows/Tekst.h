#pragma once

#include <string>

// The interface speaks UTF-8; Win32's wide calls speak UTF-16.
namespace Tekst {

std::wstring bred(const std::string& utf8);
std::string smal(const std::wstring& utf16);

} // namespace Tekst

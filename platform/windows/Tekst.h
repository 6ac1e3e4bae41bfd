#pragma once

#include <string>

// The interface speaks UTF-8; Win32's wide calls speak UTF-16.
namespace Tekst {

std::wstring bred(const std::string& utf8);
std::string smal(const std::wstring& utf16);

// The full path with backslashes, "." and ".." resolved against the current folder.
std::wstring fuldSti(const std::string& sti);
// The full path in the \\?\ form, which lifts MAX_PATH where a call allows it.
std::wstring langSti(const std::string& sti);

} // namespace Tekst

#pragma once

#include <string>
#include <string_view>

// A file system's name is bytes; the windows show text. These turn one into
// the other without loss: bytes that are not UTF-8 become the lone code units
// U+DC80 to U+DCFF (as Python's "surrogateescape" does), and go back to the
// same bytes, so a name that no text can spell still names its file.
namespace Navnetekst {

// Writes the UTF-16 of `bytes` to `ud`, which has room for bytes.size() units;
// the number of units written.
std::size_t tilTekst(std::string_view bytes, char16_t* ud);
std::u16string tilTekst(std::string_view bytes);
std::string tilBytes(std::u16string_view tekst);

// Whether the unit stands for a byte that was not UTF-8.
constexpr bool erByte(char16_t c)
{
    return c >= 0xDC80 && c <= 0xDCFF;
}

} // namespace Navnetekst

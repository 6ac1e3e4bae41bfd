#include "Navnetekst.h"

namespace Navnetekst {

namespace {

bool fortsaettelse(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// The code point of the well-formed UTF-8 sequence at `b`, and its length;
// length 0 where none begins there (a stray, overlong or cut-off sequence,
// an encoded surrogate or a point past U+10FFFF).
std::pair<char32_t, std::size_t> tegn(std::string_view b)
{
    const auto c0 = static_cast<unsigned char>(b[0]);
    if (c0 < 0x80)
        return {c0, 1};
    const std::size_t n = c0 >= 0xF0 ? 4 : c0 >= 0xE0 ? 3 : c0 >= 0xC2 ? 2 : 0;
    if (n == 0 || c0 > 0xF4 || b.size() < n)
        return {0, 0};
    char32_t cp = c0 & (0x7F >> n);
    for (std::size_t i = 1; i < n; ++i) {
        const auto c = static_cast<unsigned char>(b[i]);
        if (!fortsaettelse(c))
            return {0, 0};
        cp = (cp << 6) | (c & 0x3F);
    }
    const bool overlang = (n == 3 && cp < 0x800) || (n == 4 && cp < 0x10000);
    if (overlang || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)
        return {0, 0};
    return {cp, n};
}

void utf8(std::string& ud, char32_t cp)
{
    if (cp < 0x80) {
        ud += static_cast<char>(cp);
    } else if (cp < 0x800) {
        ud += static_cast<char>(0xC0 | (cp >> 6));
        ud += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        ud += static_cast<char>(0xE0 | (cp >> 12));
        ud += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        ud += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        ud += static_cast<char>(0xF0 | (cp >> 18));
        ud += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        ud += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        ud += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

std::size_t tilTekst(std::string_view bytes, char16_t* ud)
{
    std::size_t n = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto [cp, laengde] = tegn(bytes.substr(i));
        if (laengde == 0) {
            ud[n++] = static_cast<char16_t>(0xDC00 | static_cast<unsigned char>(bytes[i]));
            ++i;
            continue;
        }
        if (cp >= 0x10000) {
            ud[n++] = static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
            ud[n++] = static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            ud[n++] = static_cast<char16_t>(cp);
        }
        i += laengde;
    }
    return n;
}

std::u16string tilTekst(std::string_view bytes)
{
    std::u16string ud(bytes.size(), u'\0');
    ud.resize(tilTekst(bytes, ud.data()));
    return ud;
}

std::string tilBytes(std::u16string_view tekst)
{
    std::string ud;
    ud.reserve(tekst.size());
    for (std::size_t i = 0; i < tekst.size(); ++i) {
        const char16_t c = tekst[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < tekst.size() && tekst[i + 1] >= 0xDC00 &&
            tekst[i + 1] <= 0xDFFF) {
            utf8(ud, 0x10000 + ((char32_t(c) - 0xD800) << 10) + (tekst[i + 1] - 0xDC00));
            ++i;
        } else if (erByte(c)) {
            ud += static_cast<char>(c & 0xFF);
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            // Any other lone half has no bytes of its own.
            utf8(ud, 0xFFFD);
        } else {
            utf8(ud, c);
        }
    }
    return ud;
}

} // namespace Navnetekst

#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Small Windows programs (PE32) made in a test: one resource section holding
// one icon image (id 1) and a group icon of `antal` entries that all name it,
// each with the eight bytes of `indgang` (width, height, colours, reserved,
// planes, bits). Standard library only, so that it serves under Wine too.
namespace Pefil {

using Bytes = std::vector<std::uint8_t>;

inline void put(Bytes& b, std::size_t sted, std::uint32_t v, int bytes)
{
    if (b.size() < sted + bytes)
        b.resize(sted + bytes);
    for (int i = 0; i < bytes; ++i)
        b[sted + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

inline Bytes lav(const std::string& billede, int antal, const std::string& indgang)
{
    constexpr std::size_t raa = 0x200;
    constexpr std::uint32_t va = 0x1000;
    const std::size_t gruppeStr = 6 + 14 * static_cast<std::size_t>(antal);
    const auto sektionStr =
        static_cast<std::uint32_t>((200 + billede.size() + gruppeStr + 0xFFF) / 0x1000 * 0x1000);
    Bytes b(raa, 0);
    put(b, 0, 0x5A4D, 2);
    put(b, 0x3C, 0x40, 4);
    put(b, 0x40, 0x00004550, 4);
    put(b, 0x44, 0x14C, 2); // i386
    put(b, 0x46, 1, 2);     // one section
    put(b, 0x54, 224, 2);   // optional header size
    const std::size_t valgfri = 0x58;
    put(b, valgfri, 0x10B, 2);
    put(b, valgfri + 92, 16, 4);
    put(b, valgfri + 96 + 16, va, 4); // resource directory
    put(b, valgfri + 96 + 20, sektionStr, 4);
    const std::size_t sektion = valgfri + 224;
    b[sektion] = '.';
    put(b, sektion + 8, sektionStr, 4);
    put(b, sektion + 12, va, 4);
    put(b, sektion + 16, sektionStr, 4);
    put(b, sektion + 20, raa, 4);

    // Type, name and language directories, then the two data entries.
    const auto mappe = [&](std::size_t sted, std::uint32_t id, std::uint32_t til) {
        put(b, raa + sted + 14, 1, 2);
        put(b, raa + sted + 16, id, 4);
        put(b, raa + sted + 20, til, 4);
    };
    put(b, raa + 14, 2, 2);
    put(b, raa + 16, 3, 4);
    put(b, raa + 20, 0x80000000u | 32, 4);
    put(b, raa + 24, 14, 4);
    put(b, raa + 28, 0x80000000u | 128, 4);
    mappe(32, 1, 0x80000000u | 56);
    mappe(56, 0x409, 80);
    mappe(128, 1, 0x80000000u | 152);
    mappe(152, 0x409, 176);
    const std::uint32_t billedeRva = va + 200;
    const std::uint32_t gruppeRva = billedeRva + static_cast<std::uint32_t>(billede.size());
    put(b, raa + 80, billedeRva, 4);
    put(b, raa + 84, static_cast<std::uint32_t>(billede.size()), 4);
    put(b, raa + 176, gruppeRva, 4);
    put(b, raa + 180, static_cast<std::uint32_t>(gruppeStr), 4);
    b.resize(raa + sektionStr);
    std::copy(billede.begin(), billede.end(), b.begin() + raa + 200);
    const std::size_t gruppe = raa + 200 + billede.size();
    put(b, gruppe + 2, 1, 2);
    put(b, gruppe + 4, static_cast<std::uint32_t>(antal), 2);
    for (int n = 0; n < antal; ++n) {
        const std::size_t e = gruppe + 6 + 14 * static_cast<std::size_t>(n);
        std::copy(indgang.begin(), indgang.begin() + 8, b.begin() + e);
        put(b, e + 8, static_cast<std::uint32_t>(billede.size()), 4);
        put(b, e + 12, 1, 2);
    }
    return b;
}

// The group entry of a 16 by 16 image of 32 bits, and of a 256 by 256 one.
inline const std::string lille("\x10\x10\x00\x00\x01\x00\x20\x00", 8);
inline const std::string stor("\x00\x00\x00\x00\x01\x00\x20\x00", 8);

} // namespace Pefil

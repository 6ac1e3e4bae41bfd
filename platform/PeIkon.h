#pragma once

#include <cstdint>
#include <span>
#include <vector>

// The first icon of a Windows program or library (PE), read from its resource
// directory and returned as the bytes of an ".ico" file; empty when the file
// is no PE file or holds no icon. Every offset is checked, so a damaged file
// gives nothing rather than a read past its end, and what is built is bounded
// as a real icon is: a crafted file gives no icon, never a huge allocation.
namespace PeIkon {

// The most images an icon has, and the most bytes of the whole ".ico".
inline constexpr std::uint32_t hoejstBilleder = 64;
inline constexpr std::size_t hoejstIkon = 4 * 1024 * 1024;

std::vector<std::uint8_t> foersteIkon(std::span<const std::uint8_t> fil);

// Whether the bytes begin as a PE file does.
bool erPe(std::span<const std::uint8_t> fil);

} // namespace PeIkon

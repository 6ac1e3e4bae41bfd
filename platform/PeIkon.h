#pragma once

#include <cstdint>
#include <vector>

// The first icon of a Windows program or library (PE), read from its resource
// directory and returned as the bytes of an ".ico" file; empty when the file
// is no PE file or holds no icon. Every offset is checked, so a damaged file
// gives nothing rather than a read past its end.
namespace PeIkon {

std::vector<std::uint8_t> foersteIkon(const std::vector<std::uint8_t>& fil);

// Whether the bytes begin as a PE file does.
bool erPe(const std::vector<std::uint8_t>& fil);

} // namespace PeIkon

#pragma once

#include <cstdint>
#include <vector>

#include <windows.h>

// An icon handle as the bytes of an ".ico" file with one 32-bit image, so that
// the layers above need nothing of Win32 to show it; empty when the handle's
// bitmaps cannot be read.
namespace Ikonfil {

std::vector<std::uint8_t> fraHandle(HICON ikon);

} // namespace Ikonfil

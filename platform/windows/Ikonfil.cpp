#include "windows/Ikonfil.h"

#include <cstring>

namespace Ikonfil {

namespace {

void skriv16(std::vector<std::uint8_t>& ud, unsigned v)
{
    ud.push_back(static_cast<std::uint8_t>(v & 0xff));
    ud.push_back(static_cast<std::uint8_t>((v >> 8) & 0xff));
}

void skriv32(std::vector<std::uint8_t>& ud, std::uint32_t v)
{
    skriv16(ud, v & 0xffff);
    skriv16(ud, v >> 16);
}

// The rows of a bitmap, bottom row first, at the given depth.
bool raekker(HDC dc, HBITMAP bitmap, int bredde, int hoejde, WORD dybde,
             std::vector<std::uint8_t>& ud)
{
    BITMAPINFO* info = nullptr;
    std::vector<std::uint8_t> hoved(sizeof(BITMAPINFOHEADER) + 2 * sizeof(RGBQUAD), 0);
    info = reinterpret_cast<BITMAPINFO*>(hoved.data());
    info->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info->bmiHeader.biWidth = bredde;
    info->bmiHeader.biHeight = hoejde;
    info->bmiHeader.biPlanes = 1;
    info->bmiHeader.biBitCount = dybde;
    info->bmiHeader.biCompression = BI_RGB;
    const std::size_t raekke = ((static_cast<std::size_t>(bredde) * dybde + 31) / 32) * 4;
    ud.assign(raekke * static_cast<std::size_t>(hoejde), 0);
    return GetDIBits(dc, bitmap, 0, static_cast<UINT>(hoejde), ud.data(), info, DIB_RGB_COLORS) ==
           hoejde;
}

} // namespace

std::vector<std::uint8_t> fraHandle(HICON ikon)
{
    ICONINFO ii{};
    if (!GetIconInfo(ikon, &ii))
        return {};
    std::vector<std::uint8_t> farver, maske;
    BITMAP bm{};
    bool ok = ii.hbmColor && GetObjectW(ii.hbmColor, sizeof bm, &bm) == sizeof bm &&
              bm.bmWidth > 0 && bm.bmHeight > 0 && bm.bmWidth <= 256 && bm.bmHeight <= 256;
    HDC dc = GetDC(nullptr);
    if (ok)
        ok = raekker(dc, ii.hbmColor, bm.bmWidth, bm.bmHeight, 32, farver) &&
             raekker(dc, ii.hbmMask, bm.bmWidth, bm.bmHeight, 1, maske);
    ReleaseDC(nullptr, dc);
    if (ii.hbmColor)
        DeleteObject(ii.hbmColor);
    if (ii.hbmMask)
        DeleteObject(ii.hbmMask);
    if (!ok)
        return {};

    // An icon drawn without alpha takes its transparency from the mask.
    bool alfa = false;
    for (std::size_t i = 3; i < farver.size(); i += 4)
        alfa = alfa || farver[i] != 0;
    if (!alfa) {
        const std::size_t maskeraekke = ((static_cast<std::size_t>(bm.bmWidth) + 31) / 32) * 4;
        for (int y = 0; y < bm.bmHeight; ++y)
            for (int x = 0; x < bm.bmWidth; ++x) {
                const bool gennemsigtig =
                    maske[y * maskeraekke + static_cast<std::size_t>(x) / 8] & (0x80 >> (x % 8));
                farver[(static_cast<std::size_t>(y) * bm.bmWidth + x) * 4 + 3] =
                    gennemsigtig ? 0 : 255;
            }
    }

    const auto billede = static_cast<std::uint32_t>(40 + farver.size() + maske.size());
    std::vector<std::uint8_t> ud;
    ud.reserve(22 + billede);
    skriv16(ud, 0);
    skriv16(ud, 1);
    skriv16(ud, 1);
    ud.push_back(static_cast<std::uint8_t>(bm.bmWidth == 256 ? 0 : bm.bmWidth));
    ud.push_back(static_cast<std::uint8_t>(bm.bmHeight == 256 ? 0 : bm.bmHeight));
    ud.push_back(0);
    ud.push_back(0);
    skriv16(ud, 1);
    skriv16(ud, 32);
    skriv32(ud, billede);
    skriv32(ud, 22);
    skriv32(ud, 40);
    skriv32(ud, static_cast<std::uint32_t>(bm.bmWidth));
    skriv32(ud, static_cast<std::uint32_t>(bm.bmHeight * 2)); // the image and its mask
    skriv16(ud, 1);
    skriv16(ud, 32);
    for (int i = 0; i < 6; ++i)
        skriv32(ud, 0);
    ud.insert(ud.end(), farver.begin(), farver.end());
    ud.insert(ud.end(), maske.begin(), maske.end());
    return ud;
}

} // namespace Ikonfil

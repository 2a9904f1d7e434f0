#include "controls/private/window_shaping.h"

#include <dlfcn.h>

#include <cstdint>
#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/colour.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/region.h"

namespace kolvetra {

namespace gdi = platform::gdi;

gdi::COLORREF TransparentColour(gdi::OLE_COLOR colour)
{
    gdi::COLORREF rgb = colour & 0xFFFFFF;
    if (colour & 0x80000000)
        gdi::OleTranslateColor(colour, nullptr, &rgb);
    return rgb;
}

gdi::HRGN CreateRegionFromDC(gdi::HDC hdc, int W, int H, gdi::COLORREF colour)
{
    if (W < 0)
        W = 0;
    if (H < 0)
        H = 0;
    // The next multiple of 4 above the width: a 24-bit row of it needs no padding.
    gdi::BitmapInfoHeader header;
    header.width = W / 4 * 4 + 4;
    header.height = H + 1;
    header.bitCount = 24;
    const std::size_t rowBytes = std::size_t(3) * std::size_t(header.width);
    std::vector<std::uint8_t> bits(rowBytes * std::size_t(H + 1));

    const gdi::HDC memory = gdi::CreateCompatibleDC(hdc);
    const gdi::HBITMAP bitmap = gdi::CreateDIBSection(memory, header, gdi::DIB_RGB_COLORS);
    const gdi::HGDIOBJ previous = gdi::SelectObject(memory, bitmap);
    gdi::BitBlt(memory, 0, 0, header.width, header.height, hdc, 0, 0, gdi::SRCCOPY);
    gdi::GetDIBits(hdc, bitmap, 0, unsigned(H + 1), bits.data(), header, gdi::DIB_RGB_COLORS);
    if (previous)
        gdi::SelectObject(memory, previous);
    gdi::DeleteDC(memory);
    gdi::DeleteObject(bitmap);

    // Row 0 of the copy is its bottom line, below the control: pixel (x, y) lies in row H - y.
    auto differs = [&](int x, int y) {
        const std::uint8_t* p = bits.data() + rowBytes * std::size_t(H - y) + std::size_t(3 * x);
        return gdi::Rgb(p[2], p[1], p[0]) != colour;
    };
    const gdi::HRGN region = gdi::CreateRectRgn(0, 0, 0, 0);
    for (int y = 0; y < H; ++y) {
        int x = 0;
        while (x < W) {
            while (x < W && !differs(x, y))
                ++x;
            if (x >= W)
                break;
            const int start = x;
            while (x < W && differs(x, y))
                ++x;
            const gdi::HRGN run = gdi::CreateRectRgn(start, y, x, y + 1);
            gdi::CombineRgn(region, region, run, gdi::RGN_OR);
            gdi::DeleteObject(run);
        }
    }
    return region;
}

bool IsFunctionExported(const std::string& functionName, const std::string& moduleName)
{
    if (moduleName.empty())
        return false;
    // RTLD_NOLOAD finds a module already loaded; either way the handle taken is given back, so
    // the module's load count ends where it began.
    void* module = dlopen(moduleName.c_str(), RTLD_LAZY | RTLD_NOLOAD);
    if (!module)
        module = dlopen(moduleName.c_str(), RTLD_LAZY | RTLD_LOCAL);
    if (!module)
        return false;
    const bool exported = dlsym(module, functionName.c_str()) != nullptr;
    dlclose(module);
    return exported;
}

} // namespace kolvetra

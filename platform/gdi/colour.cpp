#include "platform/gdi/colour.h"

namespace platform::gdi {

COLORREF GetSysColor(int index)
{
    static constexpr COLORREF table[25] = {
        Rgb(212, 208, 200), Rgb(58, 110, 165),  Rgb(10, 36, 106),   Rgb(128, 128, 128),
        Rgb(212, 208, 200), Rgb(255, 255, 255), Rgb(0, 0, 0),       Rgb(0, 0, 0),
        Rgb(0, 0, 0),       Rgb(255, 255, 255), Rgb(212, 208, 200), Rgb(212, 208, 200),
        Rgb(128, 128, 128), Rgb(10, 36, 106),   Rgb(255, 255, 255), Rgb(212, 208, 200),
        Rgb(128, 128, 128), Rgb(128, 128, 128), Rgb(0, 0, 0),       Rgb(212, 208, 200),
        Rgb(255, 255, 255), Rgb(64, 64, 64),    Rgb(212, 208, 200), Rgb(0, 0, 0),
        Rgb(255, 255, 225),
    };
    return index >= 0 && index < 25 ? table[index] : 0;
}

HRESULT OleTranslateColor(OLE_COLOR colour, const void* palette, COLORREF* result)
{
    COLORREF rgb;
    switch (colour >> 24) {
    case 0x80:
        if ((colour & 0xFFFFFF) > 24)
            return E_INVALIDARG;
        rgb = GetSysColor(int(colour & 0xFF));
        break;
    case 0x00:
    case 0x02:
        rgb = colour & 0xFFFFFF;
        break;
    default:
        return E_INVALIDARG;
    }
    if (result)
        *result = rgb;
    return S_OK;
}

} // namespace platform::gdi

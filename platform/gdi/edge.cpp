#include "platform/gdi/edge.h"

#include <algorithm>
#include <vector>

#include "platform/gdi/colour.h"
#include "platform/gdi/detail/object_table.h"
#include "platform/gdi/detail/pixels.h"

namespace platform::gdi {

using namespace detail;

namespace {

struct Band {
    COLORREF topLeft;
    COLORREF bottomRight;
};

// One band of the given kind (one of the four BDR_ bits).
Band BandColours(unsigned kind, unsigned flags)
{
    const bool inner = kind == BDR_RAISEDINNER || kind == BDR_SUNKENINNER;
    if (flags & BF_MONO) {
        const COLORREF c = GetSysColor(inner ? COLOR_WINDOW : COLOR_WINDOWFRAME);
        return {c, c};
    }
    if (flags & BF_FLAT) {
        const COLORREF c = GetSysColor(inner ? COLOR_BTNFACE : COLOR_BTNSHADOW);
        return {c, c};
    }
    const bool soft = flags & BF_SOFT;
    switch (kind) {
    case BDR_RAISEDOUTER:
        return {GetSysColor(soft ? COLOR_BTNHIGHLIGHT : COLOR_3DLIGHT),
                GetSysColor(COLOR_3DDKSHADOW)};
    case BDR_SUNKENOUTER:
        return {GetSysColor(soft ? COLOR_3DDKSHADOW : COLOR_BTNSHADOW),
                GetSysColor(COLOR_BTNHIGHLIGHT)};
    case BDR_RAISEDINNER:
        return {GetSysColor(soft ? COLOR_3DLIGHT : COLOR_BTNHIGHLIGHT),
                GetSysColor(COLOR_BTNSHADOW)};
    default: // BDR_SUNKENINNER
        return {GetSysColor(soft ? COLOR_BTNSHADOW : COLOR_3DDKSHADOW), GetSysColor(COLOR_3DLIGHT)};
    }
}

void Ring(QImage& image, const Rect& r, const Band& band, unsigned flags)
{
    if (r.right <= r.left || r.bottom <= r.top)
        return;
    const QRgb tl = ToQRgb(band.topLeft), br = ToQRgb(band.bottomRight);
    if (flags & BF_TOP)
        FillSpan(image, r.top, r.left, r.right - 1, tl);
    if (flags & BF_LEFT)
        FillColumn(image, r.left, r.top, r.bottom - 1, tl);
    if (flags & BF_BOTTOM)
        FillSpan(image, r.bottom - 1, r.left, r.right, br);
    if (flags & BF_RIGHT)
        FillColumn(image, r.right - 1, r.top, r.bottom, br);
}

} // namespace

bool DrawEdge(HDC hdc, Rect& rect, unsigned edge, unsigned flags)
{
    DcData* dc = FindDc(hdc);
    if (!dc)
        return false;
    std::vector<unsigned> bands;
    if (edge & BDR_RAISEDOUTER)
        bands.push_back(BDR_RAISEDOUTER);
    else if (edge & BDR_SUNKENOUTER)
        bands.push_back(BDR_SUNKENOUTER);
    if (edge & BDR_RAISEDINNER)
        bands.push_back(BDR_RAISEDINNER);
    else if (edge & BDR_SUNKENINNER)
        bands.push_back(BDR_SUNKENINNER);

    Rect inside = rect;
    auto shrink = [&](Rect& r) {
        if (flags & BF_LEFT)
            ++r.left;
        if (flags & BF_TOP)
            ++r.top;
        if (flags & BF_RIGHT)
            --r.right;
        if (flags & BF_BOTTOM)
            --r.bottom;
    };
    QImage* image = DrawTarget(*dc);
    for (unsigned kind : bands) {
        if (image)
            Ring(*image, inside, BandColours(kind, flags), flags);
        shrink(inside);
    }
    if (image && (flags & BF_MIDDLE)) {
        const QRgb face = ToQRgb(GetSysColor((flags & BF_MONO) ? COLOR_WINDOW : COLOR_BTNFACE));
        for (int y = std::max(inside.top, 0); y < std::min(inside.bottom, image->height()); ++y)
            FillSpan(*image, y, inside.left, inside.right, face);
    }
    if (flags & BF_ADJUST)
        rect = inside;
    return true;
}

} // namespace platform::gdi

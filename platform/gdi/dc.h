#pragma once

#include <QImage>

#include "platform/gdi/types.h"

// Device contexts: one over a control's backing image, or a memory DC over a selected bitmap.
namespace platform::gdi {

// A DC that draws straight onto an image the caller keeps (a control's persistent backing
// image; the widget shows that image in its paint). The image must outlive the DC; assigning a
// new image of another size to the same QImage object is fine. The DC starts with the stock GUI
// font, the null brush, pen and text colour black, pen width 1 and text alignment 0.
class ImageDC {
public:
    explicit ImageDC(QImage& target);
    ~ImageDC();
    ImageDC(const ImageDC&) = delete;
    ImageDC& operator=(const ImageDC&) = delete;

    HDC hdc() const { return m_hdc; }

private:
    HDC m_hdc;
};

// A memory DC that draws on nothing until a bitmap is selected into it. Null for an invalid DC.
HDC CreateCompatibleDC(HDC hdc);
// Frees a memory DC (its selected objects stay alive). False for an image DC or a stale handle.
bool DeleteDC(HDC hdc);

constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int BITSPIXEL = 12;
constexpr int PLANES = 14;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;
// 96 pixels per logical inch both ways, the drawing surface's size in pixels, 32 bits per pixel
// and one plane; 0 for any other index or an invalid DC.
int GetDeviceCaps(HDC hdc, int index);

// The pen that Polygon and Polyline draw with. Return the previous value (0 for an invalid DC).
COLORREF SetDCPenColor(HDC hdc, COLORREF colour);
// Our own: the pen width in pixels (at least 1), which the original set through its pen object.
int SetDCPenWidth(HDC hdc, int width);

constexpr std::uint32_t SRCCOPY = 0xCC0020;
// Copies a block of pixels; only SRCCOPY is known (false for any other operation). Pixels that
// lie outside either surface are not copied.
bool BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
            int sourceY, std::uint32_t operation);

} // namespace platform::gdi

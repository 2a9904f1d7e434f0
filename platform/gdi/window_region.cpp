#include "platform/gdi/window_region.h"

#include "platform/gdi/detail/object_table.h"
#include "platform/gdi/detail/pixels.h"

#include <cstring>

namespace platform::gdi {

using namespace detail;

bool WindowRegion::Shows(QPoint pixel, QSize size) const
{
    if (!QRect(QPoint(0, 0), size).contains(pixel))
        return false;
    return !m_shaped || m_shape.contains(pixel);
}

int SetWindowRgn(WindowRegion& window, HRGN region, bool redraw)
{
    if (!region) {
        window.m_shaped = false;
        window.m_shape = QRegion();
    } else {
        auto* data = Objects().Find<RegionData>(region.value);
        if (!data)
            return 0;
        window.m_shaped = true;
        window.m_shape = data->pixels;
        Objects().Erase(region.value);
    }
    ++window.m_revision;
    window.m_redraw = redraw;
    return 1;
}

namespace {

// Pixels x0..x1-1 of row y take index 1; the mono format keeps the leftmost pixel in the high
// bit of each byte.
void SetBits(QImage& mask, int y, int x0, int x1)
{
    if (PixelCallsForced()) {
        for (int x = x0; x < x1; ++x)
            mask.setPixel(x, y, 1);
        return;
    }
    uchar* line = mask.scanLine(y);
    int x = x0;
    for (; x < x1 && (x & 7); ++x)
        line[x >> 3] |= uchar(0x80 >> (x & 7));
    const int wholeEnd = x1 & ~7;
    if (x < wholeEnd) {
        std::memset(line + (x >> 3), 0xFF, std::size_t((wholeEnd - x) >> 3));
        x = wholeEnd;
    }
    for (; x < x1; ++x)
        line[x >> 3] |= uchar(0x80 >> (x & 7));
}

} // namespace

QImage WindowMask(const WindowRegion& window, QSize size)
{
    QImage mask(size, QImage::Format_Mono);
    // fill() leaves the padding bits at the end of each line as they were allocated, and the
    // toolkit's conversion to a bitmap reads them.
    if (!mask.isNull())
        std::memset(mask.bits(), 0, std::size_t(mask.sizeInBytes()));
    mask.setColor(0, qRgb(255, 255, 255));
    mask.setColor(1, qRgb(0, 0, 0));
    mask.fill(window.IsShaped() ? 0 : 1);
    if (window.IsShaped()) {
        for (const QRect& r : window.Shape().intersected(mask.rect())) {
            for (int y = r.top(); y <= r.bottom(); ++y)
                SetBits(mask, y, r.left(), r.right() + 1);
        }
    }
    return mask;
}

} // namespace platform::gdi

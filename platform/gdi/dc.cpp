#include "platform/gdi/dc.h"

#include <algorithm>
#include <utility>

#include "platform/gdi/detail/object_table.h"
#include "platform/gdi/detail/pixels.h"

namespace platform::gdi {

using namespace detail;

namespace {

HDC AddDc(QImage* target)
{
    DcData dc;
    dc.target = target;
    dc.bitmap = DefaultBitmap();
    dc.font = DefaultFont();
    dc.brush = NullBrush();
    return HDC{Objects().Add(dc)};
}

} // namespace

ImageDC::ImageDC(QImage& target)
    : m_hdc(AddDc(&target))
{
}

ImageDC::~ImageDC()
{
    Objects().Erase(m_hdc.value);
}

HDC CreateCompatibleDC(HDC hdc)
{
    if (hdc && !FindDc(hdc))
        return {};
    return AddDc(nullptr);
}

bool DeleteDC(HDC hdc)
{
    DcData* dc = FindDc(hdc);
    if (!dc || dc->target)
        return false;
    Objects().Erase(hdc.value);
    return true;
}

int GetDeviceCaps(HDC hdc, int index)
{
    DcData* dc = FindDc(hdc);
    if (!dc)
        return 0;
    const QImage* target = DrawTarget(*dc);
    switch (index) {
    case LOGPIXELSX:
    case LOGPIXELSY:
        return 96;
    case HORZRES:
        return target ? target->width() : 1;
    case VERTRES:
        return target ? target->height() : 1;
    case BITSPIXEL:
        return 32;
    case PLANES:
        return 1;
    default:
        return 0;
    }
}

COLORREF SetDCPenColor(HDC hdc, COLORREF colour)
{
    DcData* dc = FindDc(hdc);
    if (!dc)
        return 0;
    return std::exchange(dc->pen, colour & 0xFFFFFF);
}

int SetDCPenWidth(HDC hdc, int width)
{
    DcData* dc = FindDc(hdc);
    if (!dc)
        return 0;
    return std::exchange(dc->penWidth, std::max(width, 1));
}

bool BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
            int sourceY, std::uint32_t operation)
{
    DcData* to = FindDc(destination);
    DcData* from = FindDc(source);
    if (!to || !from || operation != SRCCOPY)
        return false;
    QImage* target = DrawTarget(*to);
    QImage* origin = DrawTarget(*from);
    if (!target || !origin)
        return true;
    // Only the part that lies on both surfaces is walked.
    auto range = [](int start, int sourceStart, int length, int targetSize, int sourceSize) {
        const long long first = std::max({0LL, -(long long)start, -(long long)sourceStart});
        const long long last = std::min({(long long)length, (long long)targetSize - start,
                                         (long long)sourceSize - sourceStart});
        return std::pair<int, int>(int(first), int(std::max(first, last)));
    };
    const auto [row0, row1] = range(y, sourceY, height, target->height(), origin->height());
    const auto [col0, col1] = range(x, sourceX, width, target->width(), origin->width());
    if (col0 >= col1)
        return true;
    if (!IsWordFormat(*target) || !IsWordFormat(*origin) || PixelCallsForced()) {
        for (int row = row0; row < row1; ++row) {
            for (int col = col0; col < col1; ++col)
                target->setPixel(x + col, y + row, origin->pixel(sourceX + col, sourceY + row));
        }
        return true;
    }
    // Each word is read and stored as pixel() and setPixel() would; only RGB32 on either side
    // changes it (alpha 255).
    const std::uint32_t alpha =
        target->format() == QImage::Format_RGB32 || origin->format() == QImage::Format_RGB32
            ? 0xFF000000u
            : 0u;
    const QImage& pixels = *origin;
    for (int row = row0; row < row1; ++row) {
        const auto* from =
            reinterpret_cast<const std::uint32_t*>(pixels.constScanLine(sourceY + row)) + sourceX;
        auto* to = reinterpret_cast<std::uint32_t*>(target->scanLine(y + row)) + x;
        if (to + col1 <= from + col0 || from + col1 <= to + col0) {
            CopyWords(to + col0, from + col0, col1 - col0, alpha);
            continue;
        }
        // Overlapping words (one image onto itself) are taken one by one, left to right.
        for (int col = col0; col < col1; ++col)
            to[col] = alpha | from[col];
    }
    return true;
}

} // namespace platform::gdi

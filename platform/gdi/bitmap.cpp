#include "platform/gdi/bitmap.h"

#include <algorithm>
#include <cstring>

#include "platform/gdi/detail/object_table.h"

namespace platform::gdi {

using namespace detail;

int DibRowBytes(const BitmapInfoHeader& header)
{
    return ((header.width * header.bitCount + 31) / 32) * 4;
}

HBITMAP CreateDIBSection(HDC hdc, const BitmapInfoHeader& header, std::uint32_t usage)
{
    if (header.width <= 0 || header.height == 0 || header.compression != 0 ||
        (header.bitCount != 24 && header.bitCount != 32))
        return {};
    QImage image(header.width, std::abs(header.height), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    image.fill(0);
    return HBITMAP{Objects().Add(BitmapData{image})};
}

int GetDIBits(HDC hdc, HBITMAP bitmap, unsigned start, unsigned lines, void* buffer,
              BitmapInfoHeader& header, std::uint32_t usage)
{
    auto* data = Objects().Find<BitmapData>(bitmap.value);
    if (!data)
        return 0;
    const QImage& image = data->image;
    if (!buffer) {
        header.width = image.width();
        header.height = image.height();
        header.planes = 1;
        if (header.bitCount != 24 && header.bitCount != 32)
            header.bitCount = 32;
        header.sizeImage = DibRowBytes(header) * image.height();
        return image.height();
    }
    if (header.width != image.width() || (header.bitCount != 24 && header.bitCount != 32) ||
        start >= unsigned(image.height()))
        return 0;
    const bool bottomUp = header.height > 0;
    const int rowBytes = DibRowBytes(header);
    const int bytesPerPixel = header.bitCount / 8;
    const unsigned count = std::min<unsigned>(lines, image.height() - start);
    auto* out = static_cast<unsigned char*>(buffer);
    for (unsigned k = 0; k < count; ++k) {
        const int line = int(start + k); // counted from the bottom when bottom-up
        const int y = bottomUp ? image.height() - 1 - line : line;
        unsigned char* row = out + std::size_t(k) * rowBytes;
        std::memset(row, 0, rowBytes);
        const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            row[x * bytesPerPixel] = qBlue(pixels[x]);
            row[x * bytesPerPixel + 1] = qGreen(pixels[x]);
            row[x * bytesPerPixel + 2] = qRed(pixels[x]);
        }
    }
    return int(count);
}

HBITMAP CreateBitmapFromImage(const QImage& image)
{
    if (image.isNull())
        return {};
    return HBITMAP{Objects().Add(BitmapData{image.convertToFormat(QImage::Format_RGB32)})};
}

const QImage* BitmapImage(HBITMAP bitmap)
{
    auto* data = Objects().Find<BitmapData>(bitmap.value);
    return data ? &data->image : nullptr;
}

} // namespace platform::gdi

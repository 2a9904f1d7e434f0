#pragma once

#include <QImage>
#include <cstdint>

#include "platform/gdi/types.h"

// Bitmaps and their device-independent pixel copies.
namespace platform::gdi {

// The header of a device-independent bitmap: a positive height is stored bottom-up (row 0 of
// the buffer is the bottom line), a negative one top-down. Rows are padded to 4 bytes; pixels
// are blue, green, red (and one unused byte at 32 bits).
struct BitmapInfoHeader {
    std::uint32_t size = 40;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t planes = 1;
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0; // uncompressed is the only one known
    std::uint32_t sizeImage = 0;
    std::int32_t xPelsPerMeter = 0;
    std::int32_t yPelsPerMeter = 0;
    std::uint32_t clrUsed = 0;
    std::uint32_t clrImportant = 0;
};

constexpr std::uint32_t DIB_RGB_COLORS = 0;

// Bytes of one buffer row for the header's width and bit count.
int DibRowBytes(const BitmapInfoHeader& header);

// A black bitmap of the header's size. Its pixels are not exposed as memory; read them with
// GetDIBits. Null for a size that is not positive, a bit count other than 24 or 32, or a
// compressed format.
HBITMAP CreateDIBSection(HDC hdc, const BitmapInfoHeader& header, std::uint32_t usage);

// Copies `lines` lines, starting at line `start` counted from the bottom, into the buffer in the
// header's layout (its width must be the bitmap's; its height's sign picks the row order, the
// bitmap's own height counts). With a null buffer only fills in the header's size fields.
// Returns the number of lines copied, 0 on failure.
int GetDIBits(HDC hdc, HBITMAP bitmap, unsigned start, unsigned lines, void* buffer,
              BitmapInfoHeader& header, std::uint32_t usage);

// Our own: a bitmap holding a copy of an image (a picture's pixels). Null for a null image.
HBITMAP CreateBitmapFromImage(const QImage& image);
// The bitmap's pixels, null when the handle names no bitmap.
const QImage* BitmapImage(HBITMAP bitmap);

} // namespace platform::gdi

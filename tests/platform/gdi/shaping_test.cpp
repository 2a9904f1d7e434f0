#include "platform/gdi/window_region.h"

#include <gtest/gtest.h>
#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/colour.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/region.h"
#include "tests/platform/gdi/canvas.h"

namespace {

using namespace platform::gdi;
using gdi_test::Canvas;

// A 5 x 3 drawing: row 0 all background, row 1 two runs, row 2 all painted.
class Scan : public ::testing::Test {
protected:
    Scan()
        : canvas(5, 3)
    {
        const QRgb red = qRgb(255, 0, 0);
        canvas.image.setPixel(1, 1, red);
        canvas.image.setPixel(3, 1, red);
        canvas.image.setPixel(4, 1, red);
        for (int x = 0; x < 5; ++x)
            canvas.image.setPixel(x, 2, red);
    }

    // The pixel copy of a window scan: a 24-bit bottom-up bitmap one column and one row larger,
    // rounded up to a multiple of four columns.
    std::vector<unsigned char> CopyPixels(BitmapInfoHeader& header)
    {
        const int w = canvas.image.width(), h = canvas.image.height();
        header.width = w / 4 * 4 + 4;
        header.height = h + 1;
        header.bitCount = 24;
        HDC memory = CreateCompatibleDC(canvas.hdc());
        HBITMAP bitmap = CreateDIBSection(memory, header, DIB_RGB_COLORS);
        HGDIOBJ previous = SelectObject(memory, bitmap);
        EXPECT_TRUE(BitBlt(memory, 0, 0, header.width, header.height, canvas.hdc(), 0, 0, SRCCOPY));
        std::vector<unsigned char> bytes(std::size_t(DibRowBytes(header)) * header.height, 0xAA);
        EXPECT_EQ(
            GetDIBits(canvas.hdc(), bitmap, 0, header.height, bytes.data(), header, DIB_RGB_COLORS),
            header.height);
        SelectObject(memory, previous);
        EXPECT_TRUE(DeleteDC(memory));
        EXPECT_TRUE(DeleteObject(bitmap));
        return bytes;
    }

    Canvas canvas;
};

TEST_F(Scan, CopyIsBottomUpBlueGreenRed)
{
    const LiveObjects before = CountLiveObjects();
    BitmapInfoHeader header;
    const std::vector<unsigned char> bytes = CopyPixels(header);
    EXPECT_EQ(CountLiveObjects(), before);
    ASSERT_EQ(header.width, 8);
    ASSERT_EQ(DibRowBytes(header), 24); // 3 x 8: no padding
    // Pixel (x, y) of the drawing lies in row H - y of the copy; row 0 is the extra bottom line.
    auto pixel = [&](int x, int y) {
        const unsigned char* p = &bytes[std::size_t(3 - y) * 24 + 3 * x];
        return Rgb(p[2], p[1], p[0]);
    };
    EXPECT_EQ(pixel(0, 0), gdi_test::kBackground);
    EXPECT_EQ(pixel(1, 1), Rgb(255, 0, 0));
    EXPECT_EQ(pixel(2, 1), gdi_test::kBackground);
    EXPECT_EQ(pixel(4, 2), Rgb(255, 0, 0));
    EXPECT_EQ(bytes[0], 0);              // the extra line stays black
    EXPECT_EQ(bytes[3 * 5 + 24 * 2], 0); // so does the extra column
}

TEST_F(Scan, RunsBecomeTheWindowShape)
{
    BitmapInfoHeader header;
    const std::vector<unsigned char> bytes = CopyPixels(header);
    const LiveObjects before = CountLiveObjects();
    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    for (int y = 0; y < 3; ++y) {
        int x = 0;
        auto same = [&](int px) {
            const unsigned char* p = &bytes[std::size_t(3 - y) * 24 + 3 * px];
            return Rgb(p[2], p[1], p[0]) == gdi_test::kBackground;
        };
        while (x < 5) {
            while (x < 5 && same(x))
                ++x;
            if (x == 5)
                break;
            const int start = x;
            while (x < 5 && !same(x))
                ++x;
            HRGN run = CreateRectRgn(start, y, x, y + 1);
            CombineRgn(shape, shape, run, RGN_OR);
            DeleteObject(run);
        }
    }
    WindowRegion window;
    EXPECT_FALSE(window.IsShaped());
    EXPECT_EQ(SetWindowRgn(window, shape, true), 1);
    EXPECT_EQ(CountLiveObjects(), before); // the window took the region over
    EXPECT_EQ(window.Shape(),
              QRegion(1, 1, 1, 1).united(QRegion(3, 1, 2, 1)).united(QRegion(0, 2, 5, 1)));
    EXPECT_FALSE(window.Shows(QPoint(2, 1), QSize(5, 3)));
    EXPECT_TRUE(window.Shows(QPoint(3, 1), QSize(5, 3)));
    const QImage mask = WindowMask(window, QSize(5, 3));
    EXPECT_EQ(mask.pixelIndex(0, 0), 0);
    EXPECT_EQ(mask.pixelIndex(4, 1), 1);
    EXPECT_EQ(mask.pixelIndex(2, 2), 1);
}

TEST(WindowRegion, EachShapeReplacesTheLast)
{
    WindowRegion window;
    const QSize size(10, 10);
    EXPECT_TRUE(window.Shows(QPoint(9, 9), size));

    EXPECT_EQ(SetWindowRgn(window, CreateRectRgn(0, 0, 5, 5), true), 1);
    EXPECT_EQ(SetWindowRgn(window, CreateRectRgn(5, 5, 10, 10), false), 1);
    EXPECT_FALSE(window.Shows(QPoint(1, 1), size)); // nothing of the first shape is left
    EXPECT_TRUE(window.Shows(QPoint(7, 7), size));
    EXPECT_FALSE(window.RedrawRequested());
    const int revision = window.Revision();

    // A region that is not (or no longer) there leaves the shape in force.
    HRGN gone = CreateRectRgn(0, 0, 1, 1);
    DeleteObject(gone);
    EXPECT_EQ(SetWindowRgn(window, gone, true), 0);
    EXPECT_EQ(window.Revision(), revision);
    EXPECT_TRUE(window.Shows(QPoint(7, 7), size));

    // An empty region hides the window: nothing shows and no pixel takes a click.
    EXPECT_EQ(SetWindowRgn(window, CreateRectRgn(0, 0, 0, 0), true), 1);
    EXPECT_TRUE(window.IsHidden());
    EXPECT_FALSE(window.Shows(QPoint(7, 7), size));
    EXPECT_EQ(WindowMask(window, size).pixelIndex(7, 7), 0);

    // A null region gives the whole rectangle back.
    EXPECT_EQ(SetWindowRgn(window, HRGN{}, true), 1);
    EXPECT_FALSE(window.IsShaped());
    EXPECT_TRUE(window.Shows(QPoint(0, 0), size));
    EXPECT_EQ(WindowMask(window, size).pixelIndex(0, 0), 1);
}

TEST(Dib, RejectsWhatItCannotHold)
{
    BitmapInfoHeader header;
    header.width = 4;
    header.height = 4;
    header.bitCount = 8;
    EXPECT_FALSE(CreateDIBSection(HDC{}, header, DIB_RGB_COLORS));
    header.bitCount = 24;
    header.width = 0;
    EXPECT_FALSE(CreateDIBSection(HDC{}, header, DIB_RGB_COLORS));
}

} // namespace

// Drawing with the toolkit's real fonts; needs a running application object.
#include <QFontInfo>
#include <QGuiApplication>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/gdi/font_family.h"
#include "platform/gdi/gdi.h"
#include "tests/platform/gdi/canvas.h"
#include "tests/support/render_dir.h"

namespace {

using namespace platform::gdi;
using gdi_test::Canvas;

TEST(RealText, FaceNamesMapToTheFamiliesTheWindowsUse)
{
    struct Case {
        const char* name;
        const char* face;
        const char* family;
    };
    const Case cases[] = {
        {"the windows' font", "MS Sans Serif", "Liberation Sans"},
        {"any case", "ms sans serif", "Liberation Sans"},
        {"Tahoma", "Tahoma", "DejaVu Sans Condensed"},
        {"Lucida Console", "Lucida Console", "DejaVu Sans Mono"},
        {"an installed family as it is", "DejaVu Serif", "DejaVu Serif"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LogFont lf;
        lf.height = -11;
        lf.faceName = c.face;
        EXPECT_EQ(DrawingFamily(c.face), c.family);
        const QFont font = ToolkitFont(lf);
        EXPECT_EQ(font.family().toStdString(), c.family);
        EXPECT_EQ(QFontInfo(font).family().toStdString(), c.family);
    }
}

TEST(RealText, PaintsOnlyGlyphPixelsInTheTextColour)
{
    Canvas canvas(80, 30);
    HFONT font = CreateFontA(-16, 0, 0, 0, 700, 0, 0, 0, 0, 0, 0, 0, 0, "DejaVu Sans");
    HGDIOBJ previous = SelectObject(canvas.hdc(), font);
    SetTextColor(canvas.hdc(), Rgb(200, 0, 0));
    SetTextAlign(canvas.hdc(), TA_CENTER | TA_BASELINE);
    EXPECT_TRUE(TextOutA(canvas.hdc(), 40, 20, "M\xC4g", 3)); // CP1252 A-umlaut

    int painted = 0, left = 80, right = -1, top = 30;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 80; ++x) {
            const COLORREF c = canvas.At(x, y);
            if (c == gdi_test::kBackground)
                continue;
            ASSERT_EQ(c, Rgb(200, 0, 0)) << "blended pixel at " << x << "," << y;
            ++painted;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
        }
    }
    EXPECT_GT(painted, 30);
    LogFont lf;
    GetFontInfo(font, lf);
    const TextExtent extent = MeasureText(lf, "M\xC4g");
    // Centred on x = 40 within the glyphs' side bearings.
    EXPECT_GE(left, 40 - extent.width / 2);
    EXPECT_LT(right, 40 - extent.width / 2 + extent.width);
    EXPECT_NEAR((left + right) / 2.0, 40, 3);
    EXPECT_GE(top, 20 - extent.ascent);
    SelectObject(canvas.hdc(), previous);
    DeleteObject(font);
}

TEST(RealText, EscapementNineHundredReadsUpwardsLeftOfTheBaseline)
{
    Canvas canvas(40, 100);
    HFONT font = CreateFontA(-16, 0, 900, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "DejaVu Sans");
    HGDIOBJ previous = SelectObject(canvas.hdc(), font);
    SetTextAlign(canvas.hdc(), TA_LEFT | TA_BASELINE);
    TextOutA(canvas.hdc(), 25, 95, "Wert 100", 8);
    const Rect box = canvas.PaintedBox();
    const int left = box.left, right = box.right - 1, top = box.top, bottom = box.bottom - 1;
    EXPECT_LE(right, 25);                        // glyphs stand left of the vertical baseline
    EXPECT_LE(bottom, 95);                       // and start at the reference point going up
    EXPECT_GT(bottom - top, 3 * (right - left)); // a tall, narrow run of text
    SelectObject(canvas.hdc(), previous);
    DeleteObject(font);
}

// A small control drawn the way the progress painters draw: cleared, a ramp of one-pixel
// columns, a tiled picture, a flat outline, a 3-D edge and text in two directions.
void PaintSample(QImage& image)
{
    ImageDC dc(image);
    const HDC hdc = dc.hdc();
    image.fill(QColor(212, 208, 200));
    const int w = image.width(), h = image.height();
    for (int i = 0; i < 120; ++i) {
        const Point column[] = {{i + 4, 4}, {i + 5, 4}, {i + 5, 24}, {i + 4, 24}};
        HRGN region = CreatePolygonRgn(column, 4, ALTERNATE);
        HBRUSH brush = CreateSolidBrush(Rgb(128 - i, 2 * i, 255 - 2 * i));
        FillRgn(hdc, region, brush);
        DeleteObject(brush);
        DeleteObject(region);
    }
    QImage tile(8, 8, QImage::Format_RGB32);
    tile.fill(QColor(0, 90, 0));
    for (int k = 0; k < 8; ++k)
        tile.setPixel(k, k, qRgb(120, 230, 120));
    auto picture = Picture::FromImage(tile);
    const Point bar[] = {{4, 30}, {124, 30}, {124, 46}, {4, 46}};
    HRGN region = CreatePolygonRgn(bar, 4, ALTERNATE);
    HBRUSH pattern = CreatePatternBrush(picture->Handle());
    FillRgn(hdc, region, pattern);
    DeleteObject(pattern);
    DeleteObject(region);

    SetDCPenColor(hdc, Rgb(255, 0, 0));
    const Point frame[] = {{1, 1}, {w - 1, 1}, {w - 1, h - 1}, {1, h - 1}};
    Polygon(hdc, frame, 4);
    Rect edge{130, 4, w - 4, h - 4};
    DrawEdge(hdc, edge, EDGE_SUNKEN, BF_RECT | BF_ADJUST);

    HFONT font = CreateFontA(-MulDiv(8, GetDeviceCaps(hdc, LOGPIXELSY), 72), 0, 0, 0, 700, 0, 0, 0,
                             0, 0, 0, 0, 0, "DejaVu Sans");
    HGDIOBJ previous = SelectObject(hdc, font);
    SetTextAlign(hdc, TA_CENTER | TA_BASELINE);
    SetTextColor(hdc, Rgb(255, 255, 255));
    TextOutA(hdc, 64, 18, "37 %", 4);
    SelectObject(hdc, previous);
    DeleteObject(font);

    HFONT upright = CreateFontA(-11, 0, 900, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "DejaVu Sans");
    previous = SelectObject(hdc, upright);
    SetTextAlign(hdc, TA_LEFT | TA_BASELINE);
    SetTextColor(hdc, Rgb(0, 0, 0));
    TextOutA(hdc, 146, h - 8, "upward", 6);
    SelectObject(hdc, previous);
    DeleteObject(upright);
}

TEST(SampleDrawing, LeavesNoLiveObjectAndIsSaved)
{
    QImage image(160, 52, QImage::Format_RGB32);
    const LiveObjects before = CountLiveObjects();
    PaintSample(image);
    EXPECT_EQ(CountLiveObjects(), before);
    EXPECT_EQ(image.pixel(2, 30), qRgb(212, 208, 200)); // left of the bar: untouched
    EXPECT_EQ(image.pixel(4, 30), qRgb(0, 90, 0));      // tile pixel (4 mod 8, 30 mod 8) = (4, 6)
    EXPECT_EQ(image.pixel(6, 30), qRgb(120, 230, 120)); // (6, 6) lies on the tile's diagonal
    EXPECT_TRUE(testing_support::SaveRender(image.scaled(image.size() * 4), "gdi_sample.png"));
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include "platform/gdi/region.h"

#include <gtest/gtest.h>
#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/brush.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/objects.h"
#include "tests/platform/gdi/canvas.h"

namespace {

using namespace platform::gdi;
using gdi_test::Canvas;
using gdi_test::Rows;

TEST(PolygonRegion, RectangleCoversLeftAndTopEdgesOnly)
{
    struct Case {
        const char* name;
        std::vector<Point> points;
        QRegion expected;
    };
    const Case cases[] = {
        {"clockwise", {{2, 2}, {100, 2}, {100, 15}, {2, 15}}, QRegion(2, 2, 98, 13)},
        {"counter-clockwise", {{2, 2}, {2, 15}, {100, 15}, {100, 2}}, QRegion(2, 2, 98, 13)},
        {"starting bottom right", {{100, 15}, {2, 15}, {2, 2}, {100, 2}}, QRegion(2, 2, 98, 13)},
        {"turned inside out", {{12, 12}, {8, 12}, {8, 3}, {12, 3}}, QRegion(8, 3, 4, 9)},
        {"one column", {{5, 0}, {6, 0}, {6, 3}, {5, 3}}, QRegion(5, 0, 1, 3)},
        {"zero width", {{5, 1}, {5, 1}, {5, 9}, {5, 9}}, QRegion()},
        {"zero height", {{1, 4}, {9, 4}, {9, 4}, {1, 4}}, QRegion()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int mode : {ALTERNATE, WINDING}) {
            HRGN region = CreatePolygonRgn(c.points.data(), 4, mode);
            ASSERT_TRUE(region);
            EXPECT_EQ(RegionPixels(region), c.expected);
            EXPECT_TRUE(DeleteObject(region));
        }
    }
}

TEST(PolygonRegion, SlopedSideTakesPixelCentres)
{
    // The hypotenuse from (4, 0) to (0, 4) meets row y at x = 4 - y; pixels whose centre lies
    // left of it are in.
    const Point triangle[] = {{0, 0}, {4, 0}, {0, 4}};
    Canvas canvas(5, 5);
    HRGN region = CreatePolygonRgn(triangle, 3, ALTERNATE);
    HBRUSH brush = CreateSolidBrush(Rgb(255, 0, 0));
    EXPECT_TRUE(FillRgn(canvas.hdc(), region, brush));
    EXPECT_EQ(canvas.Map({{Rgb(255, 0, 0), '#'}}),
              Rows({"####.", "###..", "##...", "#....", "....."}));
    DeleteObject(brush);
    DeleteObject(region);
}

TEST(PolygonRegion, FillModesDifferOnlyForCrossingSides)
{
    const Point star[] = {{50, 0}, {80, 100}, {0, 38}, {100, 38}, {20, 100}};
    HRGN alternate = CreatePolygonRgn(star, 5, ALTERNATE);
    HRGN winding = CreatePolygonRgn(star, 5, WINDING);
    EXPECT_FALSE(PtInRegion(alternate, 50, 55)); // the pentagon in the middle
    EXPECT_TRUE(PtInRegion(winding, 50, 55));
    EXPECT_TRUE(PtInRegion(alternate, 50, 10)); // a point of the star
    EXPECT_TRUE(PtInRegion(winding, 50, 10));
    DeleteObject(alternate);
    DeleteObject(winding);
    EXPECT_FALSE(CreatePolygonRgn(star, 1, ALTERNATE));
    EXPECT_FALSE(CreatePolygonRgn(star, 5, 3));
}

TEST(PolygonRegion, HugeCoordinatesStayBounded)
{
    const Point points[] = {{2, 2}, {2147483647, 2}, {2147483647, 2147483647}, {2, 2147483647}};
    HRGN region = CreatePolygonRgn(points, 4, ALTERNATE);
    EXPECT_TRUE(PtInRegion(region, 2, 2));
    EXPECT_TRUE(PtInRegion(region, 5000, 5000));
    EXPECT_FALSE(PtInRegion(region, 1, 5));
    DeleteObject(region);
}

TEST(FillRgn, PatternIsTiledFromTheDeviceOrigin)
{
    // A 2 x 2 tile a b / c d. The filled rectangle starts at the odd column 3 and row 1: tiled
    // from the device origin its corner pixel is d; anchored at the region it would be a.
    QImage tile(2, 2, QImage::Format_RGB32);
    tile.setPixel(0, 0, qRgb(255, 0, 0));
    tile.setPixel(1, 0, qRgb(0, 255, 0));
    tile.setPixel(0, 1, qRgb(0, 0, 255));
    tile.setPixel(1, 1, qRgb(255, 255, 255));
    HBITMAP bitmap = CreateBitmapFromImage(tile);
    HBRUSH brush = CreatePatternBrush(bitmap);
    ASSERT_TRUE(brush);
    EXPECT_TRUE(DeleteObject(bitmap)); // the brush keeps its own copy

    Canvas canvas(8, 5);
    HRGN region = CreateRectRgn(3, 1, 8, 4);
    EXPECT_TRUE(FillRgn(canvas.hdc(), region, brush));
    EXPECT_EQ(canvas.Map({{Rgb(255, 0, 0), 'a'},
                          {Rgb(0, 255, 0), 'b'},
                          {Rgb(0, 0, 255), 'c'},
                          {Rgb(255, 255, 255), 'd'}}),
              Rows({"........", "...dcdcd", "...babab", "...dcdcd", "........"}));
    DeleteObject(region);
    DeleteObject(brush);
    EXPECT_FALSE(CreatePatternBrush(HBITMAP{}));
}

TEST(CombineRgn, UnitesIntersectsAndReportsTheKind)
{
    HRGN a = CreateRectRgn(0, 0, 4, 2);
    HRGN b = CreateRectRgn(2, 0, 6, 4);
    HRGN target = CreateRectRgn(0, 0, 0, 0);
    EXPECT_TRUE(RegionPixels(target).isEmpty());

    EXPECT_EQ(CombineRgn(target, a, b, RGN_OR), COMPLEXREGION);
    EXPECT_EQ(RegionPixels(target), QRegion(0, 0, 4, 2).united(QRegion(2, 0, 4, 4)));
    EXPECT_EQ(CombineRgn(target, a, b, RGN_AND), SIMPLEREGION);
    EXPECT_EQ(RegionPixels(target), QRegion(2, 0, 2, 2));
    EXPECT_EQ(CombineRgn(target, a, a, RGN_DIFF), NULLREGION);
    EXPECT_EQ(CombineRgn(target, b, HRGN{}, RGN_COPY), SIMPLEREGION);
    EXPECT_EQ(RegionPixels(target), QRegion(2, 0, 4, 4));
    // The destination as its own source, as the scan of a window shape does.
    EXPECT_EQ(CombineRgn(target, target, a, RGN_OR), COMPLEXREGION);
    EXPECT_TRUE(PtInRegion(target, 0, 0));
    EXPECT_EQ(CombineRgn(target, a, HRGN{}, RGN_OR), ERROR_REGION);
    EXPECT_EQ(CombineRgn(target, a, b, 9), ERROR_REGION);
    for (HRGN r : {a, b, target})
        DeleteObject(r);
}

TEST(PolygonOutline, CoversEveryVertexAndSegment)
{
    Canvas canvas(6, 5);
    SetDCPenColor(canvas.hdc(), Rgb(255, 0, 0));
    const Point frame[] = {{1, 1}, {5, 1}, {5, 4}, {1, 4}};
    EXPECT_TRUE(Polygon(canvas.hdc(), frame, 4));
    EXPECT_EQ(canvas.Map({{Rgb(255, 0, 0), '#'}}),
              Rows({"......", ".#####", ".#...#", ".#...#", ".#####"}));

    Canvas open(5, 4);
    SetDCPenColor(open.hdc(), Rgb(255, 0, 0));
    const Point zigzag[] = {{0, 0}, {3, 3}, {4, 0}};
    EXPECT_TRUE(Polyline(open.hdc(), zigzag, 3));
    EXPECT_EQ(open.Map({{Rgb(255, 0, 0), '#'}}), Rows({"#...#", ".#..#", "..##.", "...#."}));
}

TEST(PolygonOutline, FillsOnlyWithASelectedBrush)
{
    Canvas canvas(5, 5);
    const Point square[] = {{0, 0}, {4, 0}, {4, 4}, {0, 4}};
    SetDCPenColor(canvas.hdc(), Rgb(255, 0, 0));
    HBRUSH brush = CreateSolidBrush(Rgb(0, 0, 255));
    HGDIOBJ previous = SelectObject(canvas.hdc(), brush);
    EXPECT_EQ(previous, GetStockObject(NULL_BRUSH));
    Polygon(canvas.hdc(), square, 4);
    EXPECT_EQ(canvas.Map({{Rgb(255, 0, 0), '#'}, {Rgb(0, 0, 255), 'o'}}),
              Rows({"#####", "#ooo#", "#ooo#", "#ooo#", "#####"}));
    SelectObject(canvas.hdc(), previous);
    EXPECT_TRUE(DeleteObject(brush));
}

} // namespace

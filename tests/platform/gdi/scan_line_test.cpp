// The layer writes whole scan lines; these compare what it paints with a rule applied pixel by
// pixel here, and with the toolkit's own per-pixel calls, word for word.
#include <gtest/gtest.h>

#include <QImage>
#include <QRegion>
#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/brush.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/region.h"
#include "platform/gdi/window_region.h"

namespace {

using namespace platform::gdi;

constexpr int kWidth = 48;
constexpr int kHeight = 36;

// Each format a surface of ours can have, and one that has no 32-bit words.
const QImage::Format kFormats[] = {QImage::Format_RGB32, QImage::Format_ARGB32,
                                   QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB888};

// Random bytes, alpha included: a word the layer copies without reading it still has to end
// up as the per-pixel calls leave it.
QImage Noise(int width, int height, QImage::Format format, std::mt19937& random)
{
    QImage image(width, height, format);
    for (int y = 0; y < height; ++y) {
        uchar* line = image.scanLine(y);
        for (qsizetype i = 0; i < image.bytesPerLine(); ++i)
            line[i] = uchar(random());
    }
    return image;
}

bool SameBytes(const QImage& a, const QImage& b)
{
    if (a.size() != b.size() || a.format() != b.format())
        return false;
    const qsizetype used = (qsizetype(a.width()) * a.depth() + 7) / 8;
    for (int y = 0; y < a.height(); ++y) {
        if (std::memcmp(a.constScanLine(y), b.constScanLine(y), std::size_t(used)) != 0)
            return false;
    }
    return true;
}

// The region rule, pixel by pixel: row y meets the side from a to b when
// min(a.y, b.y) <= y < max(a.y, b.y); the pixel is in when the crossings at or left of its
// centre are odd in number (alternate) or do not sum to zero by direction (winding).
bool InsidePolygon(const std::vector<Point>& points, bool winding, int x, int y)
{
    const double centre = x + 0.5;
    int count = 0, sum = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Point& a = points[i];
        const Point& b = points[(i + 1) % points.size()];
        if (a.y == b.y || y < std::min(a.y, b.y) || y >= std::max(a.y, b.y))
            continue;
        const double crossing = a.x + double(y - a.y) * (double(b.x) - a.x) / (double(b.y) - a.y);
        if (crossing <= centre) {
            ++count;
            sum += b.y > a.y ? 1 : -1;
        }
    }
    return winding ? sum != 0 : count % 2 == 1;
}

struct Shape {
    const char* name;
    std::vector<Point> points;
};

// Fixed shapes, degenerate ones among them, then random ones reaching past every edge.
std::vector<Shape> Shapes()
{
    std::vector<Shape> shapes = {
        {"triangle", {{3, 2}, {40, 9}, {12, 33}}},
        {"self-crossing star", {{24, 0}, {38, 34}, {0, 12}, {47, 12}, {9, 34}}},
        {"bow tie", {{2, 2}, {40, 30}, {40, 2}, {2, 30}}},
        {"two points", {{5, 5}, {30, 20}}},
        {"all on one row", {{1, 7}, {20, 7}, {40, 7}}},
        {"all on one column", {{9, 1}, {9, 20}, {9, 30}}},
        {"repeated vertices", {{4, 4}, {4, 4}, {30, 4}, {30, 4}, {30, 25}, {4, 25}}},
        {"collinear run", {{0, 0}, {10, 10}, {20, 20}, {0, 20}}},
        {"thin sliver", {{0, 0}, {47, 1}, {0, 2}}},
        {"far off the image", {{-500, -400}, {600, -300}, {700, 500}, {-300, 450}}},
        {"wholly outside", {{60, 40}, {90, 40}, {90, 80}}},
        {"axis rectangle turned inside out", {{30, 25}, {5, 25}, {5, 3}, {30, 3}}},
        {"half-pixel slopes", {{0, 0}, {1, 2}, {3, 6}, {47, 35}, {0, 35}}},
    };
    std::mt19937 random(20261210);
    std::uniform_int_distribution<int> x(-12, kWidth + 12), y(-12, kHeight + 12), n(3, 9);
    for (int k = 0; k < 60; ++k) {
        Shape s{"random", {}};
        const int count = n(random);
        for (int i = 0; i < count; ++i)
            s.points.push_back({x(random), y(random)});
        shapes.push_back(s);
    }
    return shapes;
}

// Paints the pixels the rule picks with setPixel, the way the layer painted before.
template <class Rule>
void PaintByRule(QImage& image, const Rule& inside, const QImage* tile, QRgb solid)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!inside(x, y))
                continue;
            image.setPixel(x, y, tile ? tile->pixel(x % tile->width(), y % tile->height()) : solid);
        }
    }
}

TEST(ScanLines, PolygonRegionsFillTheRulesPixels)
{
    std::mt19937 random(7);
    const QRgb solid = qRgb(10, 200, 30);
    const HBRUSH solidBrush = CreateSolidBrush(Rgb(10, 200, 30));
    for (const Shape& shape : Shapes()) {
        SCOPED_TRACE(shape.name);
        for (int mode : {ALTERNATE, WINDING}) {
            SCOPED_TRACE(mode == WINDING ? "winding" : "alternate");
            const HRGN region =
                CreatePolygonRgn(shape.points.data(), int(shape.points.size()), mode);
            ASSERT_TRUE(region);
            auto inside = [&](int x, int y) {
                return InsidePolygon(shape.points, mode == WINDING, x, y);
            };
            QRegion expected;
            for (int y = -20; y < kHeight + 20; ++y) {
                for (int x = -20; x < kWidth + 20; ++x) {
                    if (inside(x, y))
                        expected += QRect(x, y, 1, 1);
                }
            }
            const QRegion visible =
                RegionPixels(region).intersected(QRect(-20, -20, kWidth + 40, kHeight + 40));
            EXPECT_EQ(visible.xored(expected), QRegion());

            for (QImage::Format format : kFormats) {
                QImage image = Noise(kWidth, kHeight, format, random);
                QImage reference = image.copy();
                {
                    ImageDC dc(image);
                    EXPECT_TRUE(FillRgn(dc.hdc(), region, solidBrush));
                }
                PaintByRule(reference, inside, nullptr, solid);
                EXPECT_TRUE(SameBytes(image, reference)) << "format " << int(format);
            }
            DeleteObject(region);
        }
    }
    DeleteObject(solidBrush);
}

TEST(ScanLines, PolygonRegionsAreOneRectangleWherePossible)
{
    struct Case {
        const char* name;
        std::vector<Point> points;
        int kind;
    };
    const Case cases[] = {
        {"rectangle with a vertex mid-side",
         {{0, 0}, {10, 0}, {20, 0}, {20, 10}, {0, 10}},
         SIMPLEREGION},
        {"two bars meeting in one row",
         {{0, 0}, {4, 0}, {4, 3}, {8, 3}, {8, 0}, {12, 0}, {12, 6}, {0, 6}},
         COMPLEXREGION},
        {"zero width", {{5, 1}, {5, 1}, {5, 9}, {5, 9}, {5, 4}}, NULLREGION},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const HRGN region = CreatePolygonRgn(c.points.data(), int(c.points.size()), WINDING);
        const HRGN copy = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(CombineRgn(copy, region, HRGN{}, RGN_COPY), c.kind);
        DeleteObject(region);
        DeleteObject(copy);
    }
}

TEST(ScanLines, PatternBrushesTileFromTheOriginOverCombinedRegions)
{
    struct Case {
        const char* name;
        int tileWidth, tileHeight;
        int mode;
    };
    const Case cases[] = {
        {"one pixel tile, union", 1, 1, RGN_OR},
        {"narrow tall tile, difference", 3, 17, RGN_DIFF},
        {"tile wider than the image, intersection", 70, 5, RGN_AND},
        {"tile of the image's size, exclusive or", kWidth, kHeight, RGN_XOR},
        {"odd tile, copy", 7, 5, RGN_COPY},
    };
    std::mt19937 random(11);
    const std::vector<Shape> shapes = Shapes();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // A tile whose words carry stray alpha bytes: the brush must read it as pixel() does.
        const QImage tileImage = Noise(c.tileWidth, c.tileHeight, QImage::Format_RGB32, random);
        const HBITMAP bitmap = CreateBitmapFromImage(tileImage);
        const HBRUSH brush = CreatePatternBrush(bitmap);
        const QImage* tile = BitmapImage(bitmap);
        ASSERT_TRUE(brush);
        for (std::size_t k = 0; k + 1 < shapes.size(); k += 7) {
            const Shape& a = shapes[k];
            const Shape& b = shapes[k + 1];
            SCOPED_TRACE(std::string(a.name) + " with " + b.name);
            const HRGN first = CreatePolygonRgn(a.points.data(), int(a.points.size()), WINDING);
            const HRGN second = CreatePolygonRgn(b.points.data(), int(b.points.size()), ALTERNATE);
            const HRGN combined = CreateRectRgn(0, 0, 0, 0);
            ASSERT_NE(CombineRgn(combined, first, second, c.mode), ERROR_REGION);
            auto inside = [&](int x, int y) {
                const bool p = InsidePolygon(a.points, true, x, y);
                const bool q = InsidePolygon(b.points, false, x, y);
                switch (c.mode) {
                case RGN_OR:
                    return p || q;
                case RGN_AND:
                    return p && q;
                case RGN_XOR:
                    return p != q;
                case RGN_DIFF:
                    return p && !q;
                default:
                    return p;
                }
            };
            for (QImage::Format format : kFormats) {
                QImage image = Noise(kWidth, kHeight, format, random);
                QImage reference = image.copy();
                {
                    ImageDC dc(image);
                    EXPECT_TRUE(FillRgn(dc.hdc(), combined, brush));
                }
                PaintByRule(reference, inside, tile, 0);
                EXPECT_TRUE(SameBytes(image, reference)) << "format " << int(format);
            }
            DeleteObject(first);
            DeleteObject(second);
            DeleteObject(combined);
        }
        DeleteObject(brush);
        DeleteObject(bitmap);
    }
}

TEST(ScanLines, BlockCopiesMatchPixelCopies)
{
    struct Case {
        const char* name;
        int x, y, width, height, sourceX, sourceY;
    };
    const Case cases[] = {
        {"whole surface", 0, 0, kWidth, kHeight, 0, 0},
        {"inside", 5, 7, 20, 11, 3, 2},
        {"hanging off the target's right and bottom", 40, 30, 30, 30, 0, 0},
        {"from before the source's origin", 2, 3, 25, 25, -9, -4},
        {"to before the target's origin", -6, -2, 30, 20, 4, 4},
        {"empty", 3, 3, 0, 9, 0, 0},
        {"negative size", 3, 3, -5, 9, 0, 0},
    };
    std::mt19937 random(3);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (QImage::Format from : kFormats) {
            for (QImage::Format to : kFormats) {
                QImage source = Noise(31, 23, from, random);
                QImage target = Noise(kWidth, kHeight, to, random);
                QImage reference = target.copy();
                {
                    ImageDC sourceDc(source);
                    ImageDC targetDc(target);
                    EXPECT_TRUE(BitBlt(targetDc.hdc(), c.x, c.y, c.width, c.height, sourceDc.hdc(),
                                       c.sourceX, c.sourceY, SRCCOPY));
                }
                for (int row = 0; row < c.height; ++row) {
                    for (int col = 0; col < c.width; ++col) {
                        const QPoint s(c.sourceX + col, c.sourceY + row);
                        const QPoint t(c.x + col, c.y + row);
                        if (source.rect().contains(s) && reference.rect().contains(t))
                            reference.setPixel(t, source.pixel(s));
                    }
                }
                EXPECT_TRUE(SameBytes(target, reference))
                    << "from " << int(from) << " to " << int(to);
            }
        }
    }
}

// A copy within one image reads each word as the pixel walk did, left to right and top to
// bottom, whether or not the two rectangles overlap.
TEST(ScanLines, BlockCopiesWithinOneImageMatchPixelCopies)
{
    struct Case {
        const char* name;
        int x, y, sourceX, sourceY;
    };
    const Case cases[] = {
        {"apart", 30, 20, 0, 0},
        {"same rows, shifted right", 7, 4, 3, 4},
        {"same rows, shifted left", 3, 4, 7, 4},
        {"one row down", 5, 5, 5, 4},
        {"onto itself", 4, 4, 4, 4},
    };
    std::mt19937 random(5);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (QImage::Format format : kFormats) {
            QImage image = Noise(kWidth, kHeight, format, random);
            QImage reference = image.copy();
            {
                ImageDC dc(image);
                EXPECT_TRUE(
                    BitBlt(dc.hdc(), c.x, c.y, 21, 13, dc.hdc(), c.sourceX, c.sourceY, SRCCOPY));
            }
            for (int row = 0; row < 13; ++row) {
                for (int col = 0; col < 21; ++col)
                    reference.setPixel(c.x + col, c.y + row,
                                       reference.pixel(c.sourceX + col, c.sourceY + row));
            }
            EXPECT_TRUE(SameBytes(image, reference)) << "format " << int(format);
        }
    }
}

TEST(ScanLines, WindowMaskSetsExactlyTheShapesBits)
{
    const std::vector<Shape> shapes = Shapes();
    for (int width : {1, 7, 8, 9, 31, 64, 67}) {
        SCOPED_TRACE(width);
        for (std::size_t k = 0; k < shapes.size(); k += 5) {
            SCOPED_TRACE(shapes[k].name);
            const std::vector<Point>& points = shapes[k].points;
            // Stretched sideways, so runs start and end on every bit of a byte.
            std::vector<Point> stretched;
            for (const Point& p : points)
                stretched.push_back({p.x * width / 24, p.y});
            WindowRegion window;
            SetWindowRgn(window,
                         CreatePolygonRgn(stretched.data(), int(stretched.size()), ALTERNATE),
                         false);
            const QImage mask = WindowMask(window, QSize(width, kHeight));
            for (int y = 0; y < kHeight; ++y) {
                for (int x = 0; x < width; ++x) {
                    ASSERT_EQ(mask.pixelIndex(x, y) == 1, InsidePolygon(stretched, false, x, y))
                        << x << "," << y;
                }
            }
        }
    }
}

} // namespace

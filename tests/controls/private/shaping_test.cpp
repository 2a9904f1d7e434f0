#include <gtest/gtest.h>

#include <dlfcn.h>

#include <QImage>
#include <QRegion>

#include "controls/private/window_shaping.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/region.h"

namespace {

using platform::gdi::Rgb;

constexpr QRgb kKey = qRgb(1, 2, 3);

// The region scanned from a small drawing given as rows of '.' (the key colour) and '#'.
QRegion Scan(const std::vector<std::string>& rows, int width = -1)
{
    const int h = int(rows.size());
    const int w = width >= 0 ? width : (h ? int(rows[0].size()) : 0);
    QImage image(std::max(w, 1), std::max(h, 1), QImage::Format_RGB32);
    image.fill(kKey);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < int(rows[std::size_t(y)].size()); ++x) {
            if (rows[std::size_t(y)][std::size_t(x)] == '#')
                image.setPixel(x, y, qRgb(200, 0, 0));
        }
    }
    platform::gdi::ImageDC dc(image);
    const auto before = platform::gdi::CountLiveObjects();
    const auto region = kolvetra::CreateRegionFromDC(dc.hdc(), w, h, Rgb(1, 2, 3));
    QRegion pixels = platform::gdi::RegionPixels(region);
    platform::gdi::DeleteObject(region);
    EXPECT_EQ(platform::gdi::CountLiveObjects(), before);
    return pixels;
}

QRegion Rects(std::initializer_list<QRect> rects)
{
    QRegion r;
    for (const QRect& rect : rects)
        r += rect;
    return r;
}

TEST(CreateRegionFromDC, EachRunOfPixelsThatDifferBecomesOneRectangle)
{
    struct Case {
        const char* name;
        std::vector<std::string> rows;
        QRegion expected;
    };
    const Case cases[] = {
        {"a row all in the key colour adds nothing", {".....", "....."}, QRegion()},
        {"a row differing everywhere is one rectangle",
         {".....", "#####"},
         Rects({QRect(0, 1, 5, 1)})},
        {"runs at both edges and in the middle",
         {"##.#.##"},
         Rects({QRect(0, 0, 2, 1), QRect(3, 0, 1, 1), QRect(5, 0, 2, 1)})},
        // 6 pixels wide: the copy is 8 wide; 7: still 8 (the next multiple of 4 above).
        {"widths around a multiple of 4",
         {"#....#", ".####."},
         Rects({QRect(0, 0, 1, 1), QRect(5, 0, 1, 1), QRect(1, 1, 4, 1)})},
        {"width 8 needs a copy of 12",
         {"#......#", "########", "...##..."},
         Rects({QRect(0, 0, 1, 1), QRect(7, 0, 1, 1), QRect(0, 1, 8, 1), QRect(3, 2, 2, 1)})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Scan(c.rows), c.expected);
    }
}

TEST(CreateRegionFromDC, TheTopRowIsTheFirstRowOfTheControl)
{
    // The copy is stored bottom-up; a mix-up of rows would mirror the shape.
    EXPECT_EQ(Scan({"#..", "...", "..."}), Rects({QRect(0, 0, 1, 1)}));
    EXPECT_EQ(Scan({"...", "...", "..#"}), Rects({QRect(2, 2, 1, 1)}));
}

TEST(CreateRegionFromDC, AZeroSizeGivesAnEmptyRegion)
{
    EXPECT_TRUE(Scan({"###"}, 0).isEmpty());
    EXPECT_TRUE(Scan({}, 3).isEmpty());
}

TEST(TransparentColour, SystemColoursAreResolvedAndOtherValuesKeepTheirColourBytes)
{
    EXPECT_EQ(kolvetra::TransparentColour(0x8000000F), Rgb(212, 208, 200));
    EXPECT_EQ(kolvetra::TransparentColour(0x00E0E0E0), 0xE0E0E0u);
}

} // namespace

namespace {

bool IsLoaded(const char* module)
{
    void* handle = dlopen(module, RTLD_LAZY | RTLD_NOLOAD);
    if (handle)
        dlclose(handle);
    return handle != nullptr;
}

// A module the look-up had to load is handed back; whether it then leaves the process is the
// loader's business (a C++ library with unique symbols stays).
TEST(IsFunctionExported, LooksUpTheFunctionInLoadedAndUnloadedModules)
{
    struct Case {
        const char* name;
        const char* function;
        const char* module;
        bool exported;
    };
    const Case cases[] = {
        {"loaded module, its function", "strlen", "libc.so.6", true},
        {"loaded module, no such function", "NoSuchFunctionAnywhere", "libc.so.6", false},
        {"module loaded for the look-up", "DllGetClassObject", QV_UNLOADED_MODULE, true},
        {"module loaded for the look-up, no such function", "strlen_x", QV_UNLOADED_MODULE, false},
        {"no such module", "strlen", "libnosuchmodule.so.7", false},
        {"no module named", "strlen", "", false},
    };
    ASSERT_FALSE(IsLoaded(QV_UNLOADED_MODULE));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(kolvetra::IsFunctionExported(c.function, c.module), c.exported);
        EXPECT_TRUE(IsLoaded("libc.so.6"));
    }
}

} // namespace

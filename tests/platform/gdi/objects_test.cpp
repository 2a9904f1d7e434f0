#include "platform/gdi/objects.h"

#include <gtest/gtest.h>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/brush.h"
#include "platform/gdi/font.h"
#include "platform/gdi/region.h"
#include "tests/platform/gdi/canvas.h"

namespace {

using namespace platform::gdi;

TEST(LiveObjects, CountsEachKindUntilDeleted)
{
    const LiveObjects before = CountLiveObjects();
    HBRUSH brush = CreateSolidBrush(Rgb(1, 1, 1));
    HRGN region = CreateRectRgn(0, 0, 2, 2);
    HFONT font = CreateFontA(-11, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    HBITMAP bitmap = CreateBitmapFromImage(QImage(2, 2, QImage::Format_RGB32));
    HDC memory = CreateCompatibleDC(HDC{});

    LiveObjects expected = before;
    ++expected.brushes;
    ++expected.regions;
    ++expected.fonts;
    ++expected.bitmaps;
    ++expected.memoryDcs;
    EXPECT_EQ(CountLiveObjects(), expected);
    EXPECT_EQ(CountLiveObjects().total(), before.total() + 5);

    for (HGDIOBJ object : {HGDIOBJ(brush), HGDIOBJ(region), HGDIOBJ(font), HGDIOBJ(bitmap)})
        EXPECT_TRUE(DeleteObject(object));
    EXPECT_TRUE(DeleteDC(memory));
    EXPECT_EQ(CountLiveObjects(), before);
}

TEST(LiveObjects, ADeletedHandleStaysDeadAndIsNotReused)
{
    HBRUSH first = CreateSolidBrush(0);
    EXPECT_TRUE(DeleteObject(first));
    EXPECT_FALSE(DeleteObject(first));
    HBRUSH second = CreateSolidBrush(0);
    EXPECT_NE(first, second);
    EXPECT_EQ(KindOf(first), ObjectKind::None);
    EXPECT_EQ(KindOf(second), ObjectKind::Brush);
    EXPECT_FALSE(DeleteObject(HGDIOBJ{}));
    DeleteObject(second);
}

TEST(LiveObjects, ASelectedObjectCannotBeDeleted)
{
    gdi_test::Canvas canvas(4, 4);
    const LiveObjects before = CountLiveObjects();
    HFONT font = CreateFontA(-11, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    HGDIOBJ previous = SelectObject(canvas.hdc(), font);
    EXPECT_FALSE(DeleteObject(font)); // still the DC's font: it stays alive
    EXPECT_EQ(CountLiveObjects().fonts, before.fonts + 1);
    EXPECT_EQ(SelectObject(canvas.hdc(), previous), HGDIOBJ(font));
    EXPECT_TRUE(DeleteObject(font));
    EXPECT_EQ(CountLiveObjects(), before);
}

TEST(LiveObjects, StockObjectsAreNeitherCountedNorDeleted)
{
    const LiveObjects before = CountLiveObjects();
    HGDIOBJ brush = GetStockObject(NULL_BRUSH);
    HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
    EXPECT_EQ(KindOf(brush), ObjectKind::Brush);
    EXPECT_EQ(KindOf(font), ObjectKind::Font);
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_EQ(KindOf(brush), ObjectKind::Brush);
    EXPECT_EQ(CountLiveObjects(), before);
    EXPECT_FALSE(GetStockObject(1234));
}

TEST(SelectObject, BitmapsOnlyIntoMemoryDcs)
{
    gdi_test::Canvas canvas(4, 4);
    HBITMAP bitmap = CreateBitmapFromImage(QImage(2, 2, QImage::Format_RGB32));
    EXPECT_FALSE(SelectObject(canvas.hdc(), bitmap));
    HRGN region = CreateRectRgn(0, 0, 1, 1);
    EXPECT_FALSE(SelectObject(canvas.hdc(), region));
    EXPECT_FALSE(DeleteDC(canvas.hdc())); // an image DC belongs to its owner

    HDC memory = CreateCompatibleDC(canvas.hdc());
    HGDIOBJ previous = SelectObject(memory, bitmap);
    EXPECT_TRUE(previous);
    EXPECT_FALSE(DeleteObject(bitmap));
    SelectObject(memory, previous);
    EXPECT_TRUE(DeleteDC(memory));
    EXPECT_TRUE(DeleteObject(bitmap));
    DeleteObject(region);
}

} // namespace

#include "app/main_window/bar_picture.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

TEST(BarPictureTest, IsA24BitPictureOf1000By20WithOneColourPerRow)
{
    const QImage picture = MakeBarPicture();
    EXPECT_EQ(picture.size(), QSize(1000, 20));
    EXPECT_EQ(picture.format(), QImage::Format_RGB888);
    EXPECT_EQ(picture.depth(), 24);
    for (int y = 0; y < picture.height(); ++y) {
        SCOPED_TRACE(y);
        const QColor expected = BarPictureRowColour(y);
        for (int x : {0, 1, 499, 998, 999})
            EXPECT_EQ(picture.pixelColor(x, y), expected) << "x " << x;
    }
}

TEST(BarPictureTest, RowsRunFromWhiteThroughDarkBlueToLightCyan)
{
    struct Case {
        const char* name;
        int row;
        QColor colour;
    };
    // The in-between rows are worked out by hand: row 5 is half way from white to dark blue
    // (127.5 and 207.5 round up), row 15 is five ninths of the way from dark blue to light cyan.
    const Case cases[] = {
        {"top row white", 0, QColor(255, 255, 255)},
        {"one step down, halves up", 1, QColor(230, 236, 246)},
        {"half way to the middle", 5, QColor(128, 160, 208)},
        {"last row above the middle", 9, QColor(26, 83, 170)},
        {"middle row exactly dark blue", 10, QColor(0, 64, 160)},
        {"first row below the middle", 11, QColor(7, 85, 171)},
        {"five ninths to the bottom", 15, QColor(36, 170, 213)},
        {"bottom row light cyan", 19, QColor(64, 255, 255)},
    };
    const QImage picture = MakeBarPicture();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(picture.pixelColor(500, c.row), c.colour);
    }
    EXPECT_EQ(kBarPictureMiddleRow, 10);
}

TEST(BarPictureTest, EachHalfChangesSteadilyWithoutRepeatingARow)
{
    // Blue falls from the top to the middle and rises below it; green falls then rises too.
    for (int y = 1; y < 20; ++y) {
        SCOPED_TRACE(y);
        const QColor above = BarPictureRowColour(y - 1), here = BarPictureRowColour(y);
        EXPECT_NE(above, here);
        if (y <= 10) {
            EXPECT_LT(here.red(), above.red());
            EXPECT_LT(here.green(), above.green());
            EXPECT_LT(here.blue(), above.blue());
        } else {
            EXPECT_GT(here.red(), above.red());
            EXPECT_GT(here.green(), above.green());
            EXPECT_GT(here.blue(), above.blue());
        }
    }
}

} // namespace
} // namespace quorvel

#include "app/main_window/bar_picture.h"
#include "app/main_window/frmMain/window_controls.h"
#include "tests/platform/forms/app.h"

#include "platform/com/com.h"

#include <gtest/gtest.h>

namespace {

namespace com = platform::com;

// The window's seven progress displays keep their settings in the program's stored layout.
TEST(StoredLayout, HoldsTheSevenBarsWithTheirSettings)
{
    formstest::App();
    const com::StoredLayout& layout = quorvel::MainWindowLayout();
    ASSERT_EQ(layout.controls.size(), 7u);

    struct Case {
        const char* name;
        int valueType;
        const char* textAfter;
        const char* caption;
        bool buttonFace;
    };
    const Case cases[] = {
        {"pgLoadProject", 0, "", "", false},
        {"pgImportAll", 1, " %", "", false},
        {"pgFP2", 1, " %", "", false},
        {"pgEmphaty1", 1, " %", "Aktuell", true},
        {"pgEmphaty2", 1, " %", "Gesamt", false},
        {"pgInit1", 1, " %", "Aktuell", true},
        {"pgInit2", 1, " %", "Gesamt", false},
    };
    const QImage expected = quorvel::MakeBarPicture();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const com::StoredControl* bar = layout.Find(c.name);
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(bar->classId, "{2C124F7E-DBA8-11D8-BA1B-000000000000}");
        const com::PropertyBag& bag = bar->properties;
        EXPECT_EQ(bag.ReadProperty("SpecialEffects", std::int32_t(0)).ToInt32(), 2);
        EXPECT_EQ(bag.ReadProperty("Scrolling", std::int32_t(0)).ToInt32(), 1);
        EXPECT_EQ(bag.ReadProperty("ValueType", std::int32_t(1)).ToInt32(), c.valueType);
        EXPECT_EQ(bag.ReadProperty("TextAfterValue", "").ToString(), c.textAfter);
        EXPECT_EQ(bag.ReadProperty("Caption", "").ToString(), c.caption);
        EXPECT_EQ(bag.ReadProperty("BackColor", com::OleColor{0x8000000A}).ToColor().value,
                  c.buttonFace ? 0x8000000Fu : 0x8000000Au);
        const com::StdFont font = bag.ReadProperty("Font", com::StdFont{}).ToFont();
        EXPECT_EQ(font.name, "MS Sans Serif");
        EXPECT_EQ(font.size, 8.25);
        const QImage picture = bag.ReadProperty("Picture").ToPicture().Image();
        EXPECT_EQ(picture.convertToFormat(expected.format()), expected);
    }
}

} // namespace

#include "platform/com/stored_layout.h"

#include "test_support.h"

#include <QColor>
#include <gtest/gtest.h>

namespace {

using namespace platform::com;

Picture TiledBar()
{
    QImage image(4, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            image.setPixelColor(x, y, QColor(40 * x, 60 * y, 200));
    return Picture(image);
}

// What a control's WriteProperties leaves in the bag: only what differs from the defaults.
StoredLayout MainWindowBars()
{
    StoredLayout layout;
    for (const char* name : {"pgbLoad", "pgbFP"}) {
        PropertyBag bag;
        StdFont font;
        font.name = "Tahoma";
        font.size = 8.25;
        bag.WriteProperty("Font", Variant(font), Variant(font));
        bag.WriteProperty("SpecialEffects", Variant(2), Variant(0));
        bag.WriteProperty("TextAfterValue", Variant(std::string(name) == "pgbFP" ? " %" : ""),
                          Variant(""));
        bag.WriteProperty("Max", Variant(100.0), Variant(100));
        bag.WriteProperty("Picture", Variant(TiledBar()), Variant(Picture()));
        bag.WriteProperty("Scrolling", Variant(1), Variant(0));
        layout.controls.push_back({"Kolvetra.ProgressBar", name, bag});
    }
    return layout;
}

TEST(StoredLayout, HoldsOnlyTheValuesThatDifferFromTheirDefaults)
{
    const StoredLayout layout = MainWindowBars();
    const std::string text = WriteStoredLayout(layout);
    EXPECT_EQ(text.find("Max"), std::string::npos) << text;
    EXPECT_EQ(text.find("Font"), std::string::npos) << text;
    EXPECT_NE(text.find("Begin Kolvetra.ProgressBar pgbFP\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("    TextAfterValue = \" %\"\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("    SpecialEffects = 2&\r\n"), std::string::npos) << text;

    const StoredLayout back = ParseStoredLayout(text);
    ASSERT_EQ(back.controls.size(), 2u);
    const StoredControl* fp = back.Find("PGBFP");
    ASSERT_NE(fp, nullptr);
    EXPECT_EQ(fp->classId, "Kolvetra.ProgressBar");
    EXPECT_EQ(fp->properties.ReadProperty("TextAfterValue", Variant("")), Variant(" %"));
    EXPECT_EQ(fp->properties.ReadProperty("Max", Variant(100)).ToDouble(), 100);
    const QImage picture = fp->properties.ReadProperty("Picture").ToPicture().Image();
    EXPECT_EQ(picture.convertToFormat(QImage::Format_RGB32),
              TiledBar().Image().convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(WriteStoredLayout(back), text) << "writing the parsed layout changes nothing";
}

TEST(StoredLayout, EveryValueTypeSurvivesTheRoundTrip)
{
    StdFont font;
    font.name = "Courier \"New\"";
    font.size = 9.75;
    font.SetBold(true);
    font.italic = true;
    font.strikethrough = true;
    font.charset = 238;
    const std::pair<const char*, Variant> values[] = {
        {"Empty", Variant()},
        {"Flag", Variant(false)},
        {"Integer", Variant(std::int16_t(-32768))},
        {"Long", Variant(std::int32_t(-2147483647 - 1))},
        {"Double", Variant(0.1)},
        {"WholeDouble", Variant(100.0)},
        {"Tiny", Variant(1e-300)},
        {"Colour", Variant(OleColor{0x80000008})},
        {"Text", Variant("a \"quoted\"\r\nline\twith \\ and \x01 and \xE4")},
        {"Font", Variant(font)},
        {"NoPicture", Variant(Picture())},
    };
    StoredLayout layout;
    layout.controls.push_back({"{2C124F7E-DBA8-11D8-BA1B-000000000000}", "Thing1", {}});
    for (const auto& [name, value] : values)
        layout.controls[0].properties.Set(name, value);

    const StoredLayout back = ParseStoredLayout(WriteStoredLayout(layout));
    EXPECT_EQ(back, layout) << WriteStoredLayout(layout);
}

TEST(StoredLayout, ReadsHandWrittenText)
{
    const StoredLayout layout = ParseStoredLayout("' the main window\n"
                                                  "begin Kolvetra.ProgressBar pgbLoad\n"
                                                  "\tMax = 80\n"
                                                  "   Value = 2.5\n"
                                                  "   BackColor = &hFF\n"
                                                  "\n"
                                                  "   Font = Font(\"Arial\", 10, 700, 0, bold)\n"
                                                  "end\n");
    ASSERT_EQ(layout.controls.size(), 1u);
    const PropertyBag& bag = layout.controls[0].properties;
    EXPECT_EQ(bag.ReadProperty("Max"), Variant(80));
    EXPECT_EQ(bag.ReadProperty("Value"), Variant(2.5));
    EXPECT_EQ(bag.ReadProperty("BackColor"), Variant(OleColor{0xFF}));
    StdFont font = bag.ReadProperty("Font").ToFont();
    EXPECT_EQ(font.name, "Arial");
    EXPECT_TRUE(font.bold);
    EXPECT_EQ(font.weight, 700);
}

TEST(StoredLayout, MalformedTextNamesTheLine)
{
    struct Case {
        const char* name;
        const char* text;
        const char* line;
    };
    const Case cases[] = {
        {"value outside a block", "Max = 1\n", "line 1"},
        {"End without Begin", "End\n", "line 1"},
        {"Begin without a name", "Begin Kolvetra.ProgressBar\n", "line 1"},
        {"nested Begin", "Begin A a\nBegin B b\n", "line 2"},
        {"missing End", "Begin A a\n  Max = 1\n", "block of a"},
        {"open quote", "Begin A a\n  Caption = \"abc\nEnd\n", "line 2"},
        {"unknown word", "Begin A a\n  Caption = abc\nEnd\n", "line 2"},
        {"no equals sign", "Begin A a\n  Caption\nEnd\n", "line 2"},
        {"trailing text", "Begin A a\n  Max = 1& 2\nEnd\n", "line 2"},
        {"Integer out of range", "Begin A a\n  Size = 40000%\nEnd\n", "line 2"},
        {"Long far beyond 64 bits", "Begin A a\n  Max = 1e300&\nEnd\n", "line 2"},
        {"Integer far below 64 bits", "Begin A a\n  Size = -1e30%\nEnd\n", "line 2"},
        {"font weight beyond 64 bits", "Begin A a\n  Font = Font(\"Arial\", 8, 1e300, 0)\nEnd\n",
         "line 2"},
        {"bad escape", "Begin A a\n  Caption = \"\\q\"\nEnd\n", "line 2"},
        {"picture not base64", "Begin A a\n\n  Picture = Picture(\"@@@\")\nEnd\n", "line 3"},
        {"picture not PNG", "Begin A a\n  Picture = Picture(\"aGVsbG8=\")\nEnd\n", "line 2"},
        {"stored twice", "Begin A a\n  Max = 1\n  max = 2\nEnd\n", "line 3"},
        {"font without size", "Begin A a\n  Font = Font(\"Arial\")\nEnd\n", "line 2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            ParseStoredLayout(c.text);
            ADD_FAILURE() << "no error";
        } catch (const platform::RunTimeError& e) {
            EXPECT_EQ(e.number(), 380);
            EXPECT_NE(e.description().find(c.line), std::string::npos) << e.description();
        }
    }
}

TEST(StoredLayout, AnObjectCannotBeStored)
{
    StoredLayout layout;
    layout.controls.push_back({"A", "a", {}});
    layout.controls[0].properties.Set("Child", Variant(ComPtr<IDispatch>()));
    EXPECT_EQ(ErrorNumberOf([&] { WriteStoredLayout(layout); }), 13);
}

} // namespace

#include "platform/com/property_bag.h"

#include <gtest/gtest.h>

namespace {

using namespace platform::com;

TEST(PropertyBag, ValueEqualToItsDefaultIsNotStored)
{
    struct Case {
        const char* name;
        Variant value;
        Variant defaultValue;
        bool stored;
    };
    const Case cases[] = {
        {"double equal to a whole default", Variant(100.0), Variant(100), false},
        {"double above the default", Variant(80.0), Variant(100), true},
        {"colour equal to a Long default", Variant(OleColor{0x8000000A}), Variant(-2147483638),
         false},
        {"Boolean true against true", Variant(true), Variant(true), false},
        {"Boolean false against true", Variant(false), Variant(true), true},
        {"empty caption", Variant(""), Variant(""), false},
        {"caption differing in case", Variant("ABC"), Variant("abc"), true},
        {"no picture", Variant(Picture()), Variant(Picture()), false},
        {"Integer font size 8 against 8", Variant(std::int16_t(8)), Variant(8), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PropertyBag bag;
        bag.WriteProperty("Key", c.value, c.defaultValue);
        EXPECT_EQ(bag.Contains("Key"), c.stored);
        // Reading with the same default gives the value back either way.
        EXPECT_TRUE(ValuesEqual(bag.ReadProperty("Key", c.defaultValue), c.value));
    }
}

TEST(PropertyBag, NamesMatchWithoutRegardToCase)
{
    PropertyBag bag;
    bag.WriteProperty("TextAfterValue", Variant(" %"), Variant(""));
    EXPECT_EQ(bag.ReadProperty("textaftervalue", Variant("")), Variant(" %"));
    bag.WriteProperty("TEXTAFTERVALUE", Variant(" Stk"), Variant(""));
    ASSERT_EQ(bag.Entries().size(), 1u);
    EXPECT_EQ(bag.Entries()[0].first, "TextAfterValue") << "the first spelling stays";
    EXPECT_EQ(bag.Entries()[0].second, Variant(" Stk"));
    EXPECT_EQ(bag.ReadProperty("Missing", Variant(7)), Variant(7));
}

TEST(PropertyBag, WritingTheDefaultDropsAnEarlierValue)
{
    PropertyBag bag;
    bag.WriteProperty("Max", Variant(80.0), Variant(100));
    bag.WriteProperty("Min", Variant(5.0), Variant(0));
    bag.WriteProperty("Max", Variant(100.0), Variant(100));
    ASSERT_EQ(bag.Entries().size(), 1u);
    EXPECT_EQ(bag.Entries()[0].first, "Min");
    EXPECT_EQ(bag.ReadProperty("Max", Variant(100)).ToDouble(), 100);
}

} // namespace

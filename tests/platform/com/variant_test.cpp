#include "platform/com/variant.h"

#include "test_support.h"

#include <gtest/gtest.h>

namespace {

using namespace platform::com;

TEST(Variant, WholeNumberConversionsRoundHalvesToEven)
{
    struct Case {
        const char* name;
        Variant value;
        std::int32_t expected;
    };
    const Case cases[] = {
        {"2.5 down", Variant(2.5), 2},
        {"3.5 up", Variant(3.5), 4},
        {"-2.5 towards zero", Variant(-2.5), -2},
        {"2.6 up", Variant(2.6), 3},
        {"text 8.5", Variant(" 8.5 "), 8},
        {"True is -1", Variant(true), -1},
        {"Empty is 0", Variant(), 0},
        {"colour keeps its bits", Variant(OleColor{0x80000008}), -2147483640},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.value.ToInt32(), c.expected);
    }
    EXPECT_EQ(Variant(8.25).ToInt16(), 8);
}

TEST(Variant, FailedConversionsRaiseTheRuntimeErrors)
{
    struct Case {
        const char* name;
        std::function<void()> body;
        int error;
    };
    const Case cases[] = {
        {"text to double", [] { Variant("abc").ToDouble(); }, 13},
        {"empty text to double", [] { Variant("").ToDouble(); }, 13},
        {"number with trailing text", [] { Variant("12px").ToInt32(); }, 13},
        {"text that is not a Boolean", [] { Variant("yes").ToBool(); }, 13},
        {"font to number", [] { Variant(StdFont{}).ToDouble(); }, 13},
        {"picture to text", [] { Variant(Picture()).ToString(); }, 13},
        {"number to font", [] { Variant(1).ToFont(); }, 13},
        {"number to object", [] { Variant(1).ToObject(); }, 13},
        {"Integer overflow", [] { Variant(40000).ToInt16(); }, 6},
        {"Long overflow", [] { Variant(3e9).ToInt32(); }, 6},
        {"Integer overflow from text", [] { Variant("32768").ToInt16(); }, 6},
        {"colour beyond 32 bits", [] { Variant(5e9).ToColor(); }, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ErrorNumberOf(c.body), c.error);
    }
}

TEST(Variant, TextFormsMatchTheRuntime)
{
    struct Case {
        const char* name;
        Variant value;
        const char* text;
    };
    const Case cases[] = {
        {"whole double", Variant(100.0), "100"},
        {"fraction", Variant(1.5), "1.5"},
        {"tenth", Variant(0.1), "0.1"},
        {"fifteen digits", Variant(1.0 / 3.0), "0.333333333333333"},
        {"large", Variant(1e20), "1E+20"},
        {"negative zero", Variant(-0.0), "0"},
        {"Boolean", Variant(true), "True"},
        {"Integer", Variant(std::int16_t(-8)), "-8"},
        {"font gives its name", Variant(StdFont{}), "Tahoma"},
        {"Empty", Variant(), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.value.ToString(), c.text);
    }
}

TEST(Variant, TextConvertsToNumbersAndBooleans)
{
    EXPECT_DOUBLE_EQ(Variant("1.5").ToDouble(), 1.5);
    EXPECT_DOUBLE_EQ(Variant("-2e3").ToDouble(), -2000);
    EXPECT_DOUBLE_EQ(Variant(".5").ToDouble(), 0.5);
    EXPECT_TRUE(Variant("true").ToBool());
    EXPECT_FALSE(Variant(" FALSE ").ToBool());
    EXPECT_TRUE(Variant("2").ToBool());
    EXPECT_EQ(Variant(2147483656.0).ToColor().value, 0x80000008u);
    EXPECT_EQ(ErrorNumberOf([] { Variant("inf").ToDouble(); }), 13);
    EXPECT_EQ(ErrorNumberOf([] { Variant("+-1").ToDouble(); }), 13);
}

TEST(Variant, ValuesEqualComparesNumbersAcrossTypes)
{
    Picture picture(QImage(2, 2, QImage::Format_RGB32));
    StdFont bold;
    bold.SetBold(true);
    struct Case {
        const char* name;
        Variant a;
        Variant b;
        bool equal;
    };
    const Case cases[] = {
        {"double and Long", Variant(100.0), Variant(100), true},
        {"Integer and double", Variant(std::int16_t(8)), Variant(8.0), true},
        {"colour and its Long", Variant(OleColor{0x80000008}), Variant(-2147483640), true},
        {"True and -1", Variant(true), Variant(-1), true},
        {"different numbers", Variant(100.5), Variant(100), false},
        {"Empty and 0", Variant(), Variant(0), true},
        {"Empty and empty text", Variant(), Variant(""), true},
        {"text and number", Variant("100"), Variant(100), false},
        {"texts differ in case", Variant("a"), Variant("A"), false},
        {"same font", Variant(StdFont{}), Variant(StdFont{}), true},
        {"bold font", Variant(bold), Variant(StdFont{}), false},
        {"no picture and no picture", Variant(Picture()), Variant(Picture()), true},
        {"no picture and Nothing", Variant(Picture()), Variant(ComPtr<IDispatch>()), true},
        {"picture and itself", Variant(picture), Variant(picture), true},
        {"picture and none", Variant(picture), Variant(Picture()), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ValuesEqual(c.a, c.b), c.equal);
        EXPECT_EQ(ValuesEqual(c.b, c.a), c.equal);
    }
}

TEST(StdFont, BoldAndWeightStayInStep)
{
    StdFont f;
    f.SetBold(true);
    EXPECT_EQ(f.weight, 700);
    f.SetWeight(400);
    EXPECT_FALSE(f.bold);
    f.SetWeight(600);
    EXPECT_TRUE(f.bold);
    f.SetSize(8.123456);
    EXPECT_DOUBLE_EQ(f.size, 8.1235);
}

} // namespace

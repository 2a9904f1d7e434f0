#include "platform/com/guid.h"

#include <gtest/gtest.h>

namespace {

using platform::com::Guid;
using platform::com::MakeGuid;

TEST(Guid, ParsesBracedFormInAnyCaseAndPrintsUpperCase)
{
    struct Case {
        const char* name;
        const char* text;
    };
    const Case cases[] = {
        {"upper", "{2C124F7E-DBA8-11D8-BA1B-000000000000}"},
        {"lower", "{2c124f7e-dba8-11d8-ba1b-000000000000}"},
        {"mixed", "{2c124F7e-DbA8-11d8-bA1b-000000000000}"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto g = Guid::Parse(c.text);
        ASSERT_TRUE(g.has_value());
        EXPECT_EQ(g->data1, 0x2C124F7Eu);
        EXPECT_EQ(g->data2, 0xDBA8);
        EXPECT_EQ(g->data3, 0x11D8);
        EXPECT_EQ(g->data4[0], 0xBA);
        EXPECT_EQ(g->data4[1], 0x1B);
        EXPECT_EQ(g->ToString(), "{2C124F7E-DBA8-11D8-BA1B-000000000000}");
        EXPECT_EQ(*g, MakeGuid("{2C124F7E-DBA8-11D8-BA1B-000000000000}"));
    }
}

TEST(Guid, EveryByteSurvivesTheRoundTrip)
{
    const char* text = "{867170B3-7921-464F-A2E1-68193A7308E3}";
    auto g = Guid::Parse(text);
    ASSERT_TRUE(g);
    EXPECT_EQ(g->ToString(), text);
    EXPECT_EQ(g->data4[7], 0xE3);
    EXPECT_NE(*g, *Guid::Parse("{867170B3-7921-464F-A2E1-68193A7308E4}"));
}

TEST(Guid, RejectsMalformedText)
{
    struct Case {
        const char* name;
        const char* text;
    };
    const Case cases[] = {
        {"no braces", "2C124F7E-DBA8-11D8-BA1B-000000000000"},
        {"missing closing brace", "{2C124F7E-DBA8-11D8-BA1B-000000000000"},
        {"dash moved", "{2C124F7ED-BA8-11D8-BA1B-000000000000}"},
        {"non-hex digit", "{2C124F7G-DBA8-11D8-BA1B-000000000000}"},
        {"short last group", "{2C124F7E-DBA8-11D8-BA1B-00000000000}"},
        {"trailing text", "{2C124F7E-DBA8-11D8-BA1B-000000000000}x"},
        {"blank inside", "{2C124F7E-DBA8-11D8-BA1B-0000 0000000}"},
        {"empty", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(Guid::Parse(c.text).has_value());
    }
}

} // namespace

#include "platform/arith/number_text.h"

#include <gtest/gtest.h>

namespace {

TEST(GeneralNumberText, FormatsLikeTheRuntime)
{
    struct Case {
        const char* name;
        double value;
        char separator;
        const char* text;
    };
    const Case cases[] = {
        {"whole", 37, '.', "37"},
        {"fraction", 12.5, '.', "12.5"},
        {"locale comma", 12.5, ',', "12,5"},
        {"negative", -5, '.', "-5"},
        {"negative zero", -0.0, '.', "0"},
        {"fifteen digits", 123456789012345.0, '.', "123456789012345"},
        {"sixteen digits go scientific", 1234567890123456.0, '.', "1.23456789012346E+15"},
        {"one third", 1.0 / 3.0, '.', "0.333333333333333"},
        {"small stays fixed", 0.0001, '.', "0.0001"},
        {"smaller goes scientific", 0.000015, ',', "1,5E-05"},
        {"no trailing zeros", 2.50, '.', "2.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(platform::arith::GeneralNumberText(c.value, c.separator), c.text);
    }
}

} // namespace

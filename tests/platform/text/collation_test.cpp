#include "platform/text/collation.h"

#include <gtest/gtest.h>

namespace {

int Sign(int v)
{
    return (v > 0) - (v < 0);
}

TEST(Collation, PunctuationBeforeDigitsBeforeLettersWithCaseIgnored)
{
    struct Case {
        const char* name;
        const char* a;
        const char* b;
        int order; // sign of CompareNames(a, b)
    };
    const Case cases[] = {
        {"underscore before a letter", "fc_b_grp", "fc_bd_grp", -1},
        {"underscore before a letter, short", "a_grp", "ab_grp", -1},
        {"underscore before a digit", "fc_b_grp", "fc_b2_grp", -1},
        {"digit before a letter", "fc_b2_grp", "fc_bd_grp", -1},
        {"case ignored", "Alpha", "beta", -1},
        {"accented capital as its small letter", "\xC4rger", "\xE4rmel", -1},
        {"a prefix first", "zx", "zx_a", -1},
        {"same text", "zx_a", "zx_a", 0},
        {"only case differs: by bytes", "ZX", "zx", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Sign(platform::CompareNames(c.a, c.b)), c.order);
        EXPECT_EQ(Sign(platform::CompareNames(c.b, c.a)), -c.order);
        EXPECT_EQ(platform::NameBefore(c.a, c.b), c.order < 0);
    }
}

} // namespace

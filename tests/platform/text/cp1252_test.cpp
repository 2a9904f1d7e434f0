#include "platform/text/cp1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1252, EveryByteRoundTrips)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    std::u16string decoded = platform::DecodeCp1252(all);
    ASSERT_EQ(decoded.size(), 256u);
    EXPECT_EQ(platform::EncodeCp1252(decoded), all);
}

TEST(Cp1252, KnownCharacters)
{
    struct Case {
        const char* name;
        unsigned char byte;
        char16_t unicode;
    };
    const Case cases[] = {
        {"euro", 0x80, 0x20AC},     {"ellipsis", 0x85, 0x2026}, {"undefined 0x81", 0x81, 0x0081},
        {"umlaut a", 0xE4, 0x00E4}, {"sharp s", 0xDF, 0x00DF},  {"y diaeresis", 0x9F, 0x0178},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(platform::Cp1252ToUnicode(c.byte), c.unicode);
        EXPECT_EQ(static_cast<unsigned char>(platform::UnicodeToCp1252(c.unicode)), c.byte);
    }
}

TEST(Cp1252, OutsideTheCodePageBecomesQuestionMark)
{
    std::u16string text = u"a\u4E2Db";
    text += char16_t(0xD83D); // one character as a surrogate pair
    text += char16_t(0xDE00);
    EXPECT_EQ(platform::EncodeCp1252(text), "a?b?");
}

} // namespace

// The identifiers and enumeration values Kolvetra publishes, against their literal values:
// hosts' stored layouts and registries hold these, so a changed digit breaks them all.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "controls/progress_bar/PgbAllgemein.h"
#include "controls/progress_bar/ProgressBar.h"
#include "controls/progress_bar/enums.h"
#include "controls/progress_bar/identity.h"
#include "controls/progress_bar/type_library.h"
#include "tests/platform/forms/app.h"

namespace {

using namespace platform::com;
using namespace kolvetra;

TEST(PublishedIdentifiers, TheIdentityConstantsHoldTheirLiterals)
{
    struct Case {
        const char* name;
        Guid guid;
        const char* text;
    };
    const Case cases[] = {
        {"type library", kLIBID_Kolvetra, "{2C124F7C-DBA8-11D8-BA1B-000000000000}"},
        {"ProgressBar", kCLSID_ProgressBar, "{2C124F7E-DBA8-11D8-BA1B-000000000000}"},
        {"_ProgressBar", kIID_ProgressBar, "{867170B3-7921-464F-A2E1-68193A7308E3}"},
        {"__ProgressBar", kDIID_ProgressBarEvents, "{17535DE9-4CC7-4611-9C93-2E65B6DC064A}"},
        {"PgbAllgemein", kCLSID_PgbAllgemein, "{AC358272-F241-4A42-87A8-5778928CD6C0}"},
        {"_PgbAllgemein", kIID_PgbAllgemein, "{CAEBC62F-97AA-44C9-9CF1-77C0B0C00145}"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.guid.ToString(), c.text);
    }
    // The text form above and the fields a host compares bytewise agree.
    EXPECT_EQ(kCLSID_ProgressBar.data1, 0x2C124F7Eu);
    EXPECT_EQ(kCLSID_ProgressBar.data2, 0xDBA8u);
    EXPECT_EQ(kCLSID_ProgressBar.data3, 0x11D8u);
    EXPECT_EQ(kCLSID_ProgressBar.data4,
              (std::array<std::uint8_t, 8>{0xBA, 0x1B, 0, 0, 0, 0, 0, 0}));

    EXPECT_STREQ(kTypeLibName, "Kolvetra");
    EXPECT_EQ(kTypeLibMajor, 12);
    EXPECT_EQ(kTypeLibMinor, 0);
    EXPECT_EQ(kTypeLibLocale, 0x409u);
    EXPECT_STREQ(kProgIdProgressBar, "Kolvetra.ProgressBar");
}

TEST(PublishedIdentifiers, TheServerDescribesItsClassesWithTheirLiterals)
{
    const ServerDescription& server = DescribeServer();
    EXPECT_EQ(server.typeLib.libid.ToString(), "{2C124F7C-DBA8-11D8-BA1B-000000000000}");
    EXPECT_EQ(server.typeLib.major, 12);
    EXPECT_EQ(server.typeLib.minor, 0);
    EXPECT_EQ(server.typeLib.locale, 0x409u);
    ASSERT_EQ(server.classes.size(), 2u);
    EXPECT_EQ(server.classes[0].clsid.ToString(), "{2C124F7E-DBA8-11D8-BA1B-000000000000}");
    EXPECT_STREQ(server.classes[0].progId, "Kolvetra.ProgressBar");
    EXPECT_EQ(server.classes[1].clsid.ToString(), "{AC358272-F241-4A42-87A8-5778928CD6C0}");
    EXPECT_STREQ(server.classes[1].progId, "");
}

TEST(PublishedIdentifiers, TheObjectsAnswerTheirInterfaceLiterals)
{
    formstest::App();
    struct Case {
        const char* name;
        ComPtr<IUnknown> object;
        const char* iid;
    };
    const Case cases[] = {
        {"ProgressBar", MakeObject<ProgressBar>().As<IUnknown>(),
         "{867170B3-7921-464F-A2E1-68193A7308E3}"},
        {"PgbAllgemein", MakeObject<PgbAllgemein>().As<IUnknown>(),
         "{CAEBC62F-97AA-44C9-9CF1-77C0B0C00145}"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        void* out = nullptr;
        ASSERT_EQ(c.object->QueryInterface(*Guid::Parse(c.iid), &out), S_OK);
        static_cast<IUnknown*>(out)->Release();
    }
}

struct PublishedEnum {
    const char* name;
    const char* guid;
    std::vector<EnumMember> members;
};

// clang-format off
const std::vector<PublishedEnum>& Published() {
    static const std::vector<PublishedEnum> enums{
        {"zemAlignment", "{747F9D82-3678-45E3-9B5B-3B076AF7715B}",
         {{"zemHorizontal", 0}, {"zemVertical", 1}}},
        {"zemTextAlignment", "{3C157094-7E9B-4441-B96A-9DDD818EFBB4}",
         {{"zemCenter", 0}, {"zemLeftBottom", 1}, {"zemRightTop", 2}, {"zemByValue", 3}}},
        {"zemScrolling", "{3A892E55-EAFD-4DB5-A972-6720E0784E1E}",
         {{"zemScrollingStandard", 0}, {"zemScrollingSmooth", 1}}},
        {"zemSpecialEffects", "{FF203212-FE32-4115-BF9D-CFDD66E14A94}",
         {{"zemFlat", 0}, {"zemRaised", 1}, {"zemSunken", 2}, {"zemRaisedDouble", 3},
          {"zemSunkenDouble", 4}, {"zemEtched", 5}, {"zemBump", 6}, {"zemNone", 7}}},
        {"zemValueType", "{859CCC39-B7CC-4F20-89DA-076EB9C9021E}",
         {{"zemNone", 0}, {"zemPrecentage", 1}, {"zemValue", 2}, {"zemCustom", 3}}},
        {"zemBarColorType", "{1087CAB6-720F-4791-979A-447813699E55}",
         {{"zemGradient", 0}, {"zemColorize", 1}, {"zemButtonize", 2}, {"zemAnimated", 3}}},
        {"zemBackStyle", "{00573948-DD7E-47A9-87C3-C3B6C389A005}",
         {{"zemBackColor", 0}, {"zemTransparent", 1}}},
        {"zemFieldEffects", "{97DD2AA6-75D4-4A0E-B1D0-1A40DD7299E0}",
         {{"zemFlatField", 1}, {"zemRaisedField", 4}, {"zemSunkenField", 8},
          {"zemRaisedDoubleField", 5}, {"zemSunkenDoubleField", 10}, {"zemEtchedField", 6},
          {"zemBumpField", 9}}},
    };
    return enums;
}
// clang-format on

TEST(PublishedIdentifiers, TheTypeLibraryReportsEachEnumerationAsPublished)
{
    const std::vector<EnumInfo>& reported = Enumerations();
    ASSERT_EQ(reported.size(), Published().size());
    for (std::size_t i = 0; i < reported.size(); ++i) {
        const PublishedEnum& expected = Published()[i];
        SCOPED_TRACE(expected.name);
        EXPECT_STREQ(reported[i].name, expected.name);
        EXPECT_EQ(reported[i].guid.ToString(), expected.guid);
        ASSERT_EQ(reported[i].members.size(), expected.members.size());
        for (std::size_t m = 0; m < expected.members.size(); ++m) {
            EXPECT_STREQ(reported[i].members[m].name, expected.members[m].name);
            EXPECT_EQ(reported[i].members[m].value, expected.members[m].value)
                << expected.members[m].name;
        }
    }
}

TEST(PublishedIdentifiers, TheEnumerationGuidConstantsHoldTheirLiterals)
{
    const Guid constants[] = {
        kGUID_zemAlignment, kGUID_zemTextAlignment, kGUID_zemScrolling, kGUID_zemSpecialEffects,
        kGUID_zemValueType, kGUID_zemBarColorType,  kGUID_zemBackStyle, kGUID_zemFieldEffects};
    ASSERT_EQ(std::size(constants), Published().size());
    for (std::size_t i = 0; i < Published().size(); ++i) {
        SCOPED_TRACE(Published()[i].name);
        EXPECT_EQ(constants[i].ToString(), Published()[i].guid);
    }
}

template <class E> std::int32_t V(E member)
{
    return static_cast<std::int32_t>(member);
}

// The code's own enumerations, which the painters switch on, hold the published values.
TEST(PublishedIdentifiers, TheCodesEnumerationsHoldThePublishedValues)
{
    struct Case {
        const char* name;
        std::int32_t value;
        std::int32_t published;
    };
    const Case cases[] = {
        {"zemHorizontal", V(zemAlignment::zemHorizontal), 0},
        {"zemVertical", V(zemAlignment::zemVertical), 1},
        {"zemCenter", V(zemTextAlignment::zemCenter), 0},
        {"zemLeftBottom", V(zemTextAlignment::zemLeftBottom), 1},
        {"zemRightTop", V(zemTextAlignment::zemRightTop), 2},
        {"zemByValue", V(zemTextAlignment::zemByValue), 3},
        {"zemScrollingStandard", V(zemScrolling::zemScrollingStandard), 0},
        {"zemScrollingSmooth", V(zemScrolling::zemScrollingSmooth), 1},
        {"zemFlat", V(zemSpecialEffects::zemFlat), 0},
        {"zemRaised", V(zemSpecialEffects::zemRaised), 1},
        {"zemSunken", V(zemSpecialEffects::zemSunken), 2},
        {"zemRaisedDouble", V(zemSpecialEffects::zemRaisedDouble), 3},
        {"zemSunkenDouble", V(zemSpecialEffects::zemSunkenDouble), 4},
        {"zemEtched", V(zemSpecialEffects::zemEtched), 5},
        {"zemBump", V(zemSpecialEffects::zemBump), 6},
        {"zemNone (effects)", V(zemSpecialEffects::zemNone), 7},
        {"zemNone (value type)", V(zemValueType::zemNone), 0},
        {"zemPrecentage", V(zemValueType::zemPrecentage), 1},
        {"zemValue", V(zemValueType::zemValue), 2},
        {"zemCustom", V(zemValueType::zemCustom), 3},
        {"zemGradient", V(zemBarColorType::zemGradient), 0},
        {"zemColorize", V(zemBarColorType::zemColorize), 1},
        {"zemButtonize", V(zemBarColorType::zemButtonize), 2},
        {"zemAnimated", V(zemBarColorType::zemAnimated), 3},
        {"zemBackColor", V(zemBackStyle::zemBackColor), 0},
        {"zemTransparent", V(zemBackStyle::zemTransparent), 1},
        {"zemFlatField", V(zemFieldEffects::zemFlatField), 1},
        {"zemRaisedField", V(zemFieldEffects::zemRaisedField), 4},
        {"zemSunkenField", V(zemFieldEffects::zemSunkenField), 8},
        {"zemRaisedDoubleField", V(zemFieldEffects::zemRaisedDoubleField), 5},
        {"zemSunkenDoubleField", V(zemFieldEffects::zemSunkenDoubleField), 10},
        {"zemEtchedField", V(zemFieldEffects::zemEtchedField), 6},
        {"zemBumpField", V(zemFieldEffects::zemBumpField), 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.value, c.published);
    }
}

} // namespace

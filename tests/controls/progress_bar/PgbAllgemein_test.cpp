#include "controls/progress_bar/PgbAllgemein.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/progress_bar/ProgressBar.h"
#include "platform/forms/forms.h"
#include "tests/platform/forms/app.h"

namespace {

using namespace platform::com;
using kolvetra::PgbAllgemein;
using kolvetra::ProgressBar;
using platform::forms::ComboBox;
using platform::forms::ScriptedDialogs;
using platform::forms::TextBox;

const char* const kPageProperties[] = {
    "Value",        "TextBeforeValue", "TextAfterValue", "Max",
    "Min",          "AspectRatio",     "Caption",        "ValueType",
    "Alignment",    "SpecialEffects",  "TextAlignment",  "Scrolling",
    "BarColorType", "AnimatedInterval"};

class Page : public ::testing::Test {
protected:
    void SetUp() override
    {
        formstest::App();
        bar = MakeObject<ProgressBar>();
        bar->UserControl_InitProperties();
        page = MakeObject<PgbAllgemein>();
    }

    IDispatch* control() { return bar.get(); }
    void Put(const char* name, const Variant& v) { PutProperty(control(), name, v); }
    Variant Get(const char* name) { return GetProperty(control(), name); }
    bool Load() { return page->SetSelectedControls({bar.As<IDispatch>()}); }
    TextBox& Text(const char* name) { return page->Ctl<TextBox>(name); }
    ComboBox& List(const char* name) { return page->Ctl<ComboBox>(name); }
    std::vector<Variant> Snapshot()
    {
        std::vector<Variant> values;
        for (const char* name : kPageProperties)
            values.push_back(Get(name));
        return values;
    }

    ComPtr<ProgressBar> bar;
    ComPtr<PgbAllgemein> page;
};

TEST_F(Page, LoadsTheFirstSelectedControlAndIsChangedAfterwards)
{
    Put("Max", Variant(250.0));
    Put("Value", Variant(37.5));
    Put("Min", Variant(-10.0));
    Put("Caption", Variant("Lade"));
    Put("TextBeforeValue", Variant("ca. "));
    Put("TextAfterValue", Variant(" %"));
    Put("ValueType", Variant(2));
    Put("Alignment", Variant(1));
    Put("SpecialEffects", Variant(7));
    Put("TextAlignment", Variant(3));
    Put("Scrolling", Variant(1));
    Put("BarColorType", Variant(2));
    Put("AnimatedInterval", Variant(7));
    ASSERT_TRUE(Load());

    EXPECT_EQ(Text("txtValue").Text(), "37.5");
    EXPECT_EQ(Text("txtMax").Text(), "250");
    EXPECT_EQ(Text("txtMin").Text(), "-10");
    EXPECT_EQ(Text("txtAspectRatio").Text(), "1.5");
    EXPECT_EQ(Text("txtCaption").Text(), "Lade");
    EXPECT_EQ(Text("txtTextBeforeValue").Text(), "ca. ");
    EXPECT_EQ(Text("txtTextAfterValue").Text(), " %");
    EXPECT_EQ(Text("txtAnimatedInterval").Text(), "7");
    EXPECT_EQ(List("cbValueType").Text(), "Wert darstellen");
    EXPECT_EQ(List("cbAlignment").Text(), "Vertikal");
    EXPECT_EQ(List("cbSpecialEffects").Text(), "pgbNone");
    EXPECT_EQ(List("cbTextAlignment").Text(), "Mitlaufend");
    EXPECT_EQ(List("cbScrolling").Text(), "Smooth");
    EXPECT_EQ(List("cbBarColorType").Text(), "Buttonize");
    EXPECT_TRUE(page->Changed());
}

TEST_F(Page, ApplyingAnUnchangedPageLeavesEveryValueExactlyAsItWas)
{
    // Values whose 15-digit text would not read back as the same number.
    Put("Max", Variant(0.1 + 0.2 + 100));
    Put("Value", Variant(0.1 + 0.2));
    Put("Min", Variant(1.0 / 3));
    Put("AspectRatio", Variant(2.0 / 3));
    Put("SpecialEffects", Variant(5));
    const std::vector<Variant> before = Snapshot();
    // The same under a locale whose decimal separator is the comma.
    for (char separator : {'.', ','}) {
        SCOPED_TRACE(separator);
        page->SetDecimalSeparator(separator);
        ASSERT_TRUE(Load());
        ASSERT_TRUE(page->Apply());
        EXPECT_EQ(Snapshot(), before);
        EXPECT_FALSE(page->Changed());
    }
}

TEST_F(Page, NumberTextsReadBackExactly)
{
    for (double v : {0.0, 1.5, 100.0, -2.25, 0.1 + 0.2, 1.0 / 3, 1e20, 1.7976931348623157e308,
                     5e-324, 123456789012345678.0}) {
        SCOPED_TRACE(v);
        EXPECT_EQ(ParseNumber(kolvetra::PageNumberText(v)), v);
    }
    EXPECT_EQ(kolvetra::PageNumberText(37.5), "37.5");
    EXPECT_EQ(kolvetra::PageNumberText(1e20), "1E+20");
}

TEST_F(Page, AHigherValueTypedWithAHigherMaxIsKept)
{
    ASSERT_TRUE(Load());
    Text("txtValue").SetText("150");
    Text("txtMax").SetText("200");
    ASSERT_TRUE(page->Apply());
    EXPECT_EQ(Get("Max").ToDouble(), 200.0);
    EXPECT_EQ(Get("Value").ToDouble(), 150.0);

    // A lower Max still pulls Value down, as on the control itself.
    Text("txtMax").SetText("120");
    ASSERT_TRUE(page->Apply());
    EXPECT_EQ(Get("Value").ToDouble(), 120.0);
}

TEST_F(Page, AStoredValueOutsideAListLeavesItUnselectedAndApplySkipsIt)
{
    Put("SpecialEffects", Variant(9));
    Put("BarColorType", Variant(-1));
    ASSERT_TRUE(Load()) << "the page opens";
    EXPECT_EQ(List("cbSpecialEffects").ListIndex(), -1);
    EXPECT_EQ(List("cbBarColorType").ListIndex(), -1);
    Text("txtCaption").SetText("neu");
    ASSERT_TRUE(page->Apply());
    EXPECT_EQ(Get("SpecialEffects").ToInt32(), 9);
    EXPECT_EQ(Get("BarColorType").ToInt32(), -1);
    EXPECT_EQ(Get("Caption").ToString(), "neu");

    List("cbSpecialEffects").SetListIndex(2);
    ASSERT_TRUE(page->Apply());
    EXPECT_EQ(Get("SpecialEffects").ToInt32(), 2);
}

TEST_F(Page, TheIntervalGuardActsOnlyOnNumbers)
{
    ASSERT_TRUE(Load());
    struct Case {
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {"0", "10"},    {"-5", "10"}, {"0.4", "10"},  {"0.5", "10"},    {"3", "3"},
        {"1.5", "1.5"}, {"", ""},     {"abc", "abc"}, {"1e20", "1e20"}, {"-", "-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        page->SetChanged(false);
        Text("txtAnimatedInterval").SetText(c.typed);
        EXPECT_EQ(Text("txtAnimatedInterval").Text(), c.shown);
        EXPECT_TRUE(page->Changed());
    }
}

TEST_F(Page, AZeroIntervalShowsAndAppliesTen)
{
    Put("AnimatedInterval", Variant(0));
    ASSERT_TRUE(Load());
    EXPECT_EQ(Text("txtAnimatedInterval").Text(), "10");
    ASSERT_TRUE(page->Apply());
    EXPECT_EQ(Get("AnimatedInterval").ToInt32(), 10);
}

TEST_F(Page, TextThatIsNoNumberFailsApplyAndChangesNothing)
{
    struct Case {
        const char* control;
        const char* typed;
    };
    const Case cases[] = {
        {"txtMax", "abc"},
        {"txtValue", ""},
        {"txtMin", "1,5"},
        {"txtAspectRatio", "1.5x"},
        {"txtAnimatedInterval", "zehn"},
        {"txtAnimatedInterval", "3000000000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.control) + " " + c.typed);
        ASSERT_TRUE(Load());
        // Changes on other rows before and after the bad one must not reach the control.
        Text("txtCaption").SetText("neu");
        List("cbBarColorType").SetListIndex(3);
        Text(c.control).SetText(c.typed);
        const std::vector<Variant> before = Snapshot();
        ScriptedDialogs dialogs;
        EXPECT_FALSE(page->Apply());
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_NE(dialogs.shown[0].prompt.find("Run-time error '13'"), std::string::npos)
            << dialogs.shown[0].prompt;
        EXPECT_EQ(Snapshot(), before);
        EXPECT_TRUE(page->Changed());
    }
}

TEST_F(Page, UnderACommaLocaleShowsTheNumbersAsTheBarWritesThem)
{
    page->SetDecimalSeparator(',');
    Put("Value", Variant(12.5));
    Put("Min", Variant(-0.5));
    Put("AspectRatio", Variant(2.25));
    ASSERT_TRUE(Load());
    EXPECT_EQ(Text("txtValue").Text(), "12,5");
    EXPECT_EQ(Text("txtMin").Text(), "-0,5");
    EXPECT_EQ(Text("txtMax").Text(), "100");
    EXPECT_EQ(Text("txtAspectRatio").Text(), "2,25");
}

TEST_F(Page, UnderACommaLocaleTheIntervalGuardReadsTheComma)
{
    page->SetDecimalSeparator(',');
    ASSERT_TRUE(Load());
    struct Case {
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {{"0,4", "10"}, {"0,5", "10"}, {"1,5", "1,5"}, {"0.4", "0.4"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Text("txtAnimatedInterval").SetText(c.typed);
        EXPECT_EQ(Text("txtAnimatedInterval").Text(), c.shown);
    }
}

TEST_F(Page, UnderACommaLocaleAppliesCommaNumbersAndRefusesPointOnes)
{
    page->SetDecimalSeparator(',');
    ASSERT_TRUE(Load());
    Text("txtMax").SetText("200,5");
    Text("txtValue").SetText("150,25");
    Text("txtAspectRatio").SetText("2,5");
    Text("txtAnimatedInterval").SetText("2,5");
    ASSERT_TRUE(page->Apply());
    EXPECT_EQ(Get("Max").ToDouble(), 200.5);
    EXPECT_EQ(Get("Value").ToDouble(), 150.25);
    EXPECT_EQ(Get("AspectRatio").ToDouble(), 2.5);
    EXPECT_EQ(Get("AnimatedInterval").ToInt32(), 2);

    Text("txtAspectRatio").SetText("3.5");
    ScriptedDialogs dialogs;
    EXPECT_FALSE(page->Apply());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown[0].prompt.find("Run-time error '13'"), std::string::npos);
    EXPECT_EQ(Get("AspectRatio").ToDouble(), 2.5);
}

TEST_F(Page, ChoosingTheAnimatedModeStartsTheControlsTimer)
{
    ASSERT_TRUE(Load());
    List("cbBarColorType").SetListIndex(3);
    ASSERT_TRUE(page->Apply());
    EXPECT_EQ(Get("BarColorType").ToInt32(), 3);
    EXPECT_EQ(bar->TimerInterval(), 10);
}

TEST_F(Page, EveryEditMarksThePageChanged)
{
    ASSERT_TRUE(Load());
    for (const char* box : {"txtValue", "txtTextBeforeValue", "txtTextAfterValue", "txtMax",
                            "txtMin", "txtAspectRatio", "txtCaption", "txtAnimatedInterval"}) {
        SCOPED_TRACE(box);
        page->SetChanged(false);
        Text(box).SetText("5");
        EXPECT_TRUE(page->Changed());
    }
    for (const char* list : {"cbValueType", "cbTextAlignment", "cbAlignment", "cbSpecialEffects",
                             "cbScrolling", "cbBarColorType"}) {
        SCOPED_TRACE(list);
        page->SetChanged(false);
        List(list).SetListIndex(1);
        EXPECT_TRUE(page->Changed());
    }
}

TEST_F(Page, AnswersItsInterfacesAndReadsOnlyTheFirstSelected)
{
    void* out = nullptr;
    ASSERT_EQ(page->QueryInterface(kolvetra::kIID_PgbAllgemein, &out), S_OK);
    static_cast<IUnknown*>(out)->Release();
    ASSERT_EQ(page->QueryInterface(platform::hosting::IPropertyPageObject::iid, &out), S_OK);
    static_cast<IUnknown*>(out)->Release();

    auto second = MakeObject<ProgressBar>();
    second->UserControl_InitProperties();
    Put("Caption", Variant("erste"));
    ASSERT_TRUE(page->SetSelectedControls({bar.As<IDispatch>(), second.As<IDispatch>()}));
    EXPECT_EQ(Text("txtCaption").Text(), "erste");
    Text("txtCaption").SetText("neu");
    ASSERT_TRUE(page->Apply());
    EXPECT_EQ(GetProperty(second.get(), "Caption").ToString(), "");
}

} // namespace

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/private/ProgressCounter.h"
#include "controls/private/ProgressSlider.h"
#include "controls/private/ProgressWheel.h"
#include "site_fixture.h"

namespace {

using kolvetra::ProgressCounter;
using kolvetra::ProgressSlider;
using kolvetra::ProgressWheel;
using platform::com::PropertyBag;
using platform::com::Variant;
using private_test::FakeSite;
using Log = std::vector<std::string>;

template <class Control> struct Placed {
    FakeSite site{60, 60};
    Control control;
    Placed()
    {
        site.ambient.name = "Ambient Sans";
        control.SetSite(&site);
        control.UserControl_InitProperties();
        site.log.clear();
    }
};

struct SetterCase {
    const char* name;
    std::function<void(kolvetra::IndicatorControl&)> call;
};

// The setters every indicator has, through the shared base.
const std::vector<SetterCase>& SharedSetters()
{
    static const std::vector<SetterCase> cases = {
        {"Font",
         [](auto& c) {
             c.SetFont(platform::com::StdFont{"Serif", 12});
         }},
        {"BackColor", [](auto& c) { c.SetBackColor(0x123456); }},
        {"ForeColor", [](auto& c) { c.SetForeColor(0x654321); }},
        {"BorderColor", [](auto& c) { c.SetBorderColor(0xFF); }},
        {"Picture",
         [](auto& c) { c.SetPicture(platform::com::Picture(QImage(2, 2, QImage::Format_RGB32))); }},
        {"Min", [](auto& c) { c.SetMin(-3); }},
        {"Max", [](auto& c) { c.SetMax(30); }},
        {"Value", [](auto& c) { c.SetValue(20); }},
    };
    return cases;
}

template <class Control>
void ExpectReportThenRepaint(const std::vector<SetterCase>& cases,
                             const std::function<void(Control&, const SetterCase&)>& run)
{
    for (const SetterCase& c : cases) {
        SCOPED_TRACE(c.name);
        Placed<Control> p;
        run(p.control, c);
        EXPECT_EQ(p.site.log, (Log{std::string("PropertyChanged ") + c.name, "Refresh"}));
    }
}

TEST(IndicatorPattern, EverySetterReportsItsNameThenRepaints)
{
    auto shared = [](auto& control, const SetterCase& c) { c.call(control); };
    ExpectReportThenRepaint<ProgressWheel>(SharedSetters(), shared);
    ExpectReportThenRepaint<ProgressSlider>(SharedSetters(), shared);
    ExpectReportThenRepaint<ProgressCounter>(SharedSetters(), shared);

    const std::vector<SetterCase> wheelCases = {
        {"BackStyle", [](auto& c) { static_cast<ProgressWheel&>(c).SetBackStyle(0); }},
        {"StartFillColor", [](auto& c) { static_cast<ProgressWheel&>(c).SetStartFillColor(1); }},
        {"EndFillColor", [](auto& c) { static_cast<ProgressWheel&>(c).SetEndFillColor(1); }},
        {"CounterColor", [](auto& c) { static_cast<ProgressWheel&>(c).SetCounterColor(1); }},
        {"FontColor", [](auto& c) { static_cast<ProgressWheel&>(c).SetFontColor(1); }},
        {"Fields", [](auto& c) { static_cast<ProgressWheel&>(c).SetFields(-4); }},
    };
    ExpectReportThenRepaint<ProgressWheel>(wheelCases, shared);

    const std::vector<SetterCase> sliderCases = {
        {"SpecialEffects",
         [](auto& c) {
             static_cast<ProgressSlider&>(c).SetSpecialEffects(
                 kolvetra::zemSpecialEffects::zemBump);
         }},
        {"TextBackColor", [](auto& c) { static_cast<ProgressSlider&>(c).SetTextBackColor(1); }},
        {"Alignment",
         [](auto& c) {
             static_cast<ProgressSlider&>(c).SetAlignment(kolvetra::zemAlignment::zemVertical);
         }},
        {"FillColor", [](auto& c) { static_cast<ProgressSlider&>(c).SetFillColor(1); }},
    };
    ExpectReportThenRepaint<ProgressSlider>(sliderCases, shared);

    const std::vector<SetterCase> counterCases = {
        {"FillColor", [](auto& c) { static_cast<ProgressCounter&>(c).SetFillColor(1); }},
        {"MaxCount", [](auto& c) { static_cast<ProgressCounter&>(c).SetMaxCount(0); }},
    };
    ExpectReportThenRepaint<ProgressCounter>(counterCases, shared);
}

template <class Control> void ExpectValueRule()
{
    Placed<Control> p;
    auto& c = p.control;
    c.SetValue(80);
    p.site.log.clear();
    c.SetValue(150); // above Max 100: dropped, yet reported and repainted
    EXPECT_EQ(c.Value(), 80);
    EXPECT_EQ(p.site.log, (Log{"PropertyChanged Value", "Refresh"}));
    c.SetValue(-5); // below Min: stored
    EXPECT_EQ(c.Value(), -5);
    c.SetValue(80);
    c.SetMax(50); // Max does not pull Value down
    EXPECT_EQ(c.Value(), 80);
    c.SetValue(60); // a host that sets Value before raising Max loses it
    EXPECT_EQ(c.Value(), 80);
    c.SetMax(100);
    c.SetValue(100); // equal to Max is kept
    EXPECT_EQ(c.Value(), 100);
}

TEST(IndicatorPattern, ValueIsNeverStoredAboveMaxAndNothingElseIsChecked)
{
    ExpectValueRule<ProgressWheel>();
    ExpectValueRule<ProgressSlider>();
    ExpectValueRule<ProgressCounter>();
}

TEST(IndicatorPattern, SurfaceEventsAreRaisedAgainWithTheirArgumentsByReference)
{
    Placed<ProgressSlider> p;
    p.site.onMouse = [](kolvetra::MouseEventArgs& m) {
        m.X = m.X + 1;
        m.Button = 2;
    };
    std::int16_t button = 1, shift = 4;
    float x = 10, y = 20;
    p.control.UserControl_Click();
    p.control.UserControl_DblClick();
    p.control.UserControl_MouseDown(button, shift, x, y);
    p.control.UserControl_MouseMove(button, shift, x, y);
    p.control.UserControl_MouseUp(button, shift, x, y);
    p.control.UserControl_Resize();
    EXPECT_EQ(p.site.log,
              (Log{"Event 1 Click", "Event 2 DblClick", "Event 3 MouseDown", "Event 4 MouseMove",
                   "Event 5 MouseUp", "Refresh", "Event 6 Resize"}));
    EXPECT_EQ(x, 13);
    EXPECT_EQ(button, 2);
    EXPECT_EQ(shift, 4);
}

TEST(IndicatorPattern, TheDialsSquareThemselvesOnResizeTheSliderDoesNot)
{
    {
        FakeSite site(2000 / 15 + 1, 1000 / 15 + 1); // 2010 x 1005 twips
        ProgressWheel wheel;
        wheel.SetSite(&site);
        wheel.UserControl_InitProperties();
        site.log.clear();
        wheel.UserControl_Resize();
        EXPECT_EQ(site.log, (Log{"SetWidth 1005", "Refresh", "Event 6 Resize"}));
        EXPECT_EQ(site.image.width(), site.image.height());
    }
    {
        FakeSite site(2000 / 15, 1000 / 15);
        ProgressCounter counter;
        counter.SetSite(&site);
        counter.UserControl_InitProperties();
        site.log.clear();
        counter.UserControl_Resize();
        EXPECT_EQ(site.Entries("SetWidth"), (Log{"SetWidth 990"}));
        EXPECT_EQ(site.image.size(), QSize(66, 66));
    }
    {
        FakeSite site(200, 20);
        ProgressSlider slider;
        slider.SetSite(&site);
        slider.UserControl_Resize();
        EXPECT_TRUE(site.Entries("SetWidth").empty());
    }
}

TEST(IndicatorPattern, AboutBoxErrorsAreIgnoredAndEachCallShowsAFreshDialog)
{
    Placed<ProgressCounter> p;
    p.site.aboutFails = true;
    EXPECT_NO_THROW(p.control.ShowAboutBox());
    EXPECT_NO_THROW(p.control.ShowAboutBox());
    EXPECT_EQ(p.site.Entries("About").size(), 2u);
}

// --- InitProperties ---------------------------------------------------------------------

TEST(IndicatorInit, ANewWheelGetsItsDefaultsAndFivePaints)
{
    FakeSite site;
    site.ambient.name = "Ambient Sans";
    ProgressWheel w;
    w.SetSite(&site);
    w.UserControl_InitProperties();
    EXPECT_EQ(site.Entries("PropertyChanged"),
              (Log{"PropertyChanged Value", "PropertyChanged Min", "PropertyChanged Max",
                   "PropertyChanged BackColor", "PropertyChanged ForeColor"}));
    EXPECT_EQ(site.Paints(), 5);
    EXPECT_EQ(w.Font().name, "Ambient Sans");
    EXPECT_EQ(w.Value(), 0);
    EXPECT_EQ(w.Max(), 100);
    EXPECT_EQ(w.BorderColor(), 0xC0C0C0u);
    EXPECT_EQ(w.BackColor(), 0xE0E0E0u);
    EXPECT_EQ(w.ForeColor(), 0x808080u);
    EXPECT_EQ(w.StartFillColor(), 255u);
    EXPECT_EQ(w.EndFillColor(), 255u);
    EXPECT_EQ(w.CounterColor(), 128u);
    EXPECT_EQ(w.FontColor(), 0xFFFFFFu);
    EXPECT_EQ(w.Fields(), 18);
    EXPECT_EQ(w.BackStyle(), 0);
    EXPECT_TRUE(w.Picture().IsNone());
    EXPECT_EQ(w.TimerInterval(), 0);
}

TEST(IndicatorInit, ANewSliderAndCounterGetTheirDefaults)
{
    FakeSite site;
    ProgressSlider s;
    s.SetSite(&site);
    s.UserControl_InitProperties();
    EXPECT_EQ(site.Entries("PropertyChanged"),
              (Log{"PropertyChanged Value", "PropertyChanged Min", "PropertyChanged Max",
                   "PropertyChanged BorderColor", "PropertyChanged BackColor",
                   "PropertyChanged FillColor", "PropertyChanged ForeColor"}));
    EXPECT_EQ(s.TextBackColor(), 0x4040u);
    EXPECT_EQ(s.BorderColor(), 0x80000015u);
    EXPECT_EQ(s.FillColor(), 0xFF0000u);
    EXPECT_EQ(s.ForeColor(), 0x8000000Eu);
    EXPECT_EQ(s.BackColor(), 0x8000000Fu);
    EXPECT_EQ(s.SpecialEffects(), kolvetra::zemSpecialEffects::zemFlat);

    FakeSite site2;
    ProgressCounter c;
    c.SetSite(&site2);
    c.UserControl_InitProperties();
    EXPECT_EQ(site2.Paints(), 8);
    EXPECT_EQ(c.MaxCount(), 10);
    EXPECT_EQ(c.BorderColor(), 0x80000006u);
    EXPECT_EQ(c.FillColor(), 0x808080u);
    EXPECT_EQ(c.ForeColor(), 0x80000012u);
    EXPECT_EQ(c.BackColor(), 0x8000000Fu);
}

// --- Property bags ----------------------------------------------------------------------

template <class Control> PropertyBag Written(Control& c)
{
    PropertyBag bag;
    c.UserControl_WriteProperties(bag);
    return bag;
}

std::vector<std::string> Keys(const PropertyBag& bag)
{
    std::vector<std::string> keys;
    for (const auto& [k, v] : bag.Entries())
        keys.push_back(k);
    return keys;
}

TEST(IndicatorBag, ANewControlWritesNothing)
{
    Placed<ProgressWheel> w;
    Placed<ProgressSlider> s;
    Placed<ProgressCounter> c;
    EXPECT_TRUE(Written(w.control).Empty()) << testing::PrintToString(Keys(Written(w.control)));
    EXPECT_TRUE(Written(s.control).Empty()) << testing::PrintToString(Keys(Written(s.control)));
    EXPECT_TRUE(Written(c.control).Empty()) << testing::PrintToString(Keys(Written(c.control)));
}

TEST(IndicatorBag, TheWheelWritesInItsOrderAndNeverTheMouseProperties)
{
    Placed<ProgressWheel> p;
    auto& w = p.control;
    w.SetBackStyle(1);
    w.SetFields(12);
    w.SetMax(80);
    w.SetMin(-1);
    w.SetValue(60);
    w.SetForeColor(1);
    w.SetFontColor(2);
    w.SetCounterColor(3);
    w.SetEndFillColor(4);
    w.SetStartFillColor(5);
    w.SetBackColor(6);
    w.SetBorderColor(7);
    w.SetPicture(platform::com::Picture(QImage(2, 2, QImage::Format_RGB32)));
    w.SetFont(platform::com::StdFont{"Serif", 10});
    w.SetMousePointer(11);
    w.SetMouseIcon(platform::com::Picture(QImage(2, 2, QImage::Format_RGB32)));
    EXPECT_EQ(Keys(Written(w)), (Log{"Font", "Picture", "BorderColor", "BackColor",
                                     "StartFillColor", "EndFillColor", "CounterColor", "FontColor",
                                     "ForeColor", "Value", "Min", "Max", "Fields", "BackStyle"}));
}

TEST(IndicatorBag, ALoadedWheelGetsItsStoredValuesBack)
{
    Placed<ProgressWheel> source;
    source.control.SetMax(80);
    source.control.SetValue(60);
    source.control.SetFields(12);
    source.control.SetBackStyle(1);
    source.control.SetStartFillColor(0x80000008);
    const PropertyBag bag = Written(source.control);

    FakeSite site;
    ProgressWheel w;
    w.SetSite(&site);
    w.UserControl_ReadProperties(bag);
    EXPECT_EQ(w.Value(), 60);
    EXPECT_EQ(w.Max(), 80);
    EXPECT_EQ(w.Fields(), 12);
    EXPECT_EQ(w.BackStyle(), 1);
    EXPECT_EQ(w.StartFillColor(), 0x80000008u);
    EXPECT_EQ(w.BorderColor(), 0xC0C0C0u);
    // Font, Picture, BackColor, ForeColor and Value go through their setters.
    EXPECT_EQ(site.Entries("PropertyChanged"),
              (Log{"PropertyChanged Font", "PropertyChanged Picture", "PropertyChanged BackColor",
                   "PropertyChanged ForeColor", "PropertyChanged Value"}));
    EXPECT_EQ(site.Paints(), 5);
}

TEST(IndicatorBag, ALoadedSliderAndCounterGetTheirStoredValueBack)
{
    Placed<ProgressSlider> s;
    s.control.SetMax(80);
    s.control.SetValue(60);
    PropertyBag sliderBag = Written(s.control);
    sliderBag.Set("Scrolling", Variant(std::int32_t(1))); // read without effect
    Placed<ProgressSlider> loadedSlider;
    loadedSlider.control.UserControl_ReadProperties(sliderBag);
    EXPECT_EQ(loadedSlider.control.Value(), 60);
    EXPECT_EQ(Keys(Written(loadedSlider.control)), (Log{"Value", "Max"}));

    Placed<ProgressCounter> c;
    c.control.SetMax(80);
    c.control.SetValue(60);
    c.control.SetMaxCount(4);
    PropertyBag counterBag = Written(c.control);
    EXPECT_EQ(Keys(counterBag), (Log{"Value", "Max", "MaxCount"}));
    counterBag.Set("Alignment", Variant(std::int32_t(1)));
    FakeSite site;
    ProgressCounter loaded;
    loaded.SetSite(&site);
    loaded.UserControl_ReadProperties(counterBag);
    EXPECT_EQ(loaded.Value(), 60);
    EXPECT_EQ(loaded.Max(), 80);
    EXPECT_EQ(loaded.MaxCount(), 4);
    EXPECT_EQ(site.Paints(), 7);
}

TEST(IndicatorBag, AFontOtherThanTheAmbientOneIsStored)
{
    Placed<ProgressCounter> c;
    c.control.SetFont(platform::com::StdFont{"Serif", 9.75});
    const PropertyBag bag = Written(c.control);
    ASSERT_TRUE(bag.Contains("Font"));
    EXPECT_EQ(bag.ReadProperty("Font").ToFont().size, 9.75);
}

// --- The wheel's mouse properties and timer ---------------------------------------------

TEST(WheelMouse, MousePropertiesReportWithoutRepaintAndOverflowChangesNothing)
{
    Placed<ProgressWheel> p;
    p.control.SetMousePointer(-32768);
    p.control.SetMouseIcon(platform::com::Picture(QImage(2, 2, QImage::Format_RGB32)));
    EXPECT_EQ(p.site.log, (Log{"MousePointer -32768", "PropertyChanged MousePointer", "MouseIcon",
                               "PropertyChanged MouseIcon"}));
    p.site.log.clear();
    try {
        p.control.SetMousePointer(32768);
        ADD_FAILURE() << "no overflow";
    } catch (const platform::RunTimeError& e) {
        EXPECT_EQ(e.number(), 6);
    }
    EXPECT_TRUE(p.site.log.empty());
    EXPECT_EQ(p.control.MousePointer(), -32768);
}

TEST(WheelTimer, StartTimerCountsFromZeroToTheLengthOneStepPerTick)
{
    Placed<ProgressWheel> p;
    auto& w = p.control;
    w.SetValue(40);
    p.site.log.clear();
    w.StartTimer(5);
    EXPECT_EQ(p.site.log, (Log{"PropertyChanged Min", "Refresh", "PropertyChanged Max", "Refresh",
                               "PropertyChanged Value", "Refresh", "Timer 1"}));
    EXPECT_EQ(w.Min(), 0);
    EXPECT_EQ(w.Max(), 5);
    EXPECT_EQ(w.Value(), 0);
    std::vector<double> seen;
    for (int tick = 0; tick < 10 && p.site.interval != 0; ++tick) {
        w.Timer1_Timer();
        seen.push_back(w.Value());
    }
    EXPECT_EQ(seen, (std::vector<double>{1, 2, 3, 4, 5}));
    EXPECT_EQ(w.TimerInterval(), 0);
    EXPECT_EQ(p.site.interval, 0);
}

TEST(WheelTimer, ACountThatCannotGoOnStops)
{
    struct Case {
        const char* name;
        int length;
        int ticksBefore;
        std::function<void(ProgressWheel&)> interfere;
        double expected;
    };
    const Case cases[] = {
        {"length 0: the first step is refused", 0, 0, {}, 0},
        {"Max lowered below Value", 5, 2, [](ProgressWheel& w) { w.SetMax(1); }, 2},
        {"Max not a whole number of steps away", 5, 2, [](ProgressWheel& w) { w.SetMax(2.5); }, 2},
        {"Value set to Max from outside", 5, 2, [](ProgressWheel& w) { w.SetValue(5); }, 5},
        // Value + 1 == Value there, so the setter takes the step although nothing moved.
        {"Value at 2^53 below a higher Max", 5, 2,
         [](ProgressWheel& w) {
             w.SetMax(0x1p54);
             w.SetValue(0x1p53);
         },
         0x1p53},
        {"Value at -2^54", 5, 2, [](ProgressWheel& w) { w.SetValue(-0x1p54); }, -0x1p54},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Placed<ProgressWheel> p;
        auto& w = p.control;
        w.StartTimer(c.length);
        for (int i = 0; i < c.ticksBefore; ++i)
            w.Timer1_Timer();
        if (c.interfere)
            c.interfere(w);
        int ticks = 0;
        while (p.site.interval != 0 && ticks < 10) {
            w.Timer1_Timer();
            ++ticks;
        }
        EXPECT_EQ(p.site.interval, 0);
        EXPECT_EQ(ticks, 1);
        EXPECT_EQ(w.Value(), c.expected);
    }
}

TEST(WheelTimer, StartTimerDuringACountStartsAgainFromZero)
{
    Placed<ProgressWheel> p;
    p.control.StartTimer(10);
    for (int i = 0; i < 4; ++i)
        p.control.Timer1_Timer();
    p.control.StartTimer(3);
    EXPECT_EQ(p.control.Value(), 0);
    EXPECT_EQ(p.site.interval, 1);
}

} // namespace

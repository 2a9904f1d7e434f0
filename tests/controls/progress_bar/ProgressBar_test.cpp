#include "controls/progress_bar/ProgressBar.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "controls/progress_bar/dlgAbout.h"
#include "controls/progress_bar/do_events.h"
#include "controls/progress_bar/type_library.h"

#include <QThread>
#include <QTimer>

#include "fake_site.h"
#include "platform/forms/forms.h"
#include "platform/forms/label.h"
#include "tests/platform/forms/app.h"

namespace {

using namespace platform::com;
using kolvetra::ProgressBar;
using kolvetra_test::FakeSite;
using Log = std::vector<std::string>;

constexpr DispId kMax = 0x68030006;
constexpr DispId kValue = 0x68030003;
constexpr DispId kMin = 0x68030007;
constexpr DispId kBarColorType = 0x68030013;
constexpr DispId kAnimatedInterval = 0x6803000D;
constexpr DispId kAlignment = 0x6803000E;
constexpr DispId kMousePointer = 0x68030000;

// A newly placed bar on a 200 x 20 surface, its log cleared.
class Bar : public ::testing::Test {
protected:
    void SetUp() override
    {
        formstest::App();
        bar = MakeObject<ProgressBar>();
        bar->SetSite(&site);
        bar->UserControl_InitProperties();
        site.Take();
    }
    void TearDown() override { bar->SetSite(nullptr); }

    IDispatch* disp() { return bar.get(); }
    void Put(DispId id, const Variant& v) { PutProperty(disp(), id, v); }
    Variant Get(DispId id) { return GetProperty(disp(), id); }
    void Animate()
    {
        Put(kBarColorType, Variant(3));
        site.Take();
    }

    FakeSite site;
    ComPtr<ProgressBar> bar;
};

Picture SomePicture()
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::green);
    return Picture(image);
}

TEST_F(Bar, EverySetterReportsItsNameAndRepaintsByTheAnimationRule)
{
    struct Case {
        const char* name;
        DispId id;
        Variant value;
        bool repaints;         // outside the animated mode
        bool repaintsAnimated; // while BarColorType is zemAnimated
    };
    const StdFont font{"Courier New", 12};
    const Case cases[] = {
        {"Font", 0x68030018, Variant(font), true, false},
        {"Caption", 0x68030017, Variant("abc"), true, false},
        {"SpecialEffects", 0x68030016, Variant(2), true, false},
        {"FieldEffects", 0x68030015, Variant(8), true, false},
        {"OnlyValueFields", 0x68030014, Variant(false), true, true},
        {"ValueType", 0x68030012, Variant(2), true, false},
        {"Scrolling", 0x68030011, Variant(1), true, false},
        {"AspectRatio", 0x68030010, Variant(2.25), true, false},
        {"Picture", 0x6803000F, Variant(SomePicture()), true, false},
        {"Alignment", 0x6803000E, Variant(1), true, false},
        {"AnimatedInterval", 0x6803000D, Variant(-7), true, false},
        {"TextAlignment", 0x6803000C, Variant(3), true, false},
        {"BorderColor", 0x6803000B, Variant(OleColor{0xFF}), true, false},
        {"StartFillColor", 0x6803000A, Variant(OleColor{0x123456}), true, false},
        {"EndFillColor", 0x68030009, Variant(OleColor{0x80000005}), true, false},
        {"BackColor", 0x68030008, Variant(OleColor{0xFFFFFF}), true, false},
        {"Min", 0x68030007, Variant(-10.5), true, false},
        {"Max", 0x68030006, Variant(250.0), true, false},
        {"TextAfterValue", 0x68030005, Variant(" %"), true, false},
        {"TextBeforeValue", 0x68030004, Variant("ca. "), true, true},
        {"Value", 0x68030003, Variant(37.5), true, false},
        {"ForeColor", 0x68030002, Variant(OleColor{0x80000012}), true, false},
        {"MouseIcon", 0x68030001, Variant(SomePicture()), false, false},
        {"MousePointer", 0x68030000, Variant(std::int16_t(11)), false, false},
    };
    for (bool animated : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (animated ? " animated" : ""));
            bar = MakeObject<ProgressBar>();
            bar->SetSite(&site);
            bar->UserControl_InitProperties();
            if (animated)
                Put(kBarColorType, Variant(3));
            site.Take();

            Put(c.id, c.value);
            Log expected{c.name};
            if (animated ? c.repaintsAnimated : c.repaints)
                expected.push_back("Paint");
            EXPECT_EQ(site.Take(), expected);
            EXPECT_TRUE(ValuesEqual(Get(c.id), c.value));
            EXPECT_EQ(GetDispId(disp(), c.name), c.id);
        }
    }
}

TEST_F(Bar, BarColorTypeRunsTheTimerOnlyWhenAnimatedAndAlwaysRepaints)
{
    Put(kBarColorType, Variant(3));
    EXPECT_EQ(site.Take(), (Log{"BarColorType", "Paint"}));
    EXPECT_EQ(site.interval, 10);
    Put(kBarColorType, Variant(3));
    EXPECT_EQ(site.Take(), (Log{"BarColorType", "Paint"}));
    Put(kBarColorType, Variant(1));
    EXPECT_EQ(site.Take(), (Log{"BarColorType", "Paint"}));
    EXPECT_EQ(site.interval, 0);
}

TEST_F(Bar, ValueAboveMaxIsDroppedYetReported)
{
    Put(kValue, Variant(40.0));
    bar->DrawProgress();
    site.Take();
    Put(kValue, Variant(150.0));
    EXPECT_EQ(Get(kValue).ToDouble(), 40.0);
    // The picture stays as it was, so nothing is painted.
    EXPECT_EQ(site.Take(), (Log{"Value"}));
    Put(kValue, Variant(100.0)); // equal to Max: kept
    EXPECT_EQ(Get(kValue).ToDouble(), 100.0);
    Put(kValue, Variant(-5.0)); // below Min: not checked
    EXPECT_EQ(Get(kValue).ToDouble(), -5.0);
}

TEST_F(Bar, MaxBelowValuePullsValueDownAndReportsValueFirst)
{
    Put(kValue, Variant(80.0));
    site.Take();
    Put(kMax, Variant(50.0));
    EXPECT_EQ(Get(kValue).ToDouble(), 50.0);
    // Value's repaint already shows the full bar at the new Max; Max's own would repeat it.
    EXPECT_EQ(site.Take(), (Log{"Value", "Paint", "Max"}));
    Put(kMax, Variant(100.0));
    EXPECT_EQ(Get(kValue).ToDouble(), 50.0);
    EXPECT_EQ(site.Take(), (Log{"Max", "Paint"}));

    // A host that sets Value before Max loses the value; the main program sets Max first.
    Put(kMax, Variant(50.0));
    Put(kValue, Variant(60.0));
    Put(kMax, Variant(100.0));
    EXPECT_EQ(Get(kValue).ToDouble(), 50.0);

    // In the animated mode the clamp reports both without painting.
    Animate();
    Put(kMax, Variant(20.0));
    EXPECT_EQ(site.Take(), (Log{"Value", "Max"}));
}

TEST_F(Bar, MinIsNotChecked)
{
    Put(kMin, Variant(500.0));
    EXPECT_EQ(Get(kMin).ToDouble(), 500.0);
    EXPECT_EQ(Get(kValue).ToDouble(), 0.0);
}

TEST_F(Bar, MousePointerOutside16BitsRaisesOverflowAndChangesNothing)
{
    Put(kMousePointer, Variant(std::int32_t(11)));
    site.Take();
    for (std::int32_t bad : {32768, -32769, INT_MAX}) {
        SCOPED_TRACE(bad);
        try {
            Put(kMousePointer, Variant(bad));
            ADD_FAILURE() << "no error";
        } catch (const platform::RunTimeError& e) {
            EXPECT_EQ(e.number(), 6);
        }
        EXPECT_EQ(Get(kMousePointer).ToInt32(), 11);
        EXPECT_EQ(site.pointer, 11);
        EXPECT_TRUE(site.Take().empty());
    }
    Put(kMousePointer, Variant(std::int32_t(-32768)));
    EXPECT_EQ(site.pointer, -32768);
}

TEST_F(Bar, AnimationTicksTurnAtTheEndsAndAlwaysRepaint)
{
    struct Case {
        const char* name;
        int width, height;
        std::int32_t alignment, interval;
        std::vector<std::int32_t> offsets;
    };
    const Case cases[] = {
        {"horizontal 250", 250, 20, 0, 100, {100, 200, 300, 200, 100, 0, 100}},
        {"vertical uses the height", 20, 150, 1, 100, {100, 200, 100, 0, 100}},
        {"interval 0 stays", 250, 20, 0, 0, {0, 0, 0}},
        // 0 + INT_MIN is fine, INT_MIN + INT_MIN would overflow: the offset stays.
        {"overflow leaves the offset", 250, 20, 0, INT_MIN, {INT_MIN, INT_MIN, INT_MIN}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeSite s(c.width, c.height);
        auto b = MakeObject<ProgressBar>();
        b->SetSite(&s);
        b->UserControl_InitProperties();
        PutProperty(b.get(), kAlignment, Variant(c.alignment));
        PutProperty(b.get(), kAnimatedInterval, Variant(c.interval));
        PutProperty(b.get(), kBarColorType, Variant(3));
        s.Take();
        std::vector<std::int32_t> seen;
        for (std::size_t i = 0; i < c.offsets.size(); ++i) {
            b->Timer1_Timer();
            seen.push_back(b->Animation().m_AnimOffset);
            EXPECT_EQ(s.Take(), Log{"Paint"});
        }
        EXPECT_EQ(seen, c.offsets);
        b->SetSite(nullptr);
    }
}

TEST_F(Bar, LeavingTheAnimatedModeKeepsThePosition)
{
    Animate();
    bar->Timer1_Timer();
    bar->Timer1_Timer();
    ASSERT_EQ(bar->Animation().m_AnimOffset, 200);
    Put(kBarColorType, Variant(0));
    Put(kBarColorType, Variant(3));
    EXPECT_EQ(bar->Animation().m_AnimOffset, 200);
    bar->Timer1_Timer();
    // Turned at the end of the 200 px bar; from a reset position it would have gone forward.
    EXPECT_EQ(bar->Animation().m_AnimOffset, 100);
    EXPECT_FALSE(bar->Animation().m_AnimForward);
}

TEST(ProgressBarNew, FieldsAreZeroUntilInitPropertiesSetsTheDefaults)
{
    formstest::App();
    FakeSite site;
    auto bar = MakeObject<ProgressBar>();
    bar->SetSite(&site);
    EXPECT_EQ(GetProperty(bar.get(), kMax).ToDouble(), 0.0);
    EXPECT_EQ(GetProperty(bar.get(), "AspectRatio").ToDouble(), 0.0);

    bar->UserControl_InitProperties();
    // Min and Max change nothing on a bar that has no fields and no text yet: no repaint.
    EXPECT_EQ(site.Take(), (Log{"Value",          "Paint", "Min",          "Max",
                                "BorderColor",    "Paint", "BackColor",    "Paint",
                                "StartFillColor", "Paint", "EndFillColor", "Paint",
                                "ForeColor",      "Paint", "AspectRatio",  "Paint",
                                "TextAlignment",  "Paint", "Value",        "Paint"}));
    struct Case {
        const char* name;
        Variant value;
    };
    const Case defaults[] = {
        {"Font", Variant(site.ambient)},
        {"Caption", Variant("")},
        {"SpecialEffects", Variant(0)},
        {"FieldEffects", Variant(4)},
        {"OnlyValueFields", Variant(true)},
        {"BarColorType", Variant(0)},
        {"ValueType", Variant(1)},
        {"Scrolling", Variant(0)},
        {"AspectRatio", Variant(1.5)},
        {"Picture", Variant(Picture())},
        {"Alignment", Variant(0)},
        {"AnimatedInterval", Variant(100)},
        {"TextAlignment", Variant(0)},
        {"BorderColor", Variant(OleColor{0x404040})},
        {"StartFillColor", Variant(OleColor{0x80})},
        {"EndFillColor", Variant(OleColor{0x80})},
        {"BackColor", Variant(OleColor{0x8000000A})},
        {"Min", Variant(0)},
        {"Max", Variant(100)},
        {"TextAfterValue", Variant("")},
        {"TextBeforeValue", Variant("")},
        {"Value", Variant(0)},
        {"ForeColor", Variant(OleColor{0x80000008})},
        {"MouseIcon", Variant(Picture())},
        {"MousePointer", Variant(0)},
    };
    for (const Case& c : defaults) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(ValuesEqual(GetProperty(bar.get(), c.name), c.value));
    }
    EXPECT_EQ(site.interval, 0);
    bar->SetSite(nullptr);
}

// A control loaded from `bag` on a fresh surface; the site's log holds what loading reported.
struct Loaded {
    explicit Loaded(const PropertyBag& bag, int width = 200, int height = 20)
        : site(width, height)
        , bar(MakeObject<ProgressBar>())
    {
        bar->SetSite(&site);
        bar->UserControl_ReadProperties(bag);
    }
    ~Loaded() { bar->SetSite(nullptr); }
    double Number(const char* name) { return GetProperty(bar.get(), name).ToDouble(); }

    FakeSite site;
    ComPtr<ProgressBar> bar;
};

TEST(ProgressBarBag, ReadingReportsInBagOrderWithTheSecondValue)
{
    formstest::App();
    Loaded loaded{PropertyBag()};
    Log reported;
    for (const std::string& e : loaded.site.Take()) {
        if (e != "Paint")
            reported.push_back(e);
    }
    EXPECT_EQ(reported, (Log{"Font",         "SpecialEffects",  "AnimatedInterval",
                             "BarColorType", "Caption",         "ValueType",
                             "Alignment",    "TextAlignment",   "BorderColor",
                             "BackColor",    "StartFillColor",  "EndFillColor",
                             "ForeColor",    "Value",           "Min",
                             "Max",          "TextBeforeValue", "TextAfterValue",
                             "Value",        "AspectRatio",     "Picture",
                             "Scrolling",    "MouseIcon"}));
    // An empty bag gives the defaults of a new instance.
    EXPECT_EQ(loaded.Number("Max"), 100.0);
    EXPECT_EQ(loaded.Number("FieldEffects"), 4.0);
    EXPECT_TRUE(GetProperty(loaded.bar.get(), "OnlyValueFields").ToBool());
    EXPECT_TRUE(ValuesEqual(GetProperty(loaded.bar.get(), "Font"), Variant(loaded.site.ambient)));
}

TEST(ProgressBarBag, TheSecondReadOfValueRestoresAValueUpToMax)
{
    formstest::App();
    struct Case {
        const char* name;
        double value, min, max;
        bool storeValue;
        double expected;
    };
    const Case cases[] = {
        {"value within Max", 60, 0, 80, true, 60},
        {"value above the stored Max", 90, 0, 80, true, 0},
        {"no stored value: Min", 0, 10, 80, false, 10},
        {"negative value", -3, -10, 80, true, -3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PropertyBag bag;
        if (c.storeValue)
            bag.Set("Value", Variant(c.value));
        bag.Set("Min", Variant(c.min));
        bag.Set("Max", Variant(c.max));
        Loaded loaded(bag);
        EXPECT_EQ(loaded.Number("Value"), c.expected);
    }
}

TEST(ProgressBarBag, AnimatedBagStartsTheTimerWhileLoading)
{
    formstest::App();
    PropertyBag bag;
    bag.Set("BarColorType", Variant(3));
    Loaded loaded(bag);
    EXPECT_EQ(loaded.site.interval, 10);
}

TEST(ProgressBarBag, DefaultsAreNotStoredAndEverythingElseRoundTrips)
{
    formstest::App();
    FakeSite site;
    auto bar = MakeObject<ProgressBar>();
    bar->SetSite(&site);
    bar->UserControl_InitProperties();
    PropertyBag untouched;
    bar->UserControl_WriteProperties(untouched);
    EXPECT_TRUE(untouched.Empty()) << untouched.Entries().front().first;

    // Whole-number doubles equal whole-number defaults by value, and Value equal to the
    // current Min is not stored.
    PutProperty(bar.get(), "Min", Variant(10.0));
    PutProperty(bar.get(), "Value", Variant(10.0));
    PutProperty(bar.get(), "Max", Variant(100.0));
    PropertyBag minOnly;
    bar->UserControl_WriteProperties(minOnly);
    ASSERT_EQ(minOnly.Entries().size(), 1u);
    EXPECT_EQ(minOnly.Entries()[0].first, "Min");

    const Picture picture = SomePicture();
    const std::vector<std::pair<const char*, Variant>> changed = {
        {"Font", Variant(StdFont{"Arial", 14, true})},
        {"SpecialEffects", Variant(2)},
        {"FieldEffects", Variant(10)},
        {"OnlyValueFields", Variant(false)},
        {"AnimatedInterval", Variant(7)},
        {"Caption", Variant("Lade")},
        {"ValueType", Variant(3)},
        {"Alignment", Variant(1)},
        {"TextAlignment", Variant(2)},
        {"BorderColor", Variant(OleColor{1})},
        {"BackColor", Variant(OleColor{2})},
        {"StartFillColor", Variant(OleColor{3})},
        {"EndFillColor", Variant(OleColor{0x80000001})},
        {"ForeColor", Variant(OleColor{5})},
        {"Min", Variant(-20.25)},
        {"Max", Variant(1000.5)},
        {"Value", Variant(999.125)},
        {"TextBeforeValue", Variant("<")},
        {"TextAfterValue", Variant(" %")},
        {"AspectRatio", Variant(0.75)},
        {"Picture", Variant(picture)},
        {"Scrolling", Variant(1)},
        {"MouseIcon", Variant(picture)},
        {"MousePointer", Variant(std::int16_t(99))},
        {"BarColorType", Variant(2)},
    };
    for (const auto& [name, value] : changed)
        PutProperty(bar.get(), name, value);
    PropertyBag bag;
    bar->UserControl_WriteProperties(bag);
    EXPECT_EQ(bag.Entries().size(), 25u);

    Loaded loaded(bag);
    for (const auto& [name, value] : changed) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(ValuesEqual(GetProperty(loaded.bar.get(), name), value));
    }
    EXPECT_EQ(loaded.site.pointer, 99);
    bar->SetSite(nullptr);
}

TEST_F(Bar, SurfaceEventsAreRaisedAgainWithTheirArgumentsByReference)
{
    std::vector<std::string> events;
    std::uint32_t cookie = 0;
    ASSERT_EQ(bar->Advise(
                  [&](const Event& e) {
                      events.push_back(std::to_string(e.id) + " " + std::string(e.name));
                      if (e.name == "MouseDown") {
                          EXPECT_EQ(e.args.size(), 4u);
                          EXPECT_EQ(e.args[0].ToInt32(), 1);
                          EXPECT_EQ(e.args[2].ToDouble(), 12.5);
                          e.args[0] = Variant(std::int16_t(2));
                          e.args[3] = Variant(7.0);
                      }
                      site.log.push_back("event " + std::string(e.name));
                  },
                  &cookie),
              S_OK);
    std::int16_t button = 1, shift = 0;
    float x = 12.5f, y = 3;
    bar->UserControl_Click();
    bar->UserControl_DblClick();
    bar->UserControl_MouseDown(button, shift, x, y);
    EXPECT_EQ(button, 2);
    EXPECT_EQ(y, 7.0f);
    bar->UserControl_MouseMove(button, shift, x, y);
    bar->UserControl_MouseUp(button, shift, x, y);
    site.Take();
    bar->UserControl_Resize();
    EXPECT_EQ(site.Take(), (Log{"Paint", "event Resize"}));
    bar->UserControl_Show();
    EXPECT_EQ(site.Take(), Log{"Paint"});
    EXPECT_EQ(events, (Log{"1 Click", "2 DblClick", "3 MouseDown", "4 MouseMove", "5 MouseUp",
                           "6 Resize"}));
}

TEST_F(Bar, RepaintDrawsOnTheSiteImageAndYieldsLast)
{
    site.doEvents = 0;
    Put(kValue, Variant(50.0));
    EXPECT_EQ(site.doEvents, 1);
    EXPECT_EQ(site.Take(), (Log{"Value", "Paint"}));
    // The left half carries the dark red fill, the right half the background.
    EXPECT_NE(site.image.pixel(40, 10), site.image.pixel(180, 10));
    EXPECT_NE(site.image.pixel(180, 10), QColor(Qt::magenta).rgb());
}

TEST_F(Bar, ShowAboutBoxShowsAFreshDialogOnEveryCall)
{
    std::vector<const kolvetra::dlgAbout*> seen;
    std::vector<std::string> texts;
    auto previous = kolvetra::SetAboutObserver([&](kolvetra::dlgAbout& dialog) {
        seen.push_back(&dialog);
        EXPECT_TRUE(dialog.Visible());
        texts.push_back(dialog.Ctl<platform::forms::Label>("lblVersion").Caption() + " / " +
                        dialog.Ctl<platform::forms::Label>("Label1").Caption());
        dialog.Ctl<platform::forms::Control>("Command1").Click();
    });
    CallMethod(disp(), DISPID_ABOUTBOX);
    CallMethod(disp(), "ShowAboutBox");
    kolvetra::SetAboutObserver(previous);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(texts, (Log{"Version 1.0 / Revision 11", "Version 1.0 / Revision 11"}));
    EXPECT_TRUE(site.Take().empty());
}

} // namespace

namespace {

TEST(RepaintYield, TimersRunInsideItAsHandlersOfTheirOwn)
{
    formstest::App();
    platform::forms::ScriptedDialogs dialogs;
    int ticks = 0;
    platform::forms::TimerControl timer("tmrOther", 1, true);
    timer.Timer = [&] {
        ++ticks;
        timer.SetEnabled(false);
        platform::Raise(5);
    };
    // A repaint inside a running handler (a compiler setting Value in its loop): the timer's
    // error is shown at the timer's own boundary and the running handler goes on.
    bool finished = false;
    EXPECT_TRUE(platform::forms::RunHandler([&] {
        for (int i = 0; i < 200 && ticks == 0; ++i) {
            kolvetra::DoEventsWithoutInput();
            QThread::msleep(1);
        }
        finished = true;
    }));
    EXPECT_EQ(ticks, 1);
    EXPECT_TRUE(finished);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown[0].prompt.find("Run-time error '5'"), std::string::npos);
}

} // namespace

namespace {

TEST(TypeLibrary, DescribesEveryDispatchMemberUnderItsIdentifier)
{
    const auto& members = kolvetra::ProgressBarMembers();
    ASSERT_EQ(members.size(), 26u);
    for (const kolvetra::MemberHelp& m : members) {
        SCOPED_TRACE(m.name);
        const auto* member = ProgressBar::Members().Find(m.id);
        ASSERT_NE(member, nullptr);
        EXPECT_STREQ(member->name, m.name);
        EXPECT_EQ(*m.help == '\0', m.id == DISPID_ABOUTBOX);
    }
    // The identifiers count down from 0x68030018 in interface order, the about box between.
    EXPECT_EQ(members.front().id, 0x68030018);
    EXPECT_EQ(members[23].id, -552);
    EXPECT_EQ(members.back().id, 0x68030000);

    std::vector<std::int32_t> noneValues;
    for (const auto& e : kolvetra::Enumerations()) {
        for (const auto& m : e.members) {
            if (std::string(m.name) == "zemNone")
                noneValues.push_back(m.value);
        }
    }
    EXPECT_EQ(noneValues, (std::vector<std::int32_t>{7, 0}));
    EXPECT_EQ(kolvetra::Enumerations().size(), 8u);
}

} // namespace

// A property set that moves no pixel of the bar's picture neither paints nor yields; one that
// may move a pixel paints, at the site's next screen update. Whatever was skipped or put off,
// the surface holds at each update what a full repaint gives, and the host sees the same
// reports, values and yields as when every set that may move a pixel draws at once.
#include "controls/progress_bar/ProgressBar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "fake_site.h"
#include "tests/platform/forms/app.h"

namespace {

using namespace platform::com;
using kolvetra::ProgressBar;
using kolvetra_test::FakeSite;
using Log = std::vector<std::string>;

struct Set {
    const char* property;
    Variant value;
};

class Unchanged : public ::testing::Test {
protected:
    void SetUp() override
    {
        formstest::App();
        bar = MakeObject<ProgressBar>();
        bar->SetSite(&site);
        bar->UserControl_InitProperties();
    }
    void TearDown() override { bar->SetSite(nullptr); }

    void Put(const Set& set) { PutProperty(bar.get(), set.property, set.value); }
    // Runs the sets, then paints once more by force, so that the next set starts from a
    // settled surface, and clears the log.
    void Prepare(const std::vector<Set>& sets)
    {
        for (const Set& set : sets)
            Put(set);
        bar->DrawProgress();
        site.Take();
    }
    // True when a forced repaint leaves every pixel as it is.
    bool ShowsFullRepaint()
    {
        const QImage before = site.image.copy();
        bar->DrawProgress();
        site.Take();
        return site.image == before;
    }

    FakeSite site; // 200 x 20
    ComPtr<ProgressBar> bar;
};

TEST_F(Unchanged, ASetPaintsExactlyWhenThePictureMayChange)
{
    struct Case {
        const char* name;
        std::vector<Set> before;
        Set set;
        bool paints;
    };
    const Variant million(1000000.0);
    const Case cases[] = {
        {"a compiler's row: 10 to 11 of a million",
         {{"Max", million}, {"Value", Variant(10.0)}},
         {"Value", Variant(11.0)},
         false},
        {"smooth, text and bar alike",
         {{"Scrolling", Variant(1)},
          {"TextAfterValue", Variant(" %")},
          {"Max", million},
          {"Value", Variant(1000.0)}},
         {"Value", Variant(1200.0)},
         false},
        {"the same value again", {{"Value", Variant(40.0)}}, {"Value", Variant(40.0)}, false},
        {"a colour set to itself", {}, {"BorderColor", Variant(OleColor{0x404040})}, false},
        {"Min below nothing shown", {{"Max", million}}, {"Min", Variant(-0.25)}, false},
        {"smooth bar one pixel longer, same text",
         {{"Scrolling", Variant(1)},
          {"ValueType", Variant(3)},
          {"Caption", Variant("x")},
          {"Max", Variant(200.0)},
          {"Value", Variant(50.0)}},
         {"Value", Variant(51.0)},
         true},
        {"the percentage text only",
         {{"Scrolling", Variant(1)}, {"Max", Variant(1000.0)}, {"Value", Variant(104.0)}},
         {"Value", Variant(106.0)},
         true},
        {"a value shown as a number",
         {{"ValueType", Variant(2)}, {"Max", million}},
         {"Value", Variant(11.0)},
         true},
        {"one more field lit",
         {{"ValueType", Variant(0)}, {"Max", Variant(1000.0)}, {"Value", Variant(99.0)}},
         {"Value", Variant(160.0)},
         true},
        {"a text placed by the value",
         {{"TextAlignment", Variant(3)}, {"Max", million}, {"Value", Variant(10.0)}},
         {"Value", Variant(11.0)},
         true},
        {"Max with the same fields and text",
         {{"Value", Variant(30.0)}},
         {"Max", Variant(100.4)},
         false},
        {"a new picture object",
         {},
         {"Picture", Variant(Picture([] {
              QImage image(3, 3, QImage::Format_RGB32);
              image.fill(Qt::blue);
              return image;
          }()))},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bar = MakeObject<ProgressBar>();
        bar->SetSite(&site);
        bar->UserControl_InitProperties();
        Prepare(c.before);
        const int yields = site.doEvents;
        const QImage before = site.image.copy();

        Put(c.set);
        Log expected{c.set.property};
        if (c.paints)
            expected.push_back("Paint");
        EXPECT_EQ(site.Take(), expected);
        EXPECT_EQ(site.doEvents - yields, c.paints ? 1 : 0);
        if (!c.paints)
            EXPECT_EQ(site.image, before);
        EXPECT_TRUE(ShowsFullRepaint());
    }
}

// Random sets in every mode, each followed by the check that the surface shows what a full
// repaint would.
TEST_F(Unchanged, EverySkippedSetLeavesTheFullRepaintsPicture)
{
    std::mt19937 random(424242);
    auto pick = [&](int n) { return int(random() % unsigned(n)); };
    const double maxima[] = {1.0, 7.0, 100.0, 997.0, 1000000.0};
    int skipped = 0;
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE(round);
        bar = MakeObject<ProgressBar>();
        bar->SetSite(&site);
        bar->UserControl_InitProperties();
        Put({"Scrolling", Variant(pick(2))});
        Put({"ValueType", Variant(pick(4))});
        Put({"TextAlignment", Variant(pick(4))});
        Put({"Alignment", Variant(pick(2))});
        Put({"BarColorType", Variant(pick(3))});
        Put({"OnlyValueFields", Variant(pick(2) == 1)});
        Put({"SpecialEffects", Variant(pick(8))});
        Put({"TextAfterValue", Variant(pick(2) ? " %" : "")});
        const double max = maxima[pick(5)];
        Put({"Max", Variant(max)});
        site.Take();
        double value = 0;
        for (int step = 0; step < 30; ++step) {
            // Mostly small steps, as a compile takes them, now and then a jump.
            value = pick(6) == 0 ? max * pick(1000) / 1000.0 : value + max * pick(4) / 3000.0;
            if (value > max)
                value = 0;
            const int yields = site.doEvents;
            Put({"Value", Variant(value)});
            if (site.doEvents == yields)
                ++skipped;
            ASSERT_TRUE(ShowsFullRepaint()) << "value " << value << " of " << max;
        }
    }
    EXPECT_GT(skipped, 0);
}

// A compile runs Value from 1 to the row count once per faction. With the drawing put off to
// the screen's updates (here every 7th yield), the host sees the same reports and Value as when
// every set that may move a pixel draws at once, a set yields at most once, as there, and every
// update shows the picture that drawing at once shows after the same set. (Which sets yield
// can differ right after a paint that changed what the next paint starts from, such as the
// fill colour a field leaves: the first set after it yields, as it may move a pixel.)
TEST_F(Unchanged, ADeferredRunShowsAtEachUpdateWhatDrawingAtOnceShows)
{
    struct Case {
        const char* name;
        std::vector<Set> setup;
        int rows;
    };
    const Case cases[] = {
        {"the main window's bars: smooth, sunken, \" %\"",
         {{"Scrolling", Variant(1)},
          {"SpecialEffects", Variant(2)},
          {"TextAfterValue", Variant(" %")}},
         450},
        {"fields", {{"ValueType", Variant(0)}}, 130},
        {"the value as a number", {{"ValueType", Variant(2)}, {"Scrolling", Variant(1)}}, 60},
        {"a text placed by the value", {{"TextAlignment", Variant(3)}}, 90},
        {"vertical, gradient", {{"Alignment", Variant(1)}, {"BarColorType", Variant(1)}}, 70},
    };
    // What the host sees after one set.
    struct Seen {
        Log reports; // without the paints
        double value = 0;
        int yields = 0;
        bool painted = false;
        QImage image;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<Seen> runs[2];
        for (const bool deferred : {false, true}) {
            SCOPED_TRACE(deferred ? "deferred" : "at once");
            kolvetra::ProgressBar::SetPaintDeferred(deferred);
            FakeSite screen;
            screen.paintEvery = deferred ? 7 : 1;
            bar = MakeObject<ProgressBar>();
            bar->SetSite(&screen);
            bar->UserControl_InitProperties();
            for (const Set& set : c.setup)
                Put(set);
            screen.Update();
            screen.Take();
            // Three runs of a compile's rows, as for three factions.
            for (int run = 0; run < 3; ++run) {
                std::vector<Set> sets{{"Max", Variant(double(c.rows))}, {"Value", Variant(0.0)}};
                for (int r = 1; r <= c.rows; ++r)
                    sets.push_back({"Value", Variant(double(r))});
                for (const Set& set : sets) {
                    const int yields = screen.doEvents;
                    Put(set);
                    Seen seen;
                    for (const std::string& entry : screen.Take()) {
                        if (entry == "Paint")
                            seen.painted = true;
                        else
                            seen.reports.push_back(entry);
                    }
                    seen.value = GetProperty(bar.get(), "Value").ToDouble();
                    seen.yields = screen.doEvents - yields;
                    seen.image = screen.image.copy();
                    runs[deferred].push_back(std::move(seen));
                }
            }
            screen.Update();
            runs[deferred].push_back({{}, 0, 0, !screen.Take().empty(), screen.image.copy()});
            bar->SetSite(nullptr);
        }
        kolvetra::ProgressBar::SetPaintDeferred(true);
        ASSERT_EQ(runs[1].size(), runs[0].size());
        int updates = 0;
        for (std::size_t i = 0; i < runs[0].size(); ++i) {
            SCOPED_TRACE("set " + std::to_string(i));
            const Seen& atOnce = runs[0][i];
            const Seen& deferred = runs[1][i];
            EXPECT_EQ(deferred.reports, atOnce.reports);
            EXPECT_EQ(deferred.value, atOnce.value);
            EXPECT_LE(deferred.yields, 1);
            EXPECT_LE(atOnce.yields, 1);
            if (deferred.painted) {
                ++updates;
                ASSERT_TRUE(deferred.image == atOnce.image);
            }
        }
        // Fewer pictures drawn, and the last one the picture of the last set.
        const auto paints = [](const std::vector<Seen>& run) {
            return std::count_if(run.begin(), run.end(), [](const Seen& s) { return s.painted; });
        };
        EXPECT_GT(updates, 0);
        EXPECT_LT(paints(runs[1]), paints(runs[0]));
        EXPECT_TRUE(runs[1].back().image == runs[0].back().image);
    }
}

// A picture is skipped only when the surface still holds what a paint left: a surface the host
// or another mode changed in between is drawn on anew.
TEST_F(Unchanged, ARunFollowsChangesBetweenRuns)
{
    Prepare({{"Scrolling", Variant(1)}, {"TextAfterValue", Variant(" %")}, {"Max", Variant(40.0)}});
    for (int r = 1; r <= 40; ++r)
        Put({"Value", Variant(double(r))});
    const auto rerun = [&](const char* what) {
        SCOPED_TRACE(what);
        Put({"Value", Variant(0.0)});
        for (int r = 1; r <= 40; ++r) {
            Put({"Value", Variant(double(r))});
            ASSERT_TRUE(ShowsFullRepaint()) << "row " << r;
        }
    };
    site.image.fill(Qt::green);
    rerun("a surface painted over by the host");
    Put({"BackColor", Variant(OleColor{0x00FF00})});
    rerun("another back colour");
    Put({"BackColor", Variant(OleColor{0x8000000A})});
    rerun("the back colour before");
    Put({"SpecialEffects", Variant(4)});
    rerun("another frame");
}

TEST_F(Unchanged, ADrawingOnTheSurfaceIsPaintedOver)
{
    Prepare({{"Value", Variant(40.0)}});
    site.image.setPixel(100, 10, qRgb(1, 2, 3));
    Put({"Value", Variant(40.0)});
    EXPECT_EQ(site.Take(), (Log{"Value", "Paint"}));
    EXPECT_TRUE(ShowsFullRepaint());
}

TEST_F(Unchanged, ANewSiteIsPaintedOnItsFirstSet)
{
    Prepare({{"Value", Variant(40.0)}});
    FakeSite other;
    bar->SetSite(&other);
    Put({"Value", Variant(40.0)});
    EXPECT_EQ(other.Take(), (Log{"Value", "Paint"}));
    bar->SetSite(nullptr);
}

TEST_F(Unchanged, AnimatedTicksAndModeSetsStillPaint)
{
    Put({"AnimatedInterval", Variant(0)});
    Put({"BarColorType", Variant(3)});
    site.Take();
    // The offset cannot move at interval 0, yet every tick paints as before.
    bar->Timer1_Timer();
    bar->Timer1_Timer();
    EXPECT_EQ(site.Take(), (Log{"Paint", "Paint"}));
    EXPECT_EQ(site.interval, 10);
    Put({"BarColorType", Variant(3)});
    EXPECT_EQ(site.Take(), (Log{"BarColorType", "Paint"}));
}

// The entries that draw at once (a tick, Resize, Show, BarColorType) draw the latest state
// while a setter's paint is still due, which then draws nothing more.
TEST_F(Unchanged, AnEntryThatDrawsAtOnceTakesOverADuePaint)
{
    struct Case {
        const char* name;
        std::function<void(ProgressBar&)> entry;
    };
    const Case cases[] = {
        {"Resize", [](ProgressBar& b) { b.UserControl_Resize(); }},
        {"Show", [](ProgressBar& b) { b.UserControl_Show(); }},
        {"the animation tick", [](ProgressBar& b) { b.Timer1_Timer(); }},
        {"BarColorType", [](ProgressBar& b) { PutProperty(&b, "BarColorType", Variant(1)); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeSite screen;
        screen.paintEvery = 1000;
        bar = MakeObject<ProgressBar>();
        bar->SetSite(&screen);
        bar->UserControl_InitProperties();
        Put({"Scrolling", Variant(1)});
        Put({"Value", Variant(63.0)});
        screen.Take();
        Put({"Value", Variant(64.0)});
        EXPECT_EQ(screen.Take(), Log{"Value"}) << "due, not drawn";
        c.entry(*bar);
        const Log drawn = screen.Take();
        EXPECT_EQ(std::count(drawn.begin(), drawn.end(), "Paint"), 1);
        const QImage shown = screen.image.copy();
        screen.Update();
        EXPECT_TRUE(screen.Take().empty());
        bar->DrawProgress();
        EXPECT_TRUE(screen.image == shown) << "the latest state";
        bar->SetSite(nullptr);
    }
}

} // namespace

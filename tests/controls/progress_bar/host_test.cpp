// A host as the main window is one: it loads libKolvetra.so through the registry, places bars
// from a stored layout and drives them by dispatch identifier. Also renders a sheet of bars in
// every style, saved to the render folder for a look.

#include <QEvent>
#include <QImage>
#include <QObject>
#include <QWidget>
#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cstdlib>
#include <dlfcn.h>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "app/main_window/bar_picture.h"
#include "loaded_library.h"
#include "platform/com/com.h"
#include "platform/forms/forms.h"
#include "platform/hosting/control_site.h"
#include "tests/support/render_dir.h"

namespace {

using namespace platform::com;
using platform::forms::ControlDef;
using platform::forms::Form;
using platform::forms::Kind;
using platform::hosting::AddControlObject;
using platform::hosting::ControlSite;
using platform::hosting::Placement;

constexpr DispId kMax = 0x68030006;
constexpr DispId kValue = 0x68030003;

// Registers the built library in a temporary registry, as `regsvr libKolvetra.so` would.
class Host : public LoadedLibrary {
protected:
    void SetUp() override
    {
        LoadedLibrary::SetUp();
        ASSERT_EQ(registerServer(), S_OK) << LastRegistrationError();
    }
};

QRgb At(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFF;
}

// The main window's bar style: smooth, sunken, the tiled bar picture and " %".
PropertyBag MainWindowBar()
{
    PropertyBag bag;
    bag.Set("SpecialEffects", Variant(2));
    bag.Set("TextAfterValue", Variant(" %"));
    bag.Set("Picture", Variant(Picture(quorvel::MakeBarPicture())));
    bag.Set("Scrolling", Variant(1));
    return bag;
}

TEST_F(Host, PlacesBarsFromAStoredLayoutAndDrivesThemByDispatchIdentifier)
{
    // The layout as the window stores it, read back from its text form.
    const StoredLayout stored = ParseStoredLayout(WriteStoredLayout(
        StoredLayout{{{"Kolvetra.ProgressBar", "pgbFP", MainWindowBar()},
                      {"{2C124F7E-DBA8-11D8-BA1B-000000000000}", "pgbEmpty", PropertyBag()}}}));

    Form form("frmHost");
    form.SetClientSize(3360, 900);
    const StoredControl& fp = *stored.Find("pgbFP");
    ControlSite& bar =
        AddControlObject(form, ControlDef{Kind::PictureBox, fp.name.c_str(), "", 60, 60, 3000, 300},
                         fp.classId, Placement{&fp.properties});
    const StoredControl& empty = *stored.Find("pgbEmpty");
    ControlSite& plain = AddControlObject(
        form, ControlDef{Kind::PictureBox, empty.name.c_str(), "", 60, 480, 3000, 300},
        empty.classId, Placement{&empty.properties});
    form.Show();

    PutProperty(bar.Object(), kMax, Variant(200.0));
    PutProperty(bar.Object(), kValue, Variant(50.0));
    PutProperty(plain.Object(), kMax, Variant(10.0));
    PutProperty(plain.Object(), kValue, Variant(10.0));
    EXPECT_EQ(GetProperty(bar.Object(), kValue).ToDouble(), 50.0);

    const QImage shot = bar.Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.size(), QSize(200, 20));
    testing_support::SaveRender(form.Window()->grab().toImage(), "kolvetra_host.png");
    // 25 %: the tiled picture up to column 49, its middle row dark blue; the rest background.
    EXPECT_EQ(At(shot, 30, 10), qRgb(0, 64, 160) & 0xFFFFFF);
    EXPECT_EQ(At(shot, 30, 3), quorvel::BarPictureRowColour(3).rgb() & 0xFFFFFF);
    EXPECT_EQ(At(shot, 60, 10), At(shot, 190, 10));
    EXPECT_NE(At(shot, 60, 10), At(shot, 30, 10));

    // What the host stores again is what it read, plus nothing it did not change.
    PropertyBag saved;
    bar.Surface().Save(saved);
    EXPECT_TRUE(saved.Contains("Picture"));
    EXPECT_EQ(saved.ReadProperty("Max").ToDouble(), 200.0);
    EXPECT_EQ(saved.ReadProperty("Value").ToDouble(), 50.0);
    EXPECT_EQ(saved.ReadProperty("TextAfterValue").ToString(), " %");
}

// What the screen shows of a bar: a paint of its widget, which draws a set's repaint put off
// to the screen's next update.
QImage Shown(const ControlSite& bar)
{
    return bar.Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A bar in the main window's style, 200 by 20 pixels, `top` twips down the form.
ControlSite& PlaceMainWindowBar(Form& form, const char* name, int top)
{
    form.SetClientSize(3360, 900);
    const PropertyBag style = MainWindowBar();
    return AddControlObject(form, ControlDef{Kind::PictureBox, name, "", 60, top, 3000, 300},
                            "Kolvetra.ProgressBar", Placement{&style});
}

// A compiler's run of Value sets, most of which move no pixel, leaves on the screen exactly
// what a bar set once to the last value shows.
TEST_F(Host, ARunOfSetsShowsWhatOneSetShows)
{
    Form form("frmRun");
    ControlSite& run = PlaceMainWindowBar(form, "pgbRun", 60);
    ControlSite& once = PlaceMainWindowBar(form, "pgbOnce", 480);
    form.Show();
    PutProperty(run.Object(), kMax, Variant(1000000.0));
    for (int value = 0; value <= 437000; value += 1000)
        PutProperty(run.Object(), kValue, Variant(double(value)));
    PutProperty(once.Object(), kMax, Variant(1000000.0));
    PutProperty(once.Object(), kValue, Variant(437000.0));
    platform::forms::DoEvents();
    const QImage shot = Shown(run);
    EXPECT_EQ(shot, Shown(once));
    // 43 %: the tiled picture up to column 85.
    EXPECT_EQ(At(shot, 80, 10), qRgb(0, 64, 160) & 0xFFFFFF);
    EXPECT_NE(At(shot, 90, 10), At(shot, 80, 10));
}

// A compiler runs the same rows through a bar once per faction. Every run, and a run after the
// bar was resized, shows at each row what the first run, which drew every picture, showed.
TEST_F(Host, RepeatedRunsShowWhatTheFirstRunDrew)
{
    Form form("frmRuns");
    ControlSite& bar = PlaceMainWindowBar(form, "pgbRuns", 60);
    form.Show();
    constexpr int kRows = 90;
    const auto runOnce = [&] {
        std::vector<QImage> shown;
        PutProperty(bar.Object(), kMax, Variant(double(kRows)));
        for (int r = 1; r <= kRows; ++r) {
            PutProperty(bar.Object(), kValue, Variant(double(r)));
            shown.push_back(Shown(bar));
        }
        return shown;
    };
    const auto sameRuns = [](const std::vector<QImage>& got, const std::vector<QImage>& drawn) {
        for (int r = 0; r < kRows; ++r) {
            if (got[r] != drawn[r])
                return testing::AssertionFailure() << "row " << r + 1;
        }
        return testing::AssertionSuccess();
    };
    const std::vector<QImage> drawn = runOnce();
    EXPECT_NE(drawn.front(), drawn.back());
    for (int run = 2; run <= 4; ++run)
        EXPECT_TRUE(sameRuns(runOnce(), drawn)) << "run " << run;
    PutProperty(bar.Object(), kValue, Variant(double(kRows / 3)));
    testing_support::SaveRender(form.Window()->grab().toImage(), "kolvetra_repeated_run.png");

    bar.Move(60, 60, 2400, 300);
    const std::vector<QImage> narrower = runOnce();
    ASSERT_EQ(narrower.back().size(), QSize(160, 20));
    for (int run = 2; run <= 3; ++run)
        EXPECT_TRUE(sameRuns(runOnce(), narrower)) << "narrower, run " << run;
}

// Counts the paints the window system gives a widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Two bars in the main window's style on a form on the screen; the window system's paints of
// the first are counted.
struct TwoBarsOnScreen {
    explicit TwoBarsOnScreen(const char* first, const char* second)
        : form("frmTwoBars")
        , bar(PlaceMainWindowBar(form, first, 60))
        , other(PlaceMainWindowBar(form, second, 480))
        , counter(bar.Surface().Widget())
    {
        form.Show();
    }
    Form form;
    ControlSite& bar;
    ControlSite& other;
    PaintCounter counter;
};

// A bar on the screen draws a set's repaint at the screen's next update. Beside a bar whose
// every set is followed by a paint (a grab), as every set drew before, it reports the same
// changes and values, and each paint the window system gives it during the run shows what the
// other bar shows after the same set.
TEST_F(Host, EachScreenUpdateDuringARunShowsWhatPaintingEverySetShows)
{
    TwoBarsOnScreen screen("pgbRun", "pgbEverySet");
    ControlSite& run = screen.bar;
    ControlSite& everySet = screen.other;
    PaintCounter& counter = screen.counter;
    constexpr int kRows = 150;
    int updates = 0;
    for (int faction = 0; faction < 3; ++faction) {
        std::vector<std::pair<DispId, double>> sets{{kMax, double(kRows)}};
        for (int r = 1; r <= kRows; ++r)
            sets.emplace_back(kValue, double(r));
        for (const auto& [id, value] : sets) {
            SCOPED_TRACE("faction " + std::to_string(faction) + ", set to " +
                         std::to_string(value));
            run.Surface().ClearChangedProperties();
            everySet.Surface().ClearChangedProperties();
            const int paints = counter.paints;
            PutProperty(run.Object(), id, Variant(value));
            PutProperty(everySet.Object(), id, Variant(value));
            EXPECT_EQ(run.Surface().ChangedProperties(), everySet.Surface().ChangedProperties());
            EXPECT_EQ(GetProperty(run.Object(), kValue).ToDouble(),
                      GetProperty(everySet.Object(), kValue).ToDouble());
            if (counter.paints != paints) {
                ++updates;
                ASSERT_EQ(run.Surface().Image().convertToFormat(QImage::Format_RGB32),
                          Shown(everySet));
            }
            // Screen updates come once a frame; let some of them fall inside the run.
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    EXPECT_GT(updates, 0);
    EXPECT_EQ(Shown(run), Shown(everySet));
}

// A bar that is off the screen while it is set shows its latest state when it comes back.
TEST_F(Host, ABarOffTheScreenShowsItsLatestStateWhenShownAgain)
{
    TwoBarsOnScreen screen("pgbHidden", "pgbOnce");
    ControlSite& bar = screen.bar;
    ControlSite& once = screen.other;
    PaintCounter& counter = screen.counter;
    PutProperty(bar.Object(), kMax, Variant(1000.0));
    PutProperty(bar.Object(), kValue, Variant(10.0));
    const QImage before = Shown(bar);
    bar.SetVisible(false);
    for (int value = 11; value <= 730; ++value)
        PutProperty(bar.Object(), kValue, Variant(double(value)));
    PutProperty(once.Object(), kMax, Variant(1000.0));
    PutProperty(once.Object(), kValue, Variant(730.0));
    bar.SetVisible(true);
    const int paints = counter.paints;
    for (int i = 0; i < 1000 && counter.paints == paints; ++i) {
        platform::forms::DoEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ASSERT_NE(counter.paints, paints) << "the window system never painted the bar";
    const QImage shown = bar.Surface().Image().convertToFormat(QImage::Format_RGB32);
    EXPECT_NE(shown, before);
    EXPECT_EQ(shown, Shown(once));
}

// After a change between two runs, a repeated run shows at each row what a bar that never
// showed a picture before draws for that row: what was skipped must not outlive what the
// surface held when it was skipped.
TEST_F(Host, RunsAfterAChangeShowWhatAFreshBarDraws)
{
    constexpr DispId kBackColor = 0x68030008;
    constexpr int kRows = 60;
    struct Case {
        const char* name;
        std::function<void(ControlSite&)> change;
        bool toFresh; // the fresh bar takes the change too
        int lastRow;  // the row the bar shows after the change
    };
    const Case cases[] = {
        {"another BackColor",
         [](ControlSite& b) { PutProperty(b.Object(), kBackColor, Variant(OleColor{0x00C0C0})); },
         true, kRows},
        {"the host cleared it", [](ControlSite& b) { b.Surface().Cls(); }, false, kRows},
        {"narrower and back",
         [](ControlSite& b) {
             b.Move(60, 60, 2400, 300);
             PutProperty(b.Object(), kValue, Variant(double(kRows / 2)));
             b.Move(60, 60, 3000, 300);
         },
         false, kRows / 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Form form("frmChanged");
        ControlSite& bar = PlaceMainWindowBar(form, "pgbRuns", 60);
        form.Show();
        // [0]: after Max is set again, which shows the row shown last once more.
        const auto runOnce = [&] {
            std::vector<QImage> shown;
            PutProperty(bar.Object(), kMax, Variant(double(kRows)));
            shown.push_back(Shown(bar));
            for (int r = 1; r <= kRows; ++r) {
                PutProperty(bar.Object(), kValue, Variant(double(r)));
                shown.push_back(Shown(bar));
            }
            return shown;
        };
        runOnce();
        runOnce();
        c.change(bar);
        const std::vector<QImage> first = runOnce();
        const std::vector<QImage> second = runOnce();
        for (const int r : {1, kRows / 3, kRows / 2, kRows}) {
            SCOPED_TRACE("row " + std::to_string(r));
            ControlSite& fresh =
                PlaceMainWindowBar(form, ("pgbFresh" + std::to_string(r)).c_str(), 480);
            if (c.toFresh)
                c.change(fresh);
            PutProperty(fresh.Object(), kMax, Variant(double(kRows)));
            PutProperty(fresh.Object(), kValue, Variant(double(r)));
            const QImage drawn = Shown(fresh);
            EXPECT_TRUE(first[r] == drawn) << "first run after the change";
            EXPECT_TRUE(second[r] == drawn) << "second run after it";
            if (r == c.lastRow)
                EXPECT_TRUE(first[0] == drawn) << "the row shown last, shown again by Max";
        }
    }
}

// One bar of the sheet: its caption and what differs from a new bar.
struct SheetBar {
    std::string caption;
    std::vector<std::pair<const char*, Variant>> properties;
    int width = 200, height = 22;
};

std::vector<SheetBar> SheetBars()
{
    const Variant picture(Picture(quorvel::MakeBarPicture()));
    const Variant red(OleColor{0x0000C0}), yellow(OleColor{0x00E0FF}), green(OleColor{0x20A020});
    std::vector<SheetBar> bars;
    const char* effects[] = {"zemFlat",         "zemRaised", "zemSunken", "zemRaisedDouble",
                             "zemSunkenDouble", "zemEtched", "zemBump",   "zemNone"};
    for (int i = 0; i < 8; ++i)
        bars.push_back({std::string("frame ") + effects[i],
                        {{"SpecialEffects", Variant(i)},
                         {"Scrolling", Variant(1)},
                         {"StartFillColor", red},
                         {"EndFillColor", yellow},
                         {"BorderColor", Variant(OleColor{0x0000FF})}}});
    const char* fills[] = {"zemGradient", "zemColorize", "zemButtonize", "zemAnimated"};
    for (int i = 0; i < 4; ++i) {
        bars.push_back({std::string("smooth ") + fills[i],
                        {{"BarColorType", Variant(i)},
                         {"Scrolling", Variant(1)},
                         {"SpecialEffects", Variant(4)},
                         {"StartFillColor", red},
                         {"EndFillColor", yellow}}});
        bars.push_back({std::string("segmented ") + fills[i],
                        {{"BarColorType", Variant(i)},
                         {"SpecialEffects", Variant(4)},
                         {"StartFillColor", green},
                         {"EndFillColor", yellow}}});
    }
    const char* aligns[] = {"zemCenter", "zemLeftBottom", "zemRightTop", "zemByValue"};
    for (int i = 0; i < 4; ++i)
        bars.push_back({std::string("text ") + aligns[i],
                        {{"TextAlignment", Variant(i)},
                         {"Scrolling", Variant(1)},
                         {"SpecialEffects", Variant(2)},
                         {"TextBeforeValue", Variant("[")},
                         {"TextAfterValue", Variant(" %]")},
                         {"StartFillColor", red},
                         {"EndFillColor", yellow}}});
    bars.push_back({"value text", {{"ValueType", Variant(2)}, {"Scrolling", Variant(1)}}});
    bars.push_back({"custom text",
                    {{"ValueType", Variant(3)},
                     {"Caption", Variant("Kompiliere...")},
                     {"Scrolling", Variant(1)},
                     {"SpecialEffects", Variant(5)}}});
    bars.push_back({"segmented flat fields",
                    {{"FieldEffects", Variant(1)},
                     {"BorderColor", Variant(OleColor{0xFF})},
                     {"OnlyValueFields", Variant(false)}}});
    bars.push_back({"main window style",
                    {{"SpecialEffects", Variant(2)},
                     {"TextAfterValue", Variant(" %")},
                     {"Picture", picture},
                     {"Scrolling", Variant(1)}}});
    bars.push_back({"main window, no text",
                    {{"SpecialEffects", Variant(2)},
                     {"ValueType", Variant(0)},
                     {"Picture", picture},
                     {"Scrolling", Variant(1)}}});
    for (int i = 0; i < 4; ++i)
        bars.push_back({std::string("vertical ") + aligns[i],
                        {{"Alignment", Variant(1)},
                         {"TextAlignment", Variant(i)},
                         {"Scrolling", Variant(1)},
                         {"SpecialEffects", Variant(4)},
                         {"StartFillColor", red},
                         {"EndFillColor", yellow}},
                        26,
                        150});
    bars.push_back({"vertical segmented",
                    {{"Alignment", Variant(1)},
                     {"SpecialEffects", Variant(2)},
                     {"StartFillColor", green},
                     {"EndFillColor", yellow}},
                    26,
                    150});
    bars.push_back({"vertical picture",
                    {{"Alignment", Variant(1)},
                     {"Picture", picture},
                     {"SpecialEffects", Variant(2)},
                     {"Scrolling", Variant(1)}},
                    26,
                    150});
    return bars;
}

TEST_F(Host, RendersTheSheetOfBarStyles)
{
    using platform::forms::Label;
    Form form("frmSheet");
    form.SetBackColor(0xFFFFFF);
    std::vector<ControlSite*> sites;
    std::vector<std::unique_ptr<std::string>> names;
    int y = 360, column = 0, vx = 60;
    const std::vector<SheetBar> bars = SheetBars();
    int vy = 60;
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const SheetBar& b = bars[i];
        names.push_back(std::make_unique<std::string>("pgb" + std::to_string(i)));
        auto label = std::make_unique<std::string>("lbl" + std::to_string(i));
        int left, top;
        const bool vertical = b.height > b.width;
        if (vertical) {
            if (vx == 60)
                vy = y + 420;
            left = vx;
            top = vy + 300;
            vx += 2100;
        } else {
            left = 60 + column * 4800;
            top = y;
        }
        Label& caption = static_cast<Label&>(
            form.Create(ControlDef{Kind::Label, label->c_str(), "", left, top - 270,
                                   b.height > b.width ? 2000 : 4500, 255, ""}));
        caption.SetCaption(b.caption);
        names.push_back(std::move(label));
        PropertyBag bag;
        for (const auto& [name, value] : b.properties)
            bag.Set(name, value);
        ControlSite& site =
            AddControlObject(form,
                             ControlDef{Kind::PictureBox, names[names.size() - 2]->c_str(), "",
                                        left, top, b.width * 15, b.height * 15},
                             "Kolvetra.ProgressBar", Placement{&bag});
        PutProperty(site.Object(), kMax, Variant(100.0));
        PutProperty(site.Object(), kValue, Variant(vertical ? 62.0 : 37.0 + 3 * double(i % 7)));
        sites.push_back(&site);
        if (!vertical && ++column == 3) {
            column = 0;
            y += 720;
        }
    }
    form.SetClientSize(3 * 4800 + 60, vy + 300 + 150 * 15 + 120);
    form.Show();
    platform::forms::DoEvents();
    const QImage sheet = form.Window()->grab().toImage();
    ASSERT_TRUE(testing_support::SaveRender(sheet, "kolvetra_sheet.png"));

    // Every bar painted more than one colour.
    for (std::size_t i = 0; i < sites.size(); ++i) {
        SCOPED_TRACE(bars[i].caption);
        const QImage shot = sites[i]->Widget()->grab().toImage();
        bool varied = false;
        for (int yy = 0; yy < shot.height() && !varied; ++yy)
            for (int xx = 0; xx < shot.width() && !varied; ++xx)
                varied = shot.pixel(xx, yy) != shot.pixel(0, 0);
        EXPECT_TRUE(varied);
    }
}

} // namespace

namespace {

TEST(RegistrationTool, RegistersTheLibraryForCreationByNameAndRemovesIt)
{
    formstest::App();
    TempRegistry temp;
    const std::string library = QV_KOLVETRA;
    ASSERT_EQ(std::system((std::string(QV_REGSVR) + " '" + library + "'").c_str()), 0);
    {
        ComPtr<IDispatch> bar = CreateObject("Kolvetra.ProgressBar");
        ASSERT_TRUE(bar);
        EXPECT_EQ(GetProperty(bar.get(), kMax).ToDouble(), 0.0) << "not placed yet";
    }
    ASSERT_EQ(std::system((std::string(QV_REGSVR) + " -u '" + library + "'").c_str()), 0);
    try {
        CreateObject("Kolvetra.ProgressBar");
        ADD_FAILURE() << "created after unregistering";
    } catch (const platform::RunTimeError& e) {
        EXPECT_EQ(e.number(), 429);
    }
}

} // namespace

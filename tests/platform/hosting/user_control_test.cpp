#include "platform/hosting/user_control.h"

#include <gtest/gtest.h>

#include <QTest>

#include "platform/errors/run_time_error.h"
#include "platform/forms/events.h"
#include "tests/platform/forms/app.h"
#include "tests/platform/hosting/gauge.h"
#include "tests/support/render_dir.h"

namespace {

using namespace hostingtest;
using platform::forms::EventLog;
using platform::forms::Kind;
using Events = std::vector<std::string>;

class UserControlTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { formstest::App(); }

    UserControlTest()
    {
        form.SetClientSize(6000, 3000);
        form.SetFont({"Arial", 9.75, true});
    }

    ControlSite& Place(const PropertyBag* stored = nullptr, bool designMode = false)
    {
        return AddControlObject(form, {Kind::PictureBox, "Gauge1", "", 150, 150, 3000, 450},
                                MakeObject<Gauge>().As<IUnknown>(), Placement{stored, designMode});
    }
    static Gauge& GaugeOf(ControlSite& site) { return static_cast<Gauge&>(site.Surface()); }

    platform::forms::Form form{"frmTest"};
};

TEST_F(UserControlTest, LifecycleRunsInTheOriginalOrder)
{
    PropertyBag stored;
    stored.Set("Value", Variant(40.0));
    struct Case {
        const char* name;
        const PropertyBag* stored;
        const char* properties;
    };
    const Case cases[] = {
        {"new instance", nullptr, "Gauge1.UserControl_InitProperties"},
        {"stored instance", &stored, "Gauge1.UserControl_ReadProperties"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform::forms::Form host("frmHost");
        host.Load();
        EventLog log;
        ControlSite& site =
            AddControlObject(host, {Kind::PictureBox, "Gauge1", "", 0, 0, 1500, 300},
                             MakeObject<Gauge>().As<IUnknown>(), Placement{c.stored});
        EXPECT_EQ(log.Take(), (Events{"Gauge1.UserControl_Initialize", c.properties,
                                      "Gauge1.UserControl_Resize", "Gauge1_Resize"}));
        host.Show();
        EXPECT_EQ(log.Take(), (Events{"Gauge1.UserControl_Show"}));
        PropertyBag bag;
        site.Surface().Save(bag);
        EXPECT_EQ(log.Take(), (Events{"Gauge1.UserControl_WriteProperties"}));
        host.Unload();
        log.Clear();
    }
    // The site's going terminates the control, once.
    EventLog log;
    {
        platform::forms::Form host("frmHost");
        AddControlObject(host, {Kind::PictureBox, "Gauge1", "", 0, 0, 1500, 300},
                         MakeObject<Gauge>().As<IUnknown>(), Placement{});
        log.Clear();
    }
    EXPECT_EQ(log.Take(), (Events{"Gauge1.UserControl_Terminate"}));
}

TEST_F(UserControlTest, StoredValuesComeBackAndDefaultsAreNotWritten)
{
    PropertyBag stored;
    stored.Set("Value", Variant(40.0));
    ControlSite& site = Place(&stored);
    EXPECT_EQ(GaugeOf(site).Value(), 40.0);
    PropertyBag out;
    site.Surface().Save(out);
    // The caption read back as "" (its default) is not stored; the value is.
    EXPECT_EQ(out.Entries().size(), 1u);
    EXPECT_EQ(out.ReadProperty("Value").ToDouble(), 40.0);
}

TEST_F(UserControlTest, AmbientPropertiesComeFromTheForm)
{
    ControlSite& running = Place();
    AmbientProperties a = running.Surface().Ambient();
    EXPECT_TRUE(a.userMode);
    EXPECT_EQ(a.displayName, "Gauge1");
    EXPECT_EQ(a.font.name, "Arial");
    EXPECT_DOUBLE_EQ(a.font.size, 9.75);
    EXPECT_TRUE(a.font.bold);
    // InitProperties took the display name and the ambient font.
    EXPECT_EQ(GetProperty(running.Object(), "Caption").ToString(), "Gauge1");
    EXPECT_EQ(running.Surface().SurfaceFont().name, "Arial");

    platform::forms::Form designer("frmDesign");
    ControlSite& designed =
        AddControlObject(designer, {Kind::PictureBox, "Gauge7", "", 0, 0, 1500, 300},
                         MakeObject<Gauge>().As<IUnknown>(), Placement{nullptr, true});
    EXPECT_FALSE(designed.Surface().Ambient().userMode);
    EXPECT_EQ(designed.Surface().Ambient().displayName, "Gauge7");
}

TEST_F(UserControlTest, PropertyChangesReachTheHostInOrder)
{
    ControlSite& site = Place();
    std::vector<std::string> told;
    site.Surface().PropertyChangedSink = [&](const std::string& name) { told.push_back(name); };
    site.Surface().ClearChangedProperties();
    PutProperty(site.Object(), 0x68030001, Variant(25.0));
    PutProperty(site.Object(), "caption", Variant("x"));
    EXPECT_EQ(site.Surface().ChangedProperties(), (Events{"Value", "Caption"}));
    EXPECT_EQ(told, (Events{"Value", "Caption"}));
    // A refused value is reported as the control's error and reports nothing.
    try {
        PutProperty(site.Object(), "Value", Variant(150.0));
        FAIL() << "no error";
    } catch (const platform::RunTimeError& e) {
        EXPECT_EQ(e.number(), 380);
    }
    EXPECT_EQ(told.size(), 2u);

    // A long run of reports keeps the record bounded, its latest reports last, while the
    // sink still hears every one.
    const std::size_t many = 3 * UserControl::kChangeRecordLimit;
    for (std::size_t i = 0; i < many; ++i)
        PutProperty(site.Object(), "Value", Variant(static_cast<double>(i % 100)));
    EXPECT_LE(site.Surface().ChangedProperties().size(), UserControl::kChangeRecordLimit);
    EXPECT_EQ(site.Surface().ChangedProperties().back(), "Value");
    EXPECT_EQ(told.size(), 2u + many);
}

TEST_F(UserControlTest, ScaleModeDecidesTheUnitsOfSizesAndMouseEvents)
{
    ControlSite& site = Place();
    UserControl& uc = site.Surface();
    EXPECT_EQ(uc.ScaleMode(), vbTwips);
    EXPECT_FLOAT_EQ(uc.ScaleWidth(), 3000);
    EXPECT_FLOAT_EQ(uc.ScaleHeight(), 450);
    EXPECT_FLOAT_EQ(uc.ScaleX(1500, vbTwips, vbPixels), 100);
    EXPECT_FLOAT_EQ(uc.ScaleY(7, vbPixels, vbTwips), 105);
    EXPECT_FLOAT_EQ(uc.ScaleX(10, vbPoints, vbPixels), 200.0f / 15);

    std::vector<std::vector<Variant>> downs;
    site.ControlEvent = [&](const Event& e) {
        if (e.name == "MouseDown")
            downs.push_back(e.args);
    };
    QTest::mousePress(uc.Widget(), Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 4));
    QTest::mouseRelease(uc.Widget(), Qt::LeftButton, {}, QPoint(10, 4));
    uc.SetScaleMode(vbPixels);
    EXPECT_FLOAT_EQ(uc.ScaleWidth(), 200);
    QTest::mousePress(uc.Widget(), Qt::RightButton, {}, QPoint(10, 4));
    QTest::mouseRelease(uc.Widget(), Qt::RightButton, {}, QPoint(10, 4));
    ASSERT_EQ(downs.size(), 2u);
    EXPECT_EQ(downs[0], (std::vector<Variant>{Variant(std::int16_t(1)), Variant(std::int16_t(1)),
                                              Variant(150.0), Variant(60.0)}));
    EXPECT_EQ(downs[1], (std::vector<Variant>{Variant(std::int16_t(2)), Variant(std::int16_t(0)),
                                              Variant(10.0), Variant(4.0)}));

    for (int bad : {0, 4, 7}) {
        EXPECT_THROW(uc.SetScaleMode(bad), platform::RunTimeError) << bad;
        EXPECT_EQ(uc.ScaleMode(), vbPixels);
    }
}

TEST_F(UserControlTest, ClickNeedsALeftPressAndReleaseOnTheControl)
{
    ControlSite& site = Place();
    QWidget* w = site.Surface().Widget();
    form.Show();
    struct Case {
        const char* name;
        Qt::MouseButton button;
        QPoint release;
        Events expected;
    };
    const Case cases[] = {
        {"left inside",
         Qt::LeftButton,
         {30, 5},
         {"Gauge1_MouseDown", "Gauge1_MouseUp", "Gauge1_Click"}},
        {"left, released outside",
         Qt::LeftButton,
         {400, 5},
         {"Gauge1_MouseDown", "Gauge1_MouseUp"}},
        {"right", Qt::RightButton, {30, 5}, {"Gauge1_MouseDown", "Gauge1_MouseUp"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EventLog log;
        QTest::mousePress(w, c.button, {}, QPoint(30, 5));
        QTest::mouseRelease(w, c.button, {}, c.release);
        Events host;
        for (const std::string& e : log.Events()) {
            if (e.find(".UserControl_") == std::string::npos)
                host.push_back(e);
        }
        EXPECT_EQ(host, c.expected);
    }
    // A double click arrives as press, release, press, double click, release; its second
    // press is a MouseDown too, and its release raises no second Click.
    EventLog log;
    QTest::mousePress(w, Qt::LeftButton, {}, QPoint(30, 5));
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(30, 5));
    QTest::mousePress(w, Qt::LeftButton, {}, QPoint(30, 5));
    QTest::mouseDClick(w, Qt::LeftButton, {}, QPoint(30, 5));
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(30, 5));
    Events host;
    for (const std::string& e : log.Events()) {
        if (e.find(".UserControl_") == std::string::npos)
            host.push_back(e);
    }
    EXPECT_EQ(host, (Events{"Gauge1_MouseDown", "Gauge1_MouseUp", "Gauge1_Click",
                            "Gauge1_MouseDown", "Gauge1_DblClick", "Gauge1_MouseUp"}));
}

TEST_F(UserControlTest, ResizeFollowsThePixelSize)
{
    ControlSite& site = Place();
    UserControl& uc = site.Surface();
    EventLog log;
    site.SetWidth(3005); // still 200 pixels
    EXPECT_EQ(log.Take(), Events{});
    site.Move(0, 0, 1500, 300);
    EXPECT_EQ(log.Take(), (Events{"Gauge1.UserControl_Resize", "Gauge1_Resize"}));
    EXPECT_EQ(uc.Image().size(), QSize(100, 20));
    EXPECT_FLOAT_EQ(uc.ScaleWidth(), 1500);
}

TEST_F(UserControlTest, APaintDeletesEverythingItMade)
{
    ControlSite& site = Place();
    Gauge& gauge = GaugeOf(site);
    platform::gdi::LiveObjects before = platform::gdi::CountLiveObjects();
    gauge.SetValue(60);
    gauge.SetValue(10);
    EXPECT_EQ(platform::gdi::CountLiveObjects(), before);
}

TEST_F(UserControlTest, TheSurfaceShowsWhatWasDrawnAndPaintsToPng)
{
    form.SetBackColor(0xFFFFFF);
    ControlSite& site = Place();
    Gauge& gauge = GaugeOf(site);
    gauge.SetValue(60);
    const QImage& image = gauge.Image();
    // Sunken edge: outer shadow top-left, inner dark shadow; bar in navy from column 2.
    EXPECT_EQ(image.pixel(5, 0), qRgb(128, 128, 128));
    EXPECT_EQ(image.pixel(5, 1), qRgb(64, 64, 64));
    EXPECT_EQ(image.pixel(2, 3), qRgb(0, 0, 128));
    EXPECT_EQ(image.pixel(119, 3), qRgb(0, 0, 128));
    EXPECT_EQ(image.pixel(120, 3), qRgb(212, 208, 200));
    // The widget shows the backing image as it is.
    QImage shown = gauge.Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.pixel(2, 3), qRgb(0, 0, 128));
    form.Show();
    QImage window = form.Window()->grab().toImage();
    ASSERT_TRUE(testing_support::SaveRender(window, "hosting_gauge.png"));
}

// A control may leave its drawing to the widget's next paint: what it draws there, through
// the device context, Cls or Circle, is what that paint shows, and it asks for no other paint.
TEST_F(UserControlTest, DrawingInThePaintShowsInThatPaintAndAsksForNoOther)
{
    ControlSite& site = Place();
    Gauge& gauge = GaugeOf(site);
    gauge.drawAtPaint = true;
    form.Show();
    const auto settle = [] {
        for (int i = 0; i < 20; ++i)
            platform::forms::DoEvents();
    };
    settle();
    gauge.SetValue(60);
    EXPECT_EQ(gauge.Image().pixel(100, 3), qRgb(212, 208, 200)) << "not drawn before the paint";
    gauge.paintHooks = 0;
    settle();
    EXPECT_EQ(gauge.paintHooks, 1);
    EXPECT_EQ(gauge.Image().pixel(100, 3), qRgb(0, 0, 128));
    const QImage shown = gauge.Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.pixel(100, 3), qRgb(0, 0, 128));
    // A grab is a paint too: it shows the latest value at once.
    gauge.SetValue(10);
    const QImage grabbed = gauge.Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(grabbed.pixel(100, 3), qRgb(212, 208, 200));
    EXPECT_EQ(grabbed.pixel(10, 3), qRgb(0, 0, 128));
}

TEST_F(UserControlTest, ChildTimersTickUntilTheControlTerminates)
{
    ControlSite& site = Place();
    platform::forms::TimerControl& timer = site.Surface().AddTimer("tmrTick", 100, true);
    int ticks = 0;
    timer.Timer = [&] { ++ticks; };
    EventLog log;
    EXPECT_TRUE(timer.FireTick());
    EXPECT_EQ(log.Take(), (Events{"tmrTick_Timer"}));
    site.Surface().Terminate();
    EXPECT_FALSE(timer.FireTick());
    EXPECT_EQ(ticks, 1);
}

TEST_F(UserControlTest, BackStyleZeroClearsToSeeThrough)
{
    ControlSite& site = Place();
    UserControl& uc = site.Surface();
    uc.SetBackStyle(0);
    uc.Cls();
    EXPECT_EQ(qAlpha(uc.Image().pixel(3, 3)), 0);
    uc.SetBackStyle(1);
    uc.SetBackColor(0x0000FF);
    uc.Cls();
    EXPECT_EQ(uc.Image().pixel(3, 3), qRgb(255, 0, 0));
}

TEST_F(UserControlTest, ASiteRefusesAnObjectThatIsNoControl)
{
    struct Plain : ComObject<IDispatch> {
        HRESULT GetIDsOfNames(std::string_view, DispId*) override { return E_NOTIMPL; }
        HRESULT Invoke(DispId, std::uint16_t, std::vector<Variant>&, Variant*, ExcepInfo*) override
        {
            return E_NOTIMPL;
        }
    };
    try {
        AddControlObject(form, {Kind::PictureBox, "X", "", 0, 0, 10, 10},
                         MakeObject<Plain>().As<IUnknown>(), Placement{});
        FAIL() << "no error";
    } catch (const platform::RunTimeError& e) {
        EXPECT_EQ(e.number(), 13);
    }
    EXPECT_EQ(form.Find("X"), nullptr);
}

} // namespace

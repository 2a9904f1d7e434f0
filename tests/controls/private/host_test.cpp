#include <gtest/gtest.h>

#include "controls/private/ProgressCounter.h"
#include "controls/private/ProgressSlider.h"
#include "controls/private/ProgressWheel.h"
#include "controls/private/indicator_host.h"
#include "platform/forms/form.h"
#include "platform/gdi/objects.h"
#include "platform/hosting/control_site.h"
#include "tests/platform/forms/app.h"

namespace {

using kolvetra::Hosted;
using kolvetra::ProgressCounter;
using kolvetra::ProgressSlider;
using kolvetra::ProgressWheel;
using platform::forms::Kind;
using platform::hosting::AddUserControl;
using platform::hosting::Placement;

class HostedIndicator : public ::testing::Test {
protected:
    static void SetUpTestSuite() { formstest::App(); }
    HostedIndicator() { form.SetClientSize(6000, 4000); }
    platform::forms::Form form{"frmHost"};
};

TEST_F(HostedIndicator, AWheelOnAFormSquaresItselfPaintsAndCounts)
{
    auto& host = AddUserControl<Hosted<ProgressWheel>>(
        form, {Kind::PictureBox, "Wheel1", "", 0, 0, 3000, 1500}, Placement{});
    EXPECT_EQ(host.Width(), 1500);
    EXPECT_EQ(host.Image().size(), QSize(100, 100));
    // The cleared corner and the grey ring of a new wheel.
    EXPECT_EQ(host.Image().pixel(0, 0), qRgb(224, 224, 224));
    EXPECT_EQ(host.Image().pixel(57, 11), qRgb(128, 128, 128)); // cell 1, at 10 degrees

    ProgressWheel& wheel = host.Control();
    host.ClearChangedProperties();
    wheel.StartTimer(3);
    EXPECT_TRUE(host.Timer1().Running());
    while (host.Timer1().FireTick()) {
    }
    EXPECT_EQ(wheel.Value(), 3);
    EXPECT_FALSE(host.Timer1().Running());
    EXPECT_EQ(host.ChangedProperties().front(), "Min");

    wheel.SetBackStyle(1);
    ASSERT_TRUE(host.WindowShape().IsShaped());
    EXPECT_FALSE(host.WindowShape().Shape().contains(QPoint(0, 0)));
    EXPECT_TRUE(host.WindowShape().Shape().contains(QPoint(50, 5)));

    platform::com::PropertyBag bag;
    host.Save(bag);
    EXPECT_EQ(bag.ReadProperty("BackStyle").ToInt32(), 1);
    EXPECT_EQ(bag.ReadProperty("Max").ToDouble(), 3);
}

// The width follows the height in twips, also where the height is no whole number of pixels.
TEST_F(HostedIndicator, TheDialsTakeTheirHeightInTwipsAsTheirWidth)
{
    auto& wheel = AddUserControl<Hosted<ProgressWheel>>(
        form, {Kind::PictureBox, "Wheel1", "", 0, 0, 2000, 1000}, Placement{});
    EXPECT_EQ(wheel.Width(), 1000);
    auto& counter = AddUserControl<Hosted<ProgressCounter>>(
        form, {Kind::PictureBox, "Counter1", "", 0, 1200, 700, 1010}, Placement{});
    EXPECT_EQ(counter.Width(), 1010);
    counter.SetHeight(1444);
    EXPECT_EQ(counter.Width(), 1444);
    EXPECT_EQ(counter.Image().width(), counter.Image().height());
}

TEST_F(HostedIndicator, TheSliderMeasuresInPixelsAndTheCounterLoadsFromItsBag)
{
    auto& slider = AddUserControl<Hosted<ProgressSlider>>(
        form, {Kind::PictureBox, "Slider1", "", 0, 0, 3000, 300}, Placement{});
    EXPECT_EQ(slider.ScaleWidth(), 200);
    std::vector<std::string> events;
    slider.ControlEvent = [&](int index, std::string_view name, kolvetra::MouseEventArgs*) {
        events.push_back(std::to_string(index) + " " + std::string(name));
    };
    slider.SetHeight(450);
    EXPECT_EQ(slider.Width(), 3000);
    EXPECT_EQ(events, (std::vector<std::string>{"6 Resize"}));

    platform::com::PropertyBag stored;
    stored.Set("Max", platform::com::Variant(80.0));
    stored.Set("Value", platform::com::Variant(50.0));
    stored.Set("MaxCount", platform::com::Variant(std::int32_t(4)));
    auto& counter = AddUserControl<Hosted<ProgressCounter>>(
        form, {Kind::PictureBox, "Counter1", "", 0, 600, 1440, 1440}, Placement{&stored});
    EXPECT_EQ(counter.Control().Value(), 50);
    EXPECT_EQ(counter.Control().MaxCount(), 4);
    // Two units of 20 have run in full, and half of the third: the left half is filled.
    EXPECT_EQ(counter.Image().pixel(35, 61), qRgb(128, 128, 128));
    EXPECT_NE(counter.Image().pixel(61, 61), qRgb(128, 128, 128));
}

} // namespace

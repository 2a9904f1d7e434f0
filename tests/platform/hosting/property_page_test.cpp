#include "platform/hosting/property_page.h"

#include <gtest/gtest.h>

#include "platform/forms/dialogs.h"
#include "platform/forms/events.h"
#include "platform/forms/text_box.h"
#include "tests/platform/forms/app.h"
#include "tests/platform/hosting/gauge.h"
#include "tests/support/render_dir.h"

namespace {

using namespace hostingtest;
using platform::forms::Kind;
using platform::forms::TextBox;
using Events = std::vector<std::string>;

// A page with one text box for the gauge's Value, written the way a library's page is.
class ValuePage : public PropertyPageObject<ValuePage> {
public:
    static const DispatchTable<ValuePage>& Members()
    {
        static const DispatchTable<ValuePage> table{};
        return table;
    }
    ValuePage()
        : PropertyPageObject("ValuePage", "Allgemein", 3000, 1200)
        , txtValue(
              static_cast<TextBox&>(Create({Kind::TextBox, "txtValue", "", 120, 120, 1500, 330})))
    {
        txtValue.Change = [this] { SetChanged(true); };
    }
    TextBox& txtValue;

protected:
    void PropertyPage_SelectionChanged() override
    {
        txtValue.SetText(GetSelectedProperty("Value").ToString());
    }
    void PropertyPage_ApplyChanges() override
    {
        PutSelectedProperty("Value", Variant(txtValue.Text()));
    }
};

class PropertyPageTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { formstest::App(); }

    PropertyPageTest()
        : site(host.Place(MakeObject<Gauge>().As<IUnknown>(), "Gauge1", 3000, 375))
        , gauge(static_cast<Gauge&>(site.Surface()))
    {
        gauge.SetValue(30);
    }

    PropertyPageFrame& Open()
    {
        page = MakeObject<ValuePage>();
        return host.OpenPages(site, {page.As<IUnknown>()});
    }

    TestHost host;
    ControlSite& site;
    Gauge& gauge;
    ComPtr<ValuePage> page;
};

TEST_F(PropertyPageTest, TheHostDesignsAndThePageLoadsTheSelection)
{
    EXPECT_FALSE(gauge.Ambient().userMode);
    platform::forms::EventLog log;
    PropertyPageFrame& frame = Open();
    EXPECT_EQ(log.Take(), (Events{"ValuePage.PropertyPage_SelectionChanged", "txtValue_Change"}));
    ASSERT_EQ(frame.PageCount(), 1);
    EXPECT_EQ(page->SelectedControls().size(), 1u);
    EXPECT_EQ(page->txtValue.Text(), "30");
    // Filling the page raised its change handler, as in the original.
    EXPECT_TRUE(page->Changed());
    EXPECT_TRUE(frame.ApplyEnabled());
}

TEST_F(PropertyPageTest, ApplyCancelAndOk)
{
    PropertyPageFrame& frame = Open();
    page->txtValue.SetText("55");
    frame.ApplyNow();
    EXPECT_EQ(gauge.Value(), 55);
    EXPECT_FALSE(page->Changed());
    EXPECT_FALSE(frame.ApplyEnabled());
    EXPECT_TRUE(frame.IsOpen());

    page->txtValue.SetText("70");
    EXPECT_TRUE(frame.ApplyEnabled());
    frame.Cancel();
    EXPECT_FALSE(frame.IsOpen());
    EXPECT_EQ(gauge.Value(), 55);

    PropertyPageFrame& again = Open();
    page->txtValue.SetText("80");
    again.Ok();
    EXPECT_FALSE(again.IsOpen());
    EXPECT_EQ(gauge.Value(), 80);
}

TEST_F(PropertyPageTest, ARefusedValueKeepsThePageOpenAndChanged)
{
    platform::forms::ScriptedDialogs dialogs;
    PropertyPageFrame& frame = Open();
    page->txtValue.SetText("150");
    frame.Ok();
    EXPECT_TRUE(frame.IsOpen());
    EXPECT_TRUE(page->Changed());
    EXPECT_EQ(gauge.Value(), 30);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown[0].prompt.find("380"), std::string::npos) << dialogs.shown[0].prompt;
}

TEST_F(PropertyPageTest, UnregisteredPagesAreLeftOut)
{
    gauge.m_pages = {MakeGuid("{0BE35200-8F91-11CE-9DE3-00AA004BB851}")};
    PropertyPageFrame& frame = host.OpenPages(site);
    EXPECT_EQ(frame.PageCount(), 0);
}

TEST_F(PropertyPageTest, TheFrameRendersToPng)
{
    QV_SKIP_UNLESS_RENDERING();
    PropertyPageFrame& frame = Open();
    frame.Show();
    ASSERT_TRUE(
        testing_support::SaveRender(frame.Window()->grab().toImage(), "hosting_page_frame.png"));
}

} // namespace

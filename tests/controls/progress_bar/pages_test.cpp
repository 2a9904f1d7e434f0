// The frame of ProgressBar's four pages and the about dialog, rendered to PNG, and the simple
// standard pages.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/progress_bar/ProgressBar.h"
#include "controls/progress_bar/dlgAbout.h"
#include "controls/progress_bar/standard_pages.h"
#include "platform/forms/forms.h"
#include "platform/hosting/test_host.h"
#include "tests/platform/forms/app.h"
#include "tests/support/render_dir.h"
#include "tests/support/temp_folder.h"

namespace {

using namespace platform::com;
using namespace platform::forms;
using kolvetra::ProgressBar;
using platform::hosting::PropertyPage;
using platform::hosting::PropertyPageFrame;
using platform::hosting::TestHost;

class Frame : public ::testing::Test {
protected:
    void SetUp() override
    {
        formstest::App();
        host = std::make_unique<TestHost>();
        site = &host->Place(MakeObject<ProgressBar>().As<IUnknown>(), "ProgressBar1", 3000, 300);
        frame = &host->OpenPages(*site, kolvetra::ProgressBarPages());
    }
    IDispatch* bar() { return site->Object(); }
    PropertyPage& Page(int i) { return frame->Page(i); }

    std::unique_ptr<TestHost> host;
    platform::hosting::ControlSite* site = nullptr;
    PropertyPageFrame* frame = nullptr;
};

TEST_F(Frame, ShowsTheFourPagesInOrderAndRenders)
{
    ASSERT_EQ(frame->PageCount(), 4);
    EXPECT_EQ(Page(0).Caption(), "Allgemein");
    EXPECT_EQ(Page(1).Caption(), "Schriftart");
    EXPECT_EQ(Page(2).Caption(), "Farbe");
    EXPECT_EQ(Page(3).Caption(), "Bild");
    EXPECT_EQ(
        ProgressBar().PropertyPages(),
        (std::vector<Guid>{kolvetra::kCLSID_PgbAllgemein, kolvetra::kCLSID_StandardFont,
                           kolvetra::kCLSID_StandardColor, kolvetra::kCLSID_StandardPicture}));
    frame->Show();
    DoEvents();
    for (int i = 0; i < 4; ++i) {
        frame->SetCurrentPage(i);
        DoEvents();
        ASSERT_TRUE(testing_support::SaveRender(frame->Window()->grab().toImage(),
                                                "kolvetra_page" + std::to_string(i) + ".png"));
    }
}

TEST_F(Frame, FontPageAppliesTheEditedFont)
{
    PropertyPage& page = Page(1);
    EXPECT_EQ(page.Ctl<TextBox>("txtName").Text(), GetProperty(bar(), "Font").ToFont().name);
    page.Ctl<TextBox>("txtName").SetText("Courier New");
    page.Ctl<TextBox>("txtSize").SetText("12");
    page.Ctl<CheckBox>("chkBold").SetValue(vbChecked);
    EXPECT_TRUE(page.Changed());
    ASSERT_TRUE(page.Apply());
    const StdFont font = GetProperty(bar(), "Font").ToFont();
    EXPECT_EQ(font.name, "Courier New");
    EXPECT_EQ(font.size, 12.0);
    EXPECT_TRUE(font.bold);

    ScriptedDialogs dialogs;
    page.Ctl<TextBox>("txtSize").SetText("gross");
    EXPECT_FALSE(page.Apply());
    EXPECT_EQ(GetProperty(bar(), "Font").ToFont().size, 12.0);
}

TEST_F(Frame, ColourPageKeepsEditsPerPropertyUntilApply)
{
    PropertyPage& page = Page(2);
    ComboBox& property = page.Ctl<ComboBox>("cboProperty");
    TextBox& colour = page.Ctl<TextBox>("txtColour");
    ASSERT_EQ(property.List(property.ListIndex()), "BackColor");
    EXPECT_EQ(colour.Text(), "&H8000000A&");
    colour.SetText("&H000000FF&");
    property.SetListIndex(1); // BorderColor
    EXPECT_EQ(colour.Text(), "&H00404040&");
    colour.SetText("255");
    ASSERT_TRUE(page.Apply());
    EXPECT_EQ(GetProperty(bar(), "BackColor").ToColor().value, 0xFFu);
    EXPECT_EQ(GetProperty(bar(), "BorderColor").ToColor().value, 0xFFu);
    EXPECT_EQ(GetProperty(bar(), "ForeColor").ToColor().value, 0x80000008u);

    for (const char* bad : {"&HXYZ&", "rot", "&H123456789&"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(kolvetra::ParseColourText(bad), platform::RunTimeError);
    }
    EXPECT_EQ(kolvetra::ParseColourText("&h80000012"), 0x80000012u);
}

TEST_F(Frame, PicturePageClearsAndLoads)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    const testing_support::TempFolder folder;
    const std::string file = folder / "picture.png";
    ASSERT_TRUE(image.save(QString::fromStdString(file)));
    PropertyPage& page = Page(3);
    ComboBox& property = page.Ctl<ComboBox>("cboProperty");
    property.SetListIndex(1); // Picture
    page.Ctl<TextBox>("txtFile").SetText(file);
    page.Ctl<CommandButton>("cmdLoad").Click();
    ASSERT_TRUE(page.Apply());
    EXPECT_EQ(GetProperty(bar(), "Picture").ToPicture().Width(), 8);
    page.Ctl<CommandButton>("cmdClear").Click();
    ASSERT_TRUE(page.Apply());
    EXPECT_TRUE(GetProperty(bar(), "Picture").ToPicture().IsNone());
}

TEST(AboutDialog, RendersWithItsTexts)
{
    formstest::App();
    bool seen = false;
    auto previous = kolvetra::SetAboutObserver([&](kolvetra::dlgAbout& dialog) {
        seen = true;
        EXPECT_EQ(dialog.Caption(), "Info zu den Kolvetra-Steuerelementen");
        EXPECT_EQ(dialog.Ctl<Label>("lblTitle").Caption(), "Fortschrittsanzeige-Steuerlemente");
        EXPECT_TRUE(
            testing_support::SaveRender(dialog.Window()->grab().toImage(), "kolvetra_about.png"));
        dialog.Hide();
    });
    kolvetra::ShowAbout(nullptr);
    kolvetra::SetAboutObserver(previous);
    EXPECT_TRUE(seen);
}

} // namespace

namespace {

TEST(OwnSurface, MouseIconShowsOnlyWithTheCustomPointer)
{
    formstest::App();
    auto bar = MakeObject<ProgressBar>();
    bar->UserControl_InitProperties();
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::red);
    PutProperty(bar.get(), "MouseIcon", Variant(Picture(icon)));
    EXPECT_EQ(bar->Control::MousePointer(), 0);
    EXPECT_NE(bar->Widget()->cursor().shape(), Qt::BitmapCursor);
    PutProperty(bar.get(), "MousePointer", Variant(99));
    EXPECT_EQ(bar->Widget()->cursor().shape(), Qt::BitmapCursor);
    PutProperty(bar.get(), "MousePointer", Variant(11));
    EXPECT_EQ(bar->Widget()->cursor().shape(), Qt::WaitCursor);
    EXPECT_EQ(bar->ChangedProperties().back(), "MousePointer");
}

} // namespace

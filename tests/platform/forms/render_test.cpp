#include <gtest/gtest.h>

#include <filesystem>

#include <QImage>
#include <QPixmap>

#include "platform/forms/forms.h"
#include "tests/platform/forms/app.h"
#include "tests/support/render_dir.h"

namespace {

using namespace platform::forms;

// A small window in the shape of the main window's empathy page.
constexpr ControlDef kControls[] = {
    {Kind::TabDialog, "SSTab1", "", 0, 0, 8055, 4935, "Projektmanager|Emphaty.ini|XML-Script"},
    {Kind::Label, "Label3", "SSTab1", 240, 480, 1215, 255, "Gruppenname:", 1},
    {Kind::DropDownList, "cboemphaty_group", "SSTab1", 1440, 435, 2535, 315, "", 1},
    {Kind::Label,
     "lbl_emphaty_rms",
     "SSTab1",
     240,
     960,
     2055,
     255,
     "random_mission_success",
     1,
     kTransparent,
     {},
     RGB(255, 128, 0)},
    {Kind::ComboBox, "Combo2", "SSTab1", 2400, 915, 1095, 315, "0.0", 1},
    {Kind::Label, "Label32", "SSTab1", 4200, 960, 975, 255, "IDS Name", 1, kAlignRight},
    {Kind::TextBox, "txtInitName", "SSTab1", 5280, 915, 2535, 285, "196846", 1},
    {Kind::ListView, "lv_emphaty", "SSTab1", 240, 1440, 5055, 2415, "Faction|Description|REP", 1},
    {Kind::CheckBox, "chkForceREP", "SSTab1", 5520, 1440, 2175, 255, "Force-reputation", 1,
     kChecked},
    {Kind::Frame, "Frame4", "SSTab1", 5520, 1800, 2295, 1095, "Legality", 1},
    {Kind::OptionButton, "Option1", "Frame4", 120, 240, 1575, 255, "Lawful", -1, kChecked},
    {Kind::OptionButton, "Option2", "Frame4", 120, 600, 1575, 255, "Unlawful"},
    {Kind::TextBox,
     "txtHeadModName",
     "SSTab1",
     5520,
     3000,
     2295,
     855,
     "MyFaction Mod\r\nline 2",
     1,
     kMultiLine,
     {},
     RGB(0, 255, 255),
     RGB(0, 0, 0)},
    {Kind::Slider, "Slider1", "SSTab1", 240, 3960, 5055, 435, "", 1},
    {Kind::CommandButton, "btnEmphatySave", "SSTab1", 5520, 4080, 2295, 375, "INI erstellen", 1},
    {Kind::Label,
     "Label4",
     "SSTab1",
     480,
     840,
     405,
     195,
     "-->",
     0,
     0,
     {"Lucida Console", 9.75, true},
     RGB(255, 128, 0)},
    {Kind::Label, "lblActiveProject", "", 120, 5010, 3000, 255, "Active: Demo"},
    {Kind::Label,
     "Label_tahoma",
     "",
     3240,
     5010,
     3000,
     255,
     "Tahoma caption",
     -1,
     0,
     {"Tahoma", 8.25}},
};

TEST(Render, WindowFromAControlTable)
{
    formstest::App();
    Form form("frmMain");
    form.SetCaption("Quorvel");
    form.SetBorderStyle(BorderStyle::FixedSingle);
    form.SetClientSize(8085, 5325);
    form.Create(kControls);
    auto& lv = form.Ctl<ListView>("lv_emphaty");
    lv.ColumnHeaders().SetWidth(1, 1500);
    lv.ColumnHeaders().SetWidth(2, 2400);
    lv.ColumnHeaders().SetWidth(3, 900);
    const char* rows[][3] = {{"lima_grp", "Lima Patrol", "0.5"},
                             {"bravo_grp", "Bravo Armed Guard", "-0.3"},
                             {"kilo_grp", "Kilo Fleet", "0.0"}};
    for (auto& r : rows) {
        ListItem& item = lv.ListItems().Add(0, "", r[0]);
        item.SetSubItem(1, r[1]);
        item.SetSubItem(2, r[2]);
    }
    lv.SetSelectedItem(&lv.ListItems()(2));
    auto& group = form.Ctl<ComboBox>("cboemphaty_group");
    for (auto& r : rows)
        group.AddItem(r[0]);
    group.SetListIndex(0);
    auto& slider = form.Ctl<Slider>("Slider1");
    slider.SetMax(100);
    slider.SetValue(80);
    form.Ctl<TabDialog>("SSTab1").SetTab(1);
    form.Show();
    DoEvents();

    QImage image = form.Window()->grab().toImage();
    ASSERT_TRUE(testing_support::SaveRender(image, "forms_render.png"));
    EXPECT_EQ(image.size(), QSize(539, 355));
    // The tab row sits at the top; the arrow label of page 0 is not drawn while page 1 shows.
    EXPECT_FALSE(form.Ctl<Label>("Label4").Widget()->isVisible());
    EXPECT_TRUE(form.Ctl<Label>("Label4").Visible());

    form.Ctl<TabDialog>("SSTab1").SetTab(0);
    DoEvents();
    ASSERT_TRUE(
        testing_support::SaveRender(form.Window()->grab().toImage(), "forms_render_page0.png"));
    EXPECT_TRUE(form.Ctl<Label>("Label4").Widget()->isVisible());
    EXPECT_FALSE(form.Ctl<ListView>("lv_emphaty").Widget()->isVisible());
}

} // namespace

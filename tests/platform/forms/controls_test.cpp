#include <gtest/gtest.h>

#include <QListWidget>
#include <QRadioButton>
#include <QSlider>
#include <QTabBar>
#include <QTest>
#include <QTreeWidget>

#include "platform/errors/run_time_error.h"
#include "platform/forms/forms.h"
#include "tests/platform/forms/app.h"

namespace {

using namespace platform::forms;
using formstest::ErrorOf;
using formstest::Events;


class ControlsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { formstest::App(); }

    void SetUp() override
    {
        form.SetClientSize(10125, 5985);
        form.Show();
    }

    template <class T>
    T& Make(const ControlDef& def)
    {
        return static_cast<T&>(form.Create(def));
    }

    QPoint RowCentre(QTreeWidget* tree, int row)
    {
        return tree->visualItemRect(tree->topLevelItem(row)).center();
    }

    Form form{"frmMain"};
};

TEST_F(ControlsTest, ListBoxClickOnlyForPicksAndListIndex)
{
    auto& lst = Make<ListBox>({Kind::ListBox, "lstProjects", "", 120, 240, 2535, 3765});
    EventLog log;
    lst.AddItem("alpha");
    lst.AddItem("beta");
    lst.AddItem("gamma");
    lst.Widget()->setFocus();
    EXPECT_EQ(lst.ListIndex(), -1);
    lst.SetListIndex(2);
    EXPECT_EQ(lst.Text(), "gamma");
    lst.RemoveItem(2);
    EXPECT_EQ(lst.ListIndex(), -1);
    lst.Clear();
    EXPECT_EQ(log.Take(), Events{"lstProjects_Click"});
    EXPECT_EQ(ErrorOf([&] { lst.RemoveItem(0); }), 5);
    EXPECT_EQ(ErrorOf([&] { lst.SetListIndex(0); }), 380);
}

TEST_F(ControlsTest, ListBoxUserClickAndDoubleClick)
{
    auto& lst = Make<ListBox>({Kind::ListBox, "lstFPShips", "", 120, 240, 2535, 3765});
    lst.AddItem("ship_a");
    lst.AddItem("ship_b");
    auto* view = static_cast<QListWidget*>(lst.Widget());
    QPoint second = view->visualItemRect(view->item(1)).center();
    EventLog log;
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, second);
    EXPECT_EQ(lst.ListIndex(), 1);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, second);
    EXPECT_EQ(log.Take(), (Events{"lstFPShips_Click", "lstFPShips_DblClick"}));
}

TEST_F(ControlsTest, ListViewRowsSubItemsAndSelection)
{
    auto& lv = Make<ListView>(
        {Kind::ListView, "lv_emphaty", "", 120, 120, 6000, 2500, "Faction|Description|REP"});
    ASSERT_EQ(lv.ColumnHeaders().Count(), 3);
    EXPECT_EQ(lv.ColumnHeaders().Text(3), "REP");
    lv.ColumnHeaders().SetWidth(1, 1500);
    EXPECT_EQ(lv.ColumnHeaders().Width(1), 1500);
    EXPECT_EQ(lv.Tree()->columnWidth(0), 100);

    EventLog log;
    ListItem& li = lv.ListItems().Add(0, "lima_grp", "lima_grp");
    li.SetSubItem(1, "Lima Patrol");
    li.SetSubItem(2, "0.0");
    lv.ListItems().Add(0, "", "bravo_grp");
    lv.ListItems().Add(1, "", "first");
    EXPECT_EQ(log.Take(), Events{});
    EXPECT_EQ(lv.SelectedItem(), nullptr);
    lv.Widget()->setFocus(); // the toolkit's focus cursor is no selection
    EXPECT_EQ(lv.SelectedItem(), nullptr);
    EXPECT_EQ(lv.ListItems().Count(), 3);
    EXPECT_EQ(lv.ListItems()(1).Text(), "first");
    EXPECT_EQ(li.Index(), 2);
    EXPECT_EQ(lv.ListItems().Find("lima_grp"), &li);
    EXPECT_EQ(lv.ListItems()(2).SubItem(1), "Lima Patrol");
    EXPECT_EQ(ErrorOf([&] { li.SetSubItem(3, "x"); }), 380);
    EXPECT_EQ(ErrorOf([&] { lv.ListItems()(4); }), 35600);
    EXPECT_EQ(ErrorOf([&] { lv.ListItems().Add(0, "lima_grp", "again"); }), 35602);

    lv.SetSelectedItem(&li);
    EXPECT_EQ(lv.SelectedItem(), &li);
    EXPECT_TRUE(li.Selected());
    lv.ListItems().Remove(1); // another row: the selection stays
    EXPECT_EQ(lv.SelectedItem(), &li);
    lv.ListItems().Remove(li.Index()); // the selected row: no neighbour takes it over
    EXPECT_EQ(lv.SelectedItem(), nullptr);
    ASSERT_EQ(lv.ListItems().Count(), 1);
    lv.SetSelectedItem(&lv.ListItems()(1));
    lv.ListItems().Clear();
    EXPECT_EQ(lv.SelectedItem(), nullptr);
    EXPECT_EQ(lv.ListItems().Count(), 0);
}

TEST_F(ControlsTest, ListViewMouseClickSelectsBeforeClickAndDoubleClickFollows)
{
    auto& lv = Make<ListView>(
        {Kind::ListView, "lv_newfactions", "", 120, 120, 6000, 2500, "Nickname|Description"});
    lv.ListItems().Add(0, "", "a").SetSubItem(1, "A");
    lv.ListItems().Add(0, "", "b").SetSubItem(1, "B");
    std::string seen;
    lv.Click = [&] { seen = lv.SelectedItem() ? lv.SelectedItem()->SubItem(1) : "nothing"; };
    EventLog log;
    QPoint row = RowCentre(lv.Tree(), 1);
    QTest::mouseClick(lv.Tree()->viewport(), Qt::LeftButton, {}, row);
    EXPECT_EQ(seen, "B");
    QTest::mouseDClick(lv.Tree()->viewport(), Qt::LeftButton, {}, row);
    Events events = log.Take();
    EXPECT_EQ(std::count(events.begin(), events.end(), "lv_newfactions_DblClick"), 1);
    EXPECT_EQ(events.front(), "lv_newfactions_Click");
}

TEST_F(ControlsTest, TabDialogPagesKeepTheirControlsOwnVisibleFlags)
{
    static const ControlDef table[] = {
        {Kind::TabDialog, "SSTab1", "", 0, 0, 10095, 5415, "Projektmanager|Emphaty.ini|XML-Script"},
        {Kind::Label, "Label1", "SSTab1", 7680, 840, 975, 255, "Scroll-Tempo", 0},
        {Kind::Label, "Label3", "SSTab1", 120, 480, 1200, 255, "Gruppenname:", 1},
        {Kind::Frame, "Frame3", "SSTab1", 120, 600, 7815, 135, "Header", 2, kHidden},
    };
    form.Create(table);
    auto& tab = form.Ctl<TabDialog>("SSTab1");
    auto& label3 = form.Ctl<Label>("Label3");
    auto& frame3 = form.Ctl<Frame>("Frame3");
    EXPECT_EQ(tab.Tab(), 0);
    EXPECT_EQ(tab.TabCaption(2), "XML-Script");
    EXPECT_TRUE(label3.Visible());
    EXPECT_FALSE(label3.Widget()->isVisible());
    EXPECT_TRUE(form.Ctl<Label>("Label1").Widget()->isVisible());
    // Coordinates are the dialog's own, tab row included.
    EXPECT_EQ(label3.Widget()->mapTo(tab.Widget(), QPoint(0, 0)), QPoint(8, 32));

    EventLog log;
    tab.SetTab(1);
    EXPECT_EQ(log.Take(), Events{"SSTab1_Click"});
    EXPECT_EQ(tab.PreviousTab(), 0);
    EXPECT_TRUE(label3.Widget()->isVisible());
    EXPECT_FALSE(form.Ctl<Label>("Label1").Widget()->isVisible());
    EXPECT_TRUE(form.Ctl<Label>("Label1").Visible());
    tab.SetTab(1);
    EXPECT_EQ(log.Take(), Events{});

    // Made visible while its page is not shown: shown with the page, not before.
    frame3.SetVisible(true);
    EXPECT_FALSE(frame3.Widget()->isVisible());
    tab.SetTab(2);
    EXPECT_TRUE(frame3.Widget()->isVisible());
    EXPECT_EQ(ErrorOf([&] { tab.SetTab(3); }), 380);
}

TEST_F(ControlsTest, TabDialogUserPickRaisesClick)
{
    auto& tab = Make<TabDialog>({Kind::TabDialog, "SSTab2", "", 0, 0, 6000, 3000, "A|B|C"});
    auto* bar = tab.Widget()->findChild<QTabBar*>();
    EventLog log;
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
    EXPECT_EQ(tab.Tab(), 2);
    EXPECT_EQ(log.Take(), Events{"SSTab2_Click"});
}

TEST_F(ControlsTest, OptionButtonsGroupPerContainerAndValueTrueAlwaysClicks)
{
    static const ControlDef table[] = {
        {Kind::Frame, "Frame4", "", 0, 0, 3000, 600, "", -1, kNoBorder},
        {Kind::OptionButton, "Option1", "Frame4", 0, 0, 1000, 255, "Lawful", -1, kChecked},
        {Kind::OptionButton, "Option2", "Frame4", 1200, 0, 1000, 255, "Unlawful"},
        {Kind::Frame, "Frame5", "", 0, 700, 3000, 600, "", -1, kNoBorder},
        {Kind::OptionButton, "Option3", "Frame5", 0, 0, 1000, 255, "Singular", -1, kChecked},
        {Kind::OptionButton, "Option4", "Frame5", 1200, 0, 1000, 255, "Plural"},
    };
    form.Create(table);
    auto& o1 = form.Ctl<OptionButton>("Option1");
    auto& o2 = form.Ctl<OptionButton>("Option2");
    auto& o3 = form.Ctl<OptionButton>("Option3");
    EventLog log;
    o1.SetValue(true);
    EXPECT_EQ(log.Take(), Events{"Option1_Click"});
    o2.SetValue(true);
    EXPECT_EQ(log.Take(), Events{"Option2_Click"});
    EXPECT_FALSE(o1.Value());
    EXPECT_TRUE(o3.Value());
    o2.SetValue(false);
    EXPECT_FALSE(o2.Value());
    EXPECT_EQ(log.Take(), Events{});
    QTest::mouseClick(o1.Widget(), Qt::LeftButton);
    EXPECT_TRUE(o1.Value());
    EXPECT_EQ(log.Take(), Events{"Option1_Click"});
    QTest::mouseClick(form.Ctl<OptionButton>("Option4").Widget(), Qt::LeftButton);
    EXPECT_FALSE(o3.Value());
    EXPECT_TRUE(o1.Value());
}

TEST_F(ControlsTest, CheckBoxClickOnChangeByUserOrProgram)
{
    auto& chk = Make<CheckBox>(
        {Kind::CheckBox, "chkForceREP", "", 0, 0, 2000, 255, "Force-reputation", -1, kChecked});
    EXPECT_EQ(chk.Value(), vbChecked);
    EventLog log;
    chk.SetValue(vbChecked);
    EXPECT_EQ(log.Take(), Events{});
    chk.SetValue(vbUnchecked);
    EXPECT_EQ(log.Take(), Events{"chkForceREP_Click"});
    QTest::mouseClick(chk.Widget(), Qt::LeftButton);
    EXPECT_EQ(chk.Value(), vbChecked);
    EXPECT_EQ(log.Take(), Events{"chkForceREP_Click"});
    EXPECT_EQ(ErrorOf([&] { chk.SetValue(3); }), 380);
}

TEST_F(ControlsTest, SliderScrollOnUserMovesChangeOnProgramSets)
{
    auto& slider = Make<Slider>({Kind::Slider, "Slider1", "", 360, 360, 9375, 255});
    slider.SetMax(100);
    slider.SetSmallChange(1);
    slider.SetLargeChange(5);
    EventLog log;
    slider.SetValue(80);
    EXPECT_EQ(log.Take(), Events{"Slider1_Change"});
    slider.SetValue(80);
    EXPECT_EQ(log.Take(), Events{});
    QTest::keyClick(slider.Widget(), Qt::Key_PageUp);
    EXPECT_EQ(slider.Value(), 85);
    QTest::keyClick(slider.Widget(), Qt::Key_Left);
    EXPECT_EQ(slider.Value(), 84);
    EXPECT_EQ(log.Take(),
              (Events{"Slider1_Scroll", "Slider1_Change", "Slider1_Scroll", "Slider1_Change"}));
    EXPECT_EQ(ErrorOf([&] { slider.SetValue(101); }), 380);
}

TEST_F(ControlsTest, CommandButtonAndLabelClicks)
{
    auto& btn = Make<CommandButton>({Kind::CommandButton, "Command1", "", 0, 0, 1200, 375, "&Ok"});
    auto& lbl = Make<Label>({Kind::Label, "Label4", "", 0, 600, 405, 195, "-->"});
    EventLog log;
    QTest::mouseClick(btn.Widget(), Qt::LeftButton);
    QTest::mouseClick(lbl.Widget(), Qt::LeftButton);
    QTest::mouseClick(lbl.Widget(), Qt::RightButton);
    EXPECT_EQ(log.Take(), (Events{"Command1_Click", "Label4_Click"}));
}

TEST_F(ControlsTest, DisabledControlsGreyTheirOwnTextColour)
{
    auto& lbl = Make<Label>({Kind::Label, "Label4", "", 0, 0, 405, 195, "-->", -1, kDisabled, {},
                             RGB(255, 128, 0)});
    auto& txt = Make<TextBox>({Kind::TextBox, "txtHead", "", 0, 300, 1200, 285, "x", -1, kDisabled,
                               {}, RGB(0, 255, 255), RGB(0, 0, 0)});
    const QColor orange(255, 128, 0);
    const QPalette& label = lbl.Widget()->palette();
    EXPECT_EQ(label.color(QPalette::Active, QPalette::WindowText), orange);
    EXPECT_NE(label.color(QPalette::Disabled, QPalette::WindowText), orange);
    const QPalette& box = txt.Widget()->palette();
    EXPECT_NE(box.color(QPalette::Disabled, QPalette::Text), QColor(0, 255, 255));
    EXPECT_EQ(box.color(QPalette::Disabled, QPalette::Base), QColor(0, 0, 0));
}

TEST_F(ControlsTest, ClickOnAControlIsNotTheContainersClick)
{
    auto& frame = Make<Frame>({Kind::Frame, "Frame1", "", 0, 0, 4000, 3000, "Projektmanager"});
    auto& pic = Make<PictureBox>({Kind::PictureBox, "Picture1", "Frame1", 120, 240, 2000, 1500});
    auto& img = Make<Image>({Kind::Image, "Image1", "Picture1", 0, 0, 600, 600});
    std::vector<std::string> where;
    img.MouseDown = [&](int button, int shift, double x, double y) {
        where.push_back(std::to_string(button) + " " + std::to_string(int(x)) + "," +
                        std::to_string(int(y)));
    };
    EventLog log;
    QTest::mouseClick(img.Widget(), Qt::LeftButton, {}, QPoint(10, 4));
    EXPECT_EQ(log.Take(), (Events{"Image1_MouseDown", "Image1_Click"}));
    EXPECT_EQ(where, std::vector<std::string>{"1 150,60"});
    QTest::mouseClick(pic.Widget(), Qt::LeftButton, {}, QPoint(100, 80));
    EXPECT_EQ(log.Take(), Events{"Picture1_Click"});
    (void)frame;
}

TEST_F(ControlsTest, LineKeepsItsEndPoints)
{
    auto& line = Make<Line>({Kind::Line, "Line1", "", 1200, 300, 120, 900});
    EXPECT_EQ(line.X1(), 1200);
    EXPECT_EQ(line.Y2(), 900);
    EXPECT_EQ(line.Left(), 120);
    EXPECT_EQ(line.Top(), 300);
}

TEST_F(ControlsTest, UserControlIsPlacedLikeAnyRow)
{
    class Gauge : public Control {
    public:
        Gauge()
            : Control(new QWidget)
        {
        }
        void Poke() { Raise("Click", Click); }
    };
    form.Create({Kind::Frame, "Frame1", "", 600, 600, 4000, 3000, "x"});
    Gauge& gauge = form.Add<Gauge>({Kind::PictureBox, "pgLoadProject", "Frame1", 4440 - 4000,
                                     300, 1500, 255, "", -1, kHidden});
    EXPECT_EQ(gauge.Widget()->parentWidget(), form.Ctl<Frame>("Frame1").Widget());
    EXPECT_EQ(gauge.Width(), 1500);
    EXPECT_FALSE(gauge.Visible());
    EXPECT_EQ(&form.Ctl<Gauge>("pgLoadProject"), &gauge);
    EventLog log;
    gauge.Poke();
    EXPECT_EQ(log.Take(), Events{"pgLoadProject_Click"});
}

} // namespace

#include <gtest/gtest.h>

#include <functional>

#include <QListWidget>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
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

    template <class T> T& Make(const ControlDef& def) { return static_cast<T&>(form.Create(def)); }

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

TEST_F(ControlsTest, ListBoxClickForEveryClickOnAnEntry)
{
    auto& lst = Make<ListBox>({Kind::ListBox, "lstProjects", "", 120, 240, 2535, 3765});
    for (const char* name : {"alpha", "beta", "gamma"})
        lst.AddItem(name);
    auto* view = static_cast<QListWidget*>(lst.Widget());
    auto at = [&](int row) { return view->visualItemRect(view->item(row)).center(); };
    const QPoint below(at(2).x(), at(2).y() + 60);

    struct Case {
        const char* name;
        std::function<void()> action;
        Events events;
        int listIndex;
    };
    const Case cases[] = {
        {"click on an entry",
         [&] { QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at(1)); },
         {"lstProjects_Click"},
         1},
        {"click on the selected entry again",
         [&] { QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at(1)); },
         {"lstProjects_Click"},
         1},
        {"right click on the selected entry",
         [&] { QTest::mouseClick(view->viewport(), Qt::RightButton, {}, at(1)); },
         {},
         1},
        {"ListIndex set to the value it has",
         [&] { lst.SetListIndex(1); },
         {"lstProjects_Click"},
         1},
        {"click below the last entry",
         [&] { QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, below); },
         {},
         -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EventLog log;
        c.action();
        EXPECT_EQ(log.Take(), c.events);
        EXPECT_EQ(lst.ListIndex(), c.listIndex);
    }
}

// A double click whose handler removes the clicked entry: the entry that moves up under the
// pointer must not become selected by the rest of the double click.
TEST_F(ControlsTest, ListBoxDoubleClickThatRemovesTheEntrySelectsNothing)
{
    struct Case {
        const char* name; // one list per case
        int row;
    };
    for (const Case& c : {Case{"lstFirst", 0}, Case{"lstMiddle", 1}, Case{"lstLast", 2}}) {
        SCOPED_TRACE(c.name);
        const int row = c.row;
        auto& lst = Make<ListBox>({Kind::ListBox, c.name, "", 120, 240, 2535, 3765});
        for (const char* name : {"ship_a", "ship_b", "ship_c"})
            lst.AddItem(name);
        lst.DblClick = [&] {
            if (lst.ListIndex() >= 0)
                lst.RemoveItem(lst.ListIndex());
        };
        auto* view = static_cast<QListWidget*>(lst.Widget());
        const QPoint where = view->visualItemRect(view->item(row)).center();
        EventLog log;
        // What the window system delivers for a double click: press, release, the second
        // press as a double click, release.
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, where);
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, where);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, where);
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, where);
        const std::string name = c.name;
        EXPECT_EQ(log.Take(), (Events{name + "_Click", name + "_DblClick"}));
        EXPECT_EQ(lst.ListCount(), 2);
        EXPECT_EQ(lst.ListIndex(), -1);
        EXPECT_TRUE(view->selectedItems().isEmpty());
        lst.SetVisible(false);
    }
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

// Every caption is readable in its tab, and the tabs fill the row without running past it;
// where every caption fits the same share of the row, every tab has that share.
TEST_F(ControlsTest, TabDialogCaptionsFitTheirTabs)
{
    struct Case {
        const char* name;
        int width; // twips
        const char* captions;
        bool equalShares;
    };
    const Case cases[] = {
        {"wide row", 10095,
         "Projektmanager|Emphaty.ini|Faction_Prop.ini|Initialworld.ini|XML-Script", true},
        {"narrow row, English", 4680, "Ships|Voice|Bodyparts|Scaning for...|Formations", false},
        {"narrow row, German", 4680, "Schiffe|Stimmen|K\xF6rper|Scan|Formationen", false},
        {"three short pages", 5865, "Programm|Bedienung|Hinweise", true},
    };
    int made = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string name = "SSTabFit" + std::to_string(++made);
        auto& tab =
            Make<TabDialog>({Kind::TabDialog, name.c_str(), "", 0, 0, c.width, 3000, c.captions});
        tab.Widget()->raise();
        DoEvents();
        auto* bar = tab.Widget()->findChild<QTabBar*>();
        const int room = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
        int left = 0;
        for (int i = 0; i < bar->count(); ++i) {
            SCOPED_TRACE(i);
            const QRect r = bar->tabRect(i);
            EXPECT_EQ(r.left(), left);
            left = r.right() + 1;
            EXPECT_GE(r.width() - room, bar->fontMetrics().horizontalAdvance(bar->tabText(i)));
            if (c.equalShares)
                EXPECT_LE(std::abs(r.width() - bar->tabRect(0).width()), bar->count());
        }
        EXPECT_EQ(left, bar->width());
        EXPECT_EQ(bar->width(), tab.Widget()->width());
        tab.SetVisible(false);
    }
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
    auto& lbl = Make<Label>(
        {Kind::Label, "Label4", "", 0, 0, 405, 195, "-->", -1, kDisabled, {}, RGB(255, 128, 0)});
    auto& txt = Make<TextBox>({Kind::TextBox,
                               "txtHead",
                               "",
                               0,
                               300,
                               1200,
                               285,
                               "x",
                               -1,
                               kDisabled,
                               {},
                               RGB(0, 255, 255),
                               RGB(0, 0, 0)});
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
    Gauge& gauge = form.Add<Gauge>({Kind::PictureBox, "pgLoadProject", "Frame1", 4440 - 4000, 300,
                                    1500, 255, "", -1, kHidden});
    EXPECT_EQ(gauge.Widget()->parentWidget(), form.Ctl<Frame>("Frame1").Widget());
    EXPECT_EQ(gauge.Width(), 1500);
    EXPECT_FALSE(gauge.Visible());
    EXPECT_EQ(&form.Ctl<Gauge>("pgLoadProject"), &gauge);
    EventLog log;
    gauge.Poke();
    EXPECT_EQ(log.Take(), Events{"pgLoadProject_Click"});
}

} // namespace

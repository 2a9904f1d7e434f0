#include "platform/forms/combo_box.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "platform/errors/run_time_error.h"
#include "platform/forms/form.h"
#include "tests/platform/forms/app.h"

namespace {

using namespace platform::forms;
using formstest::ErrorOf;
using formstest::Events;

class ComboBoxTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { formstest::App(); }

    void SetUp() override
    {
        form.SetClientSize(6000, 3000);
        form.Show();
    }

    Form form{"frmTest"};
    ComboBox& cbo = static_cast<ComboBox&>(
        form.Create({Kind::ComboBox, "cboFP_group", "", 120, 120, 3000, 315, "typed"}));
    ComboBox& list = static_cast<ComboBox&>(
        form.Create({Kind::DropDownList, "cboemphaty_group", "", 120, 600, 3000, 315}));
};

TEST_F(ComboBoxTest, AddingItemsSelectsNothingRaisesNothingAndKeepsTheText)
{
    EventLog log;
    cbo.AddItem("lima_grp");
    cbo.AddItem("bravo_grp");
    list.AddItem("lima_grp");
    EXPECT_EQ(log.Take(), Events{});
    EXPECT_EQ(cbo.ListIndex(), -1);
    EXPECT_EQ(cbo.Text(), "typed");
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_EQ(list.Text(), "");
    EXPECT_EQ(cbo.ListCount(), 2);
    EXPECT_EQ(cbo.List(1), "bravo_grp");
    EXPECT_EQ(cbo.List(2), "");
}

TEST_F(ComboBoxTest, SettingListIndexRaisesClickOnceAndNoChange)
{
    cbo.AddItem("a");
    cbo.AddItem("b");
    EventLog log;
    cbo.SetListIndex(1);
    EXPECT_EQ(log.Take(), Events{"cboFP_group_Click"});
    EXPECT_EQ(cbo.Text(), "b");
    cbo.SetListIndex(1);
    EXPECT_EQ(log.Take(), Events{"cboFP_group_Click"});
    cbo.SetListIndex(-1);
    EXPECT_EQ(log.Take(), Events{});
    EXPECT_EQ(cbo.Text(), "");
}

TEST_F(ComboBoxTest, ListIndexOutsideTheListIs380)
{
    cbo.AddItem("a");
    EXPECT_EQ(ErrorOf([&] { cbo.SetListIndex(1); }), 380);
    EXPECT_EQ(ErrorOf([&] { cbo.SetListIndex(-2); }), 380);
    EXPECT_EQ(ErrorOf([&] { cbo.RemoveItem(3); }), 5);
    EXPECT_EQ(cbo.ListIndex(), -1);
}

TEST_F(ComboBoxTest, EveryTextSetRaisesChangeAndSelectsTheEqualEntry)
{
    cbo.AddItem("False");
    cbo.AddItem("True");
    EventLog log;
    cbo.SetText("typed");
    cbo.SetText("true");
    EXPECT_EQ(log.Take(), (Events{"cboFP_group_Change", "cboFP_group_Change"}));
    EXPECT_EQ(cbo.ListIndex(), 1);
    EXPECT_EQ(cbo.Text(), "true");
}

TEST_F(ComboBoxTest, TypingRaisesChangePerKeyAndNeverClick)
{
    cbo.AddItem("0.5");
    cbo.AddItem("0.55");
    cbo.SetListIndex(0);
    cbo.SetText("");
    std::vector<std::string> seen;
    cbo.Change = [&] { seen.push_back(cbo.Text()); };
    EventLog log;
    QTest::keyClicks(cbo.Widget(), "0.5");
    EXPECT_EQ(seen, (std::vector<std::string>{"0", "0.", "0.5"}));
    EXPECT_EQ(log.Take(),
              (Events{"cboFP_group_Change", "cboFP_group_Change", "cboFP_group_Change"}));
    EXPECT_EQ(cbo.ListIndex(), -1);
}

TEST_F(ComboBoxTest, TypingIntoAPickedEntryKeepsTheCursorWhereTheUserTypes)
{
    // The first keystroke unselects the entry; the keys after it must still land in place.
    struct Case {
        const char* name;
        int selStart, selLength; // where the user put the cursor (length 0) or a selection
        const char* typed;
        const char* text;
    };
    const Case cases[] = {
        {"cursor in the middle", 4, 0, "xy", "limaxy_grp"},
        {"cursor at the start", 0, 0, "ab", "ablima_grp"},
        {"selection replaced", 0, 4, "beta", "beta_grp"},
    };
    auto* edit = static_cast<QComboBox*>(cbo.Widget())->lineEdit();
    cbo.AddItem("lima_grp");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        cbo.SetListIndex(0);
        edit->setFocus();
        if (c.selLength > 0)
            edit->setSelection(c.selStart, c.selLength);
        else
            edit->setCursorPosition(c.selStart);
        QTest::keyClicks(cbo.Widget(), c.typed);
        EXPECT_EQ(cbo.Text(), c.text);
        EXPECT_EQ(cbo.ListIndex(), -1);
    }
}

TEST_F(ComboBoxTest, EnterAndLeavingTheBoxPickAndInsertNothing)
{
    cbo.AddItem("0.5");
    cbo.SetText("");
    QTest::keyClicks(cbo.Widget(), "0.5");
    EventLog log;
    QTest::keyClick(cbo.Widget(), Qt::Key_Return);
    form.Window()->setFocus();
    static_cast<QComboBox*>(cbo.Widget())->lineEdit()->editingFinished();
    EXPECT_EQ(log.Take(), Events{});
    EXPECT_EQ(cbo.ListCount(), 1);
    EXPECT_EQ(cbo.ListIndex(), -1);
    EXPECT_EQ(cbo.Text(), "0.5");
}

TEST_F(ComboBoxTest, EnterStillReachesKeyPress)
{
    std::vector<int> keys;
    cbo.KeyPress = [&](int& key) { keys.push_back(key); };
    QTest::keyClicks(cbo.Widget(), "x");
    QTest::keyClick(cbo.Widget(), Qt::Key_Return);
    EXPECT_EQ(keys, (std::vector<int>{'x', 13}));
}

TEST_F(ComboBoxTest, ThereIsNoCompleter)
{
    EXPECT_EQ(static_cast<QComboBox*>(cbo.Widget())->completer(), nullptr);
}

TEST_F(ComboBoxTest, UserPickRaisesClickOnly)
{
    cbo.AddItem("mc_br");
    cbo.AddItem("mc_co");
    auto* qt = static_cast<QComboBox*>(cbo.Widget());
    EventLog log;
    // What the popup does when the user picks the second entry.
    qt->setCurrentIndex(1);
    qt->activated(1);
    EXPECT_EQ(log.Take(), Events{"cboFP_group_Click"});
    EXPECT_EQ(cbo.Text(), "mc_co");
    EXPECT_EQ(cbo.ListIndex(), 1);
}

TEST_F(ComboBoxTest, KeyboardPickInDropDownListRaisesClick)
{
    list.AddItem("a");
    list.AddItem("b");
    list.SetListIndex(0);
    EventLog log;
    QTest::keyClick(list.Widget(), Qt::Key_Down);
    EXPECT_EQ(log.Take(), Events{"cboemphaty_group_Click"});
    EXPECT_EQ(list.ListIndex(), 1);
    EXPECT_EQ(list.Text(), "b");
}

TEST_F(ComboBoxTest, ClearKeepsTheTextOfADropDownComboOnly)
{
    cbo.AddItem("a");
    cbo.SetListIndex(0);
    cbo.SetText("kept");
    list.AddItem("a");
    list.SetListIndex(0);
    EventLog log;
    cbo.Clear();
    list.Clear();
    EXPECT_EQ(log.Take(), Events{});
    EXPECT_EQ(cbo.Text(), "kept");
    EXPECT_EQ(cbo.ListCount(), 0);
    EXPECT_EQ(list.Text(), "");
    EXPECT_EQ(list.ListIndex(), -1);
    cbo.AddItem("first");
    EXPECT_EQ(cbo.Text(), "kept");
    EXPECT_EQ(cbo.ListIndex(), -1);
}

TEST_F(ComboBoxTest, RemovingTheSelectedEntrySelectsNone)
{
    for (const char* s : {"a", "b", "c"})
        list.AddItem(s);
    list.SetListIndex(1);
    EventLog log;
    list.RemoveItem(0);
    EXPECT_EQ(list.ListIndex(), 0);
    EXPECT_EQ(list.Text(), "b");
    list.RemoveItem(0);
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_EQ(log.Take(), Events{});
}

TEST_F(ComboBoxTest, DropDownListTakesOnlyTextsOfItsList)
{
    list.AddItem("Lawful");
    EventLog log;
    list.SetText("lawful");
    EXPECT_EQ(list.ListIndex(), 0);
    EXPECT_EQ(log.Take(), Events{"cboemphaty_group_Click"});
    EXPECT_EQ(ErrorOf([&] { list.SetText("chaotic"); }), 383);
    EXPECT_EQ(list.ListIndex(), 0);
}

TEST_F(ComboBoxTest, SortedBoxOrdersIgnoringCase)
{
    ComboBox& sorted = static_cast<ComboBox&>(
        form.Create({Kind::ComboBox, "cboFPmc", "", 0, 0, 1000, 315, "", -1, kSorted}));
    for (const char* s : {"mc_li", "MC_BR", "mc_co", "mc_1", "Mc_Fc"})
        sorted.AddItem(s);
    std::vector<std::string> got;
    for (int i = 0; i < sorted.ListCount(); ++i)
        got.push_back(sorted.List(i));
    EXPECT_EQ(got, (std::vector<std::string>{"mc_1", "MC_BR", "mc_co", "Mc_Fc", "mc_li"}));
    EXPECT_EQ(sorted.ListIndex(), -1);
}

TEST_F(ComboBoxTest, ItemsCrossTheToolkitAsCp1252)
{
    cbo.AddItem("K\xF6rper \x80");
    EXPECT_EQ(static_cast<QComboBox*>(cbo.Widget())->itemText(0), QString::fromUtf8("Körper €"));
    EXPECT_EQ(cbo.List(0), "K\xF6rper \x80");
}

} // namespace

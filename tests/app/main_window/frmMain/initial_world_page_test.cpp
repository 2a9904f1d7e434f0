#include "app/main_window/frmMain/initial_world_page.h"

#include "app/project_store/modINI.h"

#include "tests/app/main_window/frmMain/initial_world_fixture.h"
#include "tests/platform/forms/app.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "tests/support/render_dir.h"
#include <QImage>
#include <QPixmap>
#include <QRect>

namespace {

using namespace platform::forms;
using initworld_test::kCompiledHeader;
using initworld_test::ProtocolEntry;
using quorvel::InitialWorldPage;

constexpr ControlDef kFrame[] = {
    {Kind::TabDialog, "SSTab1", "", 0, 0, 10095, 5415,
     "Projektmanager|Emphaty.ini|Faction_Prop.ini|Initialworld.ini|XML-Script"},
};

struct Faction {
    const char* key;
    const char* group;
};
const Faction kFactions[] = {
    {"qv_alpha", "Alpha Guard"}, {"qv_bravo", "Bravo Traders"}, {"qv_cyan", "Cyan Order"}};

// The main window's frame with the page on it, filled as the faction-list loader fills it.
class InitialWorldPageTest : public initworld_test::InitialWorldProjectTest {
protected:
    void SetUp() override
    {
        InitialWorldProjectTest::SetUp();
        formstest::App();
        m_form = std::make_unique<Form>("frmMain");
        m_form->SetClientSize(10125, 5985);
        m_form->Create(kFrame);
        m_page = std::make_unique<InitialWorldPage>(*m_form);
        for (const Faction& f : kFactions) {
            ListItem& row = Lv().ListItems().Add(0, "", f.key);
            row.SetSubItem(1, f.group);
            row.SetSubItem(2, "0.0");
            Group().AddItem(f.key);
        }
    }
    void TearDown() override
    {
        m_page.reset();
        m_form.reset();
        InitialWorldProjectTest::TearDown();
    }

    ComboBox& Group() const { return m_form->Ctl<ComboBox>("cboInit_group"); }
    TextBox& Box(const char* name) const { return m_form->Ctl<TextBox>(name); }
    ListView& Lv() const { return m_form->Ctl<ListView>("lv_Init"); }
    CheckBox& Force() const { return m_form->Ctl<CheckBox>("chkForceRep2"); }
    std::string Rep(int row) const { return Lv().ListItems()(row).SubItem(2); }
    std::vector<std::string> Shown() const
    {
        return {Box("txtInitName").Text(), Box("txtInitShortName").Text(),
                Box("txtInitInfo").Text()};
    }
    void Pick(int index) const { Group().SetListIndex(index); }
    void SelectRow(int row) const { Lv().SetSelectedItem(&Lv().ListItems()(row)); }
    void DoubleClick() const { Lv().Raise("DblClick", Lv().DblClick); }
    void Compile() const
    {
        Control& button = *m_form->Find("BreloButton13");
        button.Raise("Click", button.Click);
    }

    std::unique_ptr<Form> m_form;
    std::unique_ptr<InitialWorldPage> m_page;
};

TEST_F(InitialWorldPageTest, PickWithoutSectionShowsErrorAndStoresIt)
{
    PutFile("initialworld/grp.ini", "[qv_bravo]\r\nqv_alpha=0.4\r\n");
    EventLog log;
    Pick(0);
    EXPECT_EQ(log.Events(),
              (std::vector<std::string>{"cboInit_group_Click", "txtInitName_Change",
                                        "txtInitShortName_Change", "txtInitInfo_Change"}));
    EXPECT_EQ(Shown(), (std::vector<std::string>{"error", "error", "error"}));
    EXPECT_EQ(Rep(1), "");
    EXPECT_EQ(Rep(2), "");
    EXPECT_EQ(Rep(3), "");
    EXPECT_EQ(Source(), "[qv_bravo]\r\nqv_alpha=0.4\r\n"
                        "[qv_alpha]\r\nids_name=error\r\nids_short_name=error\r\n"
                        "ids_info=error\r\n");

    // The stored "error" reaches the compiled file as it stands.
    Compile();
    EXPECT_NE(Compiled().find("nickname = qv_alpha\r\nids_name = error\r\nids_info = error\r\n"
                              "ids_short_name = error\r\nrep = 0.0, qv_alpha\r\n"),
              std::string::npos);
}

TEST_F(InitialWorldPageTest, PickShowsStoredValuesAndLeavesTheFileAsItWas)
{
    const std::string source = "[QV_Bravo]\r\n"
                               "ids_name=196611\r\n"
                               "ids_short_name=196612\r\n"
                               "ids_info=first/20&\\second\r\n"
                               "qv_alpha=-0.3\r\n"
                               "qv_bravo=0.9\r\n";
    PutFile("initialworld/grp.ini", source);
    Pick(1);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"196611", "196612", "first\r\nsecond"}));
    EXPECT_EQ(Rep(1), "-0.3");
    EXPECT_EQ(Rep(2), "0.9");
    EXPECT_EQ(Rep(3), "");
    EXPECT_EQ(Source(), source);
}

TEST_F(InitialWorldPageTest, ValueCutByTheReadIsNeverWrittenBackByAPick)
{
    const std::string longInfo(300, 'i');
    const std::string source =
        "[qv_alpha]\r\nids_name=n\r\nids_short_name=s\r\nids_info=" + longInfo + "\r\n";
    PutFile("initialworld/grp.ini", source);
    Pick(0);
    EXPECT_EQ(Box("txtInitInfo").Text(), std::string(254, 'i'));
    EXPECT_EQ(Source(), source);

    // An edit of the user is the user's: it is stored.
    Box("txtInitInfo").SetText("short");
    EXPECT_EQ(Source(), "[qv_alpha]\r\nids_name=n\r\nids_short_name=s\r\nids_info=short\r\n");
}

TEST_F(InitialWorldPageTest, EditsWriteTheirKeyOnEveryChange)
{
    Pick(2);
    struct Case {
        const char* box;
        const char* key;
    };
    const Case cases[] = {{"txtInitName", "ids_name"},
                          {"txtInitShortName", "ids_short_name"},
                          {"txtInitInfo", "ids_info"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box);
        Box(c.box).SetText("12");
        EXPECT_EQ(quorvel::ReadIni("qv_cyan", c.key, "?", quorvel::InitialWorldFile()), "12");
        Box(c.box).SetText("two\r\nlines");
        EXPECT_NE(Source().find(std::string(c.key) + "=two/20&\\lines\r\n"), std::string::npos);
    }
}

TEST_F(InitialWorldPageTest, NothingIsWrittenWithoutAFactionOrAProject)
{
    // Before any pick the picker's text is empty.
    Box("txtInitInfo").SetText("typed");
    EXPECT_FALSE(HasFile("initialworld/grp.ini"));

    Pick(0);
    const std::string afterPick = Source();
    Box("txtInitName").SetText("kept");
    const std::string afterEdit = Source();
    ASSERT_NE(afterEdit, afterPick);

    // The loaded project is deleted: the lists stay as they were, the handlers stop.
    quorvel::SetActiveProject("");
    ScriptedDialogs dialogs;
    dialogs.inputBoxAnswers = {"0.5"};
    Box("txtInitName").SetText("after unload");
    Pick(1);
    EXPECT_EQ(Box("txtInitName").Text(), "after unload"); // nothing was loaded
    SelectRow(2);
    DoubleClick();
    Compile();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(Source(), afterEdit);
    EXPECT_EQ(m_tmp.CountEntries("projects/P/compiled"), 0);
    EXPECT_FALSE(HasFile("Protocol/protocol.txt"));
    EXPECT_EQ(Rep(2), "");
}

TEST_F(InitialWorldPageTest, DoubleClickStoresTheReputation)
{
    struct Case {
        const char* name;
        int pick;
        int row;
        int force;
        const char* answer;
        const char* file;
    };
    const Case cases[] = {
        {"mirrored", 0, 2, vbChecked, "0.5",
         "[qv_alpha]\r\nids_name=error\r\nids_short_name=error\r\nids_info=error\r\n"
         "qv_bravo=0.5\r\n[qv_bravo]\r\nqv_alpha=0.5\r\n"},
        {"one way", 0, 2, vbUnchecked, "0.5",
         "[qv_alpha]\r\nids_name=error\r\nids_short_name=error\r\nids_info=error\r\n"
         "qv_bravo=0.5\r\n"},
        {"own row, twice the same", 0, 1, vbChecked, "-0.2",
         "[qv_alpha]\r\nids_name=error\r\nids_short_name=error\r\nids_info=error\r\n"
         "qv_alpha=-0.2\r\n"},
        {"letters kept", 2, 1, vbUnchecked, "friendly",
         "[qv_cyan]\r\nids_name=error\r\nids_short_name=error\r\nids_info=error\r\n"
         "qv_alpha=friendly\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ::remove((m_tmp / "projects/P/initialworld/grp.ini").c_str());
        Force().SetValue(c.force);
        Pick(c.pick);
        SelectRow(c.row);
        ScriptedDialogs dialogs;
        dialogs.inputBoxAnswers = {c.answer};
        DoubleClick();
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_TRUE(dialogs.shown[0].input);
        EXPECT_EQ(dialogs.shown[0].prompt, "Reputation");
        EXPECT_EQ(dialogs.shown[0].title, "Initialworld");
        EXPECT_EQ(dialogs.shown[0].defaultText, "0.0");
        EXPECT_EQ(Source(), c.file);
        EXPECT_EQ(Rep(c.row), c.answer);
        for (int r = 1; r <= 3; ++r) {
            if (r != c.row) {
                EXPECT_EQ(Rep(r), "") << "row " << r;
            }
        }
    }
}

TEST_F(InitialWorldPageTest, DoubleClickThatCannotStoreChangesNothing)
{
    Pick(0);
    const std::string source = Source();

    {
        SCOPED_TRACE("cancelled");
        SelectRow(2);
        ScriptedDialogs dialogs; // answers "" as a cancelled box does
        DoubleClick();
        EXPECT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(Rep(2), "");
    }
    {
        SCOPED_TRACE("no row selected");
        Lv().SetSelectedItem(nullptr);
        ScriptedDialogs dialogs;
        dialogs.inputBoxAnswers = {"0.5"};
        DoubleClick();
        EXPECT_TRUE(dialogs.shown.empty());
    }
    EXPECT_EQ(Source(), source);
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(Rep(r), "");
}

TEST_F(InitialWorldPageTest, CompileButtonUsesThePickerAndTheRows)
{
    PutFile("initialworld/grp.ini", "[qv_bravo]\r\nqv_cyan=0.7\r\n");
    Compile();
    const std::string block2 = "[Group]\r\nnickname = qv_bravo\r\nids_name = \r\nids_info = \r\n"
                               "ids_short_name = \r\nrep = 0.0, qv_alpha\r\n"
                               "rep = 0.0, qv_bravo\r\nrep = 0.7, qv_cyan\r\n\r\n";
    EXPECT_EQ(Compiled().substr(0, kCompiledHeader.size()), kCompiledHeader);
    EXPECT_NE(Compiled().find(block2), std::string::npos);
    EXPECT_EQ(Protocol(), ProtocolEntry("Initialworld.ini created..."));
    EXPECT_EQ(m_page->BarMax("pgInit2"), 3);
    EXPECT_EQ(m_page->BarValue("pgInit2"), 3);
    EXPECT_EQ(m_page->BarMax("pgInit1"), 3);
    EXPECT_EQ(m_page->BarValue("pgInit1"), 3);
}

TEST_F(InitialWorldPageTest, FailedCompileIsShownAndLogsNothing)
{
    Compile();
    const std::string before = Compiled();
    ::rename((m_tmp / "projects/P/compiled").c_str(), (m_tmp / "projects/P/away").c_str());
    ScriptedDialogs dialogs;
    Compile();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown[0].prompt.find("Run-time error '76'"), std::string::npos);
    EXPECT_NE(dialogs.shown[0].prompt.find("wurde nicht geschrieben"), std::string::npos);
    EXPECT_EQ(Protocol(), ProtocolEntry("Initialworld.ini created..."));
    EXPECT_EQ(GetFile("away/initialworld.ini"), before);
}

TEST_F(InitialWorldPageTest, ControlsSitOnTheirPageInsideTheTabWithoutOverlap)
{
    const auto& tab = m_form->Ctl<TabDialog>("SSTab1");
    const char* names[] = {"Label35", "cboInit_group",    "Label32",       "txtInitName",
                           "Label33", "txtInitShortName", "Label34",       "txtInitInfo",
                           "lv_Init", "chkForceRep2",     "BreloButton13", "pgInit1",
                           "pgInit2", "Label31",          "Label25"};
    std::vector<QRect> placed;
    for (const char* name : names) {
        SCOPED_TRACE(name);
        const Control* c = m_form->Find(name);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->Page(), InitialWorldPage::kPage);
        const QRect r(c->Left(), c->Top(), c->Width(), c->Height());
        EXPECT_GE(r.top(), tab.TabHeight());
        EXPECT_LE(r.left() + r.width(), tab.Width());
        EXPECT_LE(r.top() + r.height(), tab.Height());
        // The window's design lets the two bars share one row of pixels.
        const bool lowerBar = std::string(name) == "pgInit2";
        for (const QRect& other : placed)
            EXPECT_FALSE(r.intersects(other) && !(lowerBar && other.top() == 4800));
        placed.push_back(r);
    }
    EXPECT_EQ(m_form->Find("pgInit1")->Left(), 3360);
    EXPECT_EQ(m_form->Find("pgInit2")->Top(), 5040);
    EXPECT_EQ(Force().Value(), vbChecked);
    EXPECT_EQ(Group().GetStyle(), ComboBox::DropDownList);
}

TEST_F(InitialWorldPageTest, RendersWithAFactionLoaded)
{
    PutFile("initialworld/grp.ini", "[qv_alpha]\r\nids_name=196610\r\nids_short_name=196846\r\n"
                                    "ids_info=458752\r\nqv_alpha=0.9\r\nqv_bravo=-0.65\r\n");
    Pick(0);
    SelectRow(2);
    Compile();
    m_form->SetCaption("Quorvel 2.0 beta 2 || Ternhallow");
    m_form->Ctl<TabDialog>("SSTab1").SetTab(InitialWorldPage::kPage);
    m_form->Show();
    DoEvents();
    const QImage image = m_form->Window()->grab().toImage();
    ASSERT_TRUE(testing_support::SaveRender(image, "initial_world_page.png"));
    EXPECT_TRUE(Lv().Widget()->isVisible());
    m_form->Hide();
}

} // namespace

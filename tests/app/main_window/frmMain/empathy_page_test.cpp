#include "app/main_window/frmMain/empathy_page.h"

#include "app/main_window/frmMain/window_controls.h"
#include "platform/forms/forms.h"
#include "tests/app/main_window/frmMain/loaded_project_fixture.h"
#include "tests/platform/forms/app.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <QImage>
#include <QPixmap>

namespace {

using namespace platform::forms;
using loaded_project::ProtocolEntry;

struct Row {
    const char* key;
    const char* group;
    const char* rep;
};
const std::vector<Row> kRows = {{"qv_alpha", "Alpha Wardens", "0.0"},
                                {"qv_beta", "Beta Salvage Union", "0.0"},
                                {"qv_gamma", "Gamma Drift Cartel", "0.0"}};

// A main window as far as this page needs one: SSTab1 with its five pages, the page on
// page 1, and the two lists filled as the faction-list loader fills them.
class Page : public loaded_project::LoadedProjectTest {
protected:
    void SetUp() override
    {
        LoadedProjectTest::SetUp();
        MakeWindow();
    }

    void MakeWindow()
    {
        formstest::App();
        page.reset();
        form = std::make_unique<Form>("frmMain");
        form->SetClientSize(10125, 5985);
        form->Create({Kind::TabDialog, "SSTab1", "", 0, 0, 10095, 5415,
                      "Projektmanager|Emphaty.ini|Faction_Prop.ini|Initialworld.ini|XML-Script"});
        page = std::make_unique<quorvel::EmpathyPage>(*form);
    }

    // A new page over a project whose empathy folder is empty again.
    void Fresh()
    {
        std::filesystem::remove_all(m_tmp / "projects/P/emphaty/new");
        MakeFolder("emphaty/new");
        quorvel::SetActiveProject("P");
        MakeWindow();
    }

    void Fill(const std::vector<Row>& rows = kRows)
    {
        for (const Row& r : rows) {
            ListItem& item = List().ListItems().Add(0, "", r.key);
            item.SetSubItem(1, r.group);
            item.SetSubItem(2, r.rep);
            Group().AddItem(r.key);
        }
    }

    ComboBox& Group() { return form->Ctl<ComboBox>("cboemphaty_group"); }
    ComboBox& Factor(int n) { return form->Ctl<ComboBox>("Combo" + std::to_string(n)); }
    ListView& List() { return form->Ctl<ListView>("lv_emphaty"); }
    CheckBox& Force() { return form->Ctl<CheckBox>("chkForceREP"); }
    std::string Rep(int row) { return List().ListItems()(row).SubItem(2); }
    void Pick(int index) { Group().SetListIndex(index); }
    void DoubleClick() { List().Raise("DblClick", List().DblClick); }
    void Compile()
    {
        Control& button = form->Ctl<Control>("btnEmphatySave");
        button.Raise("Click", button.Click);
    }

    ScriptedDialogs dialogs;
    std::unique_ptr<Form> form;
    std::unique_ptr<quorvel::EmpathyPage> page;
};

std::string Factors(const char* od, const char* rms, const char* rmf, const char* rma)
{
    return std::string("o_d=") + od + "\r\nr_m_s=" + rms + "\r\nr_m_f=" + rmf + "\r\nr_m_a=" + rma +
           "\r\n";
}

TEST_F(Page, PickShowsStoredValuesAndWritesEachFactorBackOnce)
{
    Fill();
    PutFile("emphaty/new/grp.ini", "[qv_alpha]\r\no_d=0.7\r\n[qv_beta]\r\nr_m_f=-0.4\r\n");
    PutFile("emphaty/new/reps_qv_beta.facts",
            "[qv_alpha]\r\nrep=0.5\r\n[QV_GAMMA]\r\nrep=-1.5\r\n");

    EventLog log;
    Pick(1);
    EXPECT_EQ(log.Take(),
              (std::vector<std::string>{"cboemphaty_group_Click", "Combo1_Change", "Combo2_Change",
                                        "Combo3_Change", "Combo4_Change"}));
    EXPECT_EQ(Factor(1).Text(), "0.0");
    EXPECT_EQ(Factor(3).Text(), "-0.4");
    EXPECT_EQ(GetFile("emphaty/new/grp.ini"),
              "[qv_alpha]\r\no_d=0.7\r\n[qv_beta]\r\nr_m_f=-0.4\r\no_d=0.0\r\nr_m_s=0.0\r\n"
              "r_m_a=0.0\r\n");
    // Row i shows the picked faction's rate toward the faction of that row; its own row
    // reads a section of its own file that is missing.
    EXPECT_EQ(Rep(1), "0.5");
    EXPECT_EQ(Rep(2), "0.0");
    EXPECT_EQ(Rep(3), "-1.5");

    // A faction without any section gets all four keys.
    Pick(2);
    EXPECT_EQ(GetFile("emphaty/new/grp.ini"),
              "[qv_alpha]\r\no_d=0.7\r\n[qv_beta]\r\nr_m_f=-0.4\r\no_d=0.0\r\nr_m_s=0.0\r\n"
              "r_m_a=0.0\r\n[qv_gamma]\r\n" +
                  Factors("0.0", "0.0", "0.0", "0.0"));
    EXPECT_EQ(Rep(1), "0.0");
    EXPECT_FALSE(HasFile("emphaty/new/reps_qv_gamma.facts"));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Page, FactorEdits)
{
    Fill();
    // Typed before any faction is picked: nothing is written.
    Factor(2).SetText("0.5");
    EXPECT_FALSE(HasFile("emphaty/new/grp.ini"));

    Pick(0);
    for (const char* typed : {"0", "0.", "0.5"})
        Factor(4).SetText(typed);
    Factor(3).SetListIndex(14); // "0.5" from the list
    Factor(1).SetText("zwei");  // no number, stored as typed
    EXPECT_EQ(Factor(3).Text(), "0.5");
    EXPECT_EQ(GetFile("emphaty/new/grp.ini"),
              "[qv_alpha]\r\n" + Factors("zwei", "0.0", "0.5", "0.5"));

    // Once the project is gone (deleted while loaded), edits write nothing and show nothing.
    quorvel::SetActiveProject("");
    Factor(1).SetText("0.9");
    Pick(1);
    quorvel::SetActiveProject("P");
    EXPECT_EQ(GetFile("emphaty/new/grp.ini"),
              "[qv_alpha]\r\n" + Factors("zwei", "0.0", "0.5", "0.5"));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Page, ValuesCutByTheReadAreShownButNeverShortened)
{
    Fill();
    const std::string longValue(300, '7');
    const std::string factors = "[qv_alpha]\r\no_d=" + longValue + "\r\n";
    const std::string rates = "[qv_beta]\r\nrep=" + longValue + "\r\n";
    PutFile("emphaty/new/grp.ini", factors);
    PutFile("emphaty/new/reps_qv_alpha.facts", rates);

    Pick(0);
    EXPECT_EQ(Factor(1).Text(), longValue.substr(0, 254));
    EXPECT_EQ(GetFile("emphaty/new/grp.ini"), factors + "r_m_s=0.0\r\nr_m_f=0.0\r\nr_m_a=0.0\r\n");
    EXPECT_EQ(Rep(2), longValue.substr(0, 254));

    // Setting another row's rate stores the column, but not the cut value.
    List().SetSelectedItem(&List().ListItems()(3));
    dialogs.inputBoxAnswers = {"0.1"};
    DoubleClick();
    EXPECT_EQ(GetFile("emphaty/new/reps_qv_alpha.facts"),
              rates + "[qv_alpha]\r\nrep=0.0\r\n[qv_gamma]\r\nrep=0.1\r\n");

    // The user typing into the box is an edit like any other.
    Factor(1).SetText("0.2");
    EXPECT_EQ(GetFile("emphaty/new/grp.ini"),
              "[qv_alpha]\r\n" + Factors("0.2", "0.0", "0.0", "0.0"));
}

TEST_F(Page, DoubleClickSetsAReputation)
{
    struct Case {
        const char* name;
        int selectedRow;    // 0: none
        bool pick;          // qv_alpha picked first
        bool project;       // a project loaded at the double-click
        bool force;         // chkForceREP ticked
        const char* answer; // of the input box
        bool asks;
        const char* alphaFile; // reps_qv_alpha.facts afterwards; nullptr: not made
        const char* betaFile;  // reps_qv_beta.facts afterwards; nullptr: not made
        const char* betaRow;   // REP column of qv_beta's row afterwards
    };
    const char* const column03 =
        "[qv_alpha]\r\nrep=0.0\r\n[qv_beta]\r\nrep=0.3\r\n[qv_gamma]\r\nrep=0.0\r\n";
    const Case cases[] = {
        {"mirrored", 2, true, true, true, "0.3", true, column03, "[qv_alpha]\r\nrep=0.3\r\n",
         "0.3"},
        {"not mirrored", 2, true, true, false, "0.3", true, column03, nullptr, "0.3"},
        {"text stored unchanged", 2, true, true, true, "viel", true,
         "[qv_alpha]\r\nrep=0.0\r\n[qv_beta]\r\nrep=viel\r\n[qv_gamma]\r\nrep=0.0\r\n",
         "[qv_alpha]\r\nrep=viel\r\n", "viel"},
        {"own row", 1, true, true, true, "0.4", true,
         "[qv_alpha]\r\nrep=0.4\r\n[qv_beta]\r\nrep=0.0\r\n[qv_gamma]\r\nrep=0.0\r\n", nullptr,
         "0.0"},
        {"cancelled", 2, true, true, true, "", true, nullptr, nullptr, "0.0"},
        {"no row selected", 0, true, true, true, "0.3", false, nullptr, nullptr, "0.0"},
        {"no faction picked", 2, false, true, true, "0.3", false, nullptr, nullptr, "0.0"},
        {"no project loaded", 2, true, false, true, "0.3", false, nullptr, nullptr, "0.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fresh();
        Fill();
        if (c.pick)
            Pick(0);
        if (c.selectedRow)
            List().SetSelectedItem(&List().ListItems()(c.selectedRow));
        Force().SetValue(c.force ? vbChecked : vbUnchecked);
        quorvel::SetActiveProject(c.project ? "P" : "");
        dialogs.shown.clear();
        dialogs.inputBoxAnswers = {c.answer};

        DoubleClick();

        ASSERT_EQ(dialogs.shown.size(), c.asks ? 1u : 0u);
        if (c.asks) {
            EXPECT_TRUE(dialogs.shown[0].input);
            EXPECT_EQ(dialogs.shown[0].prompt, "Reputation");
            EXPECT_EQ(dialogs.shown[0].title, "REP");
            EXPECT_EQ(dialogs.shown[0].defaultText, "0.0");
        }
        EXPECT_EQ(HasFile("emphaty/new/reps_qv_alpha.facts"), c.alphaFile != nullptr);
        if (c.alphaFile) {
            EXPECT_EQ(GetFile("emphaty/new/reps_qv_alpha.facts"), c.alphaFile);
        }
        EXPECT_EQ(HasFile("emphaty/new/reps_qv_beta.facts"), c.betaFile != nullptr);
        if (c.betaFile) {
            EXPECT_EQ(GetFile("emphaty/new/reps_qv_beta.facts"), c.betaFile);
        }
        EXPECT_EQ(Rep(2), c.betaRow);
        EXPECT_EQ(HasFile("emphaty/new/reps_qv_gamma.facts"), false);
    }
}

// A key holding a path separator never names a file: its rates read as "0.0", and storing
// into its file is refused with error 52 before any file or row changes.
TEST_F(Page, KeyThatCannotNameAFile)
{
    struct Case {
        const char* name;
        int picked;
        int selected;
        bool force;
        const char* refused; // nullptr: stored
        const char* qvAFile; // reps_qv_a.facts afterwards; nullptr: not made
    };
    const Case cases[] = {
        {"picked", 1, 1, false, "52", nullptr},
        {"selected and mirrored", 0, 2, true, "52", nullptr},
        {"selected, not mirrored", 0, 2, false, nullptr,
         "[qv_a]\r\nrep=0.0\r\n[qv/b]\r\nrep=0.3\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fresh();
        Fill({{"qv_a", "A", "0.0"}, {"qv/b", "B", "0.9"}});
        Pick(c.picked);
        EXPECT_EQ(Rep(2), "0.0"); // not the registry's "0.9"
        List().SetSelectedItem(&List().ListItems()(c.selected));
        Force().SetValue(c.force ? vbChecked : vbUnchecked);
        dialogs.shown.clear();
        dialogs.inputBoxAnswers = {"0.3"};
        DoubleClick();
        ASSERT_EQ(dialogs.shown.size(), c.refused ? 2u : 1u);
        if (c.refused) {
            EXPECT_FALSE(dialogs.shown[1].input);
            EXPECT_NE(dialogs.shown[1].prompt.find(c.refused), std::string::npos)
                << dialogs.shown[1].prompt;
        }
        EXPECT_EQ(Rep(c.selected), c.refused ? "0.0" : "0.3");
        EXPECT_EQ(HasFile("emphaty/new/reps_qv_a.facts"), c.qvAFile != nullptr);
        if (c.qvAFile) {
            EXPECT_EQ(GetFile("emphaty/new/reps_qv_a.facts"), c.qvAFile);
        }
        EXPECT_EQ(Entries("emphaty/new"), c.qvAFile ? 2 : 1); // grp.ini and that file
    }
}

TEST_F(Page, CompileButton)
{
    Fill({{"qv_a", "A", "0.0"}, {"qv_b", "B", "0.0"}});
    Pick(0);
    Factor(1).SetText("0.1");
    List().SetSelectedItem(&List().ListItems()(2));
    dialogs.inputBoxAnswers = {"-0.2"};
    DoubleClick();
    Compile();

    EXPECT_EQ(GetFile("compiled/emphaty.ini"),
              "\r\n\r\n[RepChangeEffects]\r\ngroup = qv_a\r\n"
              "event = object_destruction, 0.1\r\nevent = random_mission_success, 0.0\r\n"
              "event = random_mission_failure, 0.0\r\nevent = random_mission_abortion, 0.0\r\n"
              "emphaty_rate = qv_b, -0.2\r\n\r\n"
              "\r\n\r\n[RepChangeEffects]\r\ngroup = qv_b\r\n"
              "event = object_destruction, 0.0\r\nevent = random_mission_success, 0.0\r\n"
              "event = random_mission_failure, 0.0\r\nevent = random_mission_abortion, 0.0\r\n"
              "emphaty_rate = qv_a, -0.2\r\n\r\n");
    EXPECT_EQ(Protocol(), ProtocolEntry("Emphaty.ini compiled..."));
    const Control& overall = form->Ctl<Control>("pgEmphaty2");
    const Control& current = form->Ctl<Control>("pgEmphaty1");
    EXPECT_EQ(quorvel::BarMax(overall), 1);
    EXPECT_EQ(quorvel::BarValue(overall), 1);
    EXPECT_EQ(quorvel::BarMax(current), 2);
    EXPECT_EQ(quorvel::BarValue(current), 2);
    EXPECT_EQ(dialogs.shown.size(), 1u); // the input box only
}

TEST_F(Page, CompileFailureIsShownAndLogsNothing)
{
    Fill();
    RemoveFolder("compiled");
    Compile();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown[0].prompt.find("76"), std::string::npos) << dialogs.shown[0].prompt;
    EXPECT_NE(dialogs.shown[0].prompt.find("die bisherige Datei"), std::string::npos);
    EXPECT_FALSE(HasFile("Protocol/protocol.txt"));

    // Without a project the button does nothing and shows nothing.
    quorvel::SetActiveProject("");
    dialogs.shown.clear();
    Compile();
    EXPECT_TRUE(dialogs.shown.empty());
}

// Renders the page with a faction loaded into $QV_RENDER_DIR/empathy_tab.png.
TEST_F(Page, RendersWithAFactionLoaded)
{
    const char* dir = std::getenv("QV_RENDER_DIR");
    if (!dir)
        GTEST_SKIP() << "set QV_RENDER_DIR to render";
    Fill();
    PutFile("emphaty/new/grp.ini", "[qv_beta]\r\n" + Factors("-0.3", "0.2", "-0.1", "-0.05"));
    PutFile("emphaty/new/reps_qv_beta.facts",
            "[qv_alpha]\r\nrep=0.65\r\n[qv_gamma]\r\nrep=-0.4\r\n");
    Pick(1);
    List().SetSelectedItem(&List().ListItems()(3));
    form->Ctl<TabDialog>("SSTab1").SetTab(1);
    form->Show();
    Compile();
    DoEvents();
    const QImage image = form->Window()->grab().toImage();
    ASSERT_TRUE(image.save(QString::fromStdString(std::string(dir) + "/empathy_tab.png")));
}

} // namespace

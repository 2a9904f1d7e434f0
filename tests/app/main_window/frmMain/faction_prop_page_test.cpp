#include "app/image_button/brelo_button.h"
#include "app/main_window/frmFPBodyparts/frmFPBodyparts.h"
#include "app/main_window/frmMain/faction_prop_page.h"
#include "app/main_window/frmMain/window_controls.h"
#include "app/project_store/modINI.h"

#include "loaded_project_fixture.h"
#include "tests/platform/forms/app.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QListWidget>
#include <QTest>
#include <QWidget>

#include "tests/support/other_user.h"
#include "tests/support/render_dir.h"
#include <memory>

namespace {

using namespace platform::forms;
using quorvel::FactionPropPage;

constexpr ControlDef kFrame[] = {
    {Kind::TabDialog, "SSTab1", "", 0, 0, 10095, 5415,
     "Projektmanager|Emphaty.ini|Faction_Prop.ini|Initialworld.ini|XML-Script"},
};

const char* const kFactions[] = {"qv_alpha", "qv_bravo_grp", "qv_cyan"};

// The main window's frame with the page on it, its faction picker filled as the faction-list
// loader fills it.
class FactionPropPageTest : public loaded_project::LoadedProjectTest {
protected:
    void SetUp() override
    {
        LoadedProjectTest::SetUp();
        formstest::App();
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_form = std::make_unique<Form>("frmMain");
        m_form->SetClientSize(10125, 5985);
        m_form->Create(kFrame);
        m_page = std::make_unique<FactionPropPage>(*m_form);
        for (const char* key : kFactions)
            Group().AddItem(key);
    }
    void TearDown() override
    {
        m_page.reset();
        m_form.reset();
        m_dialogs.reset();
        LoadedProjectTest::TearDown();
    }

    template <class T = Control> T& Ctl(const std::string& name) const
    {
        return m_form->Ctl<T>(name);
    }
    ComboBox& Group() const { return Ctl<ComboBox>("cboFP_group"); }
    ComboBox& Combo(const char* name) const { return Ctl<ComboBox>(name); }
    TextBox& Box(const char* name) const { return Ctl<TextBox>(name); }
    ListBox& List(const char* name) const { return Ctl<ListBox>(name); }
    bool Selected(const char* option) const { return Ctl<OptionButton>(option).Value(); }
    void Pick(int index) const { Group().SetListIndex(index); }
    static void Click(Control& c) { c.Raise("Click", c.Click); }
    void Click(const char* name) const { Click(Ctl(name)); }
    void DoubleClick(const char* list) const
    {
        ListBox& box = List(list);
        box.Raise("DblClick", box.DblClick);
    }
    // The entries of a list or combo box.
    template <class Box> static std::vector<std::string> Entries(const Box& box)
    {
        std::vector<std::string> out;
        for (int i = 0; i < box.ListCount(); ++i)
            out.push_back(box.List(i));
        return out;
    }
    std::string Properties() const { return GetFile("faction_prop/grp.ini"); }
    std::string Stored(const std::string& g, const char* key) const
    {
        return quorvel::ReadIni(g, key, "<missing>", quorvel::FactionPropertiesFile());
    }
    quorvel::frmFPBodyparts& Dialog() const { return m_page->BodypartsDialog(); }

    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<Form> m_form;
    std::unique_ptr<FactionPropPage> m_page;
};

// ---- The pick lists ----

// Each box holds its own list in stored order and starts with its design text; nothing is
// picked by the filling.
TEST_F(FactionPropPageTest, EachPickListSitsInItsOwnBox)
{
    struct Case {
        const char* name;
        bool dialog;
        int count;
        const char* first;
        const char* last;
        const char* text;
    };
    const Case cases[] = {
        {"cboFPmc", false, 7, "mc_br", "mc_rh", ""},
        {"cboFPShips", false, 394, "br_m_ge_fighter2_d1-4", "rh_p_rh_fighter_d11-19", ""},
        {"cboFPVoice", false, 48, "atc_leg_f01", "walker", ""},
        {"cboFPScan", false, 42, "commodity_alien_artifacts", "ge_s_repair_01", ""},
        {"cboFPFormation", false, 78, "ANY", "wanderers", ""},
        {"cboFPformation2", false, 74, "armored_basic", "wide_dragon_formation", ""},
        {"cboFPScanFracht", false, 2, "False", "True", "False"},
        {"Combo1", true, 104, "benchmark_male_head", "pl_female4_head_helmet", ""},
        {"Combo2", true, 88, "benchmark_male_body", "pl_female2_peasant_body_bust", ""},
        {"Combo3", true, 28, "comm_br_brighton", "comm_rh_wilham_female", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ComboBox& box = c.dialog ? Dialog().Ctl<ComboBox>(c.name) : Combo(c.name);
        ASSERT_EQ(box.ListCount(), c.count);
        EXPECT_EQ(box.List(0), c.first);
        EXPECT_EQ(box.List(c.count - 1), c.last);
        EXPECT_EQ(box.Text(), c.text);
        EXPECT_EQ(box.ListIndex(), -1);
    }
    EXPECT_EQ(Box("txtFPScan").Text(), "0.0");
    EXPECT_FALSE(HasFile("faction_prop/grp.ini"));
}

// ---- Loading a faction ----

TEST_F(FactionPropPageTest, PickWithoutSectionStoresTheFourteenDefaultsInOrder)
{
    EventLog log;
    Pick(0);
    EXPECT_EQ(log.Events(),
              (std::vector<std::string>{
                  "cboFP_group_Click", "Option1_Click", "Option3_Click", "Option5_Click",
                  "cboFPprefix_Change", "cboFPmc_Change", "txtFPNameMale_Change",
                  "txtFPFemale_Change", "txtFPLastname_Change", "txtFPrank_Change",
                  "txtFPformation_Change", "txtFPScan_Change", "cboFPScanFracht_Change",
                  // the scan rule of the loaded "False"
                  "txtFPScan_Change", "txtFPlsd_Change", "txtFPlsn_Change"}));
    EXPECT_EQ(Properties(), "[qv_alpha]\r\n"
                            "Legality=lawful\r\n"
                            "plurality=singular\r\n"
                            "jump=jumpgate\r\n"
                            "msg_id_prefix=\r\n"
                            "mc_costume=\r\n"
                            "firstname_male=\r\n"
                            "firstname_female=\r\n"
                            "lastname=\r\n"
                            "rank_desig=\r\n"
                            "formation_desig=\r\n"
                            "scan_chance=0.0\r\n"
                            "scan_announce=False\r\n"
                            "large_ship_desig=\r\n"
                            "large_ship_names=\r\n");
    EXPECT_TRUE(Selected("Option1"));
    EXPECT_TRUE(Selected("Option3"));
    EXPECT_TRUE(Selected("Option5"));
    EXPECT_EQ(Combo("cboFPScanFracht").Text(), "False");
    EXPECT_EQ(Box("txtFPScan").Text(), "0.0");
}

TEST_F(FactionPropPageTest, PickShowsStoredValuesAndListsAndKeepsTheFile)
{
    const std::string source = "[qv_cyan]\r\n"
                               "Legality=unlawful\r\n"
                               "plurality=plural\r\n"
                               "jump=both\r\n"
                               "msg_id_prefix=gcs_refer_faction_qv_cyan\r\n"
                               "mc_costume=mc_li\r\n"
                               "firstname_male=197808\r\n"
                               "firstname_female=197809\r\n"
                               "lastname=first/20&\\second\r\n"
                               "rank_desig=2\r\n"
                               "formation_desig=3\r\n"
                               "scan_chance=0.25\r\n"
                               "scan_announce=True\r\n"
                               "large_ship_desig=4\r\n"
                               "large_ship_names=5\r\n";
    PutFile("faction_prop/grp.ini", source);
    PutFile("faction_prop/Shiplist_qv_cyan.lst", "ship_a\r\n\r\n \r\nship_b\r\n\r\n");
    PutFile("faction_prop/Formationlist_qv_cyan.lst", "fighters, fighter_basic\r\n\r\n");
    List("lstFPVoice").AddItem("left over from another faction");

    Pick(2);
    EXPECT_EQ(Properties(), source);
    EXPECT_TRUE(Selected("Option2"));
    EXPECT_TRUE(Selected("Option4"));
    EXPECT_TRUE(Selected("Option7"));
    EXPECT_EQ(Combo("cboFPmc").Text(), "mc_li");
    EXPECT_EQ(Box("txtFPLastname").Text(), "first\r\nsecond");
    EXPECT_EQ(Box("txtFPScan").Text(), "0.25");
    EXPECT_EQ(Entries(List("lstFPShips")), (std::vector<std::string>{"ship_a", " ", "ship_b"}));
    EXPECT_EQ(Entries(List("lstFPVoice")), std::vector<std::string>{});
    EXPECT_EQ(Entries(List("lstFPformation")), std::vector<std::string>{"fighters, fighter_basic"});
}

TEST_F(FactionPropPageTest, StoredPrefixSurvivesTheRebuildOfItsPickList)
{
    struct Case {
        const char* name;
        int faction;
        std::vector<std::string> offered;
    };
    const Case cases[] = {
        {"key ending in _grp", 1, {"gcs_refer_faction_qv_bravo", "ignore"}},
        {"plain key", 0, {"ignore"}},
    };
    PutFile("faction_prop/grp.ini", "[qv_alpha]\r\nmsg_id_prefix=my_own_prefix\r\n"
                                    "[qv_bravo_grp]\r\nmsg_id_prefix=ignore\r\n");
    for (int round = 0; round < 2; ++round) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            Pick(c.faction);
            EXPECT_EQ(Entries(Combo("cboFPprefix")), c.offered);
        }
    }
    EXPECT_EQ(Combo("cboFPprefix").Text(), "my_own_prefix");
    EXPECT_EQ(Stored("qv_alpha", "msg_id_prefix"), "my_own_prefix");
    EXPECT_EQ(Stored("qv_bravo_grp", "msg_id_prefix"), "ignore");

    // The suffix is matched with its case: "_GRP" is no group key.
    Group().AddItem("qv_delta_GRP");
    Pick(3);
    EXPECT_EQ(Entries(Combo("cboFPprefix")), std::vector<std::string>{"ignore"});
}

TEST_F(FactionPropPageTest, OptionGroupsMatchStoredValuesWithoutRegardToCase)
{
    struct Case {
        const char* name;
        const char* key;
        const char* stored;
        const char* option;
        const char* written;
    };
    const Case cases[] = {
        {"lawful", "Legality", "lawful", "Option1", "lawful"},
        {"Lawful", "Legality", "Lawful", "Option1", "lawful"},
        {"UNLAWFUL", "Legality", "UNLAWFUL", "Option2", "unlawful"},
        {"empty legality", "Legality", "", "Option2", "unlawful"},
        {"Plural", "plurality", "Plural", "Option4", "plural"},
        {"Singular", "plurality", "Singular", "Option3", "singular"},
        {"jumphole", "jump", "jumphole", "Option6", "jumphole"},
        {"Jumpgate", "jump", "Jumpgate", "Option5", "jumpgate"},
        {"both", "jump", "both", "Option7", "both"},
        {"empty jump", "jump", "", "Option7", "both"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PutFile("faction_prop/grp.ini",
                std::string("[qv_alpha]\r\n") + c.key + "=" + c.stored + "\r\n");
        Pick(0);
        EXPECT_TRUE(Selected(c.option));
        EXPECT_EQ(Stored("qv_alpha", c.key), c.written);
    }
}

TEST_F(FactionPropPageTest, ValueCutByTheReadIsNeverWrittenBack)
{
    const std::string longName(300, 'n');
    const std::string longPrefix(260, 'p');
    const std::string source = "[qv_alpha]\r\nLegality=lawful\r\nplurality=singular\r\n"
                               "jump=jumpgate\r\nmsg_id_prefix=" +
                               longPrefix + "\r\nfirstname_male=" + longName + "\r\n";
    PutFile("faction_prop/grp.ini", source);
    Pick(0);
    EXPECT_EQ(Box("txtFPNameMale").Text(), std::string(254, 'n'));
    EXPECT_EQ(Combo("cboFPprefix").Text(), std::string(254, 'p'));
    const std::string after = Properties();
    EXPECT_EQ(after.substr(0, source.size()), source);

    // What the user then types is the user's: it is stored.
    Box("txtFPNameMale").SetText("197808");
    EXPECT_EQ(Stored("qv_alpha", "firstname_male"), "197808");
}

// A registry key that cannot be part of a file name has no list files: viewing it shows
// empty lists and reports nothing; adding to a list is refused before the list changes.
TEST_F(FactionPropPageTest, KeyThatCannotNameAFileLoadsEmptyListsSilently)
{
    PutFile("faction_prop/Shiplist_qv_alpha.lst", "ship_a\r\n");
    Pick(0);
    ASSERT_EQ(Entries(List("lstFPShips")), std::vector<std::string>{"ship_a"});

    Group().AddItem("qv/slash");
    Pick(3);
    EXPECT_TRUE(m_dialogs->shown.empty());
    EXPECT_EQ(Entries(List("lstFPShips")), std::vector<std::string>{});
    EXPECT_EQ(Stored("qv/slash", "jump"), "jumpgate");
    EXPECT_EQ(Stored("qv/slash", "large_ship_names"), "");

    Combo("cboFPShips").SetText("ship_b");
    Click("BreloButton9");
    ASSERT_EQ(m_dialogs->shown.size(), 1u);
    EXPECT_NE(m_dialogs->shown[0].prompt.find("52"), std::string::npos);
    EXPECT_EQ(Entries(List("lstFPShips")), std::vector<std::string>{});
    EXPECT_EQ(Tmp().CountEntries("projects/P/faction_prop"), 2); // grp.ini, Shiplist_qv_alpha
}

TEST_F(FactionPropPageTest, ScanRule)
{
    struct Case {
        const char* name;
        const char* announce;
        const char* shownChance;
    };
    const Case cases[] = {
        {"False clears the chance", "False", "0.0"},
        {"True keeps it", "True", "0.7"},
        {"false is not False", "false", "0.7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PutFile("faction_prop/grp.ini", std::string("[qv_alpha]\r\nscan_chance=0.7\r\n"
                                                    "scan_announce=") +
                                            c.announce + "\r\n");
        Pick(0);
        EXPECT_EQ(Box("txtFPScan").Text(), c.shownChance);
        EXPECT_EQ(Stored("qv_alpha", "scan_chance"), c.shownChance);
        EXPECT_EQ(Stored("qv_alpha", "scan_announce"), c.announce);
    }

    // Typed letter by letter: the chance becomes "0.0" with the last letter only; a chance
    // typed afterwards is stored as typed.
    for (const char* typed : {"F", "Fa", "Fal", "Fals"}) {
        Combo("cboFPScanFracht").SetText(typed);
        EXPECT_EQ(Box("txtFPScan").Text(), "0.7") << typed;
    }
    Combo("cboFPScanFracht").SetText("False");
    EXPECT_EQ(Stored("qv_alpha", "scan_chance"), "0.0");
    Box("txtFPScan").SetText("0.4");
    EXPECT_EQ(Stored("qv_alpha", "scan_chance"), "0.4");
    EXPECT_EQ(Stored("qv_alpha", "scan_announce"), "False");

    // Picking "True" from the list writes it and leaves the chance alone.
    Combo("cboFPScanFracht").SetListIndex(1);
    EXPECT_EQ(Stored("qv_alpha", "scan_announce"), "True");
    EXPECT_EQ(Stored("qv_alpha", "scan_chance"), "0.4");
}

// ---- Edits ----

TEST_F(FactionPropPageTest, EditsWriteTheirKeyToTheFactionInTheBox)
{
    struct Case {
        const char* control;
        const char* key;
    };
    const Case texts[] = {
        {"txtFPNameMale", "firstname_male"},   {"txtFPFemale", "firstname_female"},
        {"txtFPLastname", "lastname"},         {"txtFPrank", "rank_desig"},
        {"txtFPformation", "formation_desig"}, {"txtFPlsd", "large_ship_desig"},
        {"txtFPlsn", "large_ship_names"},      {"txtFPScan", "scan_chance"},
    };
    // Typed, not picked: nothing is loaded, and edits go to the typed section.
    Group().SetText("typed_key");
    EXPECT_FALSE(HasFile("faction_prop/grp.ini"));
    for (const Case& c : texts) {
        SCOPED_TRACE(c.control);
        Box(c.control).SetText(std::string("v of ") + c.key);
        EXPECT_EQ(Stored("typed_key", c.key), std::string("v of ") + c.key);
    }
    Combo("cboFPprefix").SetText("pre");
    Combo("cboFPmc").SetListIndex(2);
    EXPECT_EQ(Stored("typed_key", "msg_id_prefix"), "pre");
    EXPECT_EQ(Stored("typed_key", "mc_costume"), "mc_fc");
    Ctl<OptionButton>("Option6").SetValue(true);
    EXPECT_EQ(Stored("typed_key", "jump"), "jumphole");

    // With no faction in the box, nothing is written.
    Group().SetText("");
    const std::string before = Properties();
    Box("txtFPNameMale").SetText("lost");
    Ctl<OptionButton>("Option2").SetValue(true);
    Combo("cboFPScanFracht").SetText("False");
    EXPECT_EQ(Properties(), before);
}

TEST_F(FactionPropPageTest, TypedFactionThatWouldReadBackAsAnotherWritesNothing)
{
    Box("txtFPNameMale").SetText("seed"); // nothing in the box yet: writes nothing
    Group().SetText("typed_key");
    Box("txtFPNameMale").SetText("kept");
    const std::string before = Properties();
    for (const char* typed : {"f0]", "f0]q", "typed_key]x"}) {
        SCOPED_TRACE(typed);
        m_dialogs->shown.clear();
        Group().SetText(typed);
        for (const char* keystrokes : {"a", "ab"})
            Box("txtFPNameMale").SetText(keystrokes);
        EXPECT_EQ(Properties(), before) << "no block whose header reads back as another faction";
        ASSERT_EQ(m_dialogs->shown.size(), 2u);
        EXPECT_EQ(m_dialogs->shown[0].prompt.substr(0, 19), "Run-time error '5':");
    }
}

// ---- The five lists ----

TEST_F(FactionPropPageTest, AddAndRemoveRewriteTheListFile)
{
    Pick(0);
    Combo("cboFPShips").SetListIndex(0);
    Click("BreloButton9");
    Combo("cboFPShips").SetText(" typed ship ");
    Click("BreloButton9");
    Click("BreloButton9");
    EXPECT_EQ(GetFile("faction_prop/Shiplist_qv_alpha.lst"),
              "br_m_ge_fighter2_d1-4\r\n typed ship \r\n typed ship \r\n\r\n");

    List("lstFPShips").SetListIndex(1);
    DoubleClick("lstFPShips");
    EXPECT_EQ(GetFile("faction_prop/Shiplist_qv_alpha.lst"),
              "br_m_ge_fighter2_d1-4\r\n typed ship \r\n\r\n");

    // Nothing selected: the list stays and its file is written back unchanged.
    PutFile("faction_prop/Shiplist_qv_alpha.lst", "br_m_ge_fighter2_d1-4\r\n\r\n typed ship \r\n");
    List("lstFPShips").SetListIndex(-1);
    DoubleClick("lstFPShips");
    EXPECT_EQ(GetFile("faction_prop/Shiplist_qv_alpha.lst"),
              "br_m_ge_fighter2_d1-4\r\n typed ship \r\n\r\n");

    for (int i = 0; i < 2; ++i) {
        List("lstFPShips").SetListIndex(0);
        DoubleClick("lstFPShips");
    }
    EXPECT_EQ(GetFile("faction_prop/Shiplist_qv_alpha.lst"), "\r\n");
}

// Through the window system's events, as a user double-clicks: the entry that moves up
// under the pointer is not selected, so a further double click there removes nothing unseen.
TEST_F(FactionPropPageTest, DoubleClickRemovesTheEntryAndSelectsNoNeighbour)
{
    PutFile("faction_prop/Shiplist_qv_alpha.lst", "ship_a\r\nship_b\r\nship_c\r\n");
    Pick(0);
    Ctl<TabDialog>("SSTab1").SetTab(FactionPropPage::kPage);
    m_form->Show();
    auto* view = static_cast<QListWidget*>(List("lstFPShips").Widget());
    const QPoint second = view->visualItemRect(view->item(1)).center();
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, second);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, second);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, second);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, second);
    EXPECT_EQ(Entries(List("lstFPShips")), (std::vector<std::string>{"ship_a", "ship_c"}));
    EXPECT_EQ(List("lstFPShips").ListIndex(), -1);
    EXPECT_EQ(GetFile("faction_prop/Shiplist_qv_alpha.lst"), "ship_a\r\nship_c\r\n\r\n");
}

TEST_F(FactionPropPageTest, EachListWritesItsOwnFile)
{
    Pick(1);
    Combo("cboFPVoice").SetText("juni");
    Click("BreloButton10");
    Combo("cboFPScan").SetText("commodity_gold");
    Click("BreloButton11");
    Combo("cboFPFormation").SetText("fighters");
    Click("BreloButton12"); // the second value is missing: nothing
    EXPECT_FALSE(HasFile("faction_prop/Formationlist_qv_bravo_grp.lst"));
    Combo("cboFPformation2").SetText("fighter_basic");
    Click("BreloButton12");
    EXPECT_EQ(GetFile("faction_prop/Voicelist_qv_bravo_grp.lst"), "juni\r\n\r\n");
    EXPECT_EQ(GetFile("faction_prop/Scanlist_qv_bravo_grp.lst"), "commodity_gold\r\n\r\n");
    EXPECT_EQ(GetFile("faction_prop/Formationlist_qv_bravo_grp.lst"),
              "fighters, fighter_basic\r\n\r\n");

    PutFile("faction_prop/Bodylist_qv_bravo_grp.lst", "h, b, c\r\n\r\n");
    Pick(1);
    List("lstFPBodyparts").SetListIndex(0);
    DoubleClick("lstFPBodyparts");
    List("lstFPscan").SetListIndex(0);
    DoubleClick("lstFPscan");
    List("lstFPformation").SetListIndex(0);
    DoubleClick("lstFPformation");
    List("lstFPVoice").SetListIndex(0);
    DoubleClick("lstFPVoice");
    for (const char* prefix : {"Bodylist_", "Scanlist_", "Formationlist_", "Voicelist_"})
        EXPECT_EQ(GetFile(std::string("faction_prop/") + prefix + "qv_bravo_grp.lst"), "\r\n")
            << prefix;
}

TEST_F(FactionPropPageTest, ListEditsWithoutAFactionOrProjectWriteNothing)
{
    Pick(0);
    Combo("cboFPShips").SetText("ship");
    Click("BreloButton9");
    Group().SetText("");
    const int filesBefore = Tmp().CountEntries("projects/P/faction_prop");

    Click("BreloButton9");
    List("lstFPShips").SetListIndex(0);
    DoubleClick("lstFPShips");
    EXPECT_EQ(Entries(List("lstFPShips")), std::vector<std::string>{"ship"});

    Group().SetText("qv_alpha");
    quorvel::SetActiveProject("");
    Click("BreloButton9");
    EXPECT_EQ(Entries(List("lstFPShips")), std::vector<std::string>{"ship"});
    EXPECT_EQ(Tmp().CountEntries("projects/P/faction_prop"), filesBefore);
    EXPECT_TRUE(m_dialogs->shown.empty());
}

// ---- The body-parts dialog ----

TEST_F(FactionPropPageTest, BodypartsOkRule)
{
    Pick(0);
    Click("BreloButton8");
    ASSERT_TRUE(Dialog().Visible());
    // The button's own Enabled, which the dialog sets late-bound.
    const auto& ok = Dialog().Ctl<quorvel::BreloButton>("BreloButton1");
    ComboBox& head = Dialog().Ctl<ComboBox>("Combo1");
    ComboBox& body = Dialog().Ctl<ComboBox>("Combo2");
    ComboBox& third = Dialog().Ctl<ComboBox>("Combo3");
    EXPECT_FALSE(ok.Enabled());
    head.SetListIndex(0);
    body.SetText("b");
    EXPECT_FALSE(ok.Enabled());
    third.SetText(" ");
    EXPECT_TRUE(ok.Enabled()); // blanks count as text
    body.SetText("");
    EXPECT_FALSE(ok.Enabled());
    body.SetListIndex(3);
    EXPECT_TRUE(ok.Enabled());

    // "Neu..." while open brings the same dialog forward unchanged.
    Click("BreloButton8");
    EXPECT_EQ(head.Text(), "benchmark_male_head");
    EXPECT_TRUE(ok.Enabled());

    // Closed and opened again: empty, OK disabled.
    Click(Dialog().Ctl<Control>("BreloButton2"));
    EXPECT_FALSE(Dialog().Visible());
    EXPECT_EQ(Entries(List("lstFPBodyparts")), std::vector<std::string>{});
    EXPECT_FALSE(HasFile("faction_prop/Bodylist_qv_alpha.lst"));
    Click("BreloButton8");
    EXPECT_TRUE(Dialog().Visible());
    EXPECT_EQ(head.Text(), "");
    EXPECT_EQ(body.Text(), "");
    EXPECT_EQ(third.Text(), "");
    EXPECT_FALSE(ok.Enabled());
}

TEST_F(FactionPropPageTest, BodypartsOkAppendsTheEntryAndWritesTheList)
{
    PutFile("faction_prop/Bodylist_qv_alpha.lst", "h0, b0, c0\r\n\r\n");
    Pick(0);
    Click("BreloButton8");
    Dialog().Ctl<ComboBox>("Combo1").SetText("h");
    Dialog().Ctl<ComboBox>("Combo2").SetText(" b");
    Dialog().Ctl<ComboBox>("Combo3").SetListIndex(27);
    Click(Dialog().Ctl<Control>("BreloButton1"));
    EXPECT_FALSE(Dialog().Visible());
    EXPECT_EQ(Entries(List("lstFPBodyparts")),
              (std::vector<std::string>{"h0, b0, c0", "h,  b, comm_rh_wilham_female"}));
    EXPECT_EQ(GetFile("faction_prop/Bodylist_qv_alpha.lst"),
              "h0, b0, c0\r\nh,  b, comm_rh_wilham_female\r\n\r\n");
}

// However the dialog was closed, it opens anew with the focus on its first box.
TEST_F(FactionPropPageTest, BodypartsReopensWithTheFocusOnTheFirstBox)
{
    Pick(0);
    m_form->Show();
    struct Case {
        const char* name;
        const char* close; // the button that closes it
        const char* last;  // the box that had the focus
    };
    const Case cases[] = {
        {"cancelled from the third box", "BreloButton2", "Combo3"},
        {"stored from the second box", "BreloButton1", "Combo2"},
    };
    // The box or the edit field inside it.
    auto hasFocus = [&](const char* combo) {
        QWidget* box = Dialog().Ctl<ComboBox>(combo).Widget();
        QWidget* focus = Dialog().Window()->focusWidget();
        return focus && (focus == box || box->isAncestorOf(focus));
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Click("BreloButton8");
        EXPECT_TRUE(hasFocus("Combo1"));
        for (const char* combo : {"Combo1", "Combo2", "Combo3"})
            Dialog().Ctl<ComboBox>(combo).SetText("x");
        Dialog().Ctl<ComboBox>(c.last).SetFocus();
        ASSERT_TRUE(hasFocus(c.last));
        Click(Dialog().Ctl<Control>(c.close));
        ASSERT_FALSE(Dialog().Visible());
        Click("BreloButton8");
        EXPECT_TRUE(hasFocus("Combo1"));
        Click(Dialog().Ctl<Control>("BreloButton2"));
    }
}

TEST_F(FactionPropPageTest, BodypartsWithoutFactionOrProject)
{
    Pick(0);
    Click("BreloButton8");
    for (const char* combo : {"Combo1", "Combo2", "Combo3"})
        Dialog().Ctl<ComboBox>(combo).SetText("x");
    Group().SetText("");
    Click(Dialog().Ctl<Control>("BreloButton1"));
    EXPECT_EQ(Entries(List("lstFPBodyparts")), std::vector<std::string>{});
    EXPECT_EQ(Tmp().CountEntries("projects/P/faction_prop"), 1); // grp.ini alone
    EXPECT_TRUE(Dialog().Visible());
    Click(Dialog().Ctl<Control>("BreloButton2"));

    quorvel::SetActiveProject("");
    Click("BreloButton8");
    EXPECT_FALSE(Dialog().Visible());
}

// ---- Compile ----

TEST_F(FactionPropPageTest, CompileTakesThePickersListAndShowsTheCount)
{
    Group().SetText("typed_only");
    Click("btnCompileFP");
    const std::string out = GetFile("compiled/faction_prop.ini");
    EXPECT_NE(out.find("affiliation = qv_alpha\r\n"), std::string::npos);
    EXPECT_NE(out.find("affiliation = qv_cyan\r\n"), std::string::npos);
    EXPECT_EQ(out.find("typed_only"), std::string::npos);
    EXPECT_EQ(quorvel::BarMax(Ctl("pgFP2")), 3);
    EXPECT_EQ(quorvel::BarValue(Ctl("pgFP2")), 3);
    EXPECT_EQ(Protocol(), loaded_project::ProtocolEntry("Faction_Prop.ini created..."));

    // A failed write is shown through the event boundary and logs nothing.
    ::unlink((Tmp() / "projects/P/compiled/faction_prop.ini").c_str());
    RemoveFolder("compiled");
    Click("btnCompileFP");
    ASSERT_EQ(m_dialogs->shown.size(), 1u);
    EXPECT_NE(m_dialogs->shown[0].prompt.find("compiled\\faction_prop.ini"), std::string::npos);
    EXPECT_EQ(Protocol(), loaded_project::ProtocolEntry("Faction_Prop.ini created..."));
}

// The unprivileged half of the case below: the page over the program folder the parent
// names, with its three factions; one press of the compile button. Exits with the number of
// messages the press showed.
TEST(FactionPropPageAsOtherUser, PressCompile)
{
    const char* folder = std::getenv("QV_TEST_PROGRAM_FOLDER");
    if (!folder)
        GTEST_SKIP() << "run by CompileSkipsAListFileItMayNotRead only";
    formstest::App();
    ScriptedDialogs dialogs;
    quorvel::SetProgramFolder(folder);
    quorvel::SetActiveProject("P");
    quorvel::SetProtocolClock([] { return std::chrono::system_clock::from_time_t(1709647629); });
    Form form("frmMain");
    form.Create(kFrame);
    FactionPropPage page(form);
    for (const char* key : kFactions)
        form.Ctl<ComboBox>("cboFP_group").AddItem(key);
    Control& button = form.Ctl<Control>("btnCompileFP");
    button.Raise("Click", button.Click);
    std::_Exit(static_cast<int>(dialogs.shown.size()));
}

// A list file the user may not read ends that list's lines, silently; the other lists and
// factions are compiled and the run is logged.
TEST_F(FactionPropPageTest, CompileSkipsAListFileItMayNotRead)
{
    PutFile("faction_prop/Shiplist_qv_alpha.lst", "ship_a\r\n");
    PutFile("faction_prop/Voicelist_qv_alpha.lst", "voice_a\r\n");
    PutFile("faction_prop/Shiplist_qv_bravo_grp.lst", "ship_b\r\n");
    PutFile("faction_prop/Voicelist_qv_bravo_grp.lst", "voice_b\r\n");
    for (const char* folder : {"", "projects", "projects/P", "projects/P/faction_prop",
                               "projects/P/compiled", "projects/P/Protocol"})
        ASSERT_EQ(::chmod((Tmp() / folder).c_str(), 0777), 0) << folder;
    ASSERT_EQ(::chmod((Tmp() / "projects/P/faction_prop/Shiplist_qv_bravo_grp.lst").c_str(), 0), 0);

    const int shown = testing_support::RunTestAsOtherUser(
        "FactionPropPageAsOtherUser.PressCompile", {{"QV_TEST_PROGRAM_FOLDER", Tmp().path()}});
    EXPECT_EQ(shown, 0);
    const auto block = [](const std::string& key, const std::string& lists) {
        return "[FactionProps]\r\naffiliation = " + key +
               "\r\nlegality = Lawful\r\nnickname_plurality = Singular\r\nmsg_id_prefix = "
               "\r\njump_preference = jumpgate\r\n" +
               lists + "mc_costume = \r\nscan_announce = false\r\nscan_chance = 0.0\r\n\r\n";
    };
    EXPECT_EQ(GetFile("compiled/faction_prop.ini"),
              block("qv_alpha", "npc_ship = ship_a\r\nvoice = voice_a\r\n") +
                  block("qv_bravo_grp", "voice = voice_b\r\n") + block("qv_cyan", "") + "\r\n");
    EXPECT_EQ(Protocol(), loaded_project::ProtocolEntry("Faction_Prop.ini created..."));
}

} // namespace

namespace {

// The page as a user sees it with a faction loaded, each inner page in turn, and the
// body-parts dialog, saved to the render folder for a look.
TEST_F(FactionPropPageTest, Rendering)
{
    QV_SKIP_UNLESS_RENDERING();
    PutFile("faction_prop/grp.ini", "[qv_bravo_grp]\r\nLegality=unlawful\r\nplurality=plural\r\n"
                                    "jump=jumphole\r\nmsg_id_prefix=gcs_refer_faction_qv_bravo\r\n"
                                    "mc_costume=mc_br\r\nfirstname_male=197808\r\n"
                                    "firstname_female=197809\r\nlastname=197810\r\n"
                                    "rank_desig=197811\r\nformation_desig=197812\r\n"
                                    "large_ship_desig=197813\r\nlarge_ship_names=197814\r\n"
                                    "scan_chance=0.25\r\nscan_announce=True\r\n");
    PutFile("faction_prop/Shiplist_qv_bravo_grp.lst",
            "br_n_br_elite_d10\r\nbr_n_br_gunboat_d8-19\r\nco_alg_ge_large_transport_d5\r\n");
    PutFile("faction_prop/Voicelist_qv_bravo_grp.lst", "pilot_f_leg_f01\r\npilot_c_ill_m02b\r\n");
    PutFile("faction_prop/Bodylist_qv_bravo_grp.lst",
            "br_brighton_head, br_brighton_body, comm_br_brighton\r\n");
    PutFile("faction_prop/Scanlist_qv_bravo_grp.lst", "commodity_luxury_consumer_goods\r\n");
    PutFile("faction_prop/Formationlist_qv_bravo_grp.lst", "fighters, fighter_br_p\r\n");
    Pick(1);
    Combo("cboFPShips").SetListIndex(3);
    Combo("cboFPFormation").SetText("fighters");
    Combo("cboFPformation2").SetText("fighter_br_p");
    quorvel::SetBarMax(Ctl("pgFP2"), 3);
    quorvel::SetBarValue(Ctl("pgFP2"), 2);
    Ctl<TabDialog>("SSTab1").SetTab(FactionPropPage::kPage);
    m_form->Show();
    const char* pages[] = {"ships", "voices", "body", "scan", "formation"};
    for (int page = 0; page < 5; ++page) {
        Ctl<TabDialog>("SSTab2").SetTab(page);
        DoEvents();
        const QImage image = m_form->Window()->grab().toImage();
        testing_support::SaveRender(image, std::string("quorvel_fp_") + pages[page] + ".png");
        EXPECT_EQ(image.size(), QSize(675, 399));
    }

    Click("BreloButton8");
    Dialog().Ctl<ComboBox>("Combo1").SetListIndex(7);
    Dialog().Ctl<ComboBox>("Combo2").SetListIndex(11);
    Dialog().Ctl<ComboBox>("Combo3").SetListIndex(0);
    DoEvents();
    const QImage dialog = Dialog().Window()->grab().toImage();
    testing_support::SaveRender(dialog, "quorvel_fp_bodyparts.png");
    EXPECT_EQ(dialog.size(), QSize(539, 89));
}

} // namespace

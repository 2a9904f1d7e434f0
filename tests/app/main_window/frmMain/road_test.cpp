// The whole road of a modder through the real main window: create a project in the name box,
// load it, import the stock factions, pick and edit a faction on each data tab and compile the
// three game files. Each step goes through the controls' events as the user's would.

#include "window_fixture.h"

#include "app/main_window/frmMain/window_controls.h"
#include "app/project_store/modFunctions.h"
#include "platform/profile/profile.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace platform::forms;
using Strings = std::vector<std::string>;

// ---- the stock factions: three invented ones in the game's line forms ----

const Strings kKeys = {"tq_amber_grp", "tq_basalt", "tq_cobalt_grp"};

// rates[i][j]: faction i's empathy rate toward faction j; reps[i][j]: its starting reputation.
const char* const kRates[3][3] = {
    {"", "-0.25", "0.4"}, {"0.15", "", "-0.6"}, {"0.35", "-0.05", ""}};
const char* const kReps[3][3] = {
    {"0.9", "-0.3", "0.2"}, {"-0.45", "0.8", "0.1"}, {"0.55", "-0.7", "1"}};

std::string StockEmpathy(int i)
{
    const std::string& k = kKeys[i];
    std::string text = "[RepChangeEffects]\r\ngroup = " + k + "\r\n" +
                       "event = object_destruction, -0.3" + std::to_string(i) + "\r\n" +
                       "event = random_mission_success, 0.1" + std::to_string(i) + "\r\n" +
                       "event = random_mission_failure, -0.2\r\n" +
                       "event = random_mission_abortion, -0.05\r\n";
    for (int j = 0; j < 3; ++j) {
        if (j != i)
            text += "emphaty_rate = " + kKeys[j] + ", " + kRates[i][j] + "\r\n";
    }
    return text;
}

std::string StockProperties(int i)
{
    const std::string& k = kKeys[i];
    const std::string n = std::to_string(i);
    return "[FactionProps]\r\naffiliation = " + k +
           "\r\nlegality = " + (i == 1 ? "unlawful" : "lawful") +
           "\r\nnickname_plurality = plural\r\n" + "msg_id_prefix = msg_" + k +
           "\r\njump_preference = jumphole\r\n" + "npc_ship = " + k + "_scout\r\nnpc_ship = " + k +
           "_hauler\r\n" + "voice = voice_" + n + "\r\nmc_costume = mc_br\r\n" +
           "space_costume = head_" + n + ", body_" + n + ", pack_" + n + "\r\n" +
           "firstname_male = 2201" + n + "0\r\nlastname = 2301" + n + "0\r\n" +
           "rank_desig = 2401" + n + "0, 2401" + n + "1\r\nformation_desig = 2501" + n + "0\r\n" +
           "scan_for_cargo = cargo_" + n + "\r\nscan_announce = True\r\nscan_chance = 0.5\r\n" +
           "formation = wing_" + n + ", vee_" + n + "\r\n";
}

std::string StockInitialWorld(int i)
{
    const std::string n = std::to_string(i);
    std::string text = "[Group]\r\nnickname = " + kKeys[i] + "\r\nids_name = 1968" + n +
                       "0\r\nids_info = 661" + n + "00\r\nids_short_name = 1968" + n + "6\r\n";
    for (int j = 0; j < 3; ++j)
        text += "rep = " + std::string(kReps[i][j]) + ", " + kKeys[j] + "\r\n";
    return text;
}

// ---- the three data tabs: the faction picked, the value edited, the compile button ----

struct Tab {
    const char* name;
    const char* picker;
    const char* faction;
    const char* file;    // the project file the tab writes through to
    const char* control; // the control edited
    const char* key;     // the key it writes
    const char* value;   // the text typed
    const char* button;  // the compile button
    const char* compiled;
};
const Tab kTabs[] = {
    {"faction properties", "cboFP_group", "tq_cobalt_grp", "faction_prop/grp.ini", "txtFPLastname",
     "lastname", "230599", "btnCompileFP", "compiled/faction_prop.ini"},
    {"empathy", "cboemphaty_group", "tq_basalt", "emphaty/new/grp.ini", "Combo2", "r_m_s", "0.7",
     "btnEmphatySave", "compiled/emphaty.ini"},
    {"initial world", "cboInit_group", "tq_cobalt_grp", "initialworld/grp.ini", "txtInitShortName",
     "ids_short_name", "196999", "BreloButton13", "compiled/initialworld.ini"},
};

// ---- reading the files ----

// The lines of a text whose lines all end with CR LF.
Strings Lines(const std::string& text)
{
    Strings lines;
    size_t from = 0;
    for (size_t at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2)
        lines.push_back(text.substr(from, at - from));
    EXPECT_EQ(from, text.size()) << "text after the last CR LF";
    return lines;
}

// The blocks of a compiled file: `lead` before the first, every block opened by the line
// `head`, consecutive blocks separated by `gap`, the last one followed by `tail`. Returns the
// lines of each block; a file off this structure fails the test.
std::vector<Strings> Blocks(const std::string& text, const std::string& lead,
                            const std::string& head, const std::string& gap,
                            const std::string& tail)
{
    std::vector<Strings> blocks;
    EXPECT_EQ(text.substr(0, lead.size()), lead);
    const std::string opener = "\r\n" + head + "\r\n";
    std::string rest = "\r\n" + text.substr(lead.size()); // so every block opens after CR LF
    size_t at = rest.find(opener);
    EXPECT_EQ(at, 0u) << "the first block follows the lead at once";
    while (at != std::string::npos) {
        const size_t next = rest.find(opener, at + 2);
        std::string block =
            rest.substr(at + 2, next == std::string::npos ? std::string::npos : next + 2 - at - 2);
        // The block's last line keeps its CR LF; the separator is what follows it.
        const std::string end = "\r\n" + (next == std::string::npos ? tail : gap);
        if (block.size() < end.size() ||
            block.compare(block.size() - end.size(), end.size(), end)) {
            ADD_FAILURE() << "block " << blocks.size() << " does not end as expected";
            return blocks;
        }
        blocks.push_back(Lines(block.substr(0, block.size() - end.size() + 2)));
        at = next;
    }
    return blocks;
}

// The text before " = " (or before the first ", " for event lines): what kind of line it is.
std::string KindOf(const std::string& line)
{
    const size_t eq = line.find(" = ");
    if (eq == std::string::npos)
        return line;
    if (line.compare(0, eq, "event") == 0)
        return line.substr(0, line.find(", "));
    return line.substr(0, eq);
}
Strings Kinds(const Strings& lines)
{
    Strings kinds;
    for (const std::string& line : lines)
        kinds.push_back(KindOf(line));
    return kinds;
}

// A line of an INI file whose text changed, with the section it stands in.
struct Changed {
    std::string section;
    std::string before;
    std::string after;
};
std::vector<Changed> ChangedLines(const std::string& before, const std::string& after)
{
    const Strings a = Lines(before);
    const Strings b = Lines(after);
    EXPECT_EQ(a.size(), b.size()) << "lines were added or removed";
    std::vector<Changed> changed;
    std::string section;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (!a[i].empty() && a[i].front() == '[')
            section = a[i];
        if (a[i] != b[i])
            changed.push_back({section, a[i], b[i]});
    }
    return changed;
}

Strings Without(Strings lines, const std::string& ending)
{
    std::erase_if(lines, [&](const std::string& line) {
        return line.size() >= ending.size() &&
               line.compare(line.size() - ending.size(), ending.size(), ending) == 0;
    });
    return lines;
}

Strings Messages(const std::string& protocol, std::string& prefix)
{
    Strings messages;
    const Strings lines = Lines(protocol);
    for (size_t i = 0; i < lines.size(); i += 2) {
        const size_t blanks = lines[i].find("    ");
        const size_t colon = lines[i].find(": ", blanks);
        if (blanks == std::string::npos || colon == std::string::npos) {
            ADD_FAILURE() << "no protocol entry: " << lines[i];
            break;
        }
        if (i == 0)
            prefix = lines[i].substr(0, colon + 2);
        EXPECT_EQ(lines[i].substr(0, colon + 2), prefix) << "one clock, one stamp";
        messages.push_back(lines[i].substr(colon + 2));
        EXPECT_EQ(i + 1 < lines.size() ? lines[i + 1] : "missing", "") << "after " << lines[i];
    }
    return messages;
}

class Road : public mainwin_test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        quorvel::SetProtocolClock([] { return std::chrono::system_clock::time_point{}; });
        for (int i = 0; i < 3; ++i)
            PutStock(kKeys[i], StockEmpathy(i).c_str(), StockProperties(i).c_str(),
                     StockInitialWorld(i).c_str());
        ASSERT_TRUE(m_main->Load());
    }
    void TearDown() override
    {
        quorvel::SetProtocolClock({});
        WindowTest::TearDown();
    }

    std::string File(const std::string& project, const std::string& rel) const
    {
        return m_tmp.Get("projects/" + project + "/" + rel);
    }
    bool Has(const std::string& project, const std::string& rel) const
    {
        return m_tmp.Exists("projects/" + project + "/" + rel);
    }
    // Every file of a project, by its path inside the project.
    std::map<std::string, std::string> Tree(const std::string& project) const
    {
        namespace fs = std::filesystem;
        std::map<std::string, std::string> files;
        const fs::path root = m_tmp / ("projects/" + project);
        for (const auto& entry : fs::recursive_directory_iterator(root)) {
            if (entry.is_regular_file()) {
                const std::string rel = fs::relative(entry.path(), root).string();
                files[rel] = File(project, rel);
            }
        }
        return files;
    }

    // ---- the steps of the road, each as the user takes it ----

    void CreateInNameBox(const std::string& name)
    {
        if (!Ctl<Frame>("Frame1").Visible()) { // back to the project manager first
            Click("Label4");
            Tick("Timer4", 500);
        }
        auto& box = Ctl<TextBox>("txtdateiname");
        Click("BreloButton7");
        Tick("Timer1", 100);
        box.SetText(name);
        int key = 13;
        box.KeyPress(key);
        Tick("Timer2", 100);
    }
    void LoadProject(const std::string& name)
    {
        SelectProject(name);
        Click("BreloButton6");
        Tick("Timer3", 500);
    }
    void DeleteFaction(const std::string& key)
    {
        auto& view = Ctl<ListView>("lv_newfactions");
        for (int i = 1; i <= view.ListItems().Count(); ++i) {
            if (view.ListItems()(i).Text() == key)
                view.SetSelectedItem(&view.ListItems()(i));
        }
        Click("btnnewfactiondel");
    }
    void Pick(const Tab& tab)
    {
        auto& picker = Ctl<ComboBox>(tab.picker);
        for (int i = 0; i < picker.ListCount(); ++i) {
            if (picker.List(i) == tab.faction)
                picker.SetListIndex(i);
        }
        ASSERT_EQ(picker.Text(), tab.faction);
    }
    void Edit(const Tab& tab)
    {
        if (auto* combo = dynamic_cast<ComboBox*>(m_main->Find(tab.control)))
            combo->SetText(tab.value);
        else
            Ctl<TextBox>(tab.control).SetText(tab.value);
    }
    void Compile(const Tab& tab) { Click(tab.button); }

    // The road without its checks; `afterImport` runs before the first pick, `beforeCompile`
    // after the last edit.
    void Travel(const std::string& project, const std::function<void()>& afterImport = {},
                const std::function<void()>& beforeCompile = {})
    {
        CreateInNameBox(project);
        LoadProject(project);
        Click("btnImportAll");
        if (afterImport)
            afterImport();
        for (const Tab& tab : kTabs) {
            Pick(tab);
            Edit(tab);
        }
        if (beforeCompile)
            beforeCompile();
        for (const Tab& tab : kTabs)
            Compile(tab);
    }

    // The second road left exactly the files of the first, byte for byte.
    static void ExpectSameFiles(const std::map<std::string, std::string>& first,
                                const std::map<std::string, std::string>& second)
    {
        for (const auto& [name, bytes] : second)
            EXPECT_TRUE(first.count(name)) << name << " only in the second road";
        for (const auto& [name, bytes] : first) {
            SCOPED_TRACE(name);
            ASSERT_TRUE(second.count(name));
            EXPECT_EQ(second.at(name), bytes);
        }
    }

    static std::vector<Strings> PropBlocks(const std::string& text)
    {
        return Blocks(text, "", "[FactionProps]", "\r\n", "\r\n\r\n");
    }
    static std::vector<Strings> EmpathyBlocks(const std::string& text)
    {
        return Blocks(text, "\r\n\r\n", "[RepChangeEffects]", "\r\n\r\n\r\n", "\r\n");
    }
    static std::vector<Strings> WorldBlocks(const std::string& text)
    {
        const size_t first = text.find("[Group]\r\n");
        EXPECT_NE(first, std::string::npos);
        return Blocks(text, text.substr(0, first), "[Group]", "\r\n", "\r\n\r\n");
    }
};

TEST_F(Road, CreateLoadImportEditAndCompileEveryTab)
{
    const std::string P = "Road";
    CreateInNameBox(P);
    ASSERT_TRUE(m_tmp.Exists("projects/Road/compiled"));
    LoadProject(P);
    ASSERT_EQ(quorvel::ActiveProject(), P);
    Click("btnImportAll");

    // The registry holds the stock factions in import order, and all six lists follow it.
    EXPECT_EQ(File(P, "misc/factions.ini"),
              "[tq_amber_grp]\r\ngrp=tq_amber_grp\r\n[tq_basalt]\r\ngrp=tq_basalt\r\n"
              "[tq_cobalt_grp]\r\ngrp=tq_cobalt_grp\r\n");
    EXPECT_EQ(Column("lv_newfactions"), kKeys);
    EXPECT_EQ(Column("lv_emphaty"), kKeys);
    EXPECT_EQ(Column("lv_Init"), kKeys);
    for (const char* picker : {"cboFP_group", "cboemphaty_group", "cboInit_group"})
        EXPECT_EQ(Entries(picker), kKeys) << picker;
    EXPECT_EQ(quorvel::BarMax(Ctl("pgLoadProject")), 3);
    EXPECT_EQ(quorvel::BarValue(Ctl("pgLoadProject")), 3);
    EXPECT_EQ(quorvel::BarMax(Ctl("pgImportAll")), 2);
    EXPECT_EQ(quorvel::BarValue(Ctl("pgImportAll")), 0);

    // Pick and edit on each tab: the edit changes its one key in its one file.
    for (const Tab& tab : kTabs) {
        SCOPED_TRACE(tab.name);
        Pick(tab);
        const std::string before = File(P, tab.file);
        Edit(tab);
        const std::vector<Changed> changed = ChangedLines(before, File(P, tab.file));
        ASSERT_EQ(changed.size(), 1u);
        EXPECT_EQ(changed[0].section, std::string("[") + tab.faction + "]");
        EXPECT_EQ(changed[0].before.substr(0, changed[0].before.find('=') + 1),
                  std::string(tab.key) + "=");
        EXPECT_EQ(changed[0].after, std::string(tab.key) + "=" + tab.value);
    }
    // The imported reputations reached the lists of the picked factions.
    EXPECT_EQ(Column("lv_emphaty", 2), (Strings{kRates[1][0], "0.0", kRates[1][2]}));
    EXPECT_EQ(Column("lv_Init", 2), (Strings{kReps[2][0], kReps[2][1], kReps[2][2]}));

    for (const Tab& tab : kTabs)
        Compile(tab);

    // Faction properties: one block per faction in picker order, in the compiler's line order.
    const std::vector<Strings> props = PropBlocks(File(P, "compiled/faction_prop.ini"));
    ASSERT_EQ(props.size(), 3u);
    const Strings propKinds = {
        "[FactionProps]", "affiliation",     "legality",        "nickname_plurality",
        "msg_id_prefix",  "jump_preference", "npc_ship",        "npc_ship",
        "voice",          "mc_costume",      "space_costume",   "firstname_male",
        "lastname",       "rank_desig",      "formation_desig", "scan_for_cargo",
        "scan_announce",  "scan_chance",     "formation"};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(kKeys[i]);
        EXPECT_EQ(Kinds(props[i]), propKinds);
        EXPECT_EQ(props[i][1], "affiliation = " + kKeys[i]);
        EXPECT_EQ(props[i][6], "npc_ship = " + kKeys[i] + "_scout");
        EXPECT_EQ(props[i][7], "npc_ship = " + kKeys[i] + "_hauler");
    }
    EXPECT_EQ(props[2][12], "lastname = 230599");
    EXPECT_EQ(props[1][12], "lastname = 230110");
    EXPECT_EQ(props[1][2], "legality = unlawful");
    EXPECT_EQ(props[2][3], "nickname_plurality = plural");
    EXPECT_EQ(props[2][10], "space_costume = head_2, body_2, pack_2");
    EXPECT_EQ(props[2][16], "scan_announce = True");
    EXPECT_EQ(props[2][18], "formation = wing_2, vee_2");

    // Empathy: one block per faction, a rate line for every other row in row order.
    const std::vector<Strings> empathy = EmpathyBlocks(File(P, "compiled/emphaty.ini"));
    ASSERT_EQ(empathy.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(kKeys[i]);
        Strings expected = {"[RepChangeEffects]",
                            "group = " + kKeys[i],
                            "event = object_destruction",
                            "event = random_mission_success",
                            "event = random_mission_failure",
                            "event = random_mission_abortion"};
        for (int j = 0; j < 3; ++j) {
            if (j != i)
                expected.push_back("emphaty_rate = " + kKeys[j] + ", " + kRates[i][j]);
        }
        Strings got = empathy[i];
        for (size_t l = 2; l < 6 && l < got.size(); ++l)
            got[l] = KindOf(got[l]);
        EXPECT_EQ(got, expected);
    }
    EXPECT_EQ(empathy[1][3], "event = random_mission_success, 0.7");
    EXPECT_EQ(empathy[0][3], "event = random_mission_success, 0.10");
    EXPECT_EQ(empathy[2][2], "event = object_destruction, -0.32");

    // Initial world: the header once, then one block per faction with a line for every row.
    const std::string world = File(P, "compiled/initialworld.ini");
    const std::string warning =
        "//Warning: The Quorvel 2.0 can't know your (modded) system properties.\r\n";
    EXPECT_EQ(world.substr(0, warning.size()), warning);
    const Strings header = Lines(world.substr(0, world.find("[Group]")));
    ASSERT_EQ(header.size(), 9u);
    for (size_t l : {0, 1, 3, 4})
        EXPECT_EQ(header[l].substr(0, 2), "//") << l;
    for (size_t l : {2, 5, 6, 7, 8})
        EXPECT_EQ(header[l], "") << l;
    const std::vector<Strings> groups = WorldBlocks(world);
    ASSERT_EQ(groups.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(kKeys[i]);
        const std::string n = std::to_string(i);
        Strings expected = {"[Group]", "nickname = " + kKeys[i], "ids_name = 1968" + n + "0",
                            "ids_info = 661" + n + "00",
                            "ids_short_name = " +
                                (i == 2 ? std::string("196999") : "1968" + n + "6")};
        for (int j = 0; j < 3; ++j)
            expected.push_back("rep = " + std::string(kReps[i][j]) + ", " + kKeys[j]);
        EXPECT_EQ(groups[i], expected);
    }

    // The protocol: the creation, then each compiler's entry in the order they ran.
    std::string stamp;
    EXPECT_EQ(Messages(File(P, "Protocol/protocol.txt"), stamp),
              (Strings{"Project created.", "Faction_Prop.ini created...", "Emphaty.ini compiled...",
                       "Initialworld.ini created..."}));

    struct Bar {
        const char* name;
        double max;
        double value;
    };
    for (const Bar& bar : {Bar{"pgFP2", 3, 3}, Bar{"pgEmphaty2", 2, 2}, Bar{"pgEmphaty1", 3, 3},
                           Bar{"pgInit2", 3, 3}, Bar{"pgInit1", 3, 3}}) {
        SCOPED_TRACE(bar.name);
        EXPECT_EQ(quorvel::BarMax(Ctl(bar.name)), bar.max);
        EXPECT_EQ(quorvel::BarValue(Ctl(bar.name)), bar.value);
    }
    EXPECT_FALSE(Has(P, "emphaty/new/tq_basalt.tmp")) << "no scratch file stays";
    EXPECT_TRUE(m_dialogs->shown.empty());
}

TEST_F(Road, DeletedFactionDropsOutAndLeavesTheOthersBlocks)
{
    Travel("Whole");
    const std::string deleted = kKeys[0];
    Travel("Cut", [&] { DeleteFaction(deleted); });
    ASSERT_EQ(quorvel::ActiveProject(), "Cut");

    for (const char* file :
         {"emphaty/new/reps_tq_amber_grp.facts", "faction_prop/Shiplist_tq_amber_grp.lst",
          "faction_prop/Voicelist_tq_amber_grp.lst", "faction_prop/Bodylist_tq_amber_grp.lst",
          "faction_prop/Scanlist_tq_amber_grp.lst",
          "faction_prop/Formationlist_tq_amber_grp.lst"}) {
        EXPECT_TRUE(Has("Whole", file)) << file;
        EXPECT_FALSE(Has("Cut", file)) << file;
    }
    EXPECT_TRUE(Has("Cut", "faction_prop/Shiplist_tq_basalt.lst"));
    const Strings kept = {kKeys[1], kKeys[2]};
    EXPECT_EQ(Column("lv_newfactions"), kept);
    EXPECT_EQ(Column("lv_emphaty"), kept);
    EXPECT_EQ(Column("lv_Init"), kept);
    for (const char* picker : {"cboFP_group", "cboemphaty_group", "cboInit_group"})
        EXPECT_EQ(Entries(picker), kept) << picker;

    for (const Tab& tab : kTabs)
        EXPECT_EQ(File("Cut", tab.compiled).find(deleted), std::string::npos) << tab.compiled;

    // The kept factions' blocks are those of the whole project, less the lines that name the
    // deleted faction.
    const auto wholeProps = PropBlocks(File("Whole", "compiled/faction_prop.ini"));
    const auto cutProps = PropBlocks(File("Cut", "compiled/faction_prop.ini"));
    const auto wholeEmpathy = EmpathyBlocks(File("Whole", "compiled/emphaty.ini"));
    const auto cutEmpathy = EmpathyBlocks(File("Cut", "compiled/emphaty.ini"));
    const auto wholeWorld = WorldBlocks(File("Whole", "compiled/initialworld.ini"));
    const auto cutWorld = WorldBlocks(File("Cut", "compiled/initialworld.ini"));
    for (const auto* blocks : {&wholeProps, &wholeEmpathy, &wholeWorld})
        ASSERT_EQ(blocks->size(), 3u);
    for (const auto* blocks : {&cutProps, &cutEmpathy, &cutWorld})
        ASSERT_EQ(blocks->size(), 2u);
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(kept[i]);
        EXPECT_EQ(cutProps[i], wholeProps[i + 1]);
        EXPECT_EQ(cutEmpathy[i],
                  Without(wholeEmpathy[i + 1], " = " + deleted + ", " + kRates[i + 1][0]));
        EXPECT_EQ(cutWorld[i], Without(wholeWorld[i + 1], ", " + deleted));
        EXPECT_EQ(cutWorld[i].size(), wholeWorld[i + 1].size() - 1);
    }
    EXPECT_EQ(File("Cut", "compiled/initialworld.ini").substr(0, 200),
              File("Whole", "compiled/initialworld.ini").substr(0, 200));

    std::string stamp;
    EXPECT_EQ(Messages(File("Cut", "Protocol/protocol.txt"), stamp),
              (Strings{"Project created.", "Faction_Prop.ini created...", "Emphaty.ini compiled...",
                       "Initialworld.ini created..."}));
    EXPECT_EQ(quorvel::BarValue(Ctl("pgFP2")), 2);
    EXPECT_EQ(quorvel::BarValue(Ctl("pgEmphaty2")), 1);
    EXPECT_EQ(quorvel::BarValue(Ctl("pgInit1")), 2);
    EXPECT_TRUE(m_dialogs->shown.empty());
}

TEST_F(Road, LanguageSwitchOnTheWayChangesNoFile)
{
    // The picks, the edits and the compiles of the second road all run in English.
    Travel("German");
    Travel(
        "English",
        [&] {
            const auto before = Tree("English");
            Click("BreloButton2");
            EXPECT_EQ(Tree("English"), before) << "the switch itself writes nothing";
        },
        [&] {
            EXPECT_EQ(quorvel::ButtonCaption(Ctl("BreloButton2")), "German Version");
            EXPECT_EQ(quorvel::ButtonCaption(Ctl("btnCompileFP")), "Create INI");
        });
    const auto german = Tree("German");
    const auto english = Tree("English");
    ASSERT_TRUE(german.count("compiled/initialworld.ini"));
    ASSERT_TRUE(german.count("Protocol/protocol.txt"));
    ExpectSameFiles(german, english);
    EXPECT_TRUE(m_dialogs->shown.empty());
}

TEST_F(Road, HeldWritesLeaveTheFilesOfWritingKeyByKey)
{
    // The import, the picks, the edits, a REP column write (mirrored) and the compiles, with
    // the INI writes of each handler written once when it ends, and written key by key.
    const auto travel = [&](const std::string& project, bool batching) {
        platform::profile::SetBatchingEnabled(batching);
        Travel(project, {}, [&] {
            auto& view = Ctl<ListView>("lv_emphaty");
            view.SetSelectedItem(&view.ListItems()(3));
            ASSERT_EQ(Ctl<CheckBox>("chkForceREP").Value(), vbChecked);
            m_dialogs->inputBoxAnswers.push_back("0.65");
            view.Raise("DblClick", view.DblClick);
            Pick(kTabs[0]); // a pick writes its keys back
        });
        platform::profile::SetBatchingEnabled(true);
        return Tree(project);
    };
    const auto held = travel("Held", true);
    const auto keyByKey = travel("KeyByKey", false);
    ASSERT_NE(File("Held", "emphaty/new/reps_tq_basalt.facts").find("rep=0.65"), std::string::npos);
    ASSERT_NE(File("Held", "emphaty/new/reps_tq_cobalt_grp.facts").find("rep=0.65"),
              std::string::npos);
    ExpectSameFiles(keyByKey, held);
    ASSERT_EQ(m_dialogs->shown.size(), 2u) << "the two REP questions, no message";
    EXPECT_TRUE(m_dialogs->shown[0].input && m_dialogs->shown[1].input);
}

} // namespace

#include "window_fixture.h"

#include "faction_files.h"

#include "app/main_window/frmImport/frmImport.h"
#include "app/main_window/frmMain/faction_registry.h"
#include "app/main_window/frmMain/window_controls.h"
#include "app/project_store/project_paths.h"

namespace {

using namespace platform::forms;
using Strings = std::vector<std::string>;

// Stock files in the game's line forms, small enough to read at a glance.
std::string Empathy(const std::string& group)
{
    return "[RepChangeEffects]\r\ngroup = " + group + "\r\nevent = object_destruction, -0.2\r\n";
}
const char* const kProperties = "[FactionProps]\r\nlegality = lawful\r\nnpc_ship = zx_ship\r\n";
const char* const kInitialWorld = "[Group]\r\nids_name = 1\r\nrep = 0.5, zx_other\r\n";

class RegistryPane : public mainwin_test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(m_main->Load());
        SelectProject("Mod");
        Click("BreloButton6");
        Tick("Timer3", 500);
    }
    void Save(const std::string& key, const std::string& description)
    {
        Ctl<TextBox>("txtNewNick").SetText(key);
        Ctl<TextBox>("txtNewDescr").SetText(description);
        Click("btnnewfactionnew");
    }
    void SelectRow(int index)
    {
        auto& view = Ctl<ListView>("lv_newfactions");
        view.SetSelectedItem(&view.ListItems()(index));
    }
};

TEST_F(RegistryPane, NewSaveWritesTheRegistryAndReloadsEveryList)
{
    Save("zx_a", "Alpha");
    Save("zx_b", " ");
    EXPECT_EQ(Ctl<TextBox>("txtNewDescr").Text(), "zx_b");
    Save("zx_a", "Alpha Two");
    EXPECT_EQ(Mod("misc/factions.ini"), "[zx_a]\r\ngrp=Alpha Two\r\n[zx_b]\r\ngrp=zx_b\r\n");
    EXPECT_EQ(Column("lv_newfactions"), (Strings{"zx_a", "zx_b"}));
    EXPECT_EQ(Column("lv_newfactions", 1), (Strings{"Alpha Two", "zx_b"}));
    EXPECT_EQ(Entries("cboemphaty_group"), (Strings{"zx_a", "zx_b"}));
    EXPECT_EQ(Ctl<Label>("lblFactionsGesamt").Caption(), "2");
    EXPECT_TRUE(m_dialogs->shown.empty());

    SelectRow(2);
    Click("lv_newfactions");
    EXPECT_EQ(Ctl<TextBox>("txtNewNick").Text(), "zx_b");
    EXPECT_EQ(Ctl<TextBox>("txtNewDescr").Text(), "zx_b");
}

TEST_F(RegistryPane, RefusedKeyIsExplainedAndNothingWritten)
{
    Save("zx]a", "Alpha");
    ASSERT_EQ(m_dialogs->shown.size(), 1u);
    EXPECT_EQ(m_dialogs->shown[0].prompt,
              quorvel::FactionKeyProblem("zx]a", quorvel::Language::German));
    EXPECT_EQ(m_dialogs->shown[0].buttons, vbExclamation);
    EXPECT_FALSE(ModHas("misc/factions.ini"));

    // Blank keys and no project stop silently.
    Save("  ", "x");
    m_main->SetActiveProject("");
    Save("zx_a", "Alpha");
    EXPECT_EQ(m_dialogs->shown.size(), 1u);
    EXPECT_EQ(ModFileCount(), 0);
}

// The program's own messages speak the window's language; the texts of the language table
// and the runtime's error descriptions stay as they are.
TEST_F(RegistryPane, ProgramMessagesFollowTheWindowsLanguage)
{
    struct Case {
        std::string key;
        const char* german;
        const char* english;
    };
    const Case cases[] = {
        {"zx]a",
         "Der Fraktionsschl\xFCssel \"zx]a\" enth\xE4lt \"]\". / \\ [ ] = und "
         "Zeilenumbr\xFC"
         "che sind nicht erlaubt. Ein Fraktionsschl\xFCssel benennt den Abschnitt der "
         "Fraktion in den Projektdateien und ist Teil ihrer Dateinamen.",
         "The faction key \"zx]a\" must not contain \"]\": / \\ [ ] = and line breaks are not "
         "allowed. A faction key names the faction's section in the project files and is part "
         "of its file names."},
        {";zx", "darf nicht mit \";\" beginnen.", "must not start with \";\"."},
        {"zx\r\na", "enth\xE4lt einen Zeilenumbruch.", "must not contain a line break:"},
        {"..", "kann nicht verwendet werden.", "cannot be used."},
        {std::string(250, 'z'), " Zeichen ist zu lang: ", " characters is too long: "},
    };
    const auto shownFor = [&](const std::string& key) {
        m_dialogs->shown.clear();
        Save(key, "Alpha");
        return m_dialogs->shown.size() == 1 ? m_dialogs->shown[0].prompt : std::string("none");
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key.substr(0, 8));
        EXPECT_NE(shownFor(c.key).find(c.german), std::string::npos) << shownFor(c.key);
    }
    Click("BreloButton2");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key.substr(0, 8));
        EXPECT_NE(shownFor(c.key).find(c.english), std::string::npos) << shownFor(c.key);
    }
    Click("BreloButton2");
    EXPECT_EQ(shownFor("zx]a"), cases[0].german);
    EXPECT_FALSE(ModHas("misc/factions.ini"));

    // A compile's note on its output, on each of the three tabs, with a faction to compile.
    Save("zx_ok", "Alpha");
    ::unlink((m_tmp / "projects/Mod/compiled/faction_prop.ini").c_str());
    ::rmdir((m_tmp / "projects/Mod/compiled").c_str());
    for (const char* language : {"German", "English"}) {
        SCOPED_TRACE(language);
        for (const char* button : {"btnCompileFP", "btnEmphatySave", "BreloButton13"}) {
            SCOPED_TRACE(button);
            m_dialogs->shown.clear();
            Click(button);
            ASSERT_EQ(m_dialogs->shown.size(), 1u);
            const std::string& prompt = m_dialogs->shown[0].prompt;
            EXPECT_NE(prompt.find("Path not found"), std::string::npos) << prompt;
            EXPECT_NE(prompt.find(std::string(language) == "German"
                                      ? " wurde nicht geschrieben; die bisherige Datei ist, falls "
                                        "vorhanden, unver\xE4ndert."
                                      : " was not written; the previous file, if any, is "
                                        "unchanged."),
                      std::string::npos)
                << prompt;
        }
        Click("BreloButton2");
    }
}

TEST_F(RegistryPane, RefusedWriteIsShownAfterTheKeyFilledTheDescription)
{
    Save("zx_a", "Alpha");
    ::system(("rm -rf '" + (m_tmp / "projects/Mod/misc") + "'").c_str());
    Save("zx_b", "");
    ASSERT_EQ(m_dialogs->shown.size(), 1u);
    EXPECT_EQ(m_dialogs->shown[0].prompt.substr(0, 19), "Run-time error '5':");
    EXPECT_EQ(Ctl<TextBox>("txtNewDescr").Text(), "zx_b");
    EXPECT_EQ(Column("lv_newfactions"), Strings{"zx_a"}) << "the lists are not reloaded";
}

TEST_F(RegistryPane, DeleteLeavesTheExactBytesAndReloads)
{
    Save("zx_a", "Same");
    Save("zx_b", "Same");
    Save("zx_c", "Other");
    m_tmp.Put("projects/Mod/faction_prop/Voicelist_zx_b.lst", "v\r\n\r\n");
    Click("btnnewfactiondel");
    EXPECT_EQ(Column("lv_newfactions").size(), 3u) << "no row selected: nothing happens";

    SelectRow(2);
    Click("btnnewfactiondel");
    EXPECT_EQ(Mod("misc/factions.ini"),
              "[zx_a]\r\ngrp=Same\r\n\r\n\r\n[zx_c]\r\ngrp=Other\r\n\r\n");
    EXPECT_FALSE(ModHas("faction_prop/Voicelist_zx_b.lst"));
    EXPECT_EQ(Column("lv_newfactions"), (Strings{"zx_a", "zx_c"}));
    EXPECT_EQ(Column("lv_newfactions", 1), (Strings{"Same", "Other"}));
    EXPECT_TRUE(m_dialogs->shown.empty());
}

TEST_F(RegistryPane, ImportOfAllFindsEachFactionsFilesByName)
{
    // The folders list in different orders: a stray file sorts first in one of them.
    for (const char* key : {"zx_b", "zx_a"})
        PutStock(key, Empathy(std::string("Group ") + key).c_str(), kProperties, kInitialWorld);
    m_tmp.Put("data/faction_prop/original_factions/aaa_unrelated", "[FactionProps]\r\n");
    ::rename((m_tmp / "data/initialworld/original_factions/zx_a").c_str(),
             (m_tmp / "data/initialworld/original_factions/ZX_A").c_str());

    Click("btnImportAll");
    EXPECT_TRUE(m_dialogs->shown.empty());
    EXPECT_EQ(Mod("misc/factions.ini"), "[zx_a]\r\ngrp=Group zx_a\r\n[zx_b]\r\ngrp=Group zx_b\r\n");
    EXPECT_EQ(Mod("faction_prop/grp.ini").substr(0, 25), "[zx_a]\r\nLegality=lawful\r\n");
    EXPECT_EQ(Mod("faction_prop/Shiplist_zx_b.lst"), "zx_ship\r\n\r\n");
    EXPECT_FALSE(ModHas("faction_prop/Shiplist_aaa_unrelated.lst"));
    EXPECT_EQ(Mod("initialworld/grp.ini"),
              "[zx_a]\r\nids_name=1\r\nids_info=\r\nids_short_name=\r\nzx_other=0.5\r\n"
              "[zx_b]\r\nids_name=1\r\nids_info=\r\nids_short_name=\r\nzx_other=0.5\r\n");
    EXPECT_EQ(Column("lv_newfactions"), (Strings{"zx_a", "zx_b"}));
    EXPECT_EQ(quorvel::BarMax(Ctl("pgImportAll")), 1);
    EXPECT_EQ(quorvel::BarValue(Ctl("pgImportAll")), 0);
    EXPECT_FALSE(ModHas("Protocol/protocol.txt")) << "the import of all writes no protocol";
}

TEST_F(RegistryPane, ImportOfAllRegistersInTheImportDialogsOrder)
{
    // "_" sorts before digits and letters in the dialog's list; a plain case fold would put
    // it after the letters.
    const Strings listed = {"a_grp", "ab_grp", "fc_b_grp", "fc_b2_grp", "FC_bd_grp"};
    for (const char* key : {"FC_bd_grp", "ab_grp", "fc_b2_grp", "fc_b_grp", "a_grp"})
        PutStock(key, Empathy(key).c_str(), kProperties, kInitialWorld);

    Click("btnImport");
    auto& files = m_main->ImportDialog().Ctl<FileListBox>("File1");
    Strings shown;
    for (int i = 0; i < files.ListCount(); ++i)
        shown.push_back(files.List(i));
    EXPECT_EQ(shown, listed);

    Click("btnImportAll");
    EXPECT_TRUE(m_dialogs->shown.empty());
    EXPECT_EQ(Column("lv_newfactions"), listed);
}

TEST_F(RegistryPane, ImportDialogOffersWhatTheImportOfAllRegisters)
{
    // Names on disk are UTF-8 and the program's names CP1252; a name the program cannot hold
    // apart from another (Cyrillic, or a Latin-1 twin of a UTF-8 name) is in neither list.
    for (const char* key :
         {"d_grp", "caf\xC3\xA9_grp", "\xD0\x9C\xD0\xB8\xD1\x80_grp", "caf\xE9_grp"})
        PutStock(key, Empathy("G").c_str(), kProperties, kInitialWorld);
    const Strings listed = {"caf\xE9_grp", "d_grp"};

    Click("btnImport");
    quorvel::frmImport& dialog = m_main->ImportDialog();
    auto& files = dialog.Ctl<FileListBox>("File1");
    Strings shown;
    for (int i = 0; i < files.ListCount(); ++i)
        shown.push_back(files.List(i));
    EXPECT_EQ(shown, listed);

    files.SetListIndex(0);
    Click(dialog.Ctl<Control>("btnImport"));
    EXPECT_TRUE(m_dialogs->shown.empty()) << "the picked name finds its stock files";
    EXPECT_EQ(Column("lv_newfactions"), Strings{"caf\xE9_grp"});

    Click("btnImportAll");
    EXPECT_TRUE(m_dialogs->shown.empty());
    EXPECT_EQ(Column("lv_newfactions"), listed);
}

// The import goes faction by faction: one it cannot import whole ends it there, with the
// factions before it imported whole and nothing of it or the later ones written.
TEST_F(RegistryPane, ImportOfAllStopsAtTheFactionItCannotImport)
{
    struct Case {
        const char* name;
        std::string badKey; // sorts third of four
        const char* properties;
        const char* initialWorld;
        const char* error;
    };
    const std::string tooLong = "zx_c" + std::string(241, 'k');
    const Case cases[] = {
        {"a faction without its properties file", "zx_c", nullptr, kInitialWorld,
         "Run-time error '53':"},
        {"a faction without its initial-world file", "zx_c", kProperties, nullptr,
         "Run-time error '53':"},
        {"a malformed reputation line at the faction's end", "zx_c", kProperties,
         "[Group]\r\nids_name = 1\r\nrep = 0.5 zx_other\r\n", "Run-time error '5':"},
        {"a reputation key the INI writer refuses", "zx_c", kProperties,
         "[Group]\r\nids_name = 1\r\nrep = 0.5, a=b\r\n", "Run-time error '5':"},
        {"a stock name too long for its list files", tooLong, kProperties, kInitialWorld,
         "Run-time error '52':"},
    };
    const mainwin_test::FactionFiles project(m_tmp / "projects/Mod");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_dialogs->shown.clear();
        PutStock("zx_a", Empathy("A").c_str(), kProperties, kInitialWorld);
        PutStock("zx_b", Empathy("B").c_str(), kProperties, kInitialWorld);
        PutStock(c.badKey, Empathy("C").c_str(), c.properties, c.initialWorld);
        PutStock("zx_d", Empathy("D").c_str(), kProperties, kInitialWorld);
        Click("btnImportAll");
        ASSERT_EQ(m_dialogs->shown.size(), 1u);
        EXPECT_EQ(m_dialogs->shown[0].prompt.substr(0, std::string(c.error).size()), c.error);
        EXPECT_EQ(project.RegistryKeys(), (Strings{"zx_a", "zx_b"}));
        for (const char* key : {"zx_a", "zx_b"})
            EXPECT_EQ(project.PiecesOf(key), project.kWhole) << key;
        for (const std::string& key : {c.badKey, std::string("zx_d")})
            EXPECT_EQ(project.PiecesOf(key), 0) << key;
        EXPECT_EQ(quorvel::BarMax(Ctl("pgImportAll")), 3);
        EXPECT_EQ(quorvel::BarValue(Ctl("pgImportAll")), 1) << "the bar keeps its last value";
        EXPECT_EQ(Column("lv_newfactions"), Strings{}) << "the lists are not reloaded";
        EXPECT_FALSE(ModHas("Protocol/protocol.txt"));
        if (&c == &cases[0] && !testing_support::RenderDir().empty())
            Render(*m_main, "quorvel_import_stopped"); // the bar at the last faction imported
        ::system(("rm -f '" + m_tmp.path() + "'/data/*/original_factions/* '" + m_tmp.path() +
                  "'/projects/Mod/*/* '" + m_tmp.path() +
                  "'/projects/Mod/emphaty/new/* 2>/dev/null")
                     .c_str());
    }

    // An empty stock folder: Max -1, nothing imported, lists reloaded.
    m_tmp.Put("projects/Mod/misc/factions.ini", "[zx_a]\r\ngrp=A\r\n");
    Click("btnImportAll");
    EXPECT_EQ(quorvel::BarMax(Ctl("pgImportAll")), -1);
    EXPECT_EQ(Column("lv_newfactions"), Strings{"zx_a"});
}

// With no project loaded the first write of an import, into the registry, is refused.
TEST_F(RegistryPane, ImportWithoutProjectIsRefusedAtTheRegistryWrite)
{
    PutStock("zx_a", Empathy("A").c_str(), kProperties, kInitialWorld);
    Click("btnImport");
    quorvel::frmImport& dialog = m_main->ImportDialog();
    dialog.Ctl<FileListBox>("File1").SetListIndex(0);
    m_main->SetActiveProject("");
    const std::pair<const char*, Control*> entries[] = {
        {"import of all", &Ctl("btnImportAll")},
        {"import of one", &dialog.Ctl<Control>("btnImport")},
    };
    for (const auto& [name, button] : entries) {
        SCOPED_TRACE(name);
        m_dialogs->shown.clear();
        Click(*button);
        ASSERT_EQ(m_dialogs->shown.size(), 1u);
        EXPECT_EQ(m_dialogs->shown[0].prompt,
                  platform::forms::RunTimeErrorText(5, platform::ErrorDescription(5)));
        EXPECT_EQ(ModFileCount(), 0);
    }
}

TEST_F(RegistryPane, ImportOfOneImportsThePickAndLogsIt)
{
    PutStock("zx_a", Empathy("Alpha").c_str(), kProperties, kInitialWorld);
    PutStock("zx_b", Empathy("Beta").c_str(), kProperties, kInitialWorld);
    Click("btnImport");
    quorvel::frmImport& dialog = m_main->ImportDialog();
    ASSERT_TRUE(dialog.Visible());
    EXPECT_EQ(dialog.Caption(), "Import...");
    auto& files = dialog.Ctl<FileListBox>("File1");
    ASSERT_EQ(files.ListCount(), 2);

    Click(dialog.Ctl<Control>("btnImport"));
    EXPECT_EQ(ModFileCount(), 0) << "nothing picked: nothing imported";
    EXPECT_FALSE(ModHas("Protocol/protocol.txt"));

    files.SetListIndex(1);
    Click(dialog.Ctl<Control>("btnImport"));
    EXPECT_TRUE(m_dialogs->shown.empty());
    EXPECT_EQ(Mod("misc/factions.ini"), "[zx_b]\r\ngrp=Beta\r\n");
    EXPECT_EQ(Column("lv_newfactions"), Strings{"zx_b"});
    const std::string log = Mod("Protocol/protocol.txt");
    EXPECT_EQ(log.substr(log.size() - 26), ": Original imported...\r\n\r\n");
    EXPECT_TRUE(dialog.Visible()) << "the dialog stays open for the next pick";

    Click(dialog.Ctl<Control>("BreloButton1"));
    EXPECT_FALSE(dialog.Visible());
}

TEST_F(RegistryPane, ImportDialogWithoutStockFolderShowsWhyAndStaysClosed)
{
    ::system(("rm -rf '" + (m_tmp / "data/emphaty") + "'").c_str());
    Click("btnImport");
    ASSERT_EQ(m_dialogs->shown.size(), 1u);
    EXPECT_EQ(m_dialogs->shown[0].prompt, "76: " + platform::ErrorDescription(76));
    EXPECT_EQ(m_dialogs->shown[0].title, "Quorvel 2.0");
    EXPECT_EQ(m_dialogs->shown[0].buttons, vbCritical);
    EXPECT_FALSE(m_main->ImportDialog().Visible());
}

} // namespace

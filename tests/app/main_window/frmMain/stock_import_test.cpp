#include "app/main_window/frmMain/stock_import.h"

#include "program_folder.h"

#include "tests/support/other_user.h"

#include <cstdlib>
#include <sys/stat.h>

#include <map>

namespace {

using mainwin_test::ProgramFolderTest;

// An invented faction in the game's line forms, with one line of each kind the import cuts.
const char* const kEmpathy = "[RepChangeEffects]\r\n"
                             "group = Alpha Wardens\r\n"
                             "event = object_destruction, -0.3\r\n"
                             "event = random_mission_success, 0.5\r\n"
                             "event = unknown_event, 0.9\r\n"
                             "empathy_rate = zx_beta_grp, 0.25\r\n"
                             "empathy_rate = zx_gamma_grp, -0.1\r\n";

const char* const kProperties = "[FactionProps]\r\n"
                                "affiliation = zx_alpha_grp\r\n"
                                "legality = Lawful\r\n"
                                "nickname_plurality = plural\r\n"
                                "msg_id_prefix = gcs_refer_faction_zx_alpha\r\n"
                                "jump_preference = jumpgate\r\n"
                                "npc_ship = zx_ship_a\r\n"
                                "npc_ship = zx_ship_b  \r\n"
                                "voice = zx_voice_1\r\n"
                                "space_costume = zx_head, zx_body, zx_comm\r\n"
                                "scan_for_cargo = zx_cargo\r\n"
                                "formation_desig = 42, 43\r\n"
                                "formation = zx_form_a, zx_form_b\r\n"
                                "scan_chance = 0.5\r\n";

const char* const kInitialWorld = "[Group]\r\n"
                                  "nickname = zx_alpha_grp\r\n"
                                  "ids_name = 196001\r\n"
                                  "ids_info = 196101\r\n"
                                  "ids_short_name = 196201\r\n"
                                  "rep = 0.65, zx_beta_grp\r\n"
                                  "rep = -0.2, zx_gamma_grp\r\n"
                                  "rep = 0.1, zx_beta_grp\r\n";

const std::map<std::string, std::string> kImported = {
    {"misc/factions.ini", "[zx_alpha_grp]\r\ngrp=Alpha Wardens\r\n"},
    {"emphaty/new/grp.ini", "[zx_alpha_grp]\r\no_d=-0.3\r\nr_m_s=0.5\r\n"},
    {"emphaty/new/reps_zx_alpha_grp.facts",
     "[zx_beta_grp]\r\nrep=0.25\r\n[zx_gamma_grp]\r\nrep=-0.1\r\n\r\n"},
    {"faction_prop/grp.ini",
     "[zx_alpha_grp]\r\nLegality=Lawful\r\nplurality=plural\r\n"
     "msg_id_prefix=gcs_refer_faction_zx_alpha\r\nmc_costume=\r\nfirstname_male=\r\n"
     "firstname_female=\r\nlastname=\r\nrank_desig=\r\nformation_desig=42, 43\r\n"
     "large_ship_desig=\r\nlarge_ship_names=\r\njump=jumpgate\r\nscan_chance=0.5\r\n"
     "scan_announce=\r\n"},
    {"faction_prop/Shiplist_zx_alpha_grp.lst", "zx_ship_a\r\nzx_ship_b  \r\n\r\n"},
    {"faction_prop/Voicelist_zx_alpha_grp.lst", "zx_voice_1\r\n\r\n"},
    {"faction_prop/Bodylist_zx_alpha_grp.lst", "zx_head, zx_body, zx_comm\r\n\r\n"},
    {"faction_prop/Scanlist_zx_alpha_grp.lst", "zx_cargo\r\n\r\n"},
    {"faction_prop/Formationlist_zx_alpha_grp.lst", "zx_form_a, zx_form_b\r\n\r\n"},
    {"initialworld/grp.ini",
     "[zx_alpha_grp]\r\nids_name=196001\r\nids_info=196101\r\nids_short_name=196201\r\n"
     "zx_beta_grp=0.1\r\nzx_gamma_grp=-0.2\r\n"},
};

class StockImport : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        quorvel::SetActiveProject("Mod");
    }
    void ExpectImported() const
    {
        for (const auto& [file, bytes] : kImported)
            EXPECT_EQ(Mod(file), bytes) << file;
        EXPECT_EQ(ModFileCount(), static_cast<int>(kImported.size()));
    }
};

TEST_F(StockImport, OneFactionGivesItsProjectFilesByteForByte)
{
    PutStock("zx_alpha_grp", kEmpathy, kProperties, kInitialWorld);
    quorvel::ImportStockFaction("zx_alpha_grp");
    ExpectImported();

    // A second import rewrites the same bytes.
    quorvel::ImportStockFaction("zx_alpha_grp");
    ExpectImported();
}

TEST_F(StockImport, OtherFilesAreFoundByNameIgnoringCase)
{
    m_tmp.Put("data/emphaty/original_factions/zx_alpha_grp", kEmpathy);
    m_tmp.Put("data/faction_prop/original_factions/ZX_Alpha_GRP", kProperties);
    m_tmp.Put("data/initialworld/original_factions/Zx_Alpha_Grp", kInitialWorld);
    quorvel::ImportStockFaction("zx_alpha_grp");
    ExpectImported();
}

TEST_F(StockImport, EmpathyFileIsReadToItsEnd)
{
    std::string empathy = "[RepChangeEffects]\r\ngroup = Long\r\n";
    for (int i = 0; i < 70; ++i)
        empathy += "; filler\r\n";
    empathy += "empathy_rate = zx_far_grp, 0.7\r\nevent = random_mission_abortion, -0.4";
    PutStock("zx_long_grp", empathy.c_str(), "[FactionProps]\r\n", "[Group]\r\n");
    quorvel::ImportStockFaction("zx_long_grp");
    EXPECT_EQ(Mod("emphaty/new/reps_zx_long_grp.facts"), "[zx_far_grp]\r\nrep=0.7\r\n\r\n");
    EXPECT_EQ(Mod("emphaty/new/grp.ini"), "[zx_long_grp]\r\nr_m_a=-0.4\r\n");
}

TEST_F(StockImport, MissingEmpathyFileGivesErrorGroupAndEmptyRates)
{
    PutStock("zx_alpha_grp", nullptr, kProperties, kInitialWorld);
    quorvel::ImportStockFaction("zx_alpha_grp");
    EXPECT_EQ(Mod("misc/factions.ini"), "[zx_alpha_grp]\r\ngrp=[Error]\r\n");
    EXPECT_EQ(Mod("emphaty/new/reps_zx_alpha_grp.facts"), "\r\n");
    EXPECT_FALSE(ModHas("emphaty/new/grp.ini"));
    EXPECT_EQ(Mod("faction_prop/Shiplist_zx_alpha_grp.lst"), "zx_ship_a\r\nzx_ship_b  \r\n\r\n");
}

TEST_F(StockImport, FactionWithoutListLinesGetsFiveEmptyLists)
{
    PutStock("zx_plain_grp", kEmpathy, "[FactionProps]\r\nlegality = unlawful\r\n", "");
    quorvel::ImportStockFaction("zx_plain_grp");
    for (const char* prefix :
         {"Shiplist_", "Voicelist_", "Bodylist_", "Scanlist_", "Formationlist_"})
        EXPECT_EQ(Mod(std::string("faction_prop/") + prefix + "zx_plain_grp.lst"), "\r\n")
            << prefix;
}

// Nothing of the faction may be written when the import cannot finish it: empty reads of a
// missing file would otherwise wipe the values a project already holds, and a registry entry
// would name a faction without its files.
TEST_F(StockImport, RefusalsComeBeforeAnythingIsWritten)
{
    struct Case {
        const char* name;
        std::string key;
        bool properties;
        bool initialWorld;
        std::string project;
        int error;
        const char* missingFolder = nullptr; // a project folder taken away for the case
        const char* readOnlyFile = nullptr;  // a project file there already, without write bits
    };
    const Case cases[] = {
        {"properties file missing", "zx_alpha_grp", false, true, "Mod", 53},
        {"initial-world folder missing: its first INI write is refused", "zx_alpha_grp", true, true,
         "Mod", 5, "initialworld"},
        {"list folder missing", "zx_alpha_grp", true, true, "Mod", 5, "faction_prop"},
        {"initial-world INI read-only", "zx_alpha_grp", true, true, "Mod", 5, nullptr,
         "initialworld/grp.ini"},
        {"last list file read-only", "zx_alpha_grp", true, true, "Mod", 70, nullptr,
         "faction_prop/Formationlist_zx_alpha_grp.lst"},
        {"initial-world file missing", "zx_alpha_grp", true, false, "Mod", 53},
        {"no project loaded: the registry write is refused", "zx_alpha_grp", true, true, "", 5},
        {"key with an equals sign", "zx=grp", true, true, "Mod", 52},
        {"key with a bracket", "zx]grp", true, true, "Mod", 52},
        {"key starting with a semicolon", ";zx", true, true, "Mod", 52},
        {"key whose list file name would be too long", std::string(238, 'k'), true, true, "Mod",
         52},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PutStock(c.key, kEmpathy, c.properties ? kProperties : nullptr,
                 c.initialWorld ? kInitialWorld : nullptr);
        quorvel::SetActiveProject(c.project);
        if (c.missingFolder)
            ::rmdir((m_tmp / ("projects/Mod/" + std::string(c.missingFolder))).c_str());
        const std::string readOnly =
            c.readOnlyFile ? m_tmp / ("projects/Mod/" + std::string(c.readOnlyFile)) : "";
        if (c.readOnlyFile) {
            m_tmp.Put("projects/Mod/" + std::string(c.readOnlyFile), "kept\r\n");
            ::chmod(readOnly.c_str(), 0444);
        }
        EXPECT_EQ(ErrorOf([&] { quorvel::ImportStockFaction(c.key); }), c.error);
        if (c.missingFolder)
            m_tmp.MakeFolder("projects/Mod/" + std::string(c.missingFolder));
        if (c.readOnlyFile) {
            EXPECT_EQ(Mod(c.readOnlyFile), "kept\r\n");
            ::unlink(readOnly.c_str());
        }
        EXPECT_EQ(ModFileCount(), 0);
        ::system(("rm -f '" + m_tmp.path() + "'/data/*/original_factions/*").c_str());
    }
}

// The unprivileged half of the case below: imports zx_alpha_grp into the project "Mod" of the
// program folder the parent names, and exits with the error number it met.
TEST(StockImportAsOtherUser, ImportOneFaction)
{
    const char* folder = std::getenv("QV_TEST_PROGRAM_FOLDER");
    if (!folder)
        GTEST_SKIP() << "run by AFolderTheUserMayNotWriteRefusesTheFaction only";
    quorvel::SetProgramFolder(folder);
    quorvel::SetActiveProject("Mod");
    std::_Exit(testing_support::ErrorOf([] { quorvel::ImportStockFaction("zx_alpha_grp"); }));
}

TEST_F(StockImport, AFolderTheUserMayNotWriteRefusesTheFaction)
{
    // The empathy folder is the second one the faction writes into: its first write there is
    // an INI value, which the writer refuses with 5; nothing before it may land either.
    PutStock("zx_alpha_grp", kEmpathy, kProperties, kInitialWorld);
    for (const char* folder :
         {"", "projects", "projects/Mod", "projects/Mod/emphaty", "projects/Mod/faction_prop",
          "projects/Mod/initialworld", "projects/Mod/misc"})
        ASSERT_EQ(::chmod((m_tmp / folder).c_str(), 0777), 0) << folder;
    ASSERT_EQ(::chmod((m_tmp / "projects/Mod/emphaty/new").c_str(), 0555), 0);
    EXPECT_EQ(testing_support::RunTestAsOtherUser("StockImportAsOtherUser.ImportOneFaction",
                                                  {{"QV_TEST_PROGRAM_FOLDER", m_tmp.path()}}),
              5);
    EXPECT_EQ(ModFileCount(), 0);
}

TEST_F(StockImport, MalformedLinesRefuseTheWholeFactionWithInvalidArgument)
{
    struct Case {
        const char* name;
        std::string empathyLine;
        std::string propertiesLine;
        std::string initialWorldLine;
        int error;
        const char* shipList = nullptr; // the list file afterwards, when it matters
    };
    const Case cases[] = {
        {"rate line without comma", "empathy_rate = zx_beta_grp 0.2", "", "", 5},
        {"rate line ending in its comma", "empathy_rate = zx_beta_grp,", "", "", 5},
        {"rate line shorter than its key", "empathy_rat", "", "", 5},
        {"unknown event without comma", "event = something", "", "", 5},
        {"known event ending in its comma", "event = object_destruction,", "", "", 5},
        {"unknown event ending in its comma", "event = something,", "", "", 0},
        {"comma and one character", "empathy_rate = zx_beta_grp,x", "", "", 0},
        {"list line shorter than its key", "", "npc_ship =", "", 5},
        {"list line as long as its key: an empty entry", "", "npc_ship = ", "", 0, "\r\n\r\n"},
        {"reputation line without comma", "", "", "rep = 0.5 zx_beta_grp", 5},
        {"reputation line ending in its comma", "", "", "rep = 0.5,", 5},
        {"rate key holding a bracket", "empathy_rate = zx]beta, 0.2", "", "", 5},
        {"rate key of blanks", "empathy_rate =   , 0.2", "", "", 5},
        {"rate holding a lone LF", "empathy_rate = zx_beta_grp, 0.2\n[zx_evil]", "", "", 5},
        {"rate key starting with a bracket reads back", "empathy_rate = [zx, 0.2", "", "", 0},
        {"reputation key starting with a bracket", "", "", "rep = 0.7, [evil", 5},
        {"reputation key holding an equals sign", "", "", "rep = 0.7, a=b", 5},
        {"reputation key starting with a semicolon", "", "", "rep = 0.7, ;c", 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PutStock("zx_bad_grp", ("[RepChangeEffects]\r\n" + c.empathyLine + "\r\n").c_str(),
                 ("[FactionProps]\r\n" + c.propertiesLine + "\r\n").c_str(),
                 ("[Group]\r\n" + c.initialWorldLine + "\r\n").c_str());
        ::system(("rm -f '" + m_tmp.path() + "'/projects/Mod/*/* '" + m_tmp.path() +
                  "'/projects/Mod/emphaty/new/* 2>/dev/null")
                     .c_str());
        EXPECT_EQ(ErrorOf([] { quorvel::ImportStockFaction("zx_bad_grp"); }), c.error);
        if (c.error != 0) {
            EXPECT_EQ(ModFileCount(), 0) << "a refused faction leaves nothing of itself";
        }
        // A refused line leaves no trace that would read back as another name.
        for (const char* file : {"emphaty/new/reps_zx_bad_grp.facts", "initialworld/grp.ini"}) {
            const std::string bytes = Mod(file);
            for (const char* trace : {"evil", "]beta", "a=b", ";c", "[   ]"})
                EXPECT_EQ(bytes.find(trace), std::string::npos) << file << ": " << bytes;
        }
        if (c.shipList) {
            EXPECT_EQ(Mod("faction_prop/Shiplist_zx_bad_grp.lst"), c.shipList);
        }
    }
}

TEST_F(StockImport, StockFactionsAreTheNamesWithoutExtension)
{
    for (const char* name : {"zx_beta_grp", "ZX_alpha_grp", "readme.txt", "zx_gamma_grp"})
        m_tmp.Put(std::string("data/emphaty/original_factions/") + name, "");
    m_tmp.MakeFolder("data/emphaty/original_factions/a_folder");
    EXPECT_EQ(quorvel::ListStockFactions(quorvel::StockEmpathyFolder()),
              (std::vector<std::string>{"ZX_alpha_grp", "zx_beta_grp", "zx_gamma_grp"}));
    ::system(("rm -rf '" + m_tmp.path() + "/data/initialworld'").c_str());
    EXPECT_EQ(ErrorOf([] { quorvel::ListStockFactions(quorvel::StockInitialWorldFolder()); }), 76);
}

} // namespace

#include "app/main_window/frmMain/faction_prop_compiler.h"
#include "loaded_project_fixture.h"

#include <vector>

namespace {

using Compile = loaded_project::LoadedProjectTest;
using loaded_project::ProtocolEntry;

struct ProgressLog {
    std::vector<std::string> calls;
    quorvel::CompileProgress Sink()
    {
        return {[this](double v) { calls.push_back("Max " + std::to_string(int(v))); },
                [this](double v) { calls.push_back("Value " + std::to_string(int(v))); }};
    }
};

// Faction "fc_a" uses every row: list files with empty lines, lines of blanks and entries
// with a leading blank; a value with a stored line break; a blank-only value. Faction
// "bare" has no section and no list files.
void PutTwoFactions(const Compile& t)
{
    t.PutFile("faction_prop/grp.ini",
              "[fc_a]\r\nLegality=unlawful\r\nplurality=plural\r\njump=jumphole\r\n"
              "msg_id_prefix=gcs_refer_faction_fc_a\r\nmc_costume=mc_co\r\n"
              "firstname_male=197808\r\nfirstname_female=\r\nlastname=226908\r\n"
              "rank_desig=   \r\nformation_desig=line one/20&\\line two\r\n"
              "large_ship_desig=261166\r\nlarge_ship_names=261167\r\n"
              "scan_chance=\r\nscan_announce=False\r\n");
    t.PutFile("faction_prop/Shiplist_fc_a.lst", "ship_one\r\n\r\n   \r\n ship_two\r\n\r\n");
    t.PutFile("faction_prop/Voicelist_fc_a.lst", "pilot_f_leg_f01\r\n\r\n");
    t.PutFile("faction_prop/Bodylist_fc_a.lst", "h, b, c\r\n\r\n");
    t.PutFile("faction_prop/Scanlist_fc_a.lst", "\r\n");
    t.PutFile("faction_prop/Formationlist_fc_a.lst", "fighters, fighter_basic\r\nx, y");
}

const std::string kTwoFactions = "[FactionProps]\r\n"
                                 "affiliation = fc_a\r\n"
                                 "legality = unlawful\r\n"
                                 "nickname_plurality = plural\r\n"
                                 "msg_id_prefix = gcs_refer_faction_fc_a\r\n"
                                 "jump_preference = jumphole\r\n"
                                 "npc_ship = ship_one\r\n"
                                 "npc_ship =  ship_two\r\n"
                                 "voice = pilot_f_leg_f01\r\n"
                                 "mc_costume = mc_co\r\n"
                                 "space_costume = h, b, c\r\n"
                                 "firstname_male = 197808\r\n"
                                 "lastname = 226908\r\n"
                                 "formation_desig = line one\r\nline two\r\n"
                                 "large_ship_desig = 261166\r\n"
                                 "large_ship_names = 261167\r\n"
                                 "scan_announce = False\r\n"
                                 "formation = fighters, fighter_basic\r\n"
                                 "formation = x, y\r\n"
                                 "\r\n"
                                 "[FactionProps]\r\n"
                                 "affiliation = bare\r\n"
                                 "legality = Lawful\r\n"
                                 "nickname_plurality = Singular\r\n"
                                 "msg_id_prefix = \r\n"
                                 "jump_preference = jumpgate\r\n"
                                 "mc_costume = \r\n"
                                 "scan_announce = false\r\n"
                                 "scan_chance = 0.0\r\n"
                                 "\r\n"
                                 "\r\n";

TEST_F(Compile, TwoFactionsByteForByte)
{
    PutTwoFactions(*this);
    ProgressLog progress;
    quorvel::CompileFactionProperties({"fc_a", "bare"}, progress.Sink());

    EXPECT_EQ(GetFile("compiled/faction_prop.ini"), kTwoFactions);
    EXPECT_EQ(progress.calls, (std::vector<std::string>{"Max 2", "Value 1", "Value 2"}));
    EXPECT_EQ(Protocol(), ProtocolEntry("Faction_Prop.ini created..."));

    // A second run replaces the file with the same bytes and logs again.
    quorvel::CompileFactionProperties({"fc_a", "bare"});
    EXPECT_EQ(GetFile("compiled/faction_prop.ini"), kTwoFactions);
    EXPECT_EQ(Protocol(), ProtocolEntry("Faction_Prop.ini created...") +
                              ProtocolEntry("Faction_Prop.ini created..."));
}

TEST_F(Compile, FactionsComeInTheGivenOrderRepeatsIncluded)
{
    PutFile("faction_prop/grp.ini", "[b]\r\nlegality=x\r\n");
    quorvel::CompileFactionProperties({"b", "a", "b"});
    const std::string out = GetFile("compiled/faction_prop.ini");
    const auto a = out.find("affiliation = a\r\n");
    const auto b1 = out.find("affiliation = b\r\n");
    const auto b2 = out.find("affiliation = b\r\n", b1 + 1);
    ASSERT_NE(b2, std::string::npos);
    EXPECT_LT(b1, a);
    EXPECT_LT(a, b2);
    // Section and key names are matched without regard to case.
    EXPECT_NE(out.find("affiliation = b\r\nlegality = x\r\n"), std::string::npos);
}

TEST_F(Compile, EmptyRegistryWritesOneLineEndAndLogs)
{
    PutFile("compiled/faction_prop.ini", "old");
    ProgressLog progress;
    quorvel::CompileFactionProperties({}, progress.Sink());
    EXPECT_EQ(GetFile("compiled/faction_prop.ini"), "\r\n");
    EXPECT_EQ(progress.calls, std::vector<std::string>{"Max 0"});
    EXPECT_EQ(Protocol(), ProtocolEntry("Faction_Prop.ini created..."));
}

TEST_F(Compile, NoProjectDoesNothing)
{
    PutFile("compiled/faction_prop.ini", "old");
    for (const char* project : {"", "   "}) {
        SCOPED_TRACE(std::string("project \"") + project + "\"");
        quorvel::SetActiveProject(project);
        ProgressLog progress;
        quorvel::CompileFactionProperties({"fc_a"}, progress.Sink());
        EXPECT_TRUE(progress.calls.empty());
    }
    EXPECT_EQ(GetFile("compiled/faction_prop.ini"), "old");
    EXPECT_FALSE(HasFile("Protocol/protocol.txt"));
    EXPECT_EQ(m_tmp.CountEntries("projects"), 1);
}

// A folder where a list file would be is no list file: its lines are none, and the list
// rows of the other lists and factions are compiled as usual.
TEST_F(Compile, FolderInPlaceOfAListFileGivesNoLines)
{
    PutTwoFactions(*this);
    m_tmp.MakeFolder("projects/P/faction_prop/Voicelist_fc_a.lst.tmp");
    ::rename((m_tmp / "projects/P/faction_prop/Voicelist_fc_a.lst").c_str(),
             (m_tmp / "projects/P/faction_prop/moved").c_str());
    ::rename((m_tmp / "projects/P/faction_prop/Voicelist_fc_a.lst.tmp").c_str(),
             (m_tmp / "projects/P/faction_prop/Voicelist_fc_a.lst").c_str());
    quorvel::CompileFactionProperties({"fc_a", "bare"});

    std::string expected = kTwoFactions;
    const std::string voice = "voice = pilot_f_leg_f01\r\n";
    expected.erase(expected.find(voice), voice.size());
    EXPECT_EQ(GetFile("compiled/faction_prop.ini"), expected);
    EXPECT_EQ(Protocol(), ProtocolEntry("Faction_Prop.ini created..."));
}

TEST_F(Compile, UnwritableOutputLogsNothing)
{
    ::rmdir((m_tmp / "projects/P/compiled").c_str());
    int number = 0;
    try {
        quorvel::CompileFactionProperties({"a"});
    } catch (const platform::RunTimeError& e) {
        number = e.number();
    }
    EXPECT_EQ(number, 76);
    EXPECT_FALSE(HasFile("Protocol/protocol.txt"));
}

TEST_F(Compile, KeyThatCannotNameAFileStillGetsItsBlock)
{
    PutFile("faction_prop/grp.ini", "[a/b]\r\nmc_costume=mc_li\r\n");
    quorvel::CompileFactionProperties({"a/b"});
    EXPECT_NE(GetFile("compiled/faction_prop.ini").find("affiliation = a/b\r\n"),
              std::string::npos);
    EXPECT_NE(GetFile("compiled/faction_prop.ini").find("mc_costume = mc_li\r\n"),
              std::string::npos);
}

} // namespace

#include "app/main_window/frmMain/empathy_compiler.h"

#include "tests/app/main_window/frmMain/loaded_project_fixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using loaded_project::ProtocolEntry;
using Keys = std::vector<std::string>;

class Compile : public loaded_project::LoadedProjectTest {
protected:
    // Every bar assignment in order, as "<bar> <property> <value>".
    std::vector<std::string> calls;

    quorvel::EmpathyProgress Recorder()
    {
        auto log = [this](const char* what) {
            return [this, what](double v) {
                calls.push_back(std::string(what) + " " + std::to_string(static_cast<int>(v)));
            };
        };
        return {log("all.Max"), log("all.Value"), log("cur.Max"), log("cur.Value")};
    }

    void Run(const Keys& factions) { quorvel::CompileEmpathy(factions, factions, Recorder()); }
};

const Keys kThree = {"qv_alpha", "qv_beta", "qv_gamma"};

// alpha: four distinct factors and a rate file that also rates itself (never compiled);
// beta: one factor with a stored line break and no rate file; gamma: no factors at all, and
// a rate file whose keys differ in letter case from the registry's.
void PutThree(const Compile& t)
{
    t.PutFile("emphaty/new/grp.ini", "[qv_alpha]\r\no_d=-0.3\r\nr_m_s=0.2\r\nr_m_f=-0.1\r\n"
                                     "r_m_a=0.05\r\n[qv_beta]\r\nr_m_s=0.1/20&\\x\r\n");
    t.PutFile("emphaty/new/reps_qv_alpha.facts",
              "[qv_gamma]\r\nrep=-0.65\r\n[qv_alpha]\r\nrep=0.9\r\n[qv_beta]\r\nrep=0.5\r\n");
    t.PutFile("emphaty/new/reps_QV_GAMMA.facts", "[QV_ALPHA]\r\nrep=0.25\r\n\r\n");
}

const std::string kThreeCompiled = "\r\n\r\n"
                                   "[RepChangeEffects]\r\n"
                                   "group = qv_alpha\r\n"
                                   "event = object_destruction, -0.3\r\n"
                                   "event = random_mission_success, 0.2\r\n"
                                   "event = random_mission_failure, -0.1\r\n"
                                   "event = random_mission_abortion, 0.05\r\n"
                                   "emphaty_rate = qv_beta, 0.5\r\n"
                                   "emphaty_rate = qv_gamma, -0.65\r\n"
                                   "\r\n"
                                   "\r\n\r\n"
                                   "[RepChangeEffects]\r\n"
                                   "group = qv_beta\r\n"
                                   "event = object_destruction, 0.0\r\n"
                                   "event = random_mission_success, 0.1\r\nx\r\n"
                                   "event = random_mission_failure, 0.0\r\n"
                                   "event = random_mission_abortion, 0.0\r\n"
                                   "emphaty_rate = qv_alpha, 0.0\r\n"
                                   "emphaty_rate = qv_gamma, 0.0\r\n"
                                   "\r\n"
                                   "\r\n\r\n"
                                   "[RepChangeEffects]\r\n"
                                   "group = qv_gamma\r\n"
                                   "event = object_destruction, 0.0\r\n"
                                   "event = random_mission_success, 0.0\r\n"
                                   "event = random_mission_failure, 0.0\r\n"
                                   "event = random_mission_abortion, 0.0\r\n"
                                   "emphaty_rate = qv_alpha, 0.25\r\n"
                                   "emphaty_rate = qv_beta, 0.0\r\n"
                                   "\r\n";

TEST_F(Compile, ThreeFactionsByteForByte)
{
    PutThree(*this);
    Run(kThree);

    EXPECT_EQ(GetFile("compiled/emphaty.ini"), kThreeCompiled);
    EXPECT_EQ(Protocol(), ProtocolEntry("Emphaty.ini compiled..."));
    std::vector<std::string> expected = {"all.Max 2"};
    for (int i = 0; i < 3; ++i) {
        for (const char* c : {"cur.Max 3", "cur.Value 1", "cur.Value 2", "cur.Value 3"})
            expected.push_back(c);
        expected.push_back("all.Value " + std::to_string(i));
    }
    EXPECT_EQ(calls, expected);
    EXPECT_EQ(Entries("emphaty/new"), 3); // no scratch file made
}

TEST_F(Compile, OldOutputAndLeftoverScratchAreReplacedNotAppended)
{
    PutThree(*this);
    PutFile("compiled/emphaty.ini", "[RepChangeEffects]\r\ngroup = stale\r\n");
    PutFile("emphaty/new/qv_beta.tmp", "[RepChangeEffects]\r\ngroup = leftover\r\n");
    Run(kThree);
    Run(kThree);

    EXPECT_EQ(GetFile("compiled/emphaty.ini"), kThreeCompiled);
    EXPECT_FALSE(HasFile("emphaty/new/qv_beta.tmp"));
    EXPECT_EQ(Entries("compiled"), 1);
    EXPECT_EQ(Protocol(),
              ProtocolEntry("Emphaty.ini compiled...") + ProtocolEntry("Emphaty.ini compiled..."));
}

TEST_F(Compile, BlocksFollowTheListsGivenNotTheFiles)
{
    // Rows are named in row order, each block's own faction skipped by exact comparison:
    // a row differing only in letter case is another row.
    PutFile("emphaty/new/reps_qv_b.facts", "[qv_a]\r\nrep=0.3\r\n[qv_b]\r\nrep=0.7\r\n");
    quorvel::CompileEmpathy({"qv_b"}, {"qv_b", "QV_B", "qv_a"}, Recorder());
    EXPECT_EQ(GetFile("compiled/emphaty.ini"),
              "\r\n\r\n[RepChangeEffects]\r\ngroup = qv_b\r\n"
              "event = object_destruction, 0.0\r\nevent = random_mission_success, 0.0\r\n"
              "event = random_mission_failure, 0.0\r\nevent = random_mission_abortion, 0.0\r\n"
              "emphaty_rate = QV_B, 0.7\r\nemphaty_rate = qv_a, 0.3\r\n\r\n");
}

TEST_F(Compile, SmallRegistries)
{
    struct Case {
        const char* name;
        Keys factions;
        std::string output; // "" for no file
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {"empty registry removes the old output and makes none", {}, "", {"all.Max -1"}},
        {"one faction has no rate line",
         {"qv_solo"},
         "\r\n\r\n[RepChangeEffects]\r\ngroup = qv_solo\r\n"
         "event = object_destruction, 0.0\r\nevent = random_mission_success, 0.0\r\n"
         "event = random_mission_failure, 0.0\r\nevent = random_mission_abortion, 0.0\r\n\r\n",
         {"all.Max 0", "cur.Max 1", "cur.Value 1", "all.Value 0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        calls.clear();
        PutFile("compiled/emphaty.ini", "old\r\n");
        PutFile("Protocol/protocol.txt", "");
        Run(c.factions);
        EXPECT_EQ(HasFile("compiled/emphaty.ini"), !c.output.empty());
        EXPECT_EQ(GetFile("compiled/emphaty.ini"), c.output);
        EXPECT_EQ(calls, c.calls);
        EXPECT_EQ(Protocol(), ProtocolEntry("Emphaty.ini compiled..."));
    }
}

TEST_F(Compile, KeyThatCannotNameAFileRatesZeroAndIsRatedByOthers)
{
    PutFile("emphaty/new/grp.ini", "[qv/x]\r\no_d=0.4\r\n");
    PutFile("emphaty/new/reps_qv_a.facts", "[qv/x]\r\nrep=-0.2\r\n");
    Run({"qv_a", "qv/x"});
    const std::string out = GetFile("compiled/emphaty.ini");
    EXPECT_NE(out.find("group = qv_a\r\n"), std::string::npos) << out;
    EXPECT_NE(out.find("emphaty_rate = qv/x, -0.2\r\n"), std::string::npos) << out;
    EXPECT_NE(out.find("group = qv/x\r\nevent = object_destruction, 0.4\r\n"), std::string::npos)
        << out;
    EXPECT_NE(out.find("emphaty_rate = qv_a, 0.0\r\n\r\n"), std::string::npos) << out;
}

TEST_F(Compile, NoProjectDoesNothing)
{
    PutThree(*this);
    PutFile("compiled/emphaty.ini", "old");
    PutFile("emphaty/new/qv_beta.tmp", "leftover");
    quorvel::SetActiveProject("");
    EXPECT_EQ(ErrorOf([&] { Run(kThree); }), 0);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(GetFile("compiled/emphaty.ini"), "old");
    EXPECT_TRUE(HasFile("emphaty/new/qv_beta.tmp"));
    EXPECT_FALSE(HasFile("Protocol/protocol.txt"));
}

TEST_F(Compile, FailedWriteReportsAndLogsNothing)
{
    struct Case {
        const char* name;
        std::function<void(Compile&)> prepare;
        int number;
    };
    const Case cases[] = {
        {"compiled folder missing", [](Compile& t) { t.RemoveFolder("compiled"); }, 76},
        {"a folder where the output goes",
         [](Compile& t) {
             t.MakeFolder("compiled");
             t.MakeFolder("compiled/emphaty.ini");
             t.PutFile("compiled/emphaty.ini/kept.txt", "kept");
         },
         75},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PutThree(*this);
        PutFile("emphaty/new/qv_alpha.tmp", "leftover");
        c.prepare(*this);
        int number = 0;
        std::string description;
        try {
            Run(kThree);
        } catch (const platform::RunTimeError& e) {
            number = e.number();
            description = e.description();
        }
        EXPECT_EQ(number, c.number);
        EXPECT_NE(description.find("compiled\\emphaty.ini"), std::string::npos) << description;
        EXPECT_NE(description.find("previous file"), std::string::npos) << description;
        EXPECT_FALSE(HasFile("Protocol/protocol.txt"));
        EXPECT_EQ(Entries("emphaty/new"), 3); // grp.ini and two rate files: no scratch left
    }
    EXPECT_EQ(GetFile("compiled/emphaty.ini/kept.txt"), "kept");
    EXPECT_EQ(Entries("compiled"), 1); // no temporary file left
}

} // namespace

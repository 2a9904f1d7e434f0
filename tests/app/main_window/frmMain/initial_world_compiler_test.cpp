#include "app/main_window/frmMain/initial_world_compiler.h"

#include "tests/app/main_window/frmMain/initial_world_fixture.h"

#include <gtest/gtest.h>

namespace {

using initworld_test::kCompiledHeader;
using initworld_test::ProtocolEntry;
using quorvel::CompileInitialWorld;
using quorvel::InitialWorldProgress;

const std::vector<std::string> kThree = {"qv_alpha", "qv_bravo", "qv_cyan"};

// Three factions: one complete (with a stored line break and its own reputation), one
// with a few keys in a section spelled in other case, one with no section at all.
const std::string kSource = "[qv_alpha]\r\n"
                            "ids_name=196610\r\n"
                            "ids_short_name=196846\r\n"
                            "ids_info=458752/20&\\second line\r\n"
                            "qv_alpha=0.9\r\n"
                            "qv_bravo=-0.65\r\n"
                            "qv_cyan=letters\r\n"
                            "[QV_Bravo]\r\n"
                            "ids_name=196611\r\n"
                            "qv_alpha=-0.3\r\n";

const std::string kGolden = kCompiledHeader + "[Group]\r\n"
                                              "nickname = qv_alpha\r\n"
                                              "ids_name = 196610\r\n"
                                              "ids_info = 458752\r\n"
                                              "second line\r\n"
                                              "ids_short_name = 196846\r\n"
                                              "rep = 0.9, qv_alpha\r\n"
                                              "rep = -0.65, qv_bravo\r\n"
                                              "rep = letters, qv_cyan\r\n"
                                              "\r\n"
                                              "[Group]\r\n"
                                              "nickname = qv_bravo\r\n"
                                              "ids_name = 196611\r\n"
                                              "ids_info = \r\n"
                                              "ids_short_name = \r\n"
                                              "rep = -0.3, qv_alpha\r\n"
                                              "rep = 0.0, qv_bravo\r\n"
                                              "rep = 0.0, qv_cyan\r\n"
                                              "\r\n"
                                              "[Group]\r\n"
                                              "nickname = qv_cyan\r\n"
                                              "ids_name = \r\n"
                                              "ids_info = \r\n"
                                              "ids_short_name = \r\n"
                                              "rep = 0.0, qv_alpha\r\n"
                                              "rep = 0.0, qv_bravo\r\n"
                                              "rep = 0.0, qv_cyan\r\n"
                                              "\r\n"
                                              "\r\n";

class InitialWorldCompile : public initworld_test::InitialWorldProjectTest {};

TEST_F(InitialWorldCompile, ThreeFactionsByteForByteAndAgainOverTheOldFile)
{
    PutFile("initialworld/grp.ini", kSource);
    PutFile("compiled/initialworld.ini", std::string(5000, 'x'));

    CompileInitialWorld(kThree, kThree);
    EXPECT_EQ(Compiled(), kGolden);
    EXPECT_EQ(Protocol(), ProtocolEntry("Initialworld.ini created..."));

    CompileInitialWorld(kThree, kThree);
    EXPECT_EQ(Compiled(), kGolden);
    EXPECT_EQ(Protocol(), ProtocolEntry("Initialworld.ini created...") +
                              ProtocolEntry("Initialworld.ini created..."));
    EXPECT_EQ(Source(), kSource);
}

TEST_F(InitialWorldCompile, BlocksFollowThePickerAndLinesFollowTheRows)
{
    PutFile("initialworld/grp.ini", kSource);
    // Two blocks (picker order), each naming the rows in row order, a row that is no
    // faction of the picker included.
    CompileInitialWorld({"qv_bravo", "qv_alpha"}, {"qv_cyan", "qv_alpha", "qv_delta"});
    EXPECT_EQ(Compiled(), kCompiledHeader +
                              "[Group]\r\nnickname = qv_bravo\r\nids_name = 196611\r\n"
                              "ids_info = \r\nids_short_name = \r\n"
                              "rep = 0.0, qv_cyan\r\nrep = -0.3, qv_alpha\r\n"
                              "rep = 0.0, qv_delta\r\n\r\n"
                              "[Group]\r\nnickname = qv_alpha\r\nids_name = 196610\r\n"
                              "ids_info = 458752\r\nsecond line\r\nids_short_name = 196846\r\n"
                              "rep = letters, qv_cyan\r\nrep = 0.9, qv_alpha\r\n"
                              "rep = 0.0, qv_delta\r\n\r\n\r\n");
}

TEST_F(InitialWorldCompile, EmptyRegistryWritesTheHeaderAndTheEntry)
{
    std::vector<std::string> calls;
    InitialWorldProgress progress;
    progress.setOverallMax = [&](double v) { calls.push_back("max " + std::to_string(int(v))); };
    CompileInitialWorld({}, {}, progress);
    EXPECT_EQ(Compiled(), kCompiledHeader + "\r\n");
    EXPECT_EQ(Protocol(), ProtocolEntry("Initialworld.ini created..."));
    EXPECT_EQ(calls, std::vector<std::string>{"max 0"});
}

TEST_F(InitialWorldCompile, ProgressRunsMaxThenValuePerBlockAndRow)
{
    std::vector<std::string> calls;
    auto rec = [&](const char* what) {
        return [&calls, what](double v) {
            calls.push_back(std::string(what) + " " + std::to_string(static_cast<int>(v)));
        };
    };
    InitialWorldProgress progress{rec("overallMax"), rec("overall"), rec("currentMax"),
                                  rec("current")};
    CompileInitialWorld({"qv_alpha", "qv_bravo"}, {"qv_alpha", "qv_bravo", "qv_cyan"}, progress);
    const std::vector<std::string> block = {"currentMax 3", "current 0", "current 1", "current 2",
                                            "current 3"};
    std::vector<std::string> expected = {"overallMax 2"};
    expected.insert(expected.end(), block.begin(), block.end());
    expected.push_back("overall 1");
    expected.insert(expected.end(), block.begin(), block.end());
    expected.push_back("overall 2");
    EXPECT_EQ(calls, expected);
}

TEST_F(InitialWorldCompile, NoProjectLoadedDoesNothingAtAll)
{
    quorvel::SetActiveProject("");
    bool called = false;
    InitialWorldProgress progress;
    progress.setOverallMax = [&](double) { called = true; };
    EXPECT_NO_THROW(CompileInitialWorld(kThree, kThree, progress));
    EXPECT_FALSE(called);
    EXPECT_EQ(m_tmp.CountEntries("projects/P/compiled"), 0);
    EXPECT_FALSE(HasFile("Protocol/protocol.txt"));
}

TEST_F(InitialWorldCompile, FailedWriteRaisesNamesTheFileAndWritesNoEntry)
{
    PutFile("initialworld/grp.ini", kSource);
    ::rmdir((m_tmp / "projects/P/compiled").c_str());
    double overall = -1;
    InitialWorldProgress progress;
    progress.setOverallValue = [&](double v) { overall = v; };
    try {
        CompileInitialWorld(kThree, kThree, progress);
        FAIL() << "no error raised";
    } catch (const platform::RunTimeError& e) {
        EXPECT_EQ(e.number(), 76);
        EXPECT_NE(e.description().find("compiled\\initialworld.ini was not written"),
                  std::string::npos)
            << e.description();
    }
    EXPECT_EQ(overall, 3); // the bar keeps what it reached
    EXPECT_FALSE(HasFile("Protocol/protocol.txt"));
    EXPECT_FALSE(HasFile("compiled"));
}

TEST_F(InitialWorldCompile, FailedRenameLeavesNoTemporaryFileAndNoEntry)
{
    // A folder in the way of the rename makes the write fail after the text was built.
    PutFile("initialworld/grp.ini", kSource);
    m_tmp.MakeFolder("projects/P/compiled/initialworld.ini");
    m_tmp.Put("projects/P/compiled/initialworld.ini/inside", "x");

    EXPECT_NE(ErrorOf([&] { CompileInitialWorld(kThree, kThree); }), 0);
    EXPECT_EQ(m_tmp.Get("projects/P/compiled/initialworld.ini/inside"), "x");
    EXPECT_EQ(m_tmp.CountEntries("projects/P/compiled"), 1);
    EXPECT_FALSE(HasFile("Protocol/protocol.txt"));
}

} // namespace

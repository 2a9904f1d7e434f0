#include "app/project_store/modFunctions.h"
#include "app/project_store/txtReadWrite.h"
#include "platform/files/files.h"
#include "store_fixture.h"
#include "tests/support/other_user.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

using quorvel::FactionRow;
using quorvel::Path;
namespace files = platform::files;

const std::string kEntry1 = "03/05/24    14:07:09: ";

using Projects = store_test::StoreTest;

TEST_F(Projects, CreateMakesTheTreeListsItAndLogsInTheNewProject)
{
    m_tmp.MakeFolder("projects/Older");
    quorvel::CreateProject("Mod One");

    EXPECT_TRUE(m_messages.empty());
    const Path p = At("projects") / "Mod One";
    EXPECT_EQ(files::ListFolders(p),
              (std::vector<std::string>{"compiled", "emphaty", "faction_prop", "initialworld",
                                        "misc", "Protocol", "XML"}));
    EXPECT_EQ(files::ListFolders(p / "emphaty"), std::vector<std::string>{"new"});
    for (const char* folder :
         {"emphaty/new", "faction_prop", "initialworld", "XML", "compiled", "misc"})
        EXPECT_EQ(m_tmp.CountEntries(std::string("projects/Mod One/") + folder), 0) << folder;
    EXPECT_EQ(m_tmp.Get("projects/Mod One/Protocol/protocol.txt"),
              kEntry1 + "Project created.\r\n\r\n");
    EXPECT_EQ(m_lists, (std::vector<std::vector<std::string>>{{"Mod One", "Older"}}));
}

TEST_F(Projects, CreatedEntryNeverLandsInTheLoadedProject)
{
    m_tmp.MakeFolder("projects/Loaded");
    m_tmp.MakeFolder("projects/Loaded/Protocol");
    quorvel::SetActiveProject("Loaded");
    quorvel::CreateProject("Fresh");
    EXPECT_TRUE(m_messages.empty());
    EXPECT_FALSE(m_tmp.Exists("projects/Loaded/Protocol/protocol.txt"));
    EXPECT_TRUE(m_tmp.Exists("projects/Fresh/Protocol/protocol.txt"));
}

TEST_F(Projects, RefusedNamesShowTheCriticalMessageAndMakeNothing)
{
    m_tmp.MakeFolder("projects/Existing");
    struct Case {
        const char* name;
        std::string project;
        int error;
    };
    const Case cases[] = {
        {"empty", "", 75},
        {"existing", "Existing", 75},
        {"existing in other case", "eXISTING", 75},
        {"dot", ".", 52},
        {"dot dot", "..", 52},
        {"climbing out", "../outside", 52},
        {"slash", "a/b", 52},
        {"backslash", "a\\b", 52},
        {"NUL", std::string("a\0b", 3), 52},
        {"control character", "a\tb", 52},
        {"line feed", "a\nb", 52},
        {"less than", "a<b", 52},
        {"greater than", "a>b", 52},
        {"colon", "C:x", 52},
        {"quote", "a\"b", 52},
        {"bar", "a|b", 52},
        {"question mark", "a?", 52},
        {"star", "*", 52},
        {"ends in a blank", "name ", 52},
        {"ends in a point", "name.", 52},
        {"starts with a point, so never listed", ".mod", 52},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_messages.clear();
        quorvel::CreateProject(c.project);
        ASSERT_EQ(m_messages.size(), 1u);
        EXPECT_EQ(m_messages[0].prompt, "An error occured during create your project.\r\nError " +
                                            std::to_string(c.error) + ": " +
                                            platform::ErrorDescription(c.error));
        EXPECT_EQ(m_messages[0].buttons, quorvel::vbCritical);
        EXPECT_EQ(m_messages[0].title, "Quorvel");
        EXPECT_EQ(m_tmp.CountEntries("projects"), 1);
        EXPECT_EQ(m_tmp.CountEntries("projects/Existing"), 0);
        EXPECT_EQ(m_tmp.CountEntries(), 1) << "nothing beside projects";
    }
    EXPECT_TRUE(m_lists.empty());

    // Names Windows accepts are used as typed.
    quorvel::CreateProject(" lead blank, dots.in.it & \xE4");
    EXPECT_TRUE(m_tmp.Exists("projects/ lead blank, dots.in.it & \xC3\xA4/misc"));
}

TEST_F(Projects, CreateWithoutProjectsFolderReportsPathNotFound)
{
    ::rmdir((m_tmp / "projects").c_str());
    quorvel::CreateProject("A");
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_NE(m_messages[0].prompt.find("Error 76: Path not found"), std::string::npos);
    EXPECT_EQ(m_tmp.CountEntries(), 0);
}

TEST_F(Projects, ProjectListHoldsFolderNamesByNameIgnoringCase)
{
    EXPECT_EQ(quorvel::RefreshProjectList(), std::vector<std::string>{});
    for (const char* d : {"beta", "Alpha", "gamma"})
        m_tmp.MakeFolder(std::string("projects/") + d);
    m_tmp.Put("projects/a_file", "");
    EXPECT_EQ(quorvel::RefreshProjectList(), (std::vector<std::string>{"Alpha", "beta", "gamma"}));
    EXPECT_EQ(m_lists.back(), (std::vector<std::string>{"Alpha", "beta", "gamma"}));

    ::system(("rm -rf '" + (m_tmp / "projects") + "'").c_str());
    EXPECT_EQ(ErrorOf([] { quorvel::RefreshProjectList(); }), 76);
}

class FactionRegistry : public store_test::StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        m_tmp.MakeFolder("projects/P");
        m_tmp.MakeFolder("projects/P/misc");
        quorvel::SetActiveProject("p");
    }
};

TEST_F(FactionRegistry, RowsFollowTheSectionLinesWithTheirDefaults)
{
    m_tmp.Put("projects/P/misc/factions.ini", "[a]\r\ngrp=Group A\r\nRep=0.5\r\n"
                                              "[b]\r\n"
                                              "\r\n"
                                              "[a]\r\ngrp=second a\r\n"
                                              "[x] \r\n"
                                              " [y]\r\n"
                                              "[[br]ack]]\r\n"
                                              "[c]\r\nGRP=upper key\r\nrep=-0.3\r\n");
    const auto rows = quorvel::LoadFactionList();
    ASSERT_TRUE(rows);
    const std::vector<std::vector<std::string>> expected = {
        {"a", "Group A", "0.5"},     {"b", "[ERROR]", "0.0"},    {"a", "Group A", "0.5"},
        {"brack", "[ERROR]", "0.0"}, {"c", "upper key", "-0.3"},
    };
    ASSERT_EQ(rows->size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ((*rows)[i].key, expected[i][0]);
        EXPECT_EQ((*rows)[i].groupName, expected[i][1]);
        EXPECT_EQ((*rows)[i].reputation, expected[i][2]);
    }
}

TEST_F(FactionRegistry, TellsAnUnreadableRegistryFromAnEmptyOne)
{
    EXPECT_FALSE(quorvel::LoadFactionList()) << "new project: no registry";
    m_tmp.Put("projects/P/misc/factions.ini", "grp=no section\r\n");
    const auto rows = quorvel::LoadFactionList();
    ASSERT_TRUE(rows);
    EXPECT_TRUE(rows->empty());

    quorvel::SetActiveProject("");
    EXPECT_FALSE(quorvel::LoadFactionList());
    quorvel::SetActiveProject("Gone");
    EXPECT_FALSE(quorvel::LoadFactionList());
}

class Protocol : public store_test::StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        m_tmp.MakeFolder("projects/P");
        m_tmp.MakeFolder("projects/P/Protocol");
        quorvel::SetActiveProject("P");
    }
};

TEST_F(Protocol, EntriesAreFollowedByAnEmptyLine)
{
    quorvel::WriteProtocol("Faction_Prop.ini created...");
    quorvel::SetProtocolClock([] { return std::chrono::system_clock::from_time_t(1709647630); });
    quorvel::WriteProtocol("second");
    EXPECT_EQ(m_tmp.Get("projects/P/Protocol/protocol.txt"),
              kEntry1 + "Faction_Prop.ini created...\r\n\r\n" +
                  "03/05/24    14:07:10: second\r\n\r\n");
}

TEST_F(Protocol, FailuresReachTheCaller)
{
    quorvel::SetActiveProject("");
    EXPECT_EQ(ErrorOf([] { quorvel::WriteProtocol("x"); }), 76);

    quorvel::SetActiveProject("P");
    ::rmdir((m_tmp / "projects/P/Protocol").c_str());
    EXPECT_EQ(ErrorOf([] { quorvel::WriteProtocol("x"); }), 76);
    EXPECT_EQ(m_tmp.CountEntries("projects/P"), 0);

    // The log's name taken by a folder: neither the append nor the rewrite can work.
    m_tmp.MakeFolder("projects/P/Protocol");
    m_tmp.MakeFolder("projects/P/Protocol/protocol.txt");
    EXPECT_NE(ErrorOf([] { quorvel::WriteProtocol("x"); }), 0);
    EXPECT_EQ(m_tmp.CountEntries("projects/P/Protocol"), 1);
}

// An append that fails where no log exists: the entry is written as a new log of its own.
TEST_F(Protocol, AFailedAppendWithoutALogWritesTheEntryAlone)
{
    // The log's name left as a link to a place that is gone: appending through it fails,
    // while a new file can take its place.
    ASSERT_EQ(::symlink("gone/protocol.txt", (m_tmp / "projects/P/Protocol/protocol.txt").c_str()),
              0);
    EXPECT_EQ(ErrorOf([] { quorvel::WriteProtocol("Original imported..."); }), 0);
    struct stat st;
    ASSERT_EQ(::lstat((m_tmp / "projects/P/Protocol/protocol.txt").c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
    EXPECT_EQ(m_tmp.Get("projects/P/Protocol/protocol.txt"),
              kEntry1 + "Original imported...\r\n\r\n");
    EXPECT_EQ(m_tmp.CountEntries("projects/P/Protocol"), 1);
}

// The unprivileged half of the case below: writes one entry into the project "P" of the
// program folder the parent names, and exits with the error number it met.
TEST(ProtocolAsOtherUser, WriteOneEntry)
{
    const char* folder = std::getenv("QV_TEST_PROGRAM_FOLDER");
    if (!folder)
        GTEST_SKIP() << "run by AnExistingLogThatRefusesTheAppendKeepsItsHistory only";
    quorvel::SetProgramFolder(folder);
    quorvel::SetActiveProject("P");
    std::_Exit(
        testing_support::ErrorOf([] { quorvel::WriteProtocol("Faction_Prop.ini created..."); }));
}

TEST_F(Protocol, AnExistingLogThatRefusesTheAppendKeepsItsHistory)
{
    // A log the user may not write to, in a folder where a new file could still replace it:
    // the failure goes to the caller and the history stays as it was.
    const std::string history = kEntry1 + "Project created.\r\n\r\n";
    m_tmp.Put("projects/P/Protocol/protocol.txt", history);
    for (const char* folder : {"", "projects", "projects/P", "projects/P/Protocol"})
        ASSERT_EQ(::chmod((m_tmp / folder).c_str(), 0777), 0) << folder;
    ASSERT_EQ(::chmod((m_tmp / "projects/P/Protocol/protocol.txt").c_str(), 0444), 0);

    const int error = testing_support::RunTestAsOtherUser(
        "ProtocolAsOtherUser.WriteOneEntry", {{"QV_TEST_PROGRAM_FOLDER", m_tmp.path()}});
    EXPECT_EQ(error, 70); // permission denied
    EXPECT_EQ(m_tmp.Get("projects/P/Protocol/protocol.txt"), history);
    EXPECT_EQ(m_tmp.CountEntries("projects/P/Protocol"), 1);
}

using ListsAndExistence = store_test::StoreTest;

TEST_F(ListsAndExistence, LoadListFromFileSkipsOnlyEmptyLines)
{
    struct Case {
        const char* name;
        std::string content;
        std::vector<std::string> items;
    };
    const Case cases[] = {
        {"blank line kept, empty skipped", "a\r\n\r\n \r\nb\r\n", {"a", " ", "b"}},
        {"written list with its empty last line", "x\r\ny\r\n\r\n", {"x", "y"}},
        {"empty list", "\r\n", {}},
        {"no trimming", "  ship one \r\nlast", {"  ship one ", "last"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_tmp.Put("l.lst", c.content);
        EXPECT_EQ(quorvel::LoadListFromFile(At("L.LST")), c.items);
    }
    EXPECT_TRUE(quorvel::LoadListFromFile(At("none.lst")).empty());
    EXPECT_TRUE(quorvel::LoadListFromFile(At("projects")).empty());
}

TEST_F(ListsAndExistence, FileExistsTestsTheLiteralPath)
{
    m_tmp.Put("Shiplist_abc.lst", "");
    EXPECT_TRUE(quorvel::FileExists(At("shiplist_ABC.lst")));
    EXPECT_FALSE(quorvel::FileExists(At("Shiplist_*.lst")));
    EXPECT_FALSE(quorvel::FileExists(At("Shiplist_ab?.lst")));
    EXPECT_FALSE(quorvel::FileExists(At("projects")));
    EXPECT_FALSE(quorvel::FileExists(At("none") / "x"));
}

} // namespace

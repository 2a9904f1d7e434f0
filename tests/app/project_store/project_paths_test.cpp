#include "app/project_store/project_paths.h"
#include "app/project_store/txtReadWrite.h"
#include "platform/files/files.h"
#include "store_fixture.h"

namespace {

using quorvel::FactionList;
using quorvel::Path;

class ProjectPaths : public store_test::StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        quorvel::SetActiveProject("P");
    }
};

TEST_F(ProjectPaths, NamesEveryFileAsItsWritersMakeIt)
{
    struct Case {
        const char* name;
        std::function<Path()> path;
        const char* relative;
    };
    const Case cases[] = {
        {"registry", quorvel::FactionRegistryFile, "misc/factions.ini"},
        {"properties", quorvel::FactionPropertiesFile, "faction_prop/grp.ini"},
        {"empathy", quorvel::EmpathyFile, "emphaty/new/grp.ini"},
        {"initial world", quorvel::InitialWorldFile, "initialworld/grp.ini"},
        {"compiled props", quorvel::CompiledFactionPropFile, "compiled/faction_prop.ini"},
        {"compiled empathy", quorvel::CompiledEmpathyFile, "compiled/emphaty.ini"},
        {"compiled world", quorvel::CompiledInitialWorldFile, "compiled/initialworld.ini"},
        {"protocol", quorvel::ProtocolFile, "protocol/protocol.txt"},
        {"ships", [] { return quorvel::FactionListFile(FactionList::Ship, "Li N"); },
         "faction_prop/Shiplist_Li N.lst"},
        {"voices", [] { return quorvel::FactionListFile(FactionList::Voice, "k"); },
         "faction_prop/Voicelist_k.lst"},
        {"bodies", [] { return quorvel::FactionListFile(FactionList::Body, "k"); },
         "faction_prop/Bodylist_k.lst"},
        {"scans", [] { return quorvel::FactionListFile(FactionList::Scan, "k"); },
         "faction_prop/Scanlist_k.lst"},
        {"formations", [] { return quorvel::FactionListFile(FactionList::Formation, "k"); },
         "faction_prop/Formationlist_k.lst"},
        {"reputations", [] { return quorvel::ReputationFile("fc_x"); },
         "emphaty/new/reps_fc_x.facts"},
        {"scratch", [] { return quorvel::EmpathyScratchFile("..."); }, "emphaty/new/....tmp"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.path().Literal(), m_tmp / "projects/P/" + c.relative);
    }
}

TEST_F(ProjectPaths, RefusesKeysThatWouldBecomePathsAndPathsOfNoProject)
{
    for (const std::string& key :
         {std::string("."), std::string(".."), std::string("a/b"), std::string("..\\..\\x"),
          std::string("a\rb"), std::string("a\nb"), std::string("a\0b", 3)}) {
        SCOPED_TRACE(key);
        EXPECT_EQ(ErrorOf([&] { quorvel::FactionListFile(FactionList::Ship, key); }), 52);
        EXPECT_EQ(ErrorOf([&] { quorvel::ReputationFile(key); }), 52);
        EXPECT_EQ(ErrorOf([&] { quorvel::EmpathyScratchFile(key); }), 52);
    }

    quorvel::SetActiveProject("");
    const std::function<void()> calls[] = {
        [] { quorvel::ActiveProjectFolder(); },
        [] { quorvel::FactionRegistryFile(); },
        [] { quorvel::ProtocolFile(); },
        [] { quorvel::CompiledEmpathyFile(); },
        [] { quorvel::FactionListFile(FactionList::Body, "k"); },
        [] { quorvel::ReputationFile("k"); },
    };
    for (const auto& call : calls)
        EXPECT_EQ(ErrorOf(call), 76);
}

TEST_F(ProjectPaths, KeysDifferingInCaseReachTheSameFiles)
{
    m_tmp.MakeFolder("projects/P");
    m_tmp.MakeFolder("projects/P/faction_prop");
    quorvel::WriteTextFile(quorvel::FactionListFile(FactionList::Ship, "Li_Police"), "ship");
    EXPECT_EQ(quorvel::ReadTextFile(quorvel::FactionListFile(FactionList::Ship, "li_POLICE")),
              "ship\r\n");
    platform::files::DeleteFile(quorvel::FactionListFile(FactionList::Ship, "LI_police"));
    EXPECT_EQ(m_tmp.CountEntries("projects/P/faction_prop"), 0);
}

} // namespace

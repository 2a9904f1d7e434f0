#include "app/main_window/frmMain/faction_registry.h"

#include "program_folder.h"

namespace {

using quorvel::SaveResult;

class Registry : public mainwin_test::ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        quorvel::SetActiveProject("Mod");
    }
    SaveResult Save(const std::string& key, std::string description)
    {
        m_description = description;
        return quorvel::SaveFaction(key, m_description);
    }
    std::string m_description;
};

TEST_F(Registry, SaveAddsNewKeysAtTheEndAndRenamesInPlace)
{
    EXPECT_EQ(Save("zx_a", "Alpha"), SaveResult::Saved);
    EXPECT_EQ(Save("zx_b", "  "), SaveResult::Saved);
    EXPECT_EQ(m_description, "zx_b") << "a blank description becomes the key";
    EXPECT_EQ(Save("zx_a", " Alpha Two "), SaveResult::Saved);
    EXPECT_EQ(Mod("misc/factions.ini"), "[zx_a]\r\ngrp= Alpha Two \r\n[zx_b]\r\ngrp=zx_b\r\n");
}

TEST_F(Registry, SaveWritesNothingWithoutProjectOrUsableKey)
{
    struct Case {
        const char* name;
        std::string project;
        std::string key;
        SaveResult result;
    };
    const Case cases[] = {
        {"no project loaded", "", "zx_a", SaveResult::NoProject},
        {"empty key", "Mod", "", SaveResult::BlankKey},
        {"blank key", "Mod", "   ", SaveResult::BlankKey},
        {"dot", "Mod", ".", SaveResult::RefusedKey},
        {"dot dot", "Mod", "..", SaveResult::RefusedKey},
        {"slash", "Mod", "zx/a", SaveResult::RefusedKey},
        {"backslash", "Mod", "zx\\a", SaveResult::RefusedKey},
        {"NUL", "Mod", std::string("zx\0a", 4), SaveResult::RefusedKey},
        {"carriage return", "Mod", "zx\ra", SaveResult::RefusedKey},
        {"line feed", "Mod", "zx\na", SaveResult::RefusedKey},
        {"opening bracket", "Mod", "[zx", SaveResult::RefusedKey},
        {"closing bracket", "Mod", "zx]", SaveResult::RefusedKey},
        {"equals sign", "Mod", "zx=a", SaveResult::RefusedKey},
        {"leading semicolon", "Mod", ";zx", SaveResult::RefusedKey},
        // "Formationlist_" + key + ".lst" must fit 255 bytes as UTF-8 on disk.
        {"238 ASCII characters", "Mod", std::string(238, 'k'), SaveResult::RefusedKey},
        {"300 ASCII characters", "Mod", std::string(300, 'k'), SaveResult::RefusedKey},
        {"119 two-byte characters", "Mod", std::string(119, '\xC4'), SaveResult::RefusedKey},
        {"80 three-byte characters", "Mod", std::string(80, '\x80'), SaveResult::RefusedKey},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        quorvel::SetActiveProject(c.project);
        EXPECT_EQ(Save(c.key, "Group"), c.result);
        EXPECT_EQ(m_description, "Group");
        EXPECT_EQ(ModFileCount(), 0);
        if (c.result == SaveResult::RefusedKey) {
            EXPECT_NE(quorvel::FactionKeyProblem(c.key), "");
        }
    }
    for (const char* fine : {"zx_a", "a;b", " zx", "zx.grp", "Ärger"})
        EXPECT_EQ(quorvel::FactionKeyProblem(fine), "") << fine;
    for (const std::string& longest :
         {std::string(237, 'k'), std::string(118, '\xC4') + "k", std::string(79, '\x80')}) {
        EXPECT_EQ(quorvel::FactionKeyProblem(longest), "") << longest.size();
        EXPECT_EQ(Save(longest, "Group"), SaveResult::Saved);
    }
}

TEST_F(Registry, DeleteBlanksTheTwoLinesAndRemovesTheFactionFiles)
{
    m_tmp.Put(
        "projects/Mod/misc/factions.ini",
        "[zx_a]\r\ngrp=Shared\r\n[zx_b]\r\ngrp=Shared\r\nRep=0.5\r\n[zx_c]\r\ngrp=Shared\r\n");
    const char* const files[] = {
        "emphaty/new/reps_zx_b.facts",        "emphaty/new/zx_b.tmp",
        "faction_prop/Shiplist_zx_b.lst",     "faction_prop/Voicelist_zx_b.lst",
        "faction_prop/Scanlist_zx_b.lst",     "faction_prop/Bodylist_zx_b.lst",
        "faction_prop/Formationlist_zx_b.lst"};
    for (const char* file : files)
        m_tmp.Put(std::string("projects/Mod/") + file, "x\r\n");
    m_tmp.Put("projects/Mod/faction_prop/Shiplist_zx_a.lst", "a\r\n");
    m_tmp.Put("projects/Mod/faction_prop/grp.ini", "[zx_b]\r\nLegality=lawful\r\n");

    quorvel::DeleteFaction("zx_b", "Shared");

    EXPECT_EQ(Mod("misc/factions.ini"),
              "[zx_a]\r\ngrp=Shared\r\n\r\n\r\nRep=0.5\r\n[zx_c]\r\ngrp=Shared\r\n\r\n");
    for (const char* file : files)
        EXPECT_FALSE(ModHas(file)) << file;
    EXPECT_TRUE(ModHas("faction_prop/Shiplist_zx_a.lst"));
    EXPECT_EQ(Mod("faction_prop/grp.ini"), "[zx_b]\r\nLegality=lawful\r\n");
}

TEST_F(Registry, DeleteMatchesWholeLinesOnly)
{
    struct Case {
        const char* name;
        std::string registry;
        std::string key, group;
        std::string after;
    };
    const Case cases[] = {
        {"longer group of another faction stays", "[a]\r\ngrp=Red Fleet\r\n[b]\r\ngrp=Red\r\n", "b",
         "Red", "[a]\r\ngrp=Red Fleet\r\n\r\n\r\n\r\n"},
        {"same group earlier in the file stays", "[a]\r\ngrp=Red\r\n[b]\r\ngrp=Red\r\n", "b", "Red",
         "[a]\r\ngrp=Red\r\n\r\n\r\n\r\n"},
        {"section without grp line", "[a]\r\n[b]\r\ngrp=B\r\n", "a", "[ERROR]",
         "\r\n[b]\r\ngrp=B\r\n\r\n"},
        {"key inside a longer section name", "[ab]\r\ngrp=X\r\n[b]\r\ngrp=X\r\n", "b", "X",
         "[ab]\r\ngrp=X\r\n\r\n\r\n\r\n"},
        {"group with a stored line break", "[a]\r\ngrp=one/20&\\two\r\n", "a", "one\r\ntwo",
         "\r\n\r\n\r\n"},
        {"no registry file", "", "a", "A", "\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ::unlink((m_tmp / "projects/Mod/misc/factions.ini").c_str());
        if (!c.registry.empty())
            m_tmp.Put("projects/Mod/misc/factions.ini", c.registry);
        quorvel::DeleteFaction(c.key, c.group);
        EXPECT_EQ(Mod("misc/factions.ini"), c.after);
    }
}

TEST_F(Registry, FailedRegistryWriteDeletesNothing)
{
    m_tmp.Put("projects/Mod/emphaty/new/reps_zx_b.facts", "[zx_a]\r\nrep=0.1\r\n");
    m_tmp.Put("projects/Mod/faction_prop/Shiplist_zx_b.lst", "s\r\n");

    quorvel::SetActiveProject("");
    EXPECT_EQ(ErrorOf([] { quorvel::DeleteFaction("zx_b", "B"); }), 76);

    // A folder where the registry should be: its rewrite fails.
    quorvel::SetActiveProject("Mod");
    m_tmp.MakeFolder("projects/Mod/misc/factions.ini");
    EXPECT_NE(ErrorOf([] { quorvel::DeleteFaction("zx_b", "B"); }), 0);

    EXPECT_TRUE(ModHas("emphaty/new/reps_zx_b.facts"));
    EXPECT_TRUE(ModHas("faction_prop/Shiplist_zx_b.lst"));
}

} // namespace

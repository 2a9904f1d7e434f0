#pragma once

#include "app/project_store/modFunctions.h"
#include "app/project_store/project_paths.h"
#include "platform/errors/run_time_error.h"
#include "tests/support/error_of.h"
#include "tests/support/temp_folder.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace mainwin_test {

// A program folder of its own: "projects" with the project "Mod" (its eight folders, no
// file), the three stock folders (empty) and no project loaded.
class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* folder :
             {"projects", "data", "data/emphaty", "data/emphaty/original_factions",
              "data/faction_prop", "data/faction_prop/original_factions", "data/initialworld",
              "data/initialworld/original_factions"})
            m_tmp.MakeFolder(folder);
        MakeProject("Mod");
        quorvel::SetProgramFolder(m_tmp.path());
        quorvel::SetActiveProject("");
        quorvel::SetMessageSink([](const std::string&, int, const std::string&) {});
    }
    void TearDown() override
    {
        quorvel::SetActiveProject("");
        quorvel::SetMessageSink({});
        quorvel::SetProjectListSink({});
    }

    void MakeProject(const std::string& name) const
    {
        const std::string p = "projects/" + name;
        m_tmp.MakeFolder(p);
        for (const char* sub : {"emphaty", "emphaty/new", "faction_prop", "initialworld", "XML",
                                "Protocol", "compiled", "misc"})
            m_tmp.MakeFolder(p + "/" + sub);
    }

    // The three stock files of faction `key`; a null text leaves that file out.
    void PutStock(const std::string& key, const char* empathy, const char* properties,
                  const char* initialWorld) const
    {
        if (empathy)
            m_tmp.Put("data/emphaty/original_factions/" + key, empathy);
        if (properties)
            m_tmp.Put("data/faction_prop/original_factions/" + key, properties);
        if (initialWorld)
            m_tmp.Put("data/initialworld/original_factions/" + key, initialWorld);
    }

    // A file of project "Mod".
    std::string Mod(const std::string& rel) const { return m_tmp.Get("projects/Mod/" + rel); }
    bool ModHas(const std::string& rel) const { return m_tmp.Exists("projects/Mod/" + rel); }
    // Files in the project's data folders; a new project has none.
    int ModFileCount() const
    {
        int n = 0;
        for (const char* sub : {"emphaty/new", "faction_prop", "initialworld", "misc"})
            n += m_tmp.CountEntries(std::string("projects/Mod/") + sub);
        return n + m_tmp.CountEntries("projects/Mod/emphaty") - 1;
    }

    static int ErrorOf(const std::function<void()>& call) { return testing_support::ErrorOf(call); }

    testing_support::TempFolder m_tmp;
};

} // namespace mainwin_test

#pragma once

#include "tests/app/project_store/store_fixture.h"

#include <string>

#include <unistd.h>

namespace loaded_project {

// A program folder holding the loaded project "P" with the folders the tabs and their
// compilers use; files are put and read below it natively.
class LoadedProjectTest : public store_test::StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        for (const char* folder : {"projects/P", "projects/P/emphaty", "projects/P/emphaty/new",
                                   "projects/P/faction_prop", "projects/P/compiled",
                                   "projects/P/misc", "projects/P/Protocol"})
            m_tmp.MakeFolder(folder);
        quorvel::SetActiveProject("P");
    }

public:
    void PutFile(const std::string& rel, const std::string& bytes) const
    {
        m_tmp.Put("projects/P/" + rel, bytes);
    }
    std::string GetFile(const std::string& rel) const { return m_tmp.Get("projects/P/" + rel); }
    bool HasFile(const std::string& rel) const { return m_tmp.Exists("projects/P/" + rel); }
    void MakeFolder(const std::string& rel) const { m_tmp.MakeFolder("projects/P/" + rel); }
    void RemoveFolder(const std::string& rel) const
    {
        ::rmdir((m_tmp / ("projects/P/" + rel)).c_str());
    }
    int Entries(const std::string& rel) const { return m_tmp.CountEntries("projects/P/" + rel); }
    std::string Protocol() const { return GetFile("Protocol/protocol.txt"); }
    const testing_support::TempFolder& Tmp() const { return m_tmp; }
};

// The protocol entry of the fixture's fixed clock.
inline std::string ProtocolEntry(const std::string& message)
{
    return "03/05/24    14:07:09: " + message + "\r\n\r\n";
}

} // namespace loaded_project

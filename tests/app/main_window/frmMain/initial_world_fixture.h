#pragma once

#include "tests/app/project_store/store_fixture.h"

#include <string>

namespace initworld_test {

// A program folder holding the loaded project "P" with the folders the initial-world tab
// and its compiler use; files are put and read below it natively.
class InitialWorldProjectTest : public store_test::StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        for (const char* folder : {"projects/P", "projects/P/initialworld", "projects/P/compiled",
                                   "projects/P/misc", "projects/P/Protocol"})
            m_tmp.MakeFolder(folder);
        quorvel::SetActiveProject("P");
    }

    void PutFile(const std::string& rel, const std::string& bytes) const
    {
        m_tmp.Put("projects/P/" + rel, bytes);
    }
    std::string GetFile(const std::string& rel) const { return m_tmp.Get("projects/P/" + rel); }
    bool HasFile(const std::string& rel) const { return m_tmp.Exists("projects/P/" + rel); }
    std::string Source() const { return GetFile("initialworld/grp.ini"); }
    std::string Compiled() const { return GetFile("compiled/initialworld.ini"); }
    std::string Protocol() const { return GetFile("Protocol/protocol.txt"); }
};

// The protocol entry of the fixture's fixed clock.
inline std::string ProtocolEntry(const std::string& message)
{
    return "03/05/24    14:07:09: " + message + "\r\n\r\n";
}

// The comment header of the compiled file, with the four empty lines after it.
inline const std::string kCompiledHeader =
    "//Warning: The Quorvel 2.0 can't know your (modded) system properties.\r\n"
    "//Add these above the reputationlist before you use this file\r\n"
    "\r\n"
    "//Achtung: Der Quorvel 2.0 kann deine (gemoddeten) Systemeigenschaften nicht wissen.\r\n"
    "//F\xFC"
    "ge diese \xFC"
    "ber die Reputation-Liste ein, bevor du diese Datei benutzt.\r\n"
    "\r\n"
    "\r\n"
    "\r\n"
    "\r\n";

} // namespace initworld_test

#pragma once

#include "tests/app/project_store/store_fixture.h"

#include <string>

namespace fp_test {

// A program folder holding the loaded project "P" with the folders the faction-property
// tab and its compiler use; files are put and read below it natively.
class FpProjectTest : public store_test::StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        for (const char* folder : {"projects/P", "projects/P/faction_prop", "projects/P/compiled",
                                   "projects/P/misc", "projects/P/Protocol"})
            m_tmp.MakeFolder(folder);
        quorvel::SetActiveProject("P");
    }

public:
    void PutFile(const std::string& rel, const std::string& bytes) const {
        m_tmp.Put("projects/P/" + rel, bytes);
    }
    std::string GetFile(const std::string& rel) const { return m_tmp.Get("projects/P/" + rel); }
    bool HasFile(const std::string& rel) const { return m_tmp.Exists("projects/P/" + rel); }
    std::string Protocol() const { return GetFile("Protocol/protocol.txt"); }
    const testing_support::TempFolder& Tmp() const { return m_tmp; }
};

// The protocol entry of the fixture's fixed clock.
inline std::string ProtocolEntry(const std::string& message) {
    return "03/05/24    14:07:09: " + message + "\r\n\r\n";
}

} // namespace fp_test

#pragma once

#include "app/project_store/modFunctions.h"
#include "app/project_store/project_paths.h"
#include "platform/errors/run_time_error.h"
#include "tests/support/error_of.h"
#include "tests/support/temp_folder.h"

#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>

namespace store_test {

struct Message {
    std::string prompt;
    int buttons;
    std::string title;
};

// A program folder of its own with an empty "projects", no project loaded, the message
// and project-list sinks captured, the protocol clock fixed at 2024-03-05 14:07:09 UTC,
// formatted in the C locale.
class StoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::setenv("TZ", "UTC", 1);
        ::tzset();
        ::setenv("LC_ALL", "C", 1);
        m_tmp.MakeFolder("projects");
        quorvel::SetProgramFolder(m_tmp.path());
        quorvel::SetActiveProject("");
        quorvel::SetMessageSink(
            [this](const std::string& prompt, int buttons, const std::string& title) {
                m_messages.push_back({prompt, buttons, title});
            });
        quorvel::SetProjectListSink(
            [this](const std::vector<std::string>& names) { m_lists.push_back(names); });
        quorvel::SetProtocolClock(
            [] { return std::chrono::system_clock::from_time_t(1709647629); });
    }
    void TearDown() override
    {
        quorvel::SetMessageSink({});
        quorvel::SetProjectListSink({});
        quorvel::SetProtocolClock({});
        quorvel::SetActiveProject("");
    }

    // A path below the program folder.
    quorvel::Path At(const std::string& rel) const
    {
        return quorvel::Path::Native(m_tmp.path()) / rel;
    }

    static int ErrorOf(const std::function<void()>& call) { return testing_support::ErrorOf(call); }

    testing_support::TempFolder m_tmp;
    std::vector<Message> m_messages;
    std::vector<std::vector<std::string>> m_lists;
};

} // namespace store_test

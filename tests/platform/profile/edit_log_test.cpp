// The log must give back every edit exactly, in order: a redo on a newer version of a file
// makes the action's edits again from it alone.
#include "platform/profile/edit_log.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

using platform::profile::EditLog;
using Edit = std::tuple<std::string, std::string, std::string>;

std::vector<Edit> RoundTrip(const std::vector<Edit>& edits)
{
    EditLog log;
    for (const auto& [section, key, value] : edits)
        log.Add(section, key, value);
    std::vector<Edit> back;
    log.ForEach([&back](std::string_view section, std::string_view key, std::string_view value) {
        back.emplace_back(section, key, value);
    });
    return back;
}

TEST(EditLog, GivesBackEveryEditInOrder)
{
    const std::string big(300000, 'v'); // more than a block of the log
    const std::vector<Edit> edits = {
        {"Main", "name", "1"},
        {"Main", "name", "2"}, // the same section again
        {"main", "other", ""}, // another spelling is another section
        {"", "", ""},          // empty fields
        {"", "k", "v"},        // an empty section after an empty one
        {"Main", std::string(127, 'k'), std::string(128, 'x')}, // lengths at the byte's edge
        {std::string(16384, 's'), "k", "v"},
        {"Main", "big", big},
        {"Main", "after", "the big one"},
        {"Main", "bytes", std::string("\0\x80\xFF\r\n", 5)},
    };
    EXPECT_EQ(RoundTrip(edits), edits);
}

TEST(EditLog, ManyEditsAcrossBlocks)
{
    std::vector<Edit> edits;
    for (int i = 0; i < 200000; ++i)
        edits.emplace_back("group" + std::to_string(i / 1000), "key" + std::to_string(i),
                           std::to_string(i % 7 == 0 ? -i : i));
    EXPECT_EQ(RoundTrip(edits), edits);
    EXPECT_TRUE(RoundTrip({}).empty());
}

} // namespace

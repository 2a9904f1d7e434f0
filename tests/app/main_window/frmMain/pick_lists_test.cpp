#include "app/main_window/frmMain/pick_lists.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace {

namespace lists = quorvel::pick_lists;

// The original list control's order: letters without regard to case, hyphens ignored,
// "_" before digits before letters, a prefix before its longer names.
int Weight(char c)
{
    if (c == '_')
        return 0;
    if (std::isdigit(static_cast<unsigned char>(c)))
        return 1 + (c - '0');
    return 20 + std::tolower(static_cast<unsigned char>(c));
}

bool ControlLess(const std::string& a, const std::string& b)
{
    std::string x, y;
    std::copy_if(a.begin(), a.end(), std::back_inserter(x), [](char c) { return c != '-'; });
    std::copy_if(b.begin(), b.end(), std::back_inserter(y), [](char c) { return c != '-'; });
    return std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end(),
                                        [](char p, char q) { return Weight(p) < Weight(q); });
}

TEST(PickLists, EntriesCountsAndStoredOrder)
{
    struct Case {
        const char* name;
        lists::PickList list;
        std::size_t count;
        bool controlSorted;
    };
    const Case cases[] = {
        {"cboFPmc", lists::MissionCostumes(), 7, true},
        {"cboFPShips", lists::ShipLoadouts(), 394, true},
        {"cboFPVoice", lists::Voices(), 48, true},
        {"cboFPScan", lists::CargoNames(), 42, true},
        {"cboFPFormation", lists::FirstFormationValues(), 78, true},
        {"cboFPformation2", lists::SecondFormationValues(), 74, true},
        {"cboFPScanFracht", lists::ScanAnnounceValues(), 2, false},
        {"Combo1", lists::Heads(), 104, false},
        {"Combo2", lists::Bodies(), 88, false},
        {"Combo3", lists::ThirdParts(), 28, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(c.list.size(), c.count);
        std::set<std::string> seen;
        for (const char* entry : c.list) {
            const std::string e = entry;
            EXPECT_TRUE(seen.insert(e).second) << "twice: " << e;
            EXPECT_FALSE(e.empty());
            EXPECT_LE(e.size(), 34u) << e;
            EXPECT_TRUE(std::all_of(e.begin(), e.end(), [](char ch) {
                return ch > ' ' && ch < 127 && ch != ',';
            })) << e;
        }
        if (c.controlSorted) {
            for (std::size_t i = 1; i < c.list.size(); ++i)
                EXPECT_TRUE(ControlLess(c.list[i - 1], c.list[i]))
                    << c.list[i - 1] << " before " << c.list[i];
        }
    }
}

} // namespace

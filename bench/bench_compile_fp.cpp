// Times the faction-property compile (the work of btnCompileFP_Click) on generated projects
// of N factions, each with the 14 property keys and five list files of 10 entries, and beside
// it the same compile with the INI index switched off, so that every ReadIni parses
// "faction_prop\grp.ini" anew as the original platform did. Not a test: run it by hand,
// e.g. build/bin/bench_compile_fp [max seconds per baseline run, default 20].
#include "app/main_window/frmMain/faction_prop_compiler.h"
#include "app/project_store/project_paths.h"
#include "platform/files/files.h"
#include "platform/profile/profile.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <ftw.h>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

const char* const kPropertyKeys[] = {
    "Legality",         "plurality",        "jump",        "msg_id_prefix", "mc_costume",
    "firstname_male",   "firstname_female", "lastname",    "rank_desig",    "formation_desig",
    "large_ship_desig", "large_ship_names", "scan_chance", "scan_announce",
};
const char* const kListPrefixes[] = {"Shiplist_", "Voicelist_", "Bodylist_", "Scanlist_",
                                     "Formationlist_"};

std::string Key(int i)
{
    return "fc_bench_faction_" + std::to_string(i);
}

// Written natively by their known names: the generation is not what is measured, and the
// case-insensitive lookup of every new name would scan the growing folder.
void Put(const std::string& native, const std::string& bytes)
{
    std::ofstream(native, std::ios::binary) << bytes;
}

// A fresh project "BenchN" of n factions; returns the faction keys in registry order.
std::vector<std::string> MakeProject(const std::string& root, int n)
{
    const std::string name = "Bench" + std::to_string(n);
    const std::string project = root + "/projects/" + name;
    for (const char* rel : {"", "/faction_prop", "/compiled", "/Protocol"})
        ::mkdir((project + rel).c_str(), 0777);
    quorvel::SetActiveProject(name);

    std::vector<std::string> keys;
    std::string properties;
    for (int i = 0; i < n; ++i) {
        keys.push_back(Key(i));
        properties += "[" + keys.back() + "]\r\n";
        for (const char* key : kPropertyKeys)
            properties += std::string(key) + "=value of " + key + " " + std::to_string(i) + "\r\n";
        for (const char* prefix : kListPrefixes) {
            std::string entries;
            for (int e = 0; e < 10; ++e)
                entries += "entry_" + std::to_string(e) + "_of_" + keys.back() + "\r\n";
            Put(project + "/faction_prop/" + prefix + keys.back() + ".lst", entries + "\r\n");
        }
    }
    Put(project + "/faction_prop/grp.ini", properties);
    return keys;
}

// `inHandler`: as the button's handler runs it, inside one write batch, where each input
// file is checked once rather than once per key.
double TimeCompile(const std::vector<std::string>& factions, bool inHandler = false)
{
    const auto start = Clock::now();
    if (inHandler)
        platform::files::BeginAction();
    quorvel::CompileFactionProperties(factions);
    if (inHandler)
        platform::files::EndAction();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

struct Row {
    int n;
    double cold;     // first compile: the index parses grp.ini once
    double warm;     // best of three further compiles
    double handler;  // best of three, each inside one handler's batch
    double baseline; // index off, for all n factions (measured or scaled)
    int baselineOf;  // factions the baseline really compiled
};

} // namespace

int main(int argc, char** argv)
{
    const double budget = argc > 1 ? std::atof(argv[1]) : 20.0;
    char pattern[] = "/tmp/qv_bench_fp_XXXXXX";
    if (!mkdtemp(pattern)) {
        std::perror("mkdtemp");
        return 1;
    }
    quorvel::SetProgramFolder(pattern);
    ::mkdir((std::string(pattern) + "/projects").c_str(), 0777);

    std::vector<Row> rows;
    for (int n : {100, 1000, 5000}) {
        const std::vector<std::string> keys = MakeProject(pattern, n);
        Row row{n, 0, 1e9, 1e9, 0, n};
        platform::profile::SetIndexEnabled(true);
        row.cold = TimeCompile(keys);
        for (int r = 0; r < 3; ++r)
            row.warm = std::min(row.warm, TimeCompile(keys));
        for (int r = 0; r < 3; ++r)
            row.handler = std::min(row.handler, TimeCompile(keys, true));

        // The baseline's cost per faction is that of parsing the whole file 14 times, so
        // a prefix of the factions gives the full figure by scaling; the prefix is the
        // largest that fits the time budget, judged from a first small sample.
        platform::profile::SetIndexEnabled(false);
        const int sample = std::min(n, 20);
        const double perFaction =
            TimeCompile(std::vector<std::string>(keys.begin(), keys.begin() + sample)) / sample;
        row.baselineOf = std::max(sample, std::min(n, static_cast<int>(budget / perFaction)));
        row.baseline =
            TimeCompile(std::vector<std::string>(keys.begin(), keys.begin() + row.baselineOf)) * n /
            row.baselineOf;
        platform::profile::SetIndexEnabled(true);
        rows.push_back(row);
    }

    std::printf("Faction-property compile: N factions, 14 keys each, five lists of 10 entries\n\n");
    std::printf("%8s | %12s | %12s | %12s | %16s | %s\n", "N", "index, cold", "index, warm",
                "in a handler", "index off", "index off measured on");
    std::printf("---------+--------------+--------------+--------------+------------------+------"
                "----------------\n");
    for (const Row& r : rows)
        std::printf("%8d | %10.3f s | %10.3f s | %10.3f s | %14.2f s | %d of %d factions%s\n", r.n,
                    r.cold, r.warm, r.handler, r.baseline, r.baselineOf, r.n,
                    r.baselineOf < r.n ? " (scaled to N)" : "");
    const Row& k1 = rows[1];
    const Row& k5 = rows[2];
    std::printf("\n5,000 / 1,000: index cold %.2fx, warm %.2fx; index off %.1fx\n",
                k5.cold / k1.cold, k5.warm / k1.warm, k5.baseline / k1.baseline);

    nftw(
        pattern, [](const char* p, const struct stat*, int, struct FTW*) { return ::remove(p); },
        16, FTW_DEPTH | FTW_PHYS);
    return 0;
}

// Reads every key of a generated faction registry and faction-property file of 1,000
// factions through ReadIni, as the compilers do, and compares the time per call with the
// cost of one stat of the file. Not a test: run it by hand, e.g. build/bin/bench_readini.
#include "app/project_store/modINI.h"
#include "app/project_store/project_paths.h"
#include "platform/files/files.h"
#include "platform/profile/profile.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ftw.h>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
namespace files = platform::files;

constexpr int kFactions = 1000;
volatile long g_keep; // keeps the reads from being optimised away
const char* const kPropertyKeys[] = {
    "Legality",         "plurality",        "jump",        "msg_id_prefix", "mc_costume",
    "firstname_male",   "firstname_female", "lastname",    "rank_desig",    "formation_desig",
    "large_ship_desig", "large_ship_names", "scan_chance", "scan_announce",
};

std::string Key(int i)
{
    return "fc_bench_faction_" + std::to_string(i);
}

void MakeFiles()
{
    std::string registry;
    std::string properties;
    for (int i = 0; i < kFactions; ++i) {
        registry += "[" + Key(i) + "]\r\ngrp=Group name of faction " + std::to_string(i) + "\r\n";
        properties += "[" + Key(i) + "]\r\n";
        for (const char* key : kPropertyKeys)
            properties += std::string(key) + "=value of " + key + " " + std::to_string(i) + "\r\n";
    }
    files::WriteFile(quorvel::FactionRegistryFile(), registry);
    files::WriteFile(quorvel::FactionPropertiesFile(), properties);
}

// Seconds per ReadIni of every key, `passes` times over; `limit` caps the calls per pass.
double TimeReads(int passes, int limit, long& sink)
{
    const quorvel::Path registry = quorvel::FactionRegistryFile();
    const quorvel::Path properties = quorvel::FactionPropertiesFile();
    long calls = 0;
    const auto start = Clock::now();
    for (int pass = 0; pass < passes; ++pass) {
        int inPass = 0;
        for (int i = 0; i < kFactions && inPass < limit; ++i) {
            const std::string section = Key(i);
            sink += quorvel::ReadIni(section, "grp", "[ERROR]", registry).size();
            ++inPass;
            for (const char* key : kPropertyKeys) {
                sink += quorvel::ReadIni(section, key, "0.0", properties).size();
                ++inPass;
            }
        }
        calls += inPass;
    }
    return std::chrono::duration<double>(Clock::now() - start).count() / calls;
}

double TimeStat(const std::string& native, int count, long& sink)
{
    struct stat st;
    const auto start = Clock::now();
    for (int i = 0; i < count; ++i) {
        ::stat(native.c_str(), &st);
        sink += st.st_size;
    }
    return std::chrono::duration<double>(Clock::now() - start).count() / count;
}

} // namespace

int main()
{
    char pattern[] = "/tmp/qv_bench_XXXXXX";
    if (!mkdtemp(pattern)) {
        std::perror("mkdtemp");
        return 1;
    }
    quorvel::SetProgramFolder(pattern);
    for (const char* rel :
         {"projects", "projects/Bench", "projects/Bench/misc", "projects/Bench/faction_prop"})
        ::mkdir((std::string(pattern) + "/" + rel).c_str(), 0777);
    quorvel::SetActiveProject("Bench");
    MakeFiles();

    long sink = 0;
    const std::string native = files::Resolve(quorvel::FactionPropertiesFile());
    const double stat = TimeStat(native, 200000, sink);

    TimeReads(1, kFactions * 15, sink); // first parse and warm caches
    const double indexed = TimeReads(5, kFactions * 15, sink);

    platform::profile::SetIndexEnabled(false);
    const double parsed = TimeReads(1, 300, sink);
    platform::profile::SetIndexEnabled(true);

    std::printf("ReadIni over %d factions (%d keys per pass), file unchanged between calls\n",
                kFactions, kFactions * 15);
    std::printf("  one stat of the file:          %9.3f us\n", stat * 1e6);
    std::printf("  ReadIni, parsed index on:      %9.3f us per call (%.1f stats)\n", indexed * 1e6,
                indexed / stat);
    std::printf("  ReadIni, index off (baseline): %9.3f us per call (%.0f stats)\n", parsed * 1e6,
                parsed / stat);
    g_keep = sink;

    nftw(
        pattern, [](const char* p, const struct stat*, int, struct FTW*) { return ::remove(p); },
        16, FTW_DEPTH | FTW_PHYS);
    return 0;
}

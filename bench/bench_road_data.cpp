#include "bench_road_data.h"

#include "app/main_window/frmMain/stock_keys.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace roadbench {

namespace fs = std::filesystem;

namespace {

using quorvel::stock_keys::kEvents;
using quorvel::stock_keys::kProperties;

// A decimal text of tenths between -0.9 and 0.9, as the game's files write them.
std::string Tenths(int v)
{
    v = v % 19 - 9;
    if (v == 0)
        return "0.0";
    return (v < 0 ? "-0." : "0.") + std::to_string(v < 0 ? -v : v);
}

std::string EventFactor(int i, int e)
{
    return Tenths(i * 5 + e * 7 + 3);
}
std::string Rate(int i, int j)
{
    return Tenths(i * 37 + j * 11);
}
std::string Reputation(int i, int j)
{
    return i == j ? "1" : Tenths(i * 13 + j * 29 + 4);
}

std::string Id(int base, int i)
{
    return std::to_string(base + i);
}

std::string PropertyValue(int i, int p)
{
    switch (p) {
    case 0:
        return i % 3 == 1 ? "unlawful" : "lawful";
    case 1:
        return i % 2 ? "singular" : "plural";
    case 2:
        return "msg_" + FactionKey(i);
    case 3:
        return "pilot_" + std::to_string(i % 17);
    case 11:
        return i % 3 == 0 ? "both" : i % 3 == 1 ? "jumpgate" : "jumphole";
    case 12:
        return Tenths(i + 10);
    case 13:
        return i % 2 ? "True" : "False";
    default:
        return Id(2000000 + p * 100000, i * 10) + ", " + Id(2000000 + p * 100000, i * 10 + 9);
    }
}

// The five list lines of the stock properties file: prefix as the stock file writes it, the
// project list file's prefix and the entries.
struct ListLines {
    const char* stockKey;
    const char* filePrefix;
    std::vector<std::string> entries;
};
std::vector<ListLines> ListsOf(int i)
{
    const std::string n = std::to_string(i);
    return {
        {"npc_ship", "Shiplist_", {"ld_scout_" + n, "ld_hauler_" + n, "ld_gunboat_" + n}},
        {"voice", "Voicelist_", {"voice_m0" + std::to_string(i % 9)}},
        {"space_costume",
         "Bodylist_",
         {"head_" + n + ", body_" + n + ", gear_" + n,
          "head_b" + n + ", body_" + n + ", gear_b" + n}},
        {"scan_for_cargo", "Scanlist_", {"cargo_" + std::to_string(i % 23)}},
        {"formation", "Formationlist_", {"fm_pair_" + n + ", fm_column_" + n}},
    };
}

std::string StockEmpathy(int i, int n)
{
    std::string text = "[RepChangeEffects]\r\ngroup = " + FactionKey(i) + "\r\n";
    for (int e = 0; e < static_cast<int>(std::size(kEvents)); ++e)
        text += std::string("event = ") + kEvents[e].first + ", " + EventFactor(i, e) + "\r\n";
    for (int j = 0; j < n; ++j) {
        if (j != i)
            text += "emphaty_rate = " + FactionKey(j) + ", " + Rate(i, j) + "\r\n";
    }
    return text;
}

std::string StockProperties(int i)
{
    const std::vector<ListLines> lists = ListsOf(i);
    std::string text = "[FactionProps]\r\naffiliation = " + FactionKey(i) + "\r\n";
    for (int p = 0; p < static_cast<int>(std::size(kProperties)); ++p) {
        text += std::string(kProperties[p].first) + " = " + PropertyValue(i, p) + "\r\n";
        if (p == 3) { // the list lines stand among the values, as in the game's files
            for (const ListLines& list : lists) {
                for (const std::string& entry : list.entries)
                    text += std::string(list.stockKey) + " = " + entry + "\r\n";
            }
        }
    }
    return text;
}

std::string StockInitialWorld(int i, int n)
{
    std::string text = "[Group]\r\nnickname = " + FactionKey(i) +
                       "\r\nids_name = " + Id(260000, i) + "\r\nids_info = " + Id(270000, i) +
                       "\r\nids_short_name = " + Id(280000, i) + "\r\n";
    for (int j = 0; j < n; ++j)
        text += "rep = " + Reputation(i, j) + ", " + FactionKey(j) + "\r\n";
    return text;
}

void MakeFolder(const std::string& folder)
{
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec)
        throw std::runtime_error("cannot make " + folder + ": " + ec.message());
}

} // namespace

std::string FactionKey(int i)
{
    char key[32];
    std::snprintf(key, sizeof key, "rb_fc_%04d_grp", i);
    return key;
}

std::vector<std::string> FactionKeys(int n)
{
    std::vector<std::string> keys;
    for (int i = 0; i < n; ++i)
        keys.push_back(FactionKey(i));
    return keys;
}

void Put(const std::string& file, const std::string& bytes)
{
    std::ofstream out(file, std::ios::binary);
    out << bytes;
    if (!out)
        throw std::runtime_error("cannot write " + file);
}

void WriteStock(const std::string& programFolder, int n)
{
    const std::string data = programFolder + "/data/";
    for (const char* area : {"emphaty", "faction_prop", "initialworld"})
        MakeFolder(data + area + "/original_factions");
    for (int i = 0; i < n; ++i) {
        const std::string k = FactionKey(i);
        Put(data + "emphaty/original_factions/" + k, StockEmpathy(i, n));
        Put(data + "faction_prop/original_factions/" + k, StockProperties(i));
        Put(data + "initialworld/original_factions/" + k, StockInitialWorld(i, n));
    }
    // A modder's stock files have long been on the disk: left unwritten, they would be
    // written by the first flush of the import the road times.
    ::sync();
}

void MakeProjectFolders(const std::string& projectFolder)
{
    for (const char* sub :
         {"emphaty/new", "faction_prop", "initialworld", "XML", "Protocol", "compiled", "misc"})
        MakeFolder(projectFolder + "/" + sub);
}

void WriteImportedProject(const std::string& projectFolder, int n, int imported)
{
    const std::string p = projectFolder + "/";
    std::string registry, empathy, properties, world;
    for (int i = 0; i < imported; ++i) {
        const std::string k = FactionKey(i);
        const std::string section = "[" + k + "]\r\n";
        registry += section + "grp=" + k + "\r\n";

        empathy += section;
        for (int e = 0; e < static_cast<int>(std::size(kEvents)); ++e)
            empathy += std::string(kEvents[e].second) + "=" + EventFactor(i, e) + "\r\n";
        std::string rates;
        for (int j = 0; j < n; ++j) {
            if (j != i)
                rates += "[" + FactionKey(j) + "]\r\nrep=" + Rate(i, j) + "\r\n";
        }
        Put(p + "emphaty/new/reps_" + k + ".facts", rates + "\r\n");

        properties += section;
        for (int v = 0; v < static_cast<int>(std::size(kProperties)); ++v)
            properties += std::string(kProperties[v].second) + "=" + PropertyValue(i, v) + "\r\n";
        for (const ListLines& list : ListsOf(i)) {
            std::string text;
            for (const std::string& entry : list.entries)
                text += entry + "\r\n";
            Put(p + "faction_prop/" + list.filePrefix + k + ".lst", text + "\r\n");
        }

        world += section + "ids_name=" + Id(260000, i) + "\r\nids_info=" + Id(270000, i) +
                 "\r\nids_short_name=" + Id(280000, i) + "\r\n";
        for (int j = 0; j < n; ++j)
            world += FactionKey(j) + "=" + Reputation(i, j) + "\r\n";
    }
    Put(p + "misc/factions.ini", registry);
    Put(p + "emphaty/new/grp.ini", empathy);
    Put(p + "faction_prop/grp.ini", properties);
    Put(p + "initialworld/grp.ini", world);
}

std::vector<std::pair<std::string, std::string>> TreeOf(const std::string& folder)
{
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file())
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        files.emplace_back(fs::relative(entry.path(), folder).string(),
                           std::string(std::istreambuf_iterator<char>(in), {}));
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace roadbench

#pragma once

#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace mainwin_test {

// What a project folder holds of its factions, read natively: the registry's keys, and for
// a key which of the files the import and new/save make are there.
class FactionFiles {
public:
    explicit FactionFiles(std::string projectFolder)
        : m_project(std::move(projectFolder))
    {
    }

    // The keys of the section lines of "misc/factions.ini", in file order.
    std::vector<std::string> RegistryKeys() const
    {
        std::vector<std::string> keys;
        const std::string text = Read("misc/factions.ini");
        std::size_t from = 0;
        while (from < text.size()) {
            std::size_t end = text.find("\r\n", from);
            if (end == std::string::npos)
                end = text.size();
            const std::string line = text.substr(from, end - from);
            if (line.size() >= 2 && line.front() == '[' && line.back() == ']')
                keys.push_back(line.substr(1, line.size() - 2));
            from = end + 2;
        }
        return keys;
    }

    // How many of the faction's imported pieces are there: its reputation file, its five
    // list files and its sections in the three data INI files (nine when imported whole).
    int PiecesOf(const std::string& key) const
    {
        int n = 0;
        n += Exists("emphaty/new/reps_" + key + ".facts");
        for (const char* prefix :
             {"Shiplist_", "Voicelist_", "Bodylist_", "Scanlist_", "Formationlist_"})
            n += Exists("faction_prop/" + std::string(prefix) + key + ".lst");
        for (const char* ini :
             {"emphaty/new/grp.ini", "faction_prop/grp.ini", "initialworld/grp.ini"})
            n += Read(ini).find("[" + key + "]\r\n") != std::string::npos;
        return n;
    }
    static constexpr int kWhole = 9;

    std::string Read(const std::string& rel) const
    {
        std::ifstream in(m_project + "/" + rel, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    bool Exists(const std::string& rel) const
    {
        struct stat st;
        return ::stat((m_project + "/" + rel).c_str(), &st) == 0;
    }

private:
    std::string m_project;
};

} // namespace mainwin_test

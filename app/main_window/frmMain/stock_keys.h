#pragma once

#include <utility>

// The keys the import of stock factions copies, each a pair of the stock file's key and the
// project's key, in the order the import writes them. The road benchmark builds its stock
// files and its expected project files from the same tables.
namespace quorvel::stock_keys {

// The four events of a stock empathy file ("event = <name>, ...") and the keys of
// "emphaty\new\grp.ini" they go to.
inline constexpr std::pair<const char*, const char*> kEvents[] = {
    {"object_destruction", "o_d"},
    {"random_mission_success", "r_m_s"},
    {"random_mission_failure", "r_m_f"},
    {"random_mission_abortion", "r_m_a"},
};

// The keys of a stock properties file's "[FactionProps]" and those of
// "faction_prop\grp.ini" they go to.
inline constexpr std::pair<const char*, const char*> kProperties[] = {
    {"legality", "Legality"},
    {"nickname_plurality", "plurality"},
    {"msg_id_prefix", "msg_id_prefix"},
    {"mc_costume", "mc_costume"},
    {"firstname_male", "firstname_male"},
    {"firstname_female", "firstname_female"},
    {"lastname", "lastname"},
    {"rank_desig", "rank_desig"},
    {"formation_desig", "formation_desig"},
    {"large_ship_desig", "large_ship_desig"},
    {"large_ship_names", "large_ship_names"},
    {"jump_preference", "jump"},
    {"scan_chance", "scan_chance"},
    {"scan_announce", "scan_announce"},
};

} // namespace quorvel::stock_keys

#include "pick_lists.h"

namespace quorvel::pick_lists {

namespace {

// clang-format off
constexpr const char* kMissionCostumes[] = {
    "mc_br", "mc_co", "mc_fc", "mc_gd", "mc_ku", "mc_li", "mc_rh",
};

constexpr const char* kShipLoadouts[] = {
    "br_m_ge_fighter2_d1-4", "br_m_ge_large_train_d12", "br_m_ge_large_train_d13-19",
    "br_m_ge_train_d13", "br_m_ge_transport_d1-4", "br_n_battleship_d25", "br_n_br_elite_d10",
    "br_n_br_elite_d11-19", "br_n_br_elite_d1-6", "br_n_br_elite_d7", "br_n_br_elite_d8",
    "br_n_br_elite_d9", "br_n_br_gunboat_d1-7", "br_n_br_gunboat_d8-19", "br_n_destroyer_d22",
    "br_p_br_fighter_d1-5", "br_p_br_fighter_d6", "br_p_br_fighter_d7-19", "br_p_ge_armored_d1-19",
    "co_alg_ge_fighter_d1", "co_alg_ge_fighter_d2", "co_alg_ge_fighter_d3", "co_alg_ge_fighter2_d4",
    "co_alg_ge_fighter2_d5", "co_alg_ge_fighter2_d6", "co_alg_ge_fighter2_d7",
    "co_alg_ge_fighter4_d10", "co_alg_ge_fighter4_d11", "co_alg_ge_fighter4_d8",
    "co_alg_ge_fighter4_d9", "co_alg_ge_fighter5_d12-19", "co_alg_ge_large_transport_d5",
    "co_alg_ge_large_transport_d6", "co_alg_ge_large_transport_d7", "co_alg_ge_large_transport_d8",
    "co_alg_ge_large_transport_d9", "co_alg_ge_train_d10", "co_alg_ge_train_d11-19",
    "co_alg_ge_train_d9", "co_alg_ge_transport_d1", "co_alg_ge_transport_d2",
    "co_alg_ge_transport_d3", "co_alg_ge_transport_d4", "co_alg_ge_transport_d5",
    "co_alg_rh_freighter_d1-19", "co_be_br_freighter_d1-4", "co_be_br_freighter_d5",
    "co_be_br_freighter_d6", "co_be_br_freighter_d7-19", "co_be_ge_armored_d1-19",
    "co_be_ge_fighter4_d11-19", "co_hsp_ge_fighter2_d5-9", "co_hsp_ge_fighter5_d12",
    "co_hsp_ge_fighter5_d13-19", "co_hsp_ge_train_d11", "co_hsp_ge_train_d12",
    "co_hsp_ge_train_d13-19", "co_hsp_ge_transport_d5-9", "co_hsp_li_freighter_d1",
    "co_hsp_li_freighter_d2-19", "co_khc_ge_fighter2_d1-6", "co_khc_ge_large_transport_d1-6",
    "co_khc_rh_freighter_d11", "co_khc_rh_freighter_d1-10", "co_khc_rh_freighter_d12-19",
    "co_kt_ge_lifter_d1-19", "co_kt_ge_repair_d1-19", "co_kt_ku_freighter_d10-19",
    "co_kt_ku_freighter_d1-7", "co_kt_ku_freighter_d8", "co_kt_ku_freighter_d9",
    "co_me_ge_lifter_d1-19", "co_me_ge_repair_d1-19", "co_me_li_freighter_d2",
    "co_me_li_freighter_d3", "co_me_li_freighter_d4-19", "co_nws_br_freighter_d6-19",
    "co_os_ge_armored_d1", "co_os_ge_armored_d10", "co_os_ge_armored_d11",
    "co_os_ge_armored_d12-19", "co_os_ge_armored_d2", "co_os_ge_armored_d3", "co_os_ge_armored_d4",
    "co_os_ge_armored_d5", "co_os_ge_armored_d6", "co_os_ge_armored_d7", "co_os_ge_armored_d8",
    "co_os_ge_armored_d9", "co_rs_ge_lifter_d1-19", "co_rs_ge_repair_d1-19",
    "co_shi_ge_armored_d1-12", "co_shi_ge_armored_d13-19", "co_shi_ge_fighter5_d13",
    "co_shi_ge_fighter5_d14-19", "co_shi_ku_freighter_d11-19", "co_shi_ku_freighter_d9-10",
    "co_ti_ge_fighter_d1-2", "co_ti_ge_fighter4_d9-19", "co_ti_ge_large_transport_d9-19",
    "co_ti_ge_lifter_d1-19", "co_ti_ge_repair_d1-19", "co_ti_ge_transport_d1-2",
    "co_vr_ge_fighter_d2-19", "co_vr_ge_transport_d2-19", "fc_b_bw_elite_d11",
    "fc_b_bw_elite_d1-10", "fc_b_bw_elite_d12-19", "fc_bd_ku_dragon_d10", "fc_bd_ku_dragon_d11-19",
    "fc_bd_ku_dragon_d1-7", "fc_bd_ku_dragon_d8", "fc_bd_ku_dragon_d9", "fc_c_co_elite_d11",
    "fc_c_co_elite_d12", "fc_c_co_elite_d13", "fc_c_co_elite_d14", "fc_c_co_elite_d15",
    "fc_c_co_elite2_d16", "fc_c_co_elite2_d17", "fc_c_co_elite2_d18", "fc_c_co_elite2_d19",
    "fc_c_co_fighter_d10", "fc_c_co_fighter_d1-6", "fc_c_co_fighter_d7", "fc_c_co_fighter_d8",
    "fc_c_co_fighter_d9", "fc_fa_ge_fighter2_d1-7", "fc_fa_ge_fighter4_d8",
    "fc_fa_ge_fighter4_d9-19", "fc_g_ge_fighter2_d1-5", "fc_g_ge_fighter2_d6",
    "fc_g_ge_fighter2_d7", "fc_g_ge_fighter4_d10", "fc_g_ge_fighter4_d11-19", "fc_g_ge_fighter4_d8",
    "fc_g_ge_fighter4_d9", "fc_gc_ge_fighter_d1-2", "fc_gc_ge_fighter_d3", "fc_gc_ge_fighter2_d4-8",
    "fc_gc_ge_fighter4_d10", "fc_gc_ge_fighter4_d11", "fc_gc_ge_fighter4_d9",
    "fc_gc_ge_fighter5_d12-19", "fc_h_ge_csv_d10", "fc_h_ge_csv_d11", "fc_h_ge_csv_d12-19",
    "fc_h_ge_csv_d1-7", "fc_h_ge_csv_d8", "fc_h_ge_csv_d9", "fc_j_ge_csv_d1", "fc_j_ge_csv_d10",
    "fc_j_ge_csv_d11-19", "fc_j_ge_csv_d2-3", "fc_j_ge_csv_d4", "fc_j_ge_csv_d5-9",
    "fc_j_ge_csv_smuggler_d1", "fc_j_ge_csv_smuggler_d10", "fc_j_ge_csv_smuggler_d11-19",
    "fc_j_ge_csv_smuggler_d2-3", "fc_j_ge_csv_smuggler_d4", "fc_j_ge_csv_smuggler_d5-9",
    "fc_lh_bw_elite_d10-19", "fc_lh_bw_elite_d9", "fc_lh_bw_fighter_d1-3", "fc_lh_bw_fighter_d4",
    "fc_lh_bw_fighter_d5", "fc_lh_bw_fighter_d6", "fc_lh_bw_fighter_d7", "fc_lh_bw_fighter_d8",
    "fc_lr_pi_elite_d10", "fc_lr_pi_elite_d11-19", "fc_lr_pi_elite_d7", "fc_lr_pi_elite_d8",
    "fc_lr_pi_elite_d9", "fc_lr_pi_elite_smuggler_d10", "fc_lr_pi_elite_smuggler_d11-19",
    "fc_lr_pi_elite_smuggler_d7", "fc_lr_pi_elite_smuggler_d8", "fc_lr_pi_elite_smuggler_d9",
    "fc_lr_pi_fighter_d1", "fc_lr_pi_fighter_d2", "fc_lr_pi_fighter_d3", "fc_lr_pi_fighter_d4",
    "fc_lr_pi_fighter_d5", "fc_lr_pi_fighter_d6", "fc_lr_pi_fighter_smuggler_d1",
    "fc_lr_pi_fighter_smuggler_d2", "fc_lr_pi_fighter_smuggler_d3", "fc_lr_pi_fighter_smuggler_d4",
    "fc_lr_pi_fighter_smuggler_d5", "fc_lr_pi_fighter_smuggler_d6", "fc_lr_pi_freighter_d1",
    "fc_lr_pi_freighter_d11-19", "fc_lr_pi_freighter_d2", "fc_lr_pi_freighter_d3",
    "fc_lr_pi_freighter_d4-6", "fc_lr_pi_freighter_d7", "fc_lr_pi_freighter_d8",
    "fc_lr_pi_freighter_d9-10", "fc_lr_pi_freighter_smuggler_d1",
    "fc_lr_pi_freighter_smuggler_d11-19", "fc_lr_pi_freighter_smuggler_d2",
    "fc_lr_pi_freighter_smuggler_d3", "fc_lr_pi_freighter_smuggler_d4-6",
    "fc_lr_pi_freighter_smuggler_d7", "fc_lr_pi_freighter_smuggler_d8",
    "fc_lr_pi_freighter_smuggler_d9-10", "fc_lwb_ge_fighter4_d11", "fc_lwb_ge_fighter4_d1-10",
    "fc_lwb_ge_fighter4_d12", "fc_lwb_ge_fighter5_d13-19", "fc_m_pi_elite_d7",
    "fc_m_pi_elite_d8-19", "fc_m_pi_fighter_d1-5", "fc_m_pi_fighter_d6", "fc_n_no_fighter_d19",
    "fc_ou_bw_elite_d10", "fc_ou_bw_elite_d11", "fc_ou_bw_elite_d12", "fc_ou_bw_elite_d13",
    "fc_ou_bw_elite_d14", "fc_ou_bw_elite_d9", "fc_ou_bw_elite2_d15", "fc_ou_bw_elite2_d16",
    "fc_ou_bw_elite2_d17", "fc_ou_bw_elite2_d18", "fc_ou_bw_elite2_d19", "fc_ou_bw_fighter_d1-4",
    "fc_ou_bw_fighter_d5", "fc_ou_bw_fighter_d6", "fc_ou_bw_fighter_d7", "fc_ou_bw_fighter_d8",
    "fc_rh_bw_elite_d10", "fc_rh_bw_elite_d11", "fc_rh_bw_elite_d12", "fc_rh_bw_elite_d13",
    "fc_rh_bw_elite_d14", "fc_rh_bw_elite_d9", "fc_rh_bw_elite2_d15", "fc_rh_bw_elite2_d16",
    "fc_rh_bw_elite2_d17-19", "fc_rh_bw_fighter_d1-8", "fc_u_ge_fighter4_d11",
    "fc_u_ge_fighter4_d1-10", "fc_u_ge_fighter4_d12-19", "fc_x_ge_fighter_d1-2",
    "fc_x_ge_fighter_d3", "fc_x_ge_fighter2_d4-7", "fc_x_ge_fighter4_d10",
    "fc_x_ge_fighter4_d11-19", "fc_x_ge_fighter4_d8", "fc_x_ge_fighter4_d9", "gd_bh_bh_elite_d10",
    "gd_bh_bh_elite_d11", "gd_bh_bh_elite_d12", "gd_bh_bh_elite_d7", "gd_bh_bh_elite_d8",
    "gd_bh_bh_elite_d9", "gd_bh_bh_elite2_d13", "gd_bh_bh_elite2_d14", "gd_bh_bh_elite2_d15",
    "gd_bh_bh_elite2_d16", "gd_bh_bh_elite2_d17", "gd_bh_bh_elite2_d18", "gd_bh_bh_elite2_d19",
    "gd_bh_bh_fighter_d1", "gd_bh_bh_fighter_d2", "gd_bh_bh_fighter_d3", "gd_bh_bh_fighter_d4",
    "gd_bh_bh_fighter_d5", "gd_bh_bh_fighter_d6", "gd_gm_ge_armored_d1-12",
    "gd_gm_ge_armored_d13-19", "gd_gm_ge_fighter4_d10", "gd_gm_ge_fighter4_d11",
    "gd_gm_ge_fighter4_d1-8", "gd_gm_ge_fighter4_d9", "gd_gm_ge_fighter5_d12",
    "gd_gm_ge_fighter5_d13", "gd_gm_ge_fighter5_d14", "gd_gm_ge_fighter6_d15",
    "gd_gm_ge_fighter6_d16", "gd_gm_ge_fighter6_d17-19", "gd_gm_ge_large_train_d12",
    "gd_gm_ge_large_train_d13", "gd_gm_ge_large_train_d14-19", "gd_gm_ge_large_transport_d1-8",
    "gd_gm_ge_large_transport_d9", "gd_gm_ge_train_d10", "gd_gm_ge_train_d11", "gd_gm_ge_train_d12",
    "gd_gm_ge_train_d13", "gd_gm_ge_train_d9", "gd_gm_ku_freighter_d11-19",
    "gd_gm_ku_freighter_d1-8", "gd_gm_ku_freighter_d9-10", "gd_im_br_freighter_d1-4",
    "gd_im_br_freighter_d5", "gd_im_br_freighter_d6-19", "gd_im_ge_armored_d1-12",
    "gd_im_ge_armored_d13-19", "gd_im_ge_fighter2_d1-4", "gd_im_ge_fighter2_d5",
    "gd_im_ge_fighter2_d6", "gd_im_ge_fighter2_d7", "gd_im_ge_fighter4_d10",
    "gd_im_ge_fighter4_d11", "gd_im_ge_fighter4_d8", "gd_im_ge_fighter4_d9",
    "gd_im_ge_fighter5_d12", "gd_im_ge_fighter5_d13", "gd_im_ge_fighter5_d14",
    "gd_im_ge_fighter6_d15-19", "gd_im_ge_large_train_d12", "gd_im_ge_large_train_d13",
    "gd_im_ge_large_train_d14-19", "gd_im_ge_large_transport_d5", "gd_im_ge_large_transport_d6",
    "gd_im_ge_large_transport_d7", "gd_im_ge_large_transport_d8", "gd_im_ge_large_transport_d9",
    "gd_im_ge_train_d10", "gd_im_ge_train_d11", "gd_im_ge_train_d12", "gd_im_ge_train_d13",
    "gd_im_ge_train_d9", "gd_im_ge_transport_d1-4", "gd_im_ge_transport_d5",
    "gd_z_bw_freighter_d10", "gd_z_bw_freighter_d11", "gd_z_bw_freighter_d12",
    "gd_z_bw_freighter_d13", "gd_z_bw_freighter_d14", "gd_z_bw_freighter_d15",
    "gd_z_bw_freighter_d1-6", "gd_z_bw_freighter_d16-19", "gd_z_bw_freighter_d7",
    "gd_z_bw_freighter_d8", "gd_z_bw_freighter_d9", "gd_z_ge_fighter2_d1-6", "gd_z_ge_fighter2_d7",
    "gd_z_ge_fighter4_d10", "gd_z_ge_fighter4_d11", "gd_z_ge_fighter4_d8", "gd_z_ge_fighter4_d9",
    "gd_z_ge_fighter5_d12", "gd_z_ge_fighter5_d13", "gd_z_ge_fighter5_d14", "gd_z_ge_fighter6_d15",
    "gd_z_ge_fighter6_d16-19", "ku_n_battleship_d25", "ku_n_destroyer_d22", "ku_n_ku_elite_d10",
    "ku_n_ku_elite_d11-19", "ku_n_ku_elite_d1-8", "ku_n_ku_elite_d9", "ku_n_ku_gunboat_d10-19",
    "ku_n_ku_gunboat_d1-9", "ku_p_ge_armored_d1-19", "ku_p_ku_fighter_d1-7", "ku_p_ku_fighter_d8",
    "ku_p_ku_fighter_d9-19", "li_n_cruiser_d22", "li_n_dreadnought_d25", "li_n_li_elite_d10",
    "li_n_li_elite_d11-19", "li_n_li_elite_d1-3", "li_n_li_elite_d4", "li_n_li_elite_d5",
    "li_n_li_elite_d6", "li_n_li_elite_d7", "li_n_li_elite_d8", "li_n_li_elite_d9",
    "li_p_ge_armored_d2", "li_p_ge_armored_d3", "li_p_ge_armored_d4", "li_p_li_fighter_d1-2",
    "li_p_li_fighter_d3", "li_p_li_fighter_d4-19", "rh_m_ge_armored_d1-19",
    "rh_m_ge_fighter4_d1-10", "rh_m_ge_lifter_d1-19", "rh_m_ge_repair_d1-19", "rh_m_ge_train_d1-10",
    "rh_m_ge_train_d12-19", "rh_n_battleship_d25", "rh_n_cruiser_d22", "rh_n_rh_elite_d1-11",
    "rh_n_rh_elite_d12-19", "rh_n_rh_gunboat_d1-19", "rh_p_ge_armored_d1-19",
    "rh_p_rh_fighter_d1-10", "rh_p_rh_fighter_d11-19",
};

constexpr const char* kVoices[] = {
    "atc_leg_f01", "atc_leg_f01a", "atc_leg_m01", "botzler", "fischer", "hakkera", "juni", "king",
    "mc_leg_m01", "NNVoice", "orillion", "ozu", "pilot_c_ill_f01", "pilot_c_ill_f01a",
    "pilot_c_ill_f01b", "pilot_c_ill_m01", "pilot_c_ill_m01a", "pilot_c_ill_m01b",
    "pilot_c_ill_m02", "pilot_c_ill_m02a", "pilot_c_ill_m02b", "pilot_c_leg_m01",
    "pilot_c_leg_m01a", "pilot_c_leg_m01b", "pilot_f_ill_m01", "pilot_f_ill_m01a",
    "pilot_f_ill_m01b", "pilot_f_ill_m02", "pilot_f_ill_m02a", "pilot_f_ill_m02b",
    "pilot_f_leg_f01", "pilot_f_leg_f01a", "pilot_f_leg_f01b", "pilot_f_leg_m01",
    "pilot_f_leg_m01b", "pilot_f_mil_m01", "pilot_f_mil_m01a", "pilot_f_mil_m01b",
    "pilot_f_mil_m02", "pilot_f_mil_m02a", "pilot_f_mil_m02b", "quintaine", "razor_1", "sinclair",
    "tobias", "trent_voice", "vonclaussn", "walker",
};

constexpr const char* kCargoNames[] = {
    "commodity_alien_artifacts", "commodity_alien_organisms", "commodity_basic_alloys",
    "commodity_beryllium", "commodity_boron", "commodity_cardamine", "commodity_cobalt",
    "commodity_construction_machinery", "commodity_consumer_goods", "commodity_copper",
    "commodity_diamonds", "commodity_engine_components", "commodity_fertilizers", "commodity_food",
    "commodity_gold", "commodity_H_fuel", "commodity_high_temp_alloys", "commodity_hydrocarbons",
    "commodity_luxury_consumer_goods", "commodity_luxury_food", "commodity_mining_machinery",
    "commodity_mox_fuel", "commodity_niobium", "commodity_optical_chips", "commodity_optronics",
    "commodity_oxygen", "commodity_pharm", "commodity_polymers", "commodity_prisoners",
    "commodity_scrap_metal", "commodity_ship_hull_panels", "commodity_sidearms", "commodity_silver",
    "commodity_super_alloys", "commodity_superconductors", "commodity_terraforming_gases",
    "commodity_toxic_waste", "commodity_tradelane_parts", "commodity_vips", "commodity_water",
    "ge_s_battery_01", "ge_s_repair_01",
};

constexpr const char* kFirstFormationValues[] = {
    "ANY", "armored1s", "armored2s", "armored3s", "armored4s", "armored5s", "armoreds",
    "assault_ace_leaders", "assault_leaders", "assaults", "CAPITALS", "defend_leaders", "defends",
    "diff1", "diff10", "diff11", "diff12", "diff13", "diff14", "diff15", "diff16", "diff17",
    "diff18", "diff19", "diff2", "diff3", "diff4", "diff5", "diff6", "diff7", "diff8", "diff9",
    "DOCKATTACKERS", "escort_leaders", "escorters", "escorts", "fighters", "freighter1s",
    "freighter2s", "freighter3s", "freighter4s", "freighter5s", "freighters", "GUNBOATS",
    "LANEATTACKERS", "LARGE_SHIPS", "lawfuls", "MERCHANTS", "patrol_leaders", "patroller",
    "patrols", "pirate_patroller", "police_patroller", "prisoners", "sc_armoreds", "sc_cruisers",
    "sc_fighter_smugglers", "sc_fighters", "sc_freighter_smugglers", "sc_freighters", "sc_gunboats",
    "sc_lifters", "sc_repairs", "sc_transports", "scavengers", "scouts", "SMALL_SHIPS", "SMUGGLERS",
    "TRADERS", "transport1s", "transport2s", "transport3s", "transport4s", "transport5s",
    "TRANSPORTS", "unlawfuls", "UTILITY_SHIPS", "wanderers",
};

constexpr const char* kSecondFormationValues[] = {
    "armored_basic", "armored_br_p", "armored_ku_p", "armored_li_p", "armored_rh_p", "convoy1",
    "cruiser_li_n", "cruiser_wall", "cruiser2_li_n", "cruiser3_li_n", "csv_fc_j", "delta_flat",
    "delta_high", "echelon4_l", "echelon4_r", "echelon4x_l", "fighter_basic", "fighter_br_n",
    "fighter_br_p", "fighter_guild", "fighter_ku_n", "fighter_ku_p", "fighter_li_lsf",
    "fighter_li_n", "fighter_li_p", "fighter_pirate", "fighter_rh_n", "fighter_rh_p",
    "fighter_wall", "fleet_rh_forward_reserve", "fleet_rh_main_formation",
    "fleet_rh_main_formation_escort", "fleet_rh_main_reserve", "fleet_rh_n_battleship",
    "fleet_rh_n_forward_assault", "fleet_rh_n_forward_escort", "fleet_rh_n_rear_assault",
    "fleet_rh_n_rear_escort", "freighter_basic", "freighter_bretonia", "freighter_guild",
    "freighter_kusari", "freighter_liberty", "freighter_pirate", "freighter_rheinland",
    "freighter2_basic", "freighter2_bretonia", "freighter2_guild", "freighter2_kusari",
    "freighter2_liberty", "freighter2_pirate", "freighter2_rheinland", "gunboat_br_n",
    "gunboat_ku_n", "gunboat_rh_n", "gunboat_wall", "multiplayer_freighter", "nomad_basic",
    "nomad_gunboat_1", "small_fleet_rh_n_cruiser", "small_fleet_rh_n_forward_escort",
    "small_fleet_rh_n_rear_escort", "tight_dragon_formation", "transport_bretonia",
    "transport_guild", "transport_kusari", "transport_liberty", "transport_rheinland",
    "transport2_bretonia", "transport2_guild", "transport2_kusari", "transport2_liberty",
    "transport2_rheinland", "wide_dragon_formation",
};

constexpr const char* kHeads[] = {
    "benchmark_male_head", "syd_head", "li_rockford_head", "li_scrote_head", "li_captain_head",
    "li_sales_head", "li_manhattan_bartender_head", "br_brighton_head", "br_quigly_head",
    "br_captain_head", "br_sales_head", "br_bartender_head", "br_tobias_head", "rh_alaric_head",
    "rh_deidrich_head", "rh_deidrich_head_worm", "rh_reichman_head", "rh_wilham_head",
    "rh_hassler_head", "rh_captain_head", "rh_sales_head", "rh_bartender_head", "ku_edo_head",
    "ku_tenji_head", "ku_captain_head", "ku_sales_head", "ku_bartender_head", "pi_pirate1_head",
    "pi_pirate2_head", "pi_pirate3_head", "pi_pirate3_head_hurt", "pi_pirate4_head",
    "pi_pirate5_head", "sh_male1_head", "sh_male2_head", "sh_male3_head", "sh_male4_head",
    "sh_male5_head", "sh_male5t_head", "sh_male6_head", "ge_male1_head", "ge_male2_head",
    "ge_male3_head", "ge_male4_head", "ge_male6_head", "ge_male7_head", "sc_scientist1_head",
    "sc_scientist2_head", "pl_male1_head", "pl_male2_head", "pl_male3_head", "pl_male4_head",
    "pl_male5_head", "pl_male6_head", "pl_male7_head", "pl_male8_head", "li_sales_head_hat",
    "br_sales_head_hat", "ku_bartender_head_hat", "ku_tenji_head_hat", "pl_male3_head_hat",
    "pl_male8_head_hat", "rh_alaric_head_hat", "sc_scientist1_head_hat", "sc_scientist2_head_hat",
    "benchmark_female_head", "li_hatcher_head", "br_darcy_head", "br_kaitlyn_head",
    "br_karina_head_gen", "rh_gruenwald_head_gen", "ku_kym_head_gen", "ku_tashi_head",
    "sh_female1_head_gen", "sh_female2_head_gen", "ge_female1_head", "pl_female1_head",
    "pl_female2_head", "pl_female3_head", "pl_female4_head", "pl_female5_head", "pl_female6_head",
    "br_newscaster_head_gen", "ku_newscaster_head_gen", "li_newscaster_head_gen",
    "rh_newscaster_head_gen", "br_newscaster_head", "ku_newscaster_head", "li_newscaster_head",
    "rh_newscaster_head", "sh_female2_head", "sh_female1_head", "sh_female5_head",
    "sh_female6_head", "br_karina_head", "rh_gruenwald_head", "ku_kym_head",
    "br_newscaster_head_hat", "br_newscaster_head_gen_hat", "li_newscaster_head_hat",
    "li_newscaster_head_gen_hat", "rh_newscaster_head_hat", "rh_newscaster_head_gen_hat",
    "pl_female4_head_helmet",
};

constexpr const char* kBodies[] = {
    "benchmark_male_body", "li_bartender_body", "li_commtrader_body", "li_male_guard_body",
    "li_male_elite_body", "li_manhattan_bartender_body", "li_rockford_body", "li_scrote_body",
    "li_shipdealer_body", "li_tilton_body", "br_bartender_body", "br_brighton_body",
    "br_commtrader_body", "br_male_elite_body", "br_male_guard_body", "br_quigly_body",
    "br_shipdealer_body", "br_tobias_body", "rh_bartender_body", "rh_commtrader_body",
    "rh_deidrich_body", "rh_male_elite_body", "rh_male_guard_body", "rh_reichman_body",
    "rh_shipdealer_body", "rh_wilham_body", "ku_bartender_body", "ku_commtrader_body",
    "ku_edo_body", "ku_male_elite_body", "ku_male_guard_body", "ku_shipdealer_body",
    "pi_orillion_body", "pi_pirate1_body", "pi_pirate2_body", "pi_pirate3_body", "pi_pirate4_body",
    "pi_pirate5_body", "pi_pirate6_body", "pi_pirate7_body", "pi_pirate8_body", "pl_trent_body",
    "pl_male1_journeyman_body", "pl_male1_peasant_body", "pl_male2_journeyman_body",
    "pl_male2_peasant_body", "pl_male3_journeyman_body", "pl_male3_peasant_body",
    "pl_male3_peasant_body_HURT", "sc_scientist1_body", "sc_scientist2_body", "sc_scientist3_body",
    "sc_scientist4_body", "sh_male1_body", "sh_male2_body", "sh_male3_body", "robot_body_A",
    "robot_body_B", "robot_body_C", "robot_body_D", "robot_body_E", "worm", "br_darcy_body_torture",
    "benchmark_female_body", "li_female_elite_body", "li_female_guard_body", "li_hatcher_body",
    "br_darcy_body", "br_female_elite_body", "br_female_guard_body", "br_kaitlyn_body",
    "br_karina_body", "rh_female_elite_body", "rh_female_guard_body", "rh_greunwald_body",
    "ku_kym_body", "ku_kym_body_gen", "ku_female_elite_body", "ku_female_guard_body",
    "pl_female1_journeyman_body", "pl_female1_peasant_body", "pl_female2_journeyman_body",
    "pl_female2_peasant_body", "sc_female1_body", "sh_female1_body", "ku_kym_body_bust",
    "pl_female1_peasant_body_bust", "pl_female2_peasant_body_bust",
};

constexpr const char* kThirdParts[] = {
    "comm_br_brighton", "comm_br_brighton_female", "comm_br_darcy", "comm_br_darcy_female",
    "comm_br_elite", "comm_br_elite_female", "comm_br_guard", "comm_br_guard_female",
    "comm_br_kaitlyn", "comm_br_kaitlyn_female", "comm_ge_generic1", "comm_ge_generic1_female",
    "comm_ge_generic2", "comm_ge_generic2_female", "comm_ku_kym", "comm_ku_kym_female",
    "comm_li_hatcher", "comm_li_hatcher_female", "comm_pi_pirate", "comm_pi_pirate_female",
    "comm_pl_player", "comm_pl_player_female", "comm_rh_alaric", "comm_rh_alaric_female",
    "comm_rh_reichman", "comm_rh_reichman_female", "comm_rh_wilham", "comm_rh_wilham_female",
};

constexpr const char* kScanAnnounceValues[] = {"False", "True"};
// clang-format on

} // namespace

PickList MissionCostumes()
{
    return kMissionCostumes;
}

PickList ShipLoadouts()
{
    return kShipLoadouts;
}

PickList Voices()
{
    return kVoices;
}

PickList CargoNames()
{
    return kCargoNames;
}

PickList FirstFormationValues()
{
    return kFirstFormationValues;
}

PickList SecondFormationValues()
{
    return kSecondFormationValues;
}

PickList Heads()
{
    return kHeads;
}

PickList Bodies()
{
    return kBodies;
}

PickList ThirdParts()
{
    return kThirdParts;
}

PickList ScanAnnounceValues()
{
    return kScanAnnounceValues;
}

} // namespace quorvel::pick_lists

#pragma once

#include <span>

// The fixed pick lists of game identifiers that the faction-property tab and the body-parts
// dialog offer in their editable combo boxes. Nothing adds to them or reads them from a
// file; the user may always type another text.
//
// The lists of the boxes that the original controls kept sorted are stored already in that
// control's sort order (letter case ignored, hyphens ignored, "_" before digits before
// letters), so a box is filled in stored order and never sorted at run time: a sort of our
// own would disagree with the original one on "_" and "-".
namespace quorvel::pick_lists {

using PickList = std::span<const char* const>;

PickList MissionCostumes();       // cboFPmc, 7
PickList ShipLoadouts();          // cboFPShips, 394
PickList Voices();                // cboFPVoice, 48
PickList CargoNames();            // cboFPScan, 42
PickList FirstFormationValues();  // cboFPFormation, 78
PickList SecondFormationValues(); // cboFPformation2, 74
PickList ScanAnnounceValues();    // cboFPScanFracht: "False", "True"

// frmFPBodyparts, in the order the game's costume files list them (not sorted).
PickList Heads();      // Combo1, 104
PickList Bodies();     // Combo2, 88
PickList ThirdParts(); // Combo3, 28

} // namespace quorvel::pick_lists

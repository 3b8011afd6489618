#pragma once
// The game's start-up data load: every catalogue the whole run needs, in one
// fixed order. The resource catalogues come first (see ResourceCatalogues.h),
// then the sound catalogue when there is a sound manager, then the per-level
// rank times, and last the player's level results and achievements (see
// cPlayerFile for where those live).
//
// Every step runs even when an earlier one failed; each failure is logged by
// the step itself, so a broken file costs only what it describes.

#include <string>

namespace Game {

inline const std::string kGameDirectory = "./GameData/XML_Game/";

// Rank times from game_directory, then player results and achievements from player_folder (or the
// shipped copies in game_directory); false when any of the three could not be read.
bool LoadPlayerData(const std::string& game_directory, const std::string& player_folder);

// The whole start-up load; false when any step failed. skip_shadow_shaders
// (the "EnableTessary" setting) keeps the shadow materials' programs as the
// material catalogue built them instead of building them again.
bool LoadGameData(bool skip_shadow_shaders);

}  // namespace Game

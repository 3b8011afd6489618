#include "game/data/GameDataLoader.h"

#include "engine/audio/SoundManagerAccess.h"
#include "engine/audio/iSoundManager.h"
#include "game/data/ResourceCatalogues.h"
#include "game/data/cAchievementStore.h"
#include "game/data/cLevelStats.h"
#include "game/data/cPlayerFile.h"
#include "game/data/cPlayerResults.h"

namespace Game {

namespace {

// Without a sound manager (sound switched off) there is nothing to load into, which is no failure.
bool LoadSoundCatalogue() {
    Engine::iSoundManager* sounds = Engine::GetSoundManager();
    return sounds == nullptr || sounds->LoadCatalogue("SoundData.xml", kResourceDirectory);
}

}  // namespace

bool LoadPlayerData(const std::string& game_directory, const std::string& player_folder) {
    const bool stats = cLevelStats::Instance().Load(game_directory + "achievementStats.xml");
    const bool results = cPlayerResults::Instance().Load(player_folder, game_directory);
    const bool achievements = cAchievementStore::Instance().Load(player_folder, game_directory);
    return stats && results && achievements;
}

bool LoadGameData(bool skip_shadow_shaders) {
    const bool resources = LoadResourceCatalogues(kResourceDirectory, !skip_shadow_shaders);
    const bool sounds = LoadSoundCatalogue();
    const bool player = LoadPlayerData(kGameDirectory, cPlayerFile::DefaultPlayerFolder());
    return resources && sounds && player;
}

}  // namespace Game

#pragma once
// cPlayerResults: the player's result for each level.
//
// "PlayerData/levelresult.xml" holds one "levelStat" element per level, in
// level order; its "result" is -1 for a level not yet won, otherwise the
// overall rank (D = 0 ... S = 4) of the latest win. Every change is written
// through at once to the player's copy (see cPlayerFile).

#include <cstdint>
#include <string>
#include <vector>

#include "engine/core/Singleton.h"
#include "game/data/cPlayerFile.h"

namespace Game {

class cPlayerResults : public Engine::Singleton<cPlayerResults> {
public:
    static constexpr const char* kFileName = "PlayerData/levelresult.xml";
    static constexpr int32_t kNotWon = -1;

    // Reads the results from the player's copy, or the shipped one; false when neither can be read.
    bool Load(const std::string& player_folder, const std::string& shipped_folder);
    // The level's result; kNotWon for a level the file does not list.
    int32_t Result(int32_t level) const;
    // Stores the level's result and writes it through; false when the save fails (the result still
    // holds for this run), and false with nothing changed when the file cannot be read or does not
    // list the level.
    bool SetResult(int32_t level, int32_t value);
    int32_t LevelCount() const { return static_cast<int32_t>(results.size()); }

private:
    friend class Engine::Singleton<cPlayerResults>;
    cPlayerResults() = default;

    std::vector<int32_t> results;
    cPlayerFile file{cPlayerFile::DefaultPlayerFolder(), cPlayerFile::kShippedFolder, kFileName};
};

}  // namespace Game

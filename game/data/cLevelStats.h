#pragma once
// cLevelStats: per-level rank times and the candy total of the loaded level.
//
// "achievementStats.xml" holds one "levelStat" element per level, in level
// order, with the four times (whole seconds) that separate the ranks on the
// results screen. The level loader sets the candy total after every load.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/core/Singleton.h"

namespace Game {

struct sRankTimes {
    int32_t rank_1_time = 30;
    int32_t rank_2_time = 40;
    int32_t rank_3_time = 50;
    int32_t rank_4_time = 60;
};

class cLevelStats : public Engine::Singleton<cLevelStats> {
public:
    // Replaces the rank times with the file's; false (and a log line) when it cannot be read.
    bool Load(const std::string& path);
    // The rank times of the level, or nothing for a level the file does not list.
    std::optional<sRankTimes> RankTimes(int32_t level_number) const;
    int32_t LevelCount() const { return static_cast<int32_t>(rank_times.size()); }

    void SetCandyTotal(int32_t n) { candy_total = n; }
    int32_t CandyTotal() const { return candy_total; }

private:
    friend class Engine::Singleton<cLevelStats>;
    cLevelStats() = default;

    int32_t candy_total = 0;
    std::vector<sRankTimes> rank_times;
};

}  // namespace Game

#pragma once
// LevelResults: what a won level hands to the results screen. The gameplay
// state fills it when the kid reaches the win point; the results screen reads
// it on its way in. The record holds the raw measures only: turning them into
// ranks is the results screen's work and is not done here yet.

#include <cstdint>

namespace Game {

struct LevelResults {
    // The level that was won (the level manager's number).
    std::int32_t level_number = 0;
    // Seconds of play from the start of the run to the win.
    float level_time = 0.0f;
    // Candy the kid holds at the win, and the candy the level holds in all.
    std::int32_t candy_taken = 0;
    std::uint32_t candy_total = 0;
    // Damage the kid took in the run, and the health it started with.
    float damage = 0.0f;
    float health = 0.0f;
    // The stroke's skill as its own rank (0 = D to 4 = S); 0 without a stroke.
    std::int32_t skill_rank = 0;
    // Set when the record describes a win not yet shown.
    bool filled = false;
};

// The process-wide record of the last won level.
inline LevelResults& LastLevelResults() {
    static LevelResults results;
    return results;
}

}  // namespace Game

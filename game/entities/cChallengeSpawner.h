#pragma once
// cChallengeSpawner: the waves of enemies a challenge sends at the kid. The
// kid owns it (only in a game started from the menu) and steps it every
// frame; it works only while a challenge runs (active).
//
// Each time its timer runs out a wave of one to three enemies rises on a
// circle of radius 5 around the kid, at random angles (10 to 349 degrees),
// of random kinds: half plain ghosts, then fast ghosts, tough ghosts, bombs
// and now and then a witch. Waves come sooner each time, down to min_rate
// seconds apart, plus up to a second of jitter. A kind the game cannot make
// (its class is not registered, or it refuses its set-up) is skipped.

#include <cstdint>

#include "engine/core/Vector3.h"
#include "game/entities/KidTuning.h"
#include "game/entities/eGameEntityTypes.h"

namespace Game {

class cKid;
class cStroke;

class cChallengeSpawner {
public:
    static constexpr float kRadius = 5.0f;
    // Degrees to radians as the waves have always converted them.
    static constexpr float kWaveDegToRad = 0.017452778f;
    static constexpr float kRiseHeight = -2.0f;
    static constexpr int kLargestWave = 3;

    // A spawner for kid with the tuning's wave numbers, inactive.
    cChallengeSpawner(cKid* target, const KidTuning& tuning);

    // While active: counts the timer down and sends a wave when it runs out.
    // Returns the number of enemies that entered play.
    int Update(float dt, const Engine::Vector3& centre);

    // The kind a draw r (0 to 0.99) gives: plain, fast, tough, bomb or witch.
    static GAME_ENT_TYPES::eGameEntityTypes KindFor(float r);

    bool active = false;
    float rate = 2.0f;
    float timer = 2.0f;
    float rate_step = 0.5f;
    float min_rate = 0.6f;
    std::int32_t count = 1;
    float count_step = 1.0f;
    std::int32_t max_count = 6;
    cKid* kid = nullptr;
    cStroke* stroke = nullptr;

private:
    // One wave; returns the number of enemies made.
    int SendWave(const Engine::Vector3& centre);
    // Makes one enemy of kind at place; false when the kind cannot be made.
    bool SpawnEnemy(GAME_ENT_TYPES::eGameEntityTypes kind, const Engine::Vector3& place);
};

}  // namespace Game

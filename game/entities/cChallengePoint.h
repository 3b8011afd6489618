#pragma once
// cChallengePoint: the invisible box that starts the kid's timed challenge
// (type 42). The first frame the kid is in it, the kid's challenge of
// kChallengeSeconds starts (waves, music, light and the time-out the HUD
// counts down), and the point switches itself off and goes back to the
// factory, so a level's challenge point starts its challenge once.

#include <cstdint>

#include "game/entities/cTriggerVolume.h"
#include "game/entities/eGameEntityTypes.h"

namespace Game {

class cChallengePoint : public cTriggerVolume {
public:
    static constexpr float kChallengeSeconds = 45.0f;

    std::int32_t GetType() const override { return GAME_ENT_TYPES::CHALLENGE_POINT; }
    const char* EntityName() const override { return "ChallengePoint"; }

protected:
    void OnKidTouch(cKid* kid) override;
    float HalfExtentScale() const override { return 0.5f; }
};

}  // namespace Game

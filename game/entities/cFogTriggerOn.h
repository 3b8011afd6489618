#pragma once
// cFogTriggerOn: the box that switches the level's fog on at its
// intensity (type 56) while the kid stands in it. Its entity and body name
// carry a leading "c", as the level files and the editor know it by that name.

#include <cstdint>

#include "game/entities/cTriggerVolume.h"
#include "game/entities/eGameEntityTypes.h"

namespace Game {

class cFogTriggerOn : public cTriggerVolume {
public:
    static constexpr float kDefaultIntensity = 0.5f;

    std::int32_t GetType() const override { return GAME_ENT_TYPES::FOG_TRIGGER_ON; }
    const char* EntityName() const override { return "cFogTriggerOn"; }

    // The fog density it sets; the level's "Intensity" (0.5 when missing).
    float intensity = kDefaultIntensity;

protected:
    void OnKidTouch(cKid* kid) override;
    void TakeValues(const LevelObjectValues& values) override { intensity = values.intensity; }
};

}  // namespace Game

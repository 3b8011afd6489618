#pragma once
// cRainTriggerOn: the box that makes it rain at its intensity
// (type 58) while the kid stands in it. Rain that is already falling keeps its
// drops and gusts and only takes the new intensity.

#include <cstdint>

#include "game/entities/cTriggerVolume.h"
#include "game/entities/eGameEntityTypes.h"

namespace Game {

class cRainTriggerOn : public cTriggerVolume {
public:
    static constexpr float kDefaultIntensity = 0.5f;

    std::int32_t GetType() const override { return GAME_ENT_TYPES::RAIN_TRIGGER_ON; }
    const char* EntityName() const override { return "RainTriggerOn"; }

    // The rain intensity it sets; the level's "Intensity" (0.5 when missing).
    float intensity = kDefaultIntensity;

protected:
    void OnKidTouch(cKid* kid) override;
    void TakeValues(const LevelObjectValues& values) override { intensity = values.intensity; }
};

}  // namespace Game

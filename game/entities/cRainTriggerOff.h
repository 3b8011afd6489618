#pragma once
// cRainTriggerOff: the box that stops the rain (type 57) while the
// kid stands in it, clearing the drops carried to the next frame and the gust.

#include <cstdint>

#include "game/entities/cTriggerVolume.h"
#include "game/entities/eGameEntityTypes.h"

namespace Game {

class cRainTriggerOff : public cTriggerVolume {
public:
    std::int32_t GetType() const override { return GAME_ENT_TYPES::RAIN_TRIGGER_OFF; }
    const char* EntityName() const override { return "RainTriggerOff"; }

protected:
    void OnKidTouch(cKid* kid) override;
};

}  // namespace Game

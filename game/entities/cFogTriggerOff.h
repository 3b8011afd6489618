#pragma once
// cFogTriggerOff: the box that switches the level's fog off
// (type 55) while the kid stands in it. The fog's density is kept, so a
// fog-on trigger without its own intensity would bring the same fog back.

#include <cstdint>

#include "game/entities/cTriggerVolume.h"
#include "game/entities/eGameEntityTypes.h"

namespace Game {

class cFogTriggerOff : public cTriggerVolume {
public:
    std::int32_t GetType() const override { return GAME_ENT_TYPES::FOG_TRIGGER_OFF; }
    const char* EntityName() const override { return "FogTriggerOff"; }

protected:
    void OnKidTouch(cKid* kid) override;
};

}  // namespace Game

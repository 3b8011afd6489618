#include "game/entities/cRainTriggerOff.h"

#include "game/entities/cEnvironmentEffects.h"

namespace Game {

void cRainTriggerOff::OnKidTouch(cKid* /*kid*/) { cEnvironmentEffects::Instance().RainOff(); }

}  // namespace Game

#include "game/entities/cFogTriggerOff.h"

#include "game/entities/cEnvironmentEffects.h"

namespace Game {

void cFogTriggerOff::OnKidTouch(cKid* /*kid*/) { cEnvironmentEffects::Instance().FogOff(); }

}  // namespace Game

#include "game/entities/cFogTriggerOn.h"

#include "game/entities/cEnvironmentEffects.h"

namespace Game {

void cFogTriggerOn::OnKidTouch(cKid* /*kid*/) { cEnvironmentEffects::Instance().FogOn(intensity); }

}  // namespace Game

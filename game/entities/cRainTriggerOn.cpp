#include "game/entities/cRainTriggerOn.h"

#include "game/entities/cEnvironmentEffects.h"

namespace Game {

void cRainTriggerOn::OnKidTouch(cKid* /*kid*/) { cEnvironmentEffects::Instance().RainOn(intensity); }

}  // namespace Game

#include "game/data/cGameData.h"

#include "engine/core/Random.h"

namespace Game {

cGameData::cGameData() {
    Engine::SeedRandomOnce(Engine::ClockSeed());
}

}  // namespace Game

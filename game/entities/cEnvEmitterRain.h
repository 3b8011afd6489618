#pragma once
// cEnvEmitterRain: the falling rain. Each frame it stages one drop ten units
// above every drop point of the environment, blown sideways by wind and
// leaning by tilt (the quad's spin) as the gusts push them.

#include <vector>

#include "game/entities/DropPoint.h"
#include "game/entities/cStagingEmitter.h"

namespace Game {

class cEnvEmitterRain : public cStagingEmitter {
public:
    static constexpr uint32_t kStagingSize = 250;

    // Sideways velocity of the drops in x and z.
    struct Wind {
        float x = 0.0f;
        float z = 0.0f;
    };

    cEnvEmitterRain() : cStagingEmitter(kStagingSize) {}

    // Replaces the staged records with one drop per drop point (at most the
    // staging size); no list gives no drops.
    void Emit(float dt) override;

    Wind wind;
    float tilt = 0.0f;
    // The environment's list, borrowed.
    const std::vector<DropPoint>* drop_points = nullptr;

protected:
    void FillDefaults(Engine::ParticleRecord& record) override;
};

}  // namespace Game

#pragma once
// cEnvEmitterSplatter: the splashes of the rain on the ground. Each frame it
// stages a splash just above the ground at the first half of the drop points
// (a lone drop point makes no splash), each fading in and shrinking away.

#include <vector>

#include "game/entities/DropPoint.h"
#include "game/entities/cStagingEmitter.h"

namespace Game {

class cEnvEmitterSplatter : public cStagingEmitter {
public:
    static constexpr uint32_t kStagingSize = 250;

    cEnvEmitterSplatter() : cStagingEmitter(kStagingSize) {}

    // Replaces the staged records with one splash per point of the first
    // half of the drop points; no list gives no splashes.
    void Emit(float dt) override;

    // The environment's list, borrowed.
    const std::vector<DropPoint>* drop_points = nullptr;

protected:
    void FillDefaults(Engine::ParticleRecord& record) override;
};

}  // namespace Game

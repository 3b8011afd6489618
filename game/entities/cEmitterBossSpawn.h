#pragma once
// cEmitterBossSpawn: the target mark where the boss's hammer will land. While
// switched on it drops one shrinking, spinning mark at its position each time
// more than interval seconds have built up, then starts counting again.

#include "engine/core/Vector3.h"
#include "game/entities/cStagingEmitter.h"

namespace Game {

class cEmitterBossSpawn : public cStagingEmitter {
public:
    static constexpr uint32_t kStagingSize = 100;

    cEmitterBossSpawn() : cStagingEmitter(kStagingSize) {}

    // While enabled: counts dt up until the timer passes interval, then
    // stages one mark at position and restarts the timer.
    void Emit(float dt) override;

    Engine::Vector3 position;
    bool enabled = false;
    float timer = 0.0f;
    float interval = 0.5f;

protected:
    void FillDefaults(Engine::ParticleRecord& record) override;
};

}  // namespace Game

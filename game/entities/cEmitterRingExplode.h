#pragma once
// cEmitterRingExplode: the ring of sparks that bursts out flat from a point,
// fifty sparks per unit of radius, some kicked upwards, all slowing to a stop
// over one second.

#include "engine/core/Vector3.h"
#include "game/entities/cStagingEmitter.h"

namespace Game {

class cEmitterRingExplode : public cStagingEmitter {
public:
    static constexpr uint32_t kStagingSize = 500;
    static constexpr float kSparksPerUnit = 50.0f;

    cEmitterRingExplode() : cStagingEmitter(kStagingSize) {}

    // truncate(50 * radius) sparks at point, limited to the room left; a
    // radius that is not above 0 (NaN included) stages none.
    void Burst(const Engine::Vector3& point, float radius);

protected:
    void FillDefaults(Engine::ParticleRecord& record) override;
};

}  // namespace Game

#include "game/entities/cGlobalEffects.h"

#include "engine/particles/cEffectSystem.h"
#include "engine/particles/cParticleSystem.h"

namespace Game {

namespace {
constexpr int32_t kFacing = Engine::cParticleSystem::kKind;
constexpr int32_t kGround = Engine::cEffectSystem::kKind;
constexpr int32_t kAlpha = Engine::cParticleSystem::kAlphaBlend;
constexpr int32_t kAdditive = Engine::cParticleSystem::kAdditiveBlend;
}  // namespace

cGlobalEffects::cGlobalEffects()
    : aura("AuraPTS", kFacing, 200, kAdditive),
      poof("PoofPTS", kFacing, 200, kAdditive),
      slashed("SlashedPTS", kFacing, 200, kAlpha),
      splatter("SplatterPTS", kFacing, 200, kAdditive),
      possess_splatter("PossessSplatterPTS", kFacing, 50, kAdditive),
      explode("ExplodePTS", kGround, 500, kAdditive),
      spawn("SpawnPTS", kGround, 100, kAdditive),
      boss_target("BossTargetPTS", kGround, 100, kAdditive),
      collect("CollectPTS", kGround, 200, kAdditive),
      key_collect("KeyCollectPTS", kGround, 200, kAdditive),
      crate("CratePTS", kGround, 150, kAlpha) {}

void cGlobalEffects::Create() {
    aura.Fill<cEmitterAura>();
    poof.Fill<cEmitterPoof>();
    slashed.Fill<cEmitterSlashed>();
    splatter.Fill<cEmitterSplatter>();
    possess_splatter.Fill<cEmitterPossessSplatter>();
    explode.Fill<cEmitterRingExplode>();
    spawn.Fill<cEmitterSpawn>();
    boss_target.Fill<cEmitterBossSpawn>();
    collect.Fill<cEmitterCollectable>();
    key_collect.Fill<cEmitterKey>();
    crate.Fill<cEmitterCrate>();
}

void cGlobalEffects::Forget() {
    for (cEffectSlot* slot : {&aura, &poof, &slashed, &splatter, &possess_splatter, &explode, &spawn, &boss_target,
                              &collect, &key_collect, &crate})
        slot->Forget();
}

std::vector<const cEffectSlot*> cGlobalEffects::Slots() const {
    return {&aura, &poof, &slashed, &splatter, &possess_splatter, &explode, &spawn, &boss_target,
            &collect, &key_collect, &crate};
}

}  // namespace Game

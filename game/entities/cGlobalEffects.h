#pragma once
// cGlobalEffects: the effects any entity may fire, each a named particle
// system with one emitter kept in a process-wide slot:
//
//   "AuraPTS"            camera-facing (200, additive)  cEmitterAura
//   "PoofPTS"            camera-facing (200, additive)  cEmitterPoof
//   "SlashedPTS"         camera-facing (200, alpha)     cEmitterSlashed
//   "SplatterPTS"        camera-facing (200, additive)  cEmitterSplatter
//   "PossessSplatterPTS" camera-facing (50, additive)   cEmitterPossessSplatter
//   "ExplodePTS"         ground-lying (500, additive)   cEmitterRingExplode
//   "SpawnPTS"           ground-lying (100, additive)   cEmitterSpawn
//   "BossTargetPTS"      ground-lying (100, additive)   cEmitterBossSpawn
//   "CollectPTS"         ground-lying (200, additive)   cEmitterCollectable
//   "KeyCollectPTS"      ground-lying (200, additive)   cEmitterKey
//   "CratePTS"           ground-lying (150, alpha)      cEmitterCrate
//
// The gameplay state calls Create once as it enters, after the particle
// manager has been started. A system that already exists keeps its capacity
// and blend (the stroke makes "SplatterPTS" with 1000 before this). The
// accessors read the slot at the moment of the call: after the manager is
// cleared they return null until the next Create, so callers test the
// result before firing.

#include <vector>

#include "engine/core/Singleton.h"
#include "game/entities/cEffectSlot.h"
#include "game/entities/cEmitterAura.h"
#include "game/entities/cEmitterBossSpawn.h"
#include "game/entities/cEmitterCollectable.h"
#include "game/entities/cEmitterCrate.h"
#include "game/entities/cEmitterKey.h"
#include "game/entities/cEmitterPoof.h"
#include "game/entities/cEmitterPossessSplatter.h"
#include "game/entities/cEmitterRingExplode.h"
#include "game/entities/cEmitterSlashed.h"
#include "game/entities/cEmitterSpawn.h"
#include "game/entities/cEmitterSplatter.h"

namespace Game {

class cGlobalEffects : public Engine::Singleton<cGlobalEffects> {
    friend class Engine::Singleton<cGlobalEffects>;

public:
    // Makes the eleven systems that are missing and gives every slot without
    // a live emitter a new one of its kind.
    void Create();
    // Forgets every emitter; the manager's Clear deletes them anyway.
    void Forget();

    cEmitterAura* Aura() const { return static_cast<cEmitterAura*>(aura.Get()); }
    cEmitterPoof* Poof() const { return static_cast<cEmitterPoof*>(poof.Get()); }
    cEmitterSlashed* Slashed() const { return static_cast<cEmitterSlashed*>(slashed.Get()); }
    cEmitterSplatter* Splatter() const { return static_cast<cEmitterSplatter*>(splatter.Get()); }
    cEmitterPossessSplatter* PossessSplatter() const {
        return static_cast<cEmitterPossessSplatter*>(possess_splatter.Get());
    }
    cEmitterRingExplode* Explode() const { return static_cast<cEmitterRingExplode*>(explode.Get()); }
    cEmitterSpawn* Spawn() const { return static_cast<cEmitterSpawn*>(spawn.Get()); }
    cEmitterBossSpawn* BossTarget() const { return static_cast<cEmitterBossSpawn*>(boss_target.Get()); }
    cEmitterCollectable* Collect() const { return static_cast<cEmitterCollectable*>(collect.Get()); }
    cEmitterKey* KeyCollect() const { return static_cast<cEmitterKey*>(key_collect.Get()); }
    cEmitterCrate* Crate() const { return static_cast<cEmitterCrate*>(crate.Get()); }

    // The eleven slots in table order, for listing and tests.
    std::vector<const cEffectSlot*> Slots() const;

private:
    cGlobalEffects();

    cEffectSlot aura;
    cEffectSlot poof;
    cEffectSlot slashed;
    cEffectSlot splatter;
    cEffectSlot possess_splatter;
    cEffectSlot explode;
    cEffectSlot spawn;
    cEffectSlot boss_target;
    cEffectSlot collect;
    cEffectSlot key_collect;
    cEffectSlot crate;
};

}  // namespace Game

// cGlobalEffects: the eleven shared effects made by name, their slots read
// at the moment of the call, and a burst fired through a slot reaching its
// system's ring.

#include "game/entities/cGlobalEffects.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "engine/core/Random.h"
#include "engine/particles/cEffectSystem.h"
#include "tests/game/entities/ParticleServices.h"

namespace {

using Engine::cParticleSystem;
using Engine::iParticleEmitter;
using Game::cGlobalEffects;

class GlobalEffectsTest : public ParticleServices {
protected:
    GlobalEffectsTest() {
        Engine::SeedRandomOnce(20261210u);
        cGlobalEffects::Destroy();
    }
    ~GlobalEffectsTest() override { cGlobalEffects::Destroy(); }

    static cGlobalEffects& Effects() { return cGlobalEffects::Instance(); }
};

struct EffectCase {
    std::string name;
    int32_t kind;
    uint32_t capacity;
    int32_t blend;
    std::function<iParticleEmitter*()> slot;
    std::function<bool(iParticleEmitter*)> is_kind;
};

template <typename T>
std::function<bool(iParticleEmitter*)> IsA() {
    return [](iParticleEmitter* e) { return dynamic_cast<T*>(e) != nullptr; };
}

std::vector<EffectCase> Table(cGlobalEffects& g) {
    return {
        {"AuraPTS", 0, 200, 2, [&g] { return g.Aura(); }, IsA<Game::cEmitterAura>()},
        {"PoofPTS", 0, 200, 2, [&g] { return g.Poof(); }, IsA<Game::cEmitterPoof>()},
        {"SlashedPTS", 0, 200, 1, [&g] { return g.Slashed(); }, IsA<Game::cEmitterSlashed>()},
        {"SplatterPTS", 0, 200, 2, [&g] { return g.Splatter(); }, IsA<Game::cEmitterSplatter>()},
        {"PossessSplatterPTS", 0, 50, 2, [&g] { return g.PossessSplatter(); },
         IsA<Game::cEmitterPossessSplatter>()},
        {"ExplodePTS", 1, 500, 2, [&g] { return g.Explode(); }, IsA<Game::cEmitterRingExplode>()},
        {"SpawnPTS", 1, 100, 2, [&g] { return g.Spawn(); }, IsA<Game::cEmitterSpawn>()},
        {"BossTargetPTS", 1, 100, 2, [&g] { return g.BossTarget(); }, IsA<Game::cEmitterBossSpawn>()},
        {"CollectPTS", 1, 200, 2, [&g] { return g.Collect(); },
         [](iParticleEmitter* e) {
             return dynamic_cast<Game::cEmitterCollectable*>(e) && !dynamic_cast<Game::cEmitterKey*>(e);
         }},
        {"KeyCollectPTS", 1, 200, 2, [&g] { return g.KeyCollect(); }, IsA<Game::cEmitterKey>()},
        {"CratePTS", 1, 150, 1, [&g] { return g.Crate(); }, IsA<Game::cEmitterCrate>()},
    };
}

TEST_F(GlobalEffectsTest, CreateMakesTheElevenSystemsEachWithItsEmitter) {
    for (const EffectCase& c : Table(Effects())) EXPECT_EQ(nullptr, c.slot()) << c.name << " before Create";
    Manager().Start();
    Effects().Create();
    const auto table = Table(Effects());
    ASSERT_EQ(table.size(), Manager().Systems().size());
    for (size_t i = 0; i < table.size(); ++i) {
        const EffectCase& c = table[i];
        SCOPED_TRACE(c.name);
        const cParticleSystem& system = *Manager().Systems()[i];
        EXPECT_EQ(c.name, system.Name());
        EXPECT_EQ(c.kind, system.Kind());
        EXPECT_EQ(c.capacity, system.Capacity());
        EXPECT_EQ(c.blend, system.Blend());
        ASSERT_EQ(1u, system.Emitters().size());
        EXPECT_EQ(system.Emitters()[0].get(), c.slot());
        EXPECT_TRUE(c.is_kind(c.slot()));
        EXPECT_NE(nullptr, c.slot()->staging.get()) << "a started system inits its emitter";
    }
}

TEST_F(GlobalEffectsTest, ASplatterSystemMadeEarlierKeepsItsCapacity) {
    cParticleSystem* stroke_splatter = Manager().GetSystem("SplatterPTS", 1000, 2);
    Effects().Create();
    EXPECT_EQ(11u, Manager().Systems().size());
    EXPECT_EQ(1000u, stroke_splatter->Capacity());
    ASSERT_EQ(1u, stroke_splatter->Emitters().size());
    EXPECT_EQ(stroke_splatter->Emitters()[0].get(), Effects().Splatter());
}

TEST_F(GlobalEffectsTest, ASecondCreateKeepsTheLiveEmitters) {
    Effects().Create();
    Game::cEmitterAura* aura = Effects().Aura();
    Effects().Create();
    EXPECT_EQ(aura, Effects().Aura());
    for (const auto& system : Manager().Systems()) EXPECT_EQ(1u, system->Emitters().size()) << system->Name();
}

TEST_F(GlobalEffectsTest, SlotsAreEmptyOnceTheManagerIsClearedUntilTheNextCreate) {
    Manager().Start();
    Effects().Create();
    Manager().Clear();
    for (const EffectCase& c : Table(Effects())) EXPECT_EQ(nullptr, c.slot()) << c.name;
    Manager().Start();
    Effects().Create();
    for (const EffectCase& c : Table(Effects())) EXPECT_NE(nullptr, c.slot()) << c.name;
    Effects().Forget();
    for (const EffectCase& c : Table(Effects())) EXPECT_EQ(nullptr, c.slot()) << c.name << " forgotten";
}

TEST_F(GlobalEffectsTest, AnEffectSystemOfTheSameNameIsNotTheSlotsSystem) {
    Engine::cEffectSystem* ground = Manager().GetEffectSystem("AuraPTS", 10, 1);
    Effects().Create();
    EXPECT_EQ(12u, Manager().Systems().size());
    EXPECT_TRUE(ground->Emitters().empty());
    ASSERT_NE(nullptr, Effects().Aura());
    EXPECT_EQ(Manager().GetSystem("AuraPTS", 200, 2)->Emitters()[0].get(), Effects().Aura());
}

TEST_F(GlobalEffectsTest, AnEmitterItsSystemHasDeletedLeavesTheSlotEmpty) {
    Manager().Start();
    Effects().Create();
    Effects().Poof()->expired = true;
    Manager().Update(0.0f);
    EXPECT_EQ(nullptr, Effects().Poof());
    EXPECT_NE(nullptr, Effects().Aura());
    Effects().Create();
    EXPECT_NE(nullptr, Effects().Poof()) << "the next Create fills the slot again";
}

TEST_F(GlobalEffectsTest, ABurstThroughASlotReachesItsSystemsRing) {
    Manager().Start();
    Effects().Create();
    Effects().Splatter()->Burst({0.0f, 0.0f, 0.0f});
    Effects().Spawn()->Burst({1.0f, 0.0f, 0.0f});
    Manager().Update(0.0f);
    for (const auto& system : Manager().Systems()) {
        const int expected = system->Name() == "SplatterPTS" ? 30 : system->Name() == "SpawnPTS" ? 1 : 0;
        EXPECT_EQ(expected, LiveCount(*system)) << system->Name();
    }
}

}  // namespace

// The ring of a particle system: staged records land at write_index, wrap
// to the front, use every slot, and overwrite whatever they land on.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/particles/cParticleSystem.h"
#include "tests/engine/particles/ParticleFixture.h"

namespace {

using namespace Engine;

struct RingCase {
    const char* name;
    uint32_t capacity;
    // Records staged in each frame, numbered on from 1 across frames.
    std::vector<uint32_t> frames;
    // The number in each slot afterwards (0: never written), and write_index.
    std::vector<float> ring;
    uint32_t write_index;
};

class ParticleRingTest : public ParticleFixture, public ::testing::WithParamInterface<RingCase> {};

TEST_P(ParticleRingTest, StagedRecordsLandInOrderAroundTheRing) {
    const RingCase& c = GetParam();
    EmitterLog log;
    cParticleSystem system("Ring", c.capacity, cParticleSystem::kAlphaBlend);
    system.CreateResources();
    ScriptedEmitter* emitter = AddScripted(system, log, 64);
    float number = 0.0f;
    for (uint32_t staged : c.frames) {
        for (uint32_t i = 0; i < staged; ++i) emitter->next.push_back(Particle({++number, 0.0f, 0.0f}));
        system.Update(0.0f);
        EXPECT_EQ(emitter->staged, 0u);
    }
    ASSERT_EQ(system.Capacity(), c.ring.size());
    std::vector<float> ring;
    for (uint32_t i = 0; i < system.Capacity(); ++i) ring.push_back(system.Particles()[i].position.x);
    EXPECT_EQ(ring, c.ring);
    EXPECT_EQ(system.WriteIndex(), c.write_index);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParticleRingTest,
    ::testing::Values(
        RingCase{"PartFilled", 5, {3}, {1, 2, 3, 0, 0}, 3},
        RingCase{"ExactlyFull", 4, {4}, {1, 2, 3, 4}, 0},
        RingCase{"FillsTheLastSlotBeforeWrapping", 4, {3, 1}, {1, 2, 3, 4}, 0},
        RingCase{"WrapsToTheFront", 4, {3, 3}, {5, 6, 3, 4}, 2},
        RingCase{"CapacityOne", 1, {1, 1, 2}, {4}, 0},
        RingCase{"MoreThanTheRingAtOnce", 4, {10}, {9, 10, 7, 8}, 2},
        RingCase{"MoreThanTheRingFromTheMiddle", 4, {1, 6}, {5, 6, 7, 4}, 3},
        RingCase{"ManyTimesTheRing", 3, {2, 20}, {22, 20, 21}, 1},
        RingCase{"NothingStaged", 3, {0, 0}, {0, 0, 0}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ParticleFixture, ACapacityOfZeroIsLoggedAndHoldsOneParticle) {
    EmitterLog log;
    cParticleSystem system("Empty", 0, cParticleSystem::kAdditiveBlend);
    EXPECT_EQ(system.Capacity(), 1u);
    EXPECT_NE(EngineLog().find("Error: particle system \"Empty\" asked for a capacity of 0"), std::string::npos)
        << EngineLog();
    system.CreateResources();
    ScriptedEmitter* emitter = AddScripted(system, log);
    emitter->next = {Particle({1, 0, 0}), Particle({2, 0, 0})};
    system.Update(0.0f);
    EXPECT_EQ(system.Particles()[0].position.x, 2.0f);
    EXPECT_EQ(system.WriteIndex(), 0u);
}

TEST_F(ParticleFixture, AnUnknownBlendIsLoggedAndDrawsWithAlphaBlending) {
    cParticleSystem system("Odd", 4, 7);
    EXPECT_EQ(system.Blend(), cParticleSystem::kAlphaBlend);
    EXPECT_NE(EngineLog().find("Error: particle system \"Odd\" has an unknown blend 7"), std::string::npos);
}

TEST_F(ParticleFixture, NewRecordsOverwriteLiveOnes) {
    EmitterLog log;
    cParticleSystem system("Overwrite", 2, cParticleSystem::kAlphaBlend);
    system.CreateResources();
    ScriptedEmitter* emitter = AddScripted(system, log);
    emitter->next = {Particle({1, 0, 0}, 5.0f), Particle({2, 0, 0}, 5.0f)};
    system.Update(0.0f);
    emitter->next = {Particle({3, 0, 0}, 0.25f)};
    system.Update(0.0f);
    EXPECT_EQ(system.Particles()[0].position.x, 3.0f);
    EXPECT_EQ(system.Particles()[0].life, 0.25f);
    EXPECT_EQ(system.Particles()[1].position.x, 2.0f);
}

}  // namespace

// A particle system's frame: emitters, motion, culling, the curves and the
// quads it writes into its vertex buffer.

#include "engine/particles/cParticleSystem.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/core/Easing.h"
#include "engine/particles/cEffectSystem.h"
#include "engine/render/cNullVertexBuffer.h"
#include "engine/render/scene/cCameraGfxCmp.h"
#include "engine/render/scene/iCameraSlot.h"
#include "tests/engine/particles/ParticleFixture.h"

namespace {

using namespace Engine;

constexpr float kHalfPi = 1.5707964f;

class FixedCameraSlot : public iCameraSlot {
public:
    cCameraGfxCmp* ActiveCamera() const override { return camera; }
    void SetCamera(cCameraGfxCmp* new_camera) override { camera = new_camera; }
    cCameraGfxCmp* camera = nullptr;
};

struct Corner {
    Vector3 position;
    float u;
    float v;
};

void ExpectCorners(const ParticleVertex* vertices, const std::vector<Corner>& expected) {
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("vertex " + std::to_string(i));
        EXPECT_NEAR(vertices[i].position.x, expected[i].position.x, 1e-5f);
        EXPECT_NEAR(vertices[i].position.y, expected[i].position.y, 1e-5f);
        EXPECT_NEAR(vertices[i].position.z, expected[i].position.z, 1e-5f);
        EXPECT_EQ(vertices[i].u, expected[i].u);
        EXPECT_EQ(vertices[i].v, expected[i].v);
    }
}

// The six corners of a quad around p with half-diagonals a (texture u) and b (texture v).
std::vector<Corner> Quad(const Vector3& p, const Vector3& a, const Vector3& b) {
    const Corner low{p - a, 0, 0};
    const Corner u_corner{p - b, 1, 0};
    const Corner v_corner{p + b, 0, 1};
    const Corner high{p + a, 1, 1};
    return {low, u_corner, v_corner, v_corner, u_corner, high};
}

class ParticleSystemTest : public ParticleFixture {
protected:
    // A created system with one scripted emitter that stages the records at the next update.
    void Stage(cParticleSystem& system, const std::vector<ParticleRecord>& records) {
        if (!system.Created()) system.CreateResources();
        if (emitter == nullptr) emitter = AddScripted(system, log);
        emitter->next = records;
    }

    uint32_t AlphaByte(const cParticleSystem& system, uint32_t quad = 0) const {
        return system.Vertices()[quad * cParticleSystem::kVerticesPerParticle].colour >> 24;
    }

    EmitterLog log;
    ScriptedEmitter* emitter = nullptr;
};

TEST_F(ParticleSystemTest, AFixedStepMovesByVelocityAfterAcceleration) {
    cParticleSystem system("Move", 8, cParticleSystem::kAlphaBlend);
    ParticleRecord record = Particle({0, 0, 0}, 1.0f);
    record.velocity = {1, 0, 0};
    record.acceleration = {0, 2, 0};
    Stage(system, {record});
    system.Update(0.5f);
    const ParticleRecord& moved = system.Particles()[0];
    EXPECT_FLOAT_EQ(moved.life, 0.5f);
    EXPECT_FLOAT_EQ(moved.velocity.y, 1.0f);
    EXPECT_FLOAT_EQ(moved.position.x, 0.5f);
    EXPECT_FLOAT_EQ(moved.position.y, 0.5f);
    system.Update(0.5f);
    EXPECT_FLOAT_EQ(moved.life, 0.0f);
    EXPECT_FLOAT_EQ(moved.position.y, 1.5f);
    // Dead now: it stays where it is and is not drawn.
    system.Update(0.5f);
    EXPECT_FLOAT_EQ(moved.position.y, 1.5f);
    EXPECT_EQ(system.VisibleCount(), 0u);
}

TEST_F(ParticleSystemTest, AZeroStepMovesNothingButMergesAndBuildsTheQuads) {
    cParticleSystem system("Still", 8, cParticleSystem::kAlphaBlend);
    ParticleRecord record = Particle({1, 1, 0}, 0.75f);
    record.velocity = {3, 3, 3};
    Stage(system, {record});
    system.Update(0.0f);
    EXPECT_EQ(system.Particles()[0].position.x, 1.0f);
    EXPECT_EQ(system.Particles()[0].life, 0.75f);
    ASSERT_EQ(system.VisibleCount(), 1u);
    const auto* buffer = dynamic_cast<const cNullVertexBuffer*>(system.VertexBuffer());
    ASSERT_NE(buffer, nullptr);
    const std::size_t bytes = sizeof(ParticleVertex) * cParticleSystem::kVerticesPerParticle;
    ASSERT_GE(buffer->DeviceBytes().size(), bytes);
    EXPECT_EQ(std::memcmp(buffer->DeviceBytes().data(), system.Vertices(), bytes), 0);
    EXPECT_EQ(system.Vertices()[0].position.x, 0.5f);
}

TEST_F(ParticleSystemTest, OnlyLiveRecordsInsideTheViewAreVisibleInRingOrder) {
    cParticleSystem system("Cull", 8, cParticleSystem::kAlphaBlend);
    ParticleRecord dead = Particle({0, 0, 0}, 0.0f);
    dead.velocity = {1, 1, 1};
    Stage(system, {Particle({0, 0, 0}), Particle({0, 0, 20}), Particle({100, 0, 0}), dead, Particle({1, 1, 0})});
    system.Update(0.0f);
    EXPECT_EQ(system.VisibleIndices(), (std::vector<uint32_t>{0, 4}));
    EXPECT_EQ(system.VisibleCount(), 2u);
    system.Update(1.0f);
    EXPECT_EQ(system.Particles()[3].position.x, 0.0f);
}

TEST_F(ParticleSystemTest, QuadsFaceTheActiveCamera) {
    cParticleSystem system("Face", 8, cParticleSystem::kAlphaBlend);
    cCameraGfxCmp camera;
    camera.Initialise({10, 0, 0}, {0, 0, 0}, {0, 1, 0}, 45.0f, 0.1f, 100.0f);
    FixedCameraSlot slot;
    slot.camera = &camera;
    system.SetCameraSlot(&slot);
    ParticleRecord record = Particle({1, 2, 3});
    record.alpha_death = record.alpha_birth = 0.5f;
    Stage(system, {record});
    system.Update(0.0f);
    ASSERT_EQ(system.VisibleCount(), 1u);
    // Seen from +x the camera's right is -z and its up +y.
    ExpectCorners(system.Vertices(), Quad({1, 2, 3}, {0, 0, -0.5f}, {0, 0.5f, 0}));
    for (uint32_t i = 0; i < cParticleSystem::kVerticesPerParticle; ++i) {
        EXPECT_EQ(system.Vertices()[i].colour, 0x7F000000u);
    }
}

TEST_F(ParticleSystemTest, WithoutACameraTheViewMatrixGivesTheAxesAndSpinTurnsThem) {
    cParticleSystem system("Spin", 8, cParticleSystem::kAlphaBlend);
    ParticleRecord record = Particle({0, 1, 0});
    record.spin_death = record.spin_birth = kHalfPi;
    Stage(system, {record});
    system.Update(0.0f);
    // A quarter turn takes right to up and up to left.
    ExpectCorners(system.Vertices(), Quad({0, 1, 0}, {0, 0.5f, 0}, {-0.5f, 0, 0}));
}

TEST_F(ParticleSystemTest, EffectQuadsLieInTheGroundPlaneWhateverTheCamera) {
    cEffectSystem system("Ground", 8, cParticleSystem::kAdditiveBlend);
    EXPECT_EQ(system.Kind(), cEffectSystem::kKind);
    cCameraGfxCmp camera;
    camera.Initialise({3, 4, 5}, {0, 0, 0}, {0, 1, 0}, 45.0f, 0.1f, 100.0f);
    FixedCameraSlot slot;
    slot.camera = &camera;
    system.SetCameraSlot(&slot);
    Stage(system, {Particle({1, 0.5f, 2})});
    system.Update(0.0f);
    ASSERT_EQ(system.VisibleCount(), 1u);
    ExpectCorners(system.Vertices(), Quad({1, 0.5f, 2}, {0.5f, 0, 0}, {0, 0, 0.5f}));
}

TEST_F(ParticleSystemTest, WithLinearCurvesAParticleFadesOutEvenly) {
    cParticleSystem system("Fade", 8, cParticleSystem::kAlphaBlend);
    ParticleRecord record = Particle({0, 0, 0}, 1.0f, 1.0f);
    record.alpha_death = 0.0f;
    record.alpha_birth = 1.0f;
    Stage(system, {record});
    std::vector<uint32_t> alphas;
    for (int frame = 0; frame < 4; ++frame) {
        system.Update(frame == 0 ? 0.0f : 0.25f);
        alphas.push_back(AlphaByte(system));
    }
    EXPECT_EQ(alphas, (std::vector<uint32_t>{255, 191, 127, 63}));
}

TEST_F(ParticleSystemTest, ARecordBornWithLessThanItsLifetimeStartsPartWay) {
    cParticleSystem system("Late", 8, cParticleSystem::kAlphaBlend);
    ParticleRecord record = Particle({0, 0, 0}, 0.5f, 2.0f);
    record.alpha_death = 0.0f;
    record.alpha_birth = 1.0f;
    record.size_death = 0.0f;
    record.size_birth = 1.0f;
    Stage(system, {record});
    system.Update(0.0f);
    EXPECT_EQ(AlphaByte(system), 63u);
    EXPECT_FLOAT_EQ(system.Vertices()[5].position.x, 0.25f);
}

TEST_F(ParticleSystemTest, AlphaIsClampedToOneAndZero) {
    cParticleSystem system("Clamp", 8, cParticleSystem::kAlphaBlend);
    ParticleRecord bright = Particle({0, 0, 0});
    bright.alpha_death = bright.alpha_birth = 1.5f;
    ParticleRecord dark = Particle({0, 0, 0});
    dark.alpha_death = dark.alpha_birth = -0.5f;
    Stage(system, {bright, dark});
    system.Update(0.0f);
    EXPECT_EQ(AlphaByte(system, 0), 255u);
    EXPECT_EQ(AlphaByte(system, 1), 0u);
}

TEST_F(ParticleSystemTest, AnOwnerMayReplaceACurve) {
    cParticleSystem system("Held", 8, cParticleSystem::kAlphaBlend);
    // An age that stays at birth whatever the life left.
    system.life_curve = [](float, float, float to, float) { return to; };
    ParticleRecord record = Particle({0, 0, 0}, 0.1f, 1.0f);
    record.alpha_death = 0.0f;
    record.alpha_birth = 1.0f;
    Stage(system, {record});
    system.Update(0.0f);
    EXPECT_EQ(AlphaByte(system), 255u);
    system.alpha_curve = EaseCosinePulse;
    system.Update(0.0f);
    EXPECT_EQ(AlphaByte(system), 0u);
}

TEST_F(ParticleSystemTest, AMissingCurveIsLoggedAndRunsLinear) {
    cParticleSystem system("Hole", 8, cParticleSystem::kAlphaBlend);
    system.alpha_curve = nullptr;
    ParticleRecord record = Particle({0, 0, 0}, 0.5f, 1.0f);
    record.alpha_death = 0.0f;
    record.alpha_birth = 1.0f;
    Stage(system, {record});
    system.Update(0.0f);
    EXPECT_EQ(AlphaByte(system), 127u);
    EXPECT_NE(EngineLog().find("Error: particle system \"Hole\" has a missing curve"), std::string::npos);
}

TEST_F(ParticleSystemTest, EmittersWaitForTheResourcesBeforeInitAndEmit) {
    cParticleSystem system("Later", 8, cParticleSystem::kAlphaBlend);
    ScriptedEmitter* early = AddScripted(system, log);
    system.Update(0.1f);
    EXPECT_EQ(log.inits, 0);
    EXPECT_EQ(log.emits, 0);
    system.CreateResources();
    EXPECT_EQ(log.inits, 1);
    system.CreateResources();
    EXPECT_EQ(log.inits, 1);
    early->next = {Particle({0, 0, 0})};
    system.Update(0.0f);
    EXPECT_EQ(log.emits, 1);
    EXPECT_EQ(system.VisibleCount(), 1u);
}

TEST_F(ParticleSystemTest, AnExpiredEmitterIsMergedOnceMoreThenReleasedAndDeleted) {
    EmitterLog other_log;
    cParticleSystem system("Expire", 8, cParticleSystem::kAlphaBlend);
    Stage(system, {Particle({0, 0, 0})});
    AddScripted(system, other_log);
    emitter->expired = true;
    system.Update(0.0f);
    EXPECT_EQ(system.VisibleCount(), 1u);
    EXPECT_TRUE(log.deleted);
    EXPECT_EQ(log.releases, 1);
    ASSERT_EQ(system.Emitters().size(), 1u);
    EXPECT_FALSE(other_log.deleted);
    system.Update(0.0f);
    EXPECT_EQ(other_log.emits, 2);
}

TEST_F(ParticleSystemTest, ReleasingTheResourcesDeletesEmittersAndTheBuffer) {
    cParticleSystem system("Gone", 8, cParticleSystem::kAlphaBlend);
    Stage(system, {Particle({0, 0, 0})});
    system.Update(0.0f);
    system.ReleaseResources();
    EXPECT_FALSE(system.Created());
    EXPECT_EQ(system.Particles(), nullptr);
    EXPECT_EQ(system.VertexBuffer(), nullptr);
    EXPECT_EQ(log.releases, 1);
    EXPECT_TRUE(log.deleted);
    EXPECT_TRUE(system.Emitters().empty());
}

TEST_F(ParticleSystemTest, TheVertexBufferHoldsSixVerticesOf24BytesPerParticle) {
    cParticleSystem system("Layout", 10, cParticleSystem::kAlphaBlend);
    system.CreateResources();
    ASSERT_NE(system.VertexBuffer(), nullptr);
    EXPECT_EQ(system.VertexBuffer()->GetCount(), 60u);
    EXPECT_EQ(system.VertexBuffer()->GetStride(), 24u);
}

}  // namespace

// Model and sprite animation sets: frame and interpolant rules, attaching to
// meshes, choosing pairs, and the registry of animated sets.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/resource/cAnimationRegistry.h"
#include "engine/resource/cModelAnimationSet.h"
#include "engine/resource/cSpriteAnimationSet.h"
#include "tests/engine/resource/MeshFixture.h"

namespace Engine {
namespace {

using TestSupport::Md2Description;
using TestSupport::NumberedFrames;

class AnimationSetTest : public MeshFixture {
protected:
    // A mesh with run (0, 5) and jump (6, 8): loop pairs jump then run.
    cMesh* RunAndJump() {
        Md2Description d;
        d.frameNames = NumberedFrames("run", 6);
        for (const std::string& name : NumberedFrames("jump", 3)) d.frameNames.push_back(name);
        return LoadMd2("kid", d);
    }

    cModelAnimationSet* Attached(cMesh* mesh) {
        cModelAnimationSet* set = cAnimationRegistry::Instance().TakeModelSet();
        set->AttachModel(this, mesh);
        return set;
    }
};

struct ModelStepCase {
    const char* what;
    bool loop;
    uint32_t startFrame;
    float dt;
    int steps;
    uint32_t frame;
    float time;
    bool loopPair;
    bool finished;
};

TEST_F(AnimationSetTest, ModelFramesAdvanceByWholeFramesAndWrapOrStop) {
    const std::vector<ModelStepCase> cases{
        {"three frames in one step wrap to first + (7 mod 5) - 1", true, 4, 0.11f, 1, 1, 0.11f - 3.0f / 30, false,
         false},
        {"less than a frame only adds time", true, 0, 0.02f, 1, 0, 0.02f, false, false},
        {"reaching last draws the loop pair", true, 0, 0.045f, 4, 5, 4 * 0.045f - 5.0f / 30, true, false},
        {"one past last leaves the loop pair at first", true, 0, 0.045f, 5, 0, 5 * 0.045f - 6.0f / 30, false,
         false},
        {"not looping: stops at last with time 0", false, 3, 0.1f, 1, 5, 0.0f, false, true},
        {"not looping: before last it runs on", false, 0, 0.045f, 3, 4, 3 * 0.045f - 4.0f / 30, false, false},
        {"not looping: nothing after finishing", false, 0, 0.1f, 6, 5, 0.0f, false, true},
    };
    cMesh* mesh = RunAndJump();
    for (const ModelStepCase& c : cases) {
        cModelAnimationSet* set = Attached(mesh);
        ASSERT_TRUE(set->Play("run"));
        set->SetLooping(c.loop);
        // Walk to the start frame one frame at a time, then take back the small remainder.
        for (uint32_t i = 0; i < c.startFrame; ++i) set->Update(1.0f / 30 + 1e-4f);
        set->Update(-(set->Time()));
        ASSERT_EQ(set->Frame(), c.startFrame) << c.what;
        for (int step = 0; step < c.steps; ++step) set->Update(c.dt);
        EXPECT_EQ(set->Frame(), c.frame) << c.what;
        EXPECT_NEAR(set->Time(), c.time, 1e-5f) << c.what;
        EXPECT_EQ(set->HasFlag(cModelAnimationSet::AF_LoopPair), c.loopPair) << c.what;
        EXPECT_EQ(set->HasFlag(cModelAnimationSet::AF_Finished), c.finished) << c.what;
        cAnimationRegistry::Instance().GiveBackModelSet(set);
    }
}

TEST_F(AnimationSetTest, SelectPairChoosesTheFramePairOrTheAnimationsLoopPair) {
    cMesh* mesh = RunAndJump();
    cModelAnimationSet* set = Attached(mesh);
    ASSERT_EQ(set->Animations().size(), 2u) << "a mesh with two loop pairs lends its table";
    set->Play("run");
    set->Update(0.11f);
    set->SelectPair();
    EXPECT_EQ(mesh->PairIndex(), 3u);
    EXPECT_FALSE(mesh->UseLoopPair());
    EXPECT_NEAR(set->Interpolant(), 0.3f, 1e-4f) << "0.01 s into a frame of 1/30 s";

    set->Update(0.06f);  // frame 4 -> 5 = last: the loop pair
    set->SelectPair();
    EXPECT_TRUE(mesh->UseLoopPair());
    EXPECT_EQ(mesh->PairIndex(), 1u) << "run is second in name order";
    mesh->Draw(renderer);
    ASSERT_EQ(renderer.draws.size(), 1u);
    EXPECT_EQ(renderer.draws[0].vertexBuffer, mesh->LoopPairs()[1]);
}

TEST_F(AnimationSetTest, AttachingSetsThePlayerUpAndEntersTheAnimatedList) {
    cMesh* mesh = RunAndJump();
    mesh->SetPairIndex(7);
    mesh->SetUseLoopPair(true);
    cModelAnimationSet* set = Attached(mesh);
    EXPECT_EQ(set->Owner(), this);
    EXPECT_EQ(set->Mesh(), mesh);
    EXPECT_EQ(set->Flags(), uint32_t(cModelAnimationSet::AF_Loop));
    EXPECT_FLOAT_EQ(set->FrameTime(), 1.0f / 30);
    EXPECT_EQ(set->Speed(), 1.0f);
    EXPECT_TRUE(set->Current().empty());
    EXPECT_EQ(mesh->PairIndex(), 0u);
    EXPECT_FALSE(mesh->UseLoopPair());
    EXPECT_EQ(cAnimationRegistry::Instance().AnimatedModels(), (std::vector<cModelAnimationSet*>{set}));

    set->DetachModel();
    EXPECT_TRUE(cAnimationRegistry::Instance().AnimatedModels().empty());
    EXPECT_EQ(set->Flags(), uint32_t(cModelAnimationSet::AF_Stopped));
    EXPECT_EQ(set->Mesh(), nullptr);
    EXPECT_TRUE(set->Animations().empty());
}

TEST_F(AnimationSetTest, AMeshWithOneAnimationLendsNoTable) {
    Md2Description d;
    d.frameNames = NumberedFrames("spin", 4);
    cModelAnimationSet* set = Attached(LoadMd2("fan", d));
    EXPECT_TRUE(set->Animations().empty());
    EXPECT_FALSE(set->Play("spin"));
}

TEST_F(AnimationSetTest, AnEmptyRangeIsNeverAdvanced) {
    cModelAnimationSet* set = Attached(RunAndJump());
    set->Update(1.0f);  // nothing played: first == last == 0
    EXPECT_EQ(set->Frame(), 0u);
    EXPECT_EQ(set->Time(), 0.0f);
    set->AddAnimation("pose", 3, 3);
    ASSERT_TRUE(set->Play("pose"));
    set->Update(1.0f);
    EXPECT_EQ(set->Frame(), 3u);
    EXPECT_FALSE(set->HasFlag(cModelAnimationSet::AF_FrameAdvanced));
}

TEST_F(AnimationSetTest, AddAnimationKeepsTheFirstRangeAndPlaysALoneEntry) {
    cModelAnimationSet* set = Attached(nullptr);
    set->AddAnimation("idle", 2, 6);
    EXPECT_EQ(set->Current(), "idle");
    EXPECT_EQ(set->Frame(), 2u);
    set->AddAnimation("idle", 9, 12);
    set->AddAnimation("walk", 7, 9);
    EXPECT_EQ(set->Animations().at("idle").last, 6u);
    EXPECT_EQ(set->Current(), "idle") << "a second entry is not played";
    EXPECT_FALSE(set->Play("swim"));
    EXPECT_EQ(set->Current(), "idle");
    set->Update(0.05f);
    set->Play("walk");
    EXPECT_EQ(set->Frame(), 7u);
    EXPECT_EQ(set->Time(), 0.0f);
    EXPECT_FALSE(set->HasFlag(cModelAnimationSet::AF_FrameAdvanced));
    set->SelectPair();  // no mesh: only the interpolant
    EXPECT_EQ(set->Interpolant(), 0.0f);
}

struct SpriteStepCase {
    const char* what;
    bool loop;
    uint32_t first, last;
    float dt;
    int steps;
    uint32_t frame;
    bool finished;
};

TEST_F(AnimationSetTest, SpriteFramesStepByOneAndDropTheRest) {
    const std::vector<SpriteStepCase> cases{
        {"a long step is still one frame", true, 0, 3, 0.25f, 1, 1, false},
        {"too short a step does nothing", true, 0, 3, 0.05f, 1, 0, false},
        {"looping goes back to first after last", true, 0, 3, 0.15f, 4, 0, false},
        {"looping shows last", true, 2, 4, 0.15f, 2, 4, false},
        {"not looping stops on last", false, 0, 3, 0.15f, 3, 3, true},
        {"not looping stays on last", false, 0, 3, 0.15f, 9, 3, true},
        {"one cell stops on it", false, 2, 2, 0.15f, 3, 2, true},
    };
    for (const SpriteStepCase& c : cases) {
        cSpriteAnimationSet* set = cAnimationRegistry::Instance().TakeSpriteSet();
        set->SetFrameTime(0.1f);
        set->AddAnimation("cells", c.first, c.last);
        set->SetLooping(c.loop);
        set->SetPaused(false);
        for (int step = 0; step < c.steps; ++step) set->Update(c.dt);
        EXPECT_EQ(set->Frame(), c.frame) << c.what;
        EXPECT_EQ(set->Finished(), c.finished) << c.what;
        if (c.dt > 0.1f) {
            EXPECT_EQ(set->Time(), 0.0f) << c.what;
        }
        cAnimationRegistry::Instance().GiveBackSpriteSet(set);
    }
}

TEST_F(AnimationSetTest, AResetSpriteIsPausedAndEmpty) {
    cAnimationRegistry& registry = cAnimationRegistry::Instance();
    cSpriteAnimationSet* set = registry.TakeSpriteSet();
    EXPECT_TRUE(set->Paused());
    set->SetFrameTime(0.1f);
    set->AddAnimation("hover", 1, 1);
    set->AddAnimation("idle", 0, 0);
    EXPECT_EQ(set->Current(), "hover");
    EXPECT_TRUE(set->Play("idle"));
    EXPECT_EQ(set->Frame(), 0u);
    set->Update(1.0f);
    EXPECT_EQ(set->Frame(), 0u) << "paused: the chosen cell stays";
    registry.AddSprite(set);
    set->Reset();
    EXPECT_TRUE(registry.AnimatedSprites().empty());
    EXPECT_TRUE(set->Paused());
    EXPECT_TRUE(set->Animations().empty() && set->Current().empty());
    EXPECT_EQ(set->FrameTime(), 0.0f);
    EXPECT_EQ(set->Speed(), 0.0f);
    EXPECT_FALSE(set->Looping() || set->Finished());
}

TEST_F(AnimationSetTest, UpdateAnimationsAdvancesOnlyTheListedSets) {
    cAnimationRegistry& registry = cAnimationRegistry::Instance();
    cModelAnimationSet* listed = Attached(nullptr);
    listed->AddAnimation("walk", 0, 10);
    cModelAnimationSet* detached = Attached(nullptr);
    detached->AddAnimation("walk", 0, 10);
    detached->DetachModel();
    cSpriteAnimationSet* sprite = registry.TakeSpriteSet();
    sprite->SetFrameTime(0.01f);
    sprite->AddAnimation("spin", 0, 10);
    sprite->SetPaused(false);
    registry.AddSprite(sprite);
    registry.AddSprite(sprite);
    EXPECT_EQ(registry.AnimatedSprites().size(), 1u);
    registry.UpdateAnimations(0.05f);
    EXPECT_EQ(listed->Frame(), 1u);
    EXPECT_EQ(detached->Frame(), 0u);
    EXPECT_EQ(sprite->Frame(), 1u);
}

TEST_F(AnimationSetTest, PlayingAFinishedAnimationRunsItAgain) {
    cAnimationRegistry& registry = cAnimationRegistry::Instance();
    cSpriteAnimationSet* set = registry.TakeSpriteSet();
    set->SetFrameTime(0.1f);
    set->SetPaused(false);
    set->AddAnimation("blink", 0, 3);
    for (int step = 0; step < 4; ++step) set->Update(0.2f);
    ASSERT_TRUE(set->Finished());
    ASSERT_TRUE(set->Play("blink"));
    EXPECT_FALSE(set->Finished());
    set->Update(0.2f);
    EXPECT_EQ(set->Frame(), 1u);
    registry.GiveBackSpriteSet(set);
}

}  // namespace
}  // namespace Engine

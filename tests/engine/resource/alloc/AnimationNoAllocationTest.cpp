// Advancing animations every frame allocates nothing.
#include <gtest/gtest.h>

#include <vector>

#include "engine/resource/cAnimationRegistry.h"
#include "tests/engine/resource/MeshFixture.h"
#include "tests/support/alloc/AllocationCounter.h"

namespace Engine {
namespace {

class AnimationNoAllocationTest : public MeshFixture {};

TEST_F(AnimationNoAllocationTest, AFrameOfAThousandAnimatedModelsAllocatesNothing) {
    TestSupport::Md2Description d;
    d.frameNames = TestSupport::NumberedFrames("walk", 10);
    d.frameNames.push_back("idle");
    cMesh* mesh = LoadMd2("ghost", d);
    cAnimationRegistry& registry = cAnimationRegistry::Instance();
    std::vector<cModelAnimationSet*> sets;
    for (int i = 0; i < 1000; ++i) {
        cModelAnimationSet* set = registry.TakeModelSet();
        set->AttachModel(nullptr, mesh);
        ASSERT_TRUE(set->Play("walk"));
        sets.push_back(set);
    }
    const std::size_t before = TestSupport::AllocationCount();
    for (int frame = 0; frame < 43; ++frame) {
        registry.UpdateAnimations(0.034f);
        for (cModelAnimationSet* set : sets) set->SelectPair();
    }
    EXPECT_EQ(TestSupport::AllocationCount() - before, 0u);
    // One frame per update; a cycle of walk (0, 9) is 10 updates: 0 to 8, the loop pair at 9, then 0.
    EXPECT_EQ(sets.front()->Frame(), 3u) << "the sets really advanced";
    EXPECT_EQ(mesh->PairIndex(), 3u);
}

TEST_F(AnimationNoAllocationTest, TheCounterSeesAllocations) {
    const std::size_t before = TestSupport::AllocationCount();
    cAnimationRegistry::Instance().AddModel(cAnimationRegistry::Instance().TakeModelSet());
    EXPECT_GT(TestSupport::AllocationCount() - before, 0u);
}

}  // namespace
}  // namespace Engine

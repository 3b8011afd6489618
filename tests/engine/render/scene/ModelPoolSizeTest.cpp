// The model component pool's size: whole blocks of sixteen components,
// built as they are needed and kept when the components come back.

#include <gtest/gtest.h>

#include <vector>

#include "engine/render/scene/cModelGfxCmpPool.h"

namespace {

TEST(ModelPoolSizeTest, BuildsBlocksOnDemandAndKeepsThemAfterGivingBack) {
    Engine::cModelGfxCmpPool pool(nullptr);
    EXPECT_EQ(pool.BuiltCount(), 16u);
    std::vector<Engine::cModelGfxCmp*> taken;
    for (int i = 0; i < 17; ++i) taken.push_back(pool.Take());
    EXPECT_EQ(pool.BuiltCount(), 32u);
    EXPECT_EQ(pool.InUse(), 17u);
    pool.GiveBack(taken.back());
    EXPECT_EQ(pool.InUse(), 16u);
    pool.ReleaseAll();
    EXPECT_EQ(pool.InUse(), 0u);
    EXPECT_EQ(pool.BuiltCount(), 32u);
    for (int i = 0; i < 32; ++i) pool.Take();
    EXPECT_EQ(pool.BuiltCount(), 32u) << "every component came back, so none is built";
}

}  // namespace

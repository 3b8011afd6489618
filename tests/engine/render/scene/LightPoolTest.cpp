// The light pool: lights handed out initialised and listed, released back
// once with everything they held, a stray release refused.
#include "engine/render/scene/cLightPool.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/engine/render/scene/LightFixture.h"

namespace Engine {
namespace {

class LightPoolTest : public LightFixture {
protected:
    ~LightPoolTest() override { cLightPool::Destroy(); }

    cLightPool& pool = cLightPool::Instance();
};

TEST_F(LightPoolTest, CreatedLightsAreInitialisedAndListedInOrder) {
    cLightGfxCmp* sun = pool.CreateLight("gDirectional");
    cLightGfxCmp* lantern = pool.CreateLight("gKidLight");
    EXPECT_NE(sun, lantern);
    EXPECT_EQ(sun->Name(), "gDirectional");
    EXPECT_EQ(lantern->light.range, 100.0f);
    EXPECT_EQ(pool.Lights(), (std::vector<cLightGfxCmp*>{sun, lantern}));
    EXPECT_EQ(pool.FreeCount(), cLightPool::kBlockSize - 2);
}

TEST_F(LightPoolTest, ReleasingGivesTheLightBackOnceWithEverythingItHeld) {
    cLightGfxCmp* lantern = pool.CreateLight("gKidLight");
    cLightGfxCmp* kept = lantern;
    cLightManager::Instance().EnableLight(lantern->light, true);
    lantern->SetCastsShadow(true, "kidshadow");
    pool.ReleaseLight(lantern);
    EXPECT_EQ(lantern, nullptr);
    EXPECT_TRUE(pool.Lights().empty());
    EXPECT_EQ(pool.FreeCount(), cLightPool::kBlockSize);
    EXPECT_TRUE(kept->Name().empty());
    EXPECT_TRUE(cLightManager::Instance().ActiveLights().empty());
    EXPECT_TRUE(cShadowCasterList::Instance().Casters().empty());
    EXPECT_EQ(Textures().FindTexture("kidshadow"), nullptr);

    // A second release of the same light is refused, not queued twice.
    cLightGfxCmp* stale = kept;
    pool.ReleaseLight(stale);
    EXPECT_EQ(stale, kept);
    EXPECT_EQ(pool.FreeCount(), cLightPool::kBlockSize);
    EXPECT_NE(EngineLog().find("Error: a light that is not in use was released"), std::string::npos);
}

TEST_F(LightPoolTest, ReleaseAllEmptiesThePool) {
    pool.CreateLight("a");
    pool.CreateLight("b");
    pool.ReleaseAll();
    EXPECT_TRUE(pool.Lights().empty());
    EXPECT_EQ(pool.FreeCount(), cLightPool::kBlockSize);
}

}  // namespace
}  // namespace Engine

// The light entity: a light and an entity at once, created under a light
// name as "lightent", carrying its position into the light each step, and
// giving everything back when reset.
#include "engine/render/scene/cLightEntity.h"

#include <gtest/gtest.h>

#include "engine/entity/eEngineEntityTypes.h"
#include "tests/engine/render/scene/LightFixture.h"

namespace Engine {
namespace {

class LightEntityTest : public LightFixture {
protected:
    cLightEntity entity;
};

TEST_F(LightEntityTest, CreationNamesTheLightAndTheEntitySeparately) {
    entity.light.type = LT_Directional;
    entity.light.range = 5;
    entity.Init("gDirectional");
    EXPECT_EQ(entity.Name(), "gDirectional");
    EXPECT_EQ(entity.cEntity::name, "lightent");
    EXPECT_TRUE(entity.active);
    EXPECT_EQ(entity.GetType(), ENGINE_ENT_TYPES::LIGHT_ENTITY);
    EXPECT_EQ(entity.light.type, LT_Directional);
    EXPECT_EQ(entity.light.range, 100.0f);
}

TEST_F(LightEntityTest, EachStepCarriesThePositionIntoTheLightAndTheWorldMatrix) {
    entity.Init("gKidLight");
    entity.AttachProgram(Pixel());
    entity.position = {3, 4, 5};
    entity.Update(0.016f);
    EXPECT_EQ(entity.light.position, Vector3(3, 4, 5));
    EXPECT_EQ(entity.world.m[0][3], 3.0f);
    EXPECT_EQ(entity.world.m[2][3], 5.0f);
    Program().UploadBindings();
    EXPECT_EQ(Sent(Pixel(), "gKidLightPosition"), (std::vector<float>{3, 4, 5}));
}

TEST_F(LightEntityTest, ResetTearsDownTheEntityAndReleasesTheLight) {
    entity.Init("gKidLight");
    cLightManager::Instance().EnableLight(entity.light, true);
    entity.SetCastsShadow(true, "kidshadow");
    entity.AttachProgram(Pixel());
    entity.Reset();
    EXPECT_FALSE(entity.active);
    EXPECT_TRUE(entity.cEntity::name.empty());
    EXPECT_TRUE(entity.Name().empty());
    EXPECT_EQ(entity.light.slot, LightRecord::kNoSlot);
    EXPECT_TRUE(cLightManager::Instance().ActiveLights().empty());
    EXPECT_TRUE(cShadowCasterList::Instance().Casters().empty());
    EXPECT_EQ(entity.shadowMap, nullptr);
    EXPECT_TRUE(entity.programs.empty());
}

}  // namespace
}  // namespace Engine

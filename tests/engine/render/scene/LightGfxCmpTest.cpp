// The light component: its defaults, the thirteen constants that follow the
// live record by name on every attached stage, its shadow map and depth
// surface, the shadow target with its viewport, the shadow constants.
#include "engine/render/scene/cLightGfxCmp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/render/scene/LightShadowMatrices.h"
#include "engine/resource/cNullTexture.h"
#include "engine/resource/eTextureFormat.h"
#include "engine/resource/eTextureType.h"
#include "engine/resource/iTexture.h"
#include "tests/engine/render/scene/LightFixture.h"

namespace Engine {
namespace {

class LightGfxCmpTest : public LightFixture {
protected:
    // The light's thirteen constants as the pixel stage last received them.
    std::vector<std::vector<float>> SentRecord() {
        std::vector<std::vector<float>> values;
        for (const char* suffix : {"Type", "Ambient", "Diffuse", "Specular", "Position", "Direction", "Range",
                                   "FallOff", "ConstAttn", "LinAttn", "QuadAttn", "InnerCone", "OuterCone"}) {
            values.push_back(Sent(Pixel(), std::string("gKidLight") + suffix));
        }
        return values;
    }
    static std::vector<float> Floats(const Matrix4x4& m) { return {&m.m[0][0], &m.m[0][0] + 16}; }

    cLightGfxCmp lantern;
};

TEST_F(LightGfxCmpTest, InitialiseSetsTheDefaultsButKeepsTheType) {
    lantern.light.type = LT_Spot;
    lantern.light.diffuse = {1, 1, 1, 1};
    lantern.light.range = 7;
    lantern.light.innerCone = 3;
    lantern.light.outerCone = 3;
    lantern.light.attenuation1 = 2;
    lantern.light.direction = {1, 0, 0};
    lantern.Initialise("gKidLight");
    const LightRecord& light = lantern.light;
    EXPECT_EQ(light.type, LT_Spot);
    EXPECT_EQ(light.diffuse, ColorRGBA(0, 0, 0, 1));
    EXPECT_EQ(light.specular, ColorRGBA(0, 0, 0, 1));
    EXPECT_EQ(light.ambient, ColorRGBA(0, 0, 0, 1));
    EXPECT_EQ(light.position, Vector3(0, 0, 0));
    EXPECT_EQ(light.direction, Vector3(0, 0, 0));
    EXPECT_EQ(light.range, 100.0f);
    EXPECT_EQ(light.falloff, 1.0f);
    EXPECT_EQ(light.attenuation0, 0.0f);
    EXPECT_EQ(light.attenuation1, 0.0f);
    EXPECT_EQ(light.attenuation2, 0.0f);
    // 15 and 30 degrees, in radians.
    EXPECT_NEAR(light.innerCone, 0.2617994f, 1e-6f);
    EXPECT_NEAR(light.outerCone, 0.5235988f, 1e-6f);
    EXPECT_EQ(light.slot, LightRecord::kNoSlot);
    EXPECT_EQ(lantern.Name(), "gKidLight");
    EXPECT_EQ(lantern.OuterCone(), light.outerCone);
}

TEST_F(LightGfxCmpTest, AttachedStagesReceiveTheLiveRecordByName) {
    lantern.Initialise("gKidLight");
    lantern.AttachProgram(Vertex());
    lantern.AttachProgram(Pixel());
    LightRecord& light = lantern.light;
    light.type = LT_Spot;
    light.ambient = {0.1f, 0.2f, 0.3f, 0.4f};
    light.diffuse = {0.5f, 0.6f, 0.7f, 0.8f};
    light.specular = {0.9f, 1.0f, 0.25f, 0.75f};
    lantern.Place({1, 2, 3}, {0, -1, 0});
    light.range = 40;
    light.falloff = 2;
    light.attenuation0 = 0.125f;
    light.attenuation1 = 0.25f;
    light.attenuation2 = 0.5f;
    light.innerCone = 0.3f;
    light.outerCone = 0.6f;
    Program().UploadBindings();
    const std::vector<std::vector<float>> expected = {
        {2}, {0.1f, 0.2f, 0.3f, 0.4f}, {0.5f, 0.6f, 0.7f, 0.8f}, {0.9f, 1.0f, 0.25f, 0.75f}, {1, 2, 3},
        {0, -1, 0}, {40}, {2}, {0.125f}, {0.25f}, {0.5f}, {0.3f}, {0.6f}};
    EXPECT_EQ(SentRecord(), expected);
    EXPECT_EQ(Sent(Vertex(), "gKidLightPosition"), (std::vector<float>{1, 2, 3})) << "both stages are bound";

    // The bindings point at the record: a moved light needs no new call.
    lantern.Place({-4, 5, 6}, {1, 0, 0});
    Program().UploadBindings();
    EXPECT_EQ(Sent(Pixel(), "gKidLightPosition"), (std::vector<float>{-4, 5, 6}));
    EXPECT_EQ(Sent(Vertex(), "gKidLightPosition"), (std::vector<float>{-4, 5, 6}));
    EXPECT_EQ(Sent(Pixel(), "gKidLightDirection"), (std::vector<float>{1, 0, 0}));
}

TEST_F(LightGfxCmpTest, ALightBindsOnlyConstantsOfItsOwnName) {
    cLightGfxCmp lamp;
    lamp.Initialise("lamp");
    lamp.AttachProgram(Pixel());
    lamp.light.diffuse = {1, 1, 1, 1};
    Program().UploadBindings();
    EXPECT_TRUE(Sent(Pixel(), "gKidLightDiffuse").empty());
}

TEST_F(LightGfxCmpTest, DetachingLeavesNoStageWithALightBinding) {
    lantern.Initialise("gKidLight");
    lantern.AttachProgram(Vertex());
    lantern.AttachProgram(Pixel());
    lantern.light.range = 10;
    lantern.light.position = {1, 1, 1};
    Program().UploadBindings();
    lantern.DetachPrograms();
    EXPECT_TRUE(lantern.programs.empty());
    lantern.light.range = 20;
    lantern.light.position = {2, 2, 2};
    Program().UploadBindings();
    EXPECT_EQ(Sent(Pixel(), "gKidLightRange"), std::vector<float>{10});
    EXPECT_EQ(Sent(Vertex(), "gKidLightPosition"), (std::vector<float>{1, 1, 1}));

    // A later light of the same name binds afresh, not the old record.
    cLightGfxCmp other;
    other.Initialise("gKidLight");
    other.AttachProgram(Pixel());
    other.light.range = 30;
    Program().UploadBindings();
    EXPECT_EQ(Sent(Pixel(), "gKidLightRange"), std::vector<float>{30});
}

TEST_F(LightGfxCmpTest, AStageIsAttachedOnceAndANullStageIsRefusedWithALogLine) {
    lantern.Initialise("gKidLight");
    lantern.AttachProgram(Pixel());
    lantern.AttachProgram(Pixel());
    EXPECT_EQ(lantern.programs.size(), 1u);
    lantern.AttachProgram(nullptr);
    EXPECT_EQ(lantern.programs.size(), 1u);
    EXPECT_NE(EngineLog().find("Error: the light gKidLight was given no shader stage"), std::string::npos);
}

TEST_F(LightGfxCmpTest, CastingShadowsTwiceListsTheLightOnceAndMakesTheTexturesOnce) {
    lantern.Initialise("gKidLight");
    lantern.SetCastsShadow(true, "kidshadow");
    iTexture* map = lantern.shadowMap;
    iTexture* depth = lantern.shadowDepth;
    ASSERT_NE(map, nullptr);
    ASSERT_NE(depth, nullptr);
    lantern.SetCastsShadow(true, "kidshadow");
    EXPECT_EQ(cShadowCasterList::Instance().Casters(), std::vector<iShadowCaster*>{&lantern});
    EXPECT_EQ(lantern.shadowMap, map);
    EXPECT_EQ(map->RefCount(), 1);
    EXPECT_EQ(map->Name(), "kidshadow");
    EXPECT_EQ(map->Type(), TT_RenderTarget);
    EXPECT_EQ(map->Format(), TF_R32F);
    EXPECT_EQ(map->Width(), 1024);
    EXPECT_EQ(map->Height(), 1024);
    EXPECT_EQ(depth->Name(), "kidshadowstencildepthmap");
    EXPECT_EQ(depth->Type(), TT_DepthSurface);
    EXPECT_EQ(depth->Width(), 1024);
    EXPECT_EQ(depth->RefCount(), 1);

    lantern.SetCastsShadow(false, "");
    EXPECT_TRUE(cShadowCasterList::Instance().Casters().empty());
    EXPECT_EQ(lantern.shadowMap, nullptr);
    EXPECT_EQ(lantern.shadowDepth, nullptr);
    EXPECT_EQ(Textures().FindTexture("kidshadow"), nullptr);
    EXPECT_EQ(Textures().FindTexture("kidshadowstencildepthmap"), nullptr);
}

TEST_F(LightGfxCmpTest, TheShadowTargetDrawsIntoTheMapOverItsWholeSizeAndPutsEverythingBack) {
    lantern.Initialise("gKidLight");
    EXPECT_FALSE(lantern.BeginShadowTarget()) << "no map yet: the shadow pass skips the light";
    lantern.SetCastsShadow(true, "kidshadow");
    renderer.SetViewport(10, 20, 300, 200);
    cNullTextureDevice* device = &static_cast<cNullTextureManager&>(Textures()).GetDevice();

    ASSERT_TRUE(lantern.BeginShadowTarget());
    EXPECT_EQ(device->ColourTarget(), lantern.shadowMap);
    EXPECT_EQ(device->DepthTarget(), lantern.shadowDepth);
    EXPECT_EQ(renderer.GetViewport().x, 0);
    EXPECT_EQ(renderer.GetViewport().y, 0);
    EXPECT_EQ(renderer.GetViewport().width, 1024);
    EXPECT_EQ(renderer.GetViewport().height, 1024);

    lantern.EndShadowTarget();
    EXPECT_EQ(device->ColourTarget(), nullptr);
    EXPECT_EQ(device->DepthTarget(), nullptr);
    EXPECT_EQ(renderer.GetViewport().x, 10);
    EXPECT_EQ(renderer.GetViewport().y, 20);
    EXPECT_EQ(renderer.GetViewport().width, 300);
    EXPECT_EQ(renderer.GetViewport().height, 200);
}

TEST_F(LightGfxCmpTest, ShadowMatricesGoToEveryStageUnderTheLightsName) {
    lantern.Initialise("gKidLight");
    lantern.AttachProgram(Vertex());
    lantern.AttachProgram(Pixel());
    lantern.Place({0, 6, 0}, {0, -1, 0});
    lantern.UploadShadowMatrices();
    const Matrix4x4 view = LightViewMatrix({0, 6, 0}, {0, -1, 0});
    EXPECT_EQ(lantern.ViewMatrix(), view);
    const Matrix4x4 projection = LightProjectionMatrix("gKidLight", lantern.light.outerCone);
    EXPECT_EQ(Sent(Vertex(), "gKidLightViewMatrix"), Floats(view));
    EXPECT_EQ(Sent(Vertex(), "gKidLightVPMatrix"), Floats(projection * view));
    EXPECT_NEAR(projection.m[0][0], 1.0f / std::tan(1.2217305f), 1e-6f);
}

TEST_F(LightGfxCmpTest, TheShadowMapBindsToTheSamplerStageOfTheFirstStageThatReadsIt) {
    lantern.Initialise("gKidLight");
    lantern.AttachProgram(Vertex());  // reads no shadow map: passed over
    lantern.AttachProgram(Pixel());
    lantern.BindShadowMap();
    EXPECT_EQ(renderer.Texture(6), 0u) << "no map: nothing bound";
    lantern.SetCastsShadow(true, "kidshadow");
    lantern.BindShadowMap();
    EXPECT_EQ(lantern.shadowMap->Stage(), 6);
    EXPECT_EQ(renderer.Texture(6), static_cast<cNullTexture*>(lantern.shadowMap)->DeviceName());
    EXPECT_NE(renderer.Texture(6), 0u);
}

TEST_F(LightGfxCmpTest, ReleaseGivesBackSlotShadowStagesTexturesAndName) {
    lantern.Initialise("gKidLight");
    lantern.AttachProgram(Pixel());
    cLightManager::Instance().EnableLight(lantern.light, true);
    lantern.SetCastsShadow(true, "kidshadow");
    lantern.light.range = 10;
    Program().UploadBindings();

    lantern.Release();
    EXPECT_EQ(lantern.light.slot, LightRecord::kNoSlot);
    EXPECT_TRUE(cLightManager::Instance().ActiveLights().empty());
    EXPECT_EQ(cLightManager::Instance().FreeSlots().size(), 8u);
    EXPECT_TRUE(cShadowCasterList::Instance().Casters().empty());
    EXPECT_TRUE(lantern.programs.empty());
    EXPECT_EQ(lantern.shadowMap, nullptr);
    EXPECT_EQ(Textures().FindTexture("kidshadow"), nullptr);
    EXPECT_TRUE(lantern.Name().empty());
    lantern.light.range = 20;
    Program().UploadBindings();
    EXPECT_EQ(Sent(Pixel(), "gKidLightRange"), std::vector<float>{10}) << "unbound on release";
}

TEST_F(LightGfxCmpTest, ADestroyedLightLeavesNoPointerBehind) {
    {
        cLightGfxCmp temporary;
        temporary.Initialise("lamp");
        cLightManager::Instance().EnableLight(temporary.light, true);
        temporary.SetCastsShadow(true, "lampshadow");
        temporary.Release();
        temporary.Initialise("lamp");
        cLightManager::Instance().EnableLight(temporary.light, true);
        cShadowCasterList::Instance().Add(&temporary);
    }
    EXPECT_TRUE(cLightManager::Instance().ActiveLights().empty());
    EXPECT_TRUE(cShadowCasterList::Instance().Casters().empty());
}

}  // namespace
}  // namespace Engine

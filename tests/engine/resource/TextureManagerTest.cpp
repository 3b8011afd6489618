// The texture manager on the null device: counting users, creating and
// loading, refusing what no device can make, texture sets, stages, sampler
// states, render targets and the device-reset steps.

#include <gtest/gtest.h>

#include <vector>

#include "engine/render/cDeviceResetOrder.h"
#include "engine/resource/eSamplerState.h"
#include "engine/resource/eTextureFormat.h"
#include "engine/resource/eTextureType.h"
#include "engine/render/eTextureOp.h"
#include "tests/engine/resource/TestImages.h"
#include "tests/engine/resource/TextureFixture.h"

namespace {

using namespace Engine;

using TextureManagerTest = TextureFixture;

TEST_F(TextureManagerTest, TheSameFileTwiceIsOneTextureWithTwoUsersAndOneReleaseKeepsIt) {
    ASSERT_TRUE(TestImages::WriteTga24(dir.File("bark.tga"), 4, 4));
    iTexture* first = manager->LoadTexture("bark.tga", Folder());
    iTexture* second = manager->LoadTexture("bark.tga", Folder());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    EXPECT_EQ(first->RefCount(), 2);
    EXPECT_EQ(first->Name(), "bark.tga");
    EXPECT_EQ(first->Source(), Folder());
    EXPECT_EQ(first->Type(), TT_2D);
    EXPECT_EQ(first->Format(), TF_RGB8);
    EXPECT_EQ(first->MipLevels(), 4);
    EXPECT_EQ(static_cast<cNullTexture*>(first)->Texels(), TestImages::ExpectedBgraBottomUp(4, 4, false));

    manager->Release(second);
    EXPECT_EQ(second, nullptr);
    EXPECT_EQ(manager->FindTexture("bark.tga"), first);
    EXPECT_EQ(first->RefCount(), 1);

    iTexture* last = first;
    manager->Release(last);
    EXPECT_EQ(manager->FindTexture("bark.tga"), nullptr);
    EXPECT_EQ(first->Name(), "") << "an unloaded texture goes back to its pool empty";
    EXPECT_EQ(DeviceName(first), 0u);
}

TEST_F(TextureManagerTest, CreateWithARegisteredNameGivesTheRegisteredTextureUnchanged) {
    const std::vector<uint8_t> texels(8 * 8 * 4, 7);
    iTexture* made = manager->CreateTexture("glow", TT_2D, 8, 8, TF_ARGB8, texels.data());
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->Source(), "");
    iTexture* again = manager->CreateTexture("glow", TT_RenderTarget, 16, 32, TF_R32F, nullptr);
    EXPECT_EQ(again, made);
    EXPECT_EQ(made->RefCount(), 2);
    EXPECT_EQ(made->Type(), TT_2D);
    EXPECT_EQ(made->Width(), 8);
    EXPECT_EQ(made->Height(), 8);
    EXPECT_EQ(made->Format(), TF_ARGB8);
    EXPECT_TRUE(manager->RenderTargets().empty());
}

TEST_F(TextureManagerTest, DescriptionsNoDeviceCanMakeAreLoggedAndRefused) {
    struct Case {
        const char* name;
        int32_t type, width, height, format;
        const char* why;
    };
    const Case cases[] = {
        {"", TT_2D, 4, 4, TF_RGB8, "a texture needs a name"},
        {"t1", 5, 4, 4, TF_RGB8, "texture type 5 does not exist"},
        {"t2", TT_2D, 0, 4, TF_RGB8, "a texture cannot be 0 x 4 texels"},
        {"t3", TT_2D, 4, -2, TF_RGB8, "a texture cannot be 4 x -2 texels"},
        {"t4", TT_2D, 40000, 4, TF_RGB8, "a texture cannot be 40000 x 4 texels"},
        {"t5", TT_RenderTarget, 4, 4, 3, "texture format 3 does not exist"},
        {"t6", TT_1D, 4, 2, TF_RGB8, "a 1D texture has one row"},
        {"t7", TT_Cube, 4, 8, TF_RGB8, "cube faces are square"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(manager->CreateTexture(c.name, c.type, c.width, c.height, c.format, nullptr), nullptr) << c.name;
        EXPECT_TRUE(Logged(std::string("Error: ") + c.why)) << c.name;
        EXPECT_EQ(manager->FindTexture(c.name), nullptr) << c.name;
    }
    EXPECT_TRUE(manager->Textures().Registry().empty());
}

TEST_F(TextureManagerTest, ADepthSurfaceTakesAnyFormatIndexAndBothTargetKindsAreListed) {
    iTexture* map = manager->CreateTexture("lamp", TT_RenderTarget, 64, 64, TF_R32F, nullptr);
    iTexture* depth = manager->CreateTexture("lampstencildepthmap", TT_DepthSurface, 64, 64, 3, nullptr);
    ASSERT_NE(map, nullptr);
    ASSERT_NE(depth, nullptr);
    EXPECT_EQ(manager->RenderTargets(), (std::vector<iTexture*>{map, depth}));

    manager->Release(map);
    EXPECT_EQ(manager->RenderTargets(), std::vector<iTexture*>{depth});
}

TEST_F(TextureManagerTest, A1DTextureNeedsOneRow) {
    ASSERT_TRUE(TestImages::WritePng(dir.File("ramp.png"), 4, 1, false));
    ASSERT_TRUE(TestImages::WritePng(dir.File("tall.png"), 4, 2, false));
    iTexture* ramp = manager->Load1DTexture("ramp.png", Folder());
    ASSERT_NE(ramp, nullptr);
    EXPECT_EQ(ramp->Type(), TT_1D);
    EXPECT_EQ(ramp->Width(), 4);
    EXPECT_EQ(manager->Load1DTexture("tall.png", Folder()), nullptr);
    EXPECT_TRUE(Logged("Error: " + Folder() + "tall.png is not 1D texture.\n"));
    EXPECT_EQ(manager->FindTexture("tall.png"), nullptr);
    EXPECT_EQ(manager->LoadTexture("absent.png", Folder()), nullptr);
    EXPECT_TRUE(Logged("Error: " + Folder() + "absent.png : format not supported.\n"));
}

TEST_F(TextureManagerTest, BindingAnEmptySetUnbindsStagesZeroToFour) {
    for (uint32_t stage = 0; stage < 7; ++stage) renderer->BindTexture(stage, 50 + stage);
    cTextureSet* empty = manager->GetTextureSet("");
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->Name(), "defaultTS");
    empty->Bind();
    for (uint32_t stage = 0; stage <= 4; ++stage) EXPECT_EQ(renderer->Texture(stage), 0u) << "stage " << stage;
    EXPECT_EQ(renderer->Texture(5), 55u);
    EXPECT_EQ(renderer->Texture(6), 56u);
}

TEST_F(TextureManagerTest, ASetBindsEachTextureToItsOwnStageAndAReleasedSetReleasesItsTextures) {
    ASSERT_TRUE(TestImages::WriteTga24(dir.File("a.tga"), 2, 2));
    ASSERT_TRUE(TestImages::WriteTga24(dir.File("b.tga"), 2, 2));
    cTextureSet* set = manager->GetTextureSet("crate");
    iTexture* a = manager->LoadTexture("a.tga", Folder());
    iTexture* b = manager->LoadTexture("b.tga", Folder());
    b->SetStage(1);
    set->AddTexture(a);
    set->AddTexture(b);
    set->Bind();
    EXPECT_EQ(renderer->Texture(0), DeviceName(a));
    EXPECT_EQ(renderer->Texture(1), DeviceName(b));
    b->Unbind();
    EXPECT_EQ(renderer->Texture(1), 0u);

    manager->ReleaseTextureSet(set);
    EXPECT_EQ(set, nullptr);
    EXPECT_EQ(manager->GetTextureSet("crate")->Textures().size(), 0u) << "the set was unloaded and made anew";
    EXPECT_EQ(manager->FindTexture("a.tga"), nullptr);
    EXPECT_EQ(manager->FindTexture("b.tga"), nullptr);
}

TEST_F(TextureManagerTest, ReleaseAllFreesEveryTextureAndSetsForgetTheirs) {
    ASSERT_TRUE(TestImages::WriteTga24(dir.File("a.tga"), 2, 2));
    cTextureSet* set = manager->GetTextureSet("crate");
    set->AddTexture(manager->LoadTexture("a.tga", Folder()));
    manager->CreateTexture("target", TT_RenderTarget, 8, 8, TF_ARGB8, nullptr);
    manager->ReleaseAll();
    EXPECT_TRUE(manager->Textures().Registry().empty());
    EXPECT_TRUE(manager->RenderTargets().empty());
    EXPECT_TRUE(set->Textures().empty());
    EXPECT_EQ(manager->Textures().PoolOf().FreeCount(), manager->Textures().PoolOf().Objects().size());
}

TEST_F(TextureManagerTest, DefaultSamplerStatesFilterStagesZeroToTwoAndSwitchOffThreeAndFive) {
    cNullTextureDevice& device = manager->GetDevice();
    for (uint32_t stage : {0u, 1u, 2u}) {
        for (int32_t filter : {SS_MinFilter, SS_MagFilter, SS_MipFilter}) {
            EXPECT_EQ(device.SamplerState(stage, filter), SF_Anisotropic) << "stage " << stage;
        }
        for (int32_t address : {SS_AddressU, SS_AddressV, SS_AddressW}) {
            EXPECT_EQ(device.SamplerState(stage, address), SA_Clamp) << "stage " << stage;
        }
        EXPECT_EQ(device.MaxAnisotropy(stage), 2);
    }
    for (uint32_t stage : {3u, 5u}) EXPECT_EQ(device.SamplerState(stage, SS_MagFilter), SF_None);
    EXPECT_EQ(device.SamplerState(4, SS_MinFilter), SF_Point) << "stage 4 keeps the device's own default";
    EXPECT_EQ(device.SamplerState(4, SS_AddressU), SA_Wrap);
}

TEST_F(TextureManagerTest, SamplerStatesAndOperationsActOnTheTexturesStage) {
    iTexture* texture = manager->CreateTexture("t", TT_2D, 2, 2, TF_RGB8, nullptr);
    texture->SetStage(2);
    texture->SetSamplerState(SS_AddressV, SA_Mirror);
    texture->SetSamplerState(SS_MinFilter, SF_Point);
    texture->SetSamplerState(6, SA_Wrap);          // no such state
    texture->SetSamplerState(SS_MagFilter, 3);     // no such value index
    cNullTextureDevice& device = manager->GetDevice();
    EXPECT_EQ(device.SamplerState(2, SS_AddressV), SA_Mirror);
    EXPECT_EQ(device.SamplerState(2, SS_MinFilter), SF_Point);
    EXPECT_EQ(device.SamplerState(2, SS_MagFilter), SF_Anisotropic);
    EXPECT_EQ(device.SamplerState(0, SS_AddressV), SA_Clamp);

    texture->SetColorOp(TOP_Add, TA_Diffuse);
    texture->SetAlphaOp(TOP_SelectArg1, TA_Texture);
    EXPECT_EQ(renderer->GetTextureOperation(2, false), (TextureOperation{TOP_Add, TA_Diffuse}));
    EXPECT_EQ(renderer->GetTextureOperation(2, true), (TextureOperation{TOP_SelectArg1, TA_Current}))
        << "selecting the texture leaves the second argument as it was";
    manager->SetColorOp(0, TOP_Add, TA_Diffuse);
    EXPECT_EQ(renderer->GetTextureOperation(0, false), (TextureOperation{TOP_Add, TA_Diffuse}));
    manager->SetColorOp(0, 4, TA_Diffuse);
    EXPECT_EQ(renderer->GetTextureOperation(0, false), (TextureOperation{TOP_Add, TA_Diffuse}));
}

TEST_F(TextureManagerTest, TargetsSaveAndRestoreTheirSlotsAndASecondBeginIsRefused) {
    iTexture* map = manager->CreateTexture("map", TT_RenderTarget, 32, 32, TF_R32F, nullptr);
    iTexture* other = manager->CreateTexture("other", TT_RenderTarget, 32, 32, TF_R32F, nullptr);
    iTexture* depth = manager->CreateTexture("depth", TT_DepthSurface, 32, 32, 3, nullptr);
    cNullTextureDevice& device = manager->GetDevice();

    map->BeginRenderTarget();
    depth->BeginDepthTarget();
    EXPECT_EQ(device.ColourTarget(), map);
    EXPECT_EQ(device.DepthTarget(), depth);
    other->BeginRenderTarget();
    EXPECT_EQ(device.ColourTarget(), map) << "the back buffer must stay saved";
    EXPECT_TRUE(Logged("Error: render target other begun while map is still the target"));
    depth->Bind();
    EXPECT_EQ(renderer->Texture(0), 0u) << "a depth surface binds nothing";

    depth->EndTarget();
    EXPECT_EQ(device.DepthTarget(), nullptr);
    EXPECT_FALSE(device.DepthSaved());
    map->EndTarget();
    EXPECT_EQ(device.ColourTarget(), nullptr);
    EXPECT_FALSE(device.ColourSaved());
    map->EndTarget();
    EXPECT_EQ(device.ColourTarget(), nullptr);
}

TEST_F(TextureManagerTest, ADeviceResetRemakesRenderTargetsAndTheDefaultSamplerStates) {
    iTexture* map = manager->CreateTexture("map", TT_RenderTarget, 32, 32, TF_R32F, nullptr);
    iTexture* image = manager->CreateTexture("image", TT_2D, 2, 2, TF_RGB8, nullptr);
    const uint32_t image_name = DeviceName(image);
    map->BeginRenderTarget();
    manager->GetDevice().SetSamplerState(1, SS_AddressU, SA_Wrap);

    cDeviceResetOrder::Instance().ReleaseAll();
    EXPECT_EQ(DeviceName(map), 0u);
    EXPECT_EQ(manager->GetDevice().ColourTarget(), nullptr) << "a lost target is no longer drawn into";
    EXPECT_EQ(DeviceName(image), image_name) << "images survive a reset";
    cDeviceResetOrder::Instance().RestoreAll();
    EXPECT_NE(DeviceName(map), 0u);
    EXPECT_EQ(manager->GetDevice().SamplerState(1, SS_AddressU), SA_Clamp);
}

}  // namespace

// The render-state table: which values each id accepts, what a rejected
// value leaves behind, TextureMode, redundant states and the defaults.

#include <gtest/gtest.h>

#include "engine/render/eBlendFactor.h"
#include "engine/render/eBlendOp.h"
#include "engine/render/eRenderStateId.h"
#include "tests/engine/render/RenderFixture.h"

namespace {

using namespace Engine;

using RenderStateTest = NullRendererFixture;

struct StateCase {
    int32_t id;
    int32_t value;
    bool accepted;
};

TEST_F(RenderStateTest, EachIdAcceptsItsValuesAndARejectedValueLeavesTheStateAlone) {
    const StateCase cases[] = {
        {RS_Shading, 0, true},        {RS_Shading, 2, true},         {RS_Shading, 3, false},
        {RS_Shading, -1, false},      {RS_DepthTesting, 7, true},    {RS_Culling, 2, true},
        {RS_Culling, 3, false},       {RS_Fillmode, 0, true},        {RS_Fillmode, 3, false},
        {RS_Lighting, 1, true},       {RS_AlphaTest, 0, true},       {RS_Blending, 2, true},
        {RS_ZWrite, 0, true},         {RS_SourceBlend, 5, true},     {RS_SourceBlend, 11, true},
        {RS_SourceBlend, 12, false},  {RS_SourceBlend, 0, false},    {RS_SourceBlend, 16, false},
        {RS_DestBlend, 15, true},     {RS_DestBlend, 13, false},     {RS_BlendOp, 5, true},
        {RS_BlendOp, 0, false},       {RS_BlendOp, 6, false},        {0, 0, false},
        {13, 1, false},               {-1, 0, false},
    };
    for (const StateCase& c : cases) {
        renderer->ApplyDefaultStates();
        const int32_t before = renderer->RenderState(c.id);
        const uint64_t changes = renderer->DeviceStateChanges();
        EXPECT_EQ(renderer->SetRenderState(c.id, c.value), c.accepted) << "id " << c.id << " value " << c.value;
        if (c.accepted) {
            EXPECT_EQ(renderer->RenderState(c.id), c.value) << "id " << c.id;
        } else {
            EXPECT_EQ(renderer->RenderState(c.id), before) << "id " << c.id;
            EXPECT_EQ(renderer->DeviceStateChanges(), changes) << "a rejected value reached the device, id " << c.id;
        }
    }
}

TEST_F(RenderStateTest, AlphaTestIsOnAtZeroAndBlendingOnlyAtOne) {
    ASSERT_TRUE(renderer->SetRenderState(RS_AlphaTest, 0));
    EXPECT_TRUE(cRendererBase::StateEnables(RS_AlphaTest, renderer->RenderState(RS_AlphaTest)));
    ASSERT_TRUE(renderer->SetRenderState(RS_AlphaTest, 1));
    EXPECT_FALSE(cRendererBase::StateEnables(RS_AlphaTest, renderer->RenderState(RS_AlphaTest)));
    ASSERT_TRUE(renderer->SetRenderState(RS_Blending, 1));
    EXPECT_TRUE(cRendererBase::StateEnables(RS_Blending, renderer->RenderState(RS_Blending)));
    ASSERT_TRUE(renderer->SetRenderState(RS_Blending, 2));
    EXPECT_FALSE(cRendererBase::StateEnables(RS_Blending, renderer->RenderState(RS_Blending)));
}

TEST_F(RenderStateTest, TextureModeZeroUnbindsStagesZeroToSevenAndOneChangesNothing) {
    for (uint32_t stage = 0; stage < 10; ++stage) renderer->BindTexture(stage, 100 + stage);
    const uint64_t changes = renderer->DeviceStateChanges();

    EXPECT_TRUE(renderer->SetRenderState(RS_TextureMode, 1));
    for (uint32_t stage = 0; stage < 10; ++stage) EXPECT_EQ(renderer->Texture(stage), 100 + stage);
    EXPECT_EQ(renderer->DeviceStateChanges(), changes);

    EXPECT_TRUE(renderer->SetRenderState(RS_TextureMode, 0));
    for (uint32_t stage = 0; stage <= 7; ++stage) EXPECT_EQ(renderer->Texture(stage), 0u) << "stage " << stage;
    EXPECT_EQ(renderer->Texture(8), 108u);
    EXPECT_EQ(renderer->Texture(9), 109u);
    EXPECT_FALSE(renderer->SetRenderState(RS_TextureMode, 2));
}

TEST_F(RenderStateTest, UnbindTexturesStopsAtTheLastStage) {
    for (uint32_t stage = 0; stage < cRendererBase::kTextureStages; ++stage) renderer->BindTexture(stage, 1);
    renderer->UnbindTextures(3);
    EXPECT_EQ(renderer->Texture(3), 0u) << "the last stage named is included";
    EXPECT_EQ(renderer->Texture(4), 1u);
    renderer->UnbindTextures(1000);
    for (uint32_t stage = 0; stage < cRendererBase::kTextureStages; ++stage) EXPECT_EQ(renderer->Texture(stage), 0u);
}

TEST_F(RenderStateTest, ARedundantValueDoesNotReachTheDevice) {
    ASSERT_TRUE(renderer->SetRenderState(RS_Culling, 1));
    const uint64_t changes = renderer->DeviceStateChanges();
    EXPECT_TRUE(renderer->SetRenderState(RS_Culling, 1));
    EXPECT_EQ(renderer->DeviceStateChanges(), changes);
    EXPECT_TRUE(renderer->SetRenderState(RS_Culling, 2));
    EXPECT_EQ(renderer->DeviceStateChanges(), changes + 1);
}

TEST_F(RenderStateTest, DefaultStatesAreTheDocumentedSet) {
    renderer->SetRenderState(RS_Culling, 2);
    renderer->SetRenderState(RS_Blending, 1);
    renderer->ApplyDefaultStates();
    const std::pair<int32_t, int32_t> expected[] = {
        {RS_Shading, 2},  {RS_DepthTesting, 0}, {RS_Culling, 0},   {RS_Fillmode, 2},
        {RS_Lighting, 0}, {RS_AlphaTest, 1},    {RS_ZWrite, 1},    {RS_Blending, 0},
        {RS_SourceBlend, BLEND_One}, {RS_DestBlend, BLEND_Zero}, {RS_BlendOp, BLENDOP_Add},
    };
    for (const auto& [id, value] : expected) EXPECT_EQ(renderer->RenderState(id), value) << "id " << id;
    EXPECT_EQ(renderer->TextureTransformCount(), 2);
}

}  // namespace

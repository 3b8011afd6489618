// The model component: resources taken and handed back, the tree entered and
// left, animations played by name, and the per-mesh constants of a draw.

#include "engine/render/scene/cModelGfxCmp.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "engine/render/scene/cModelGfxCmpPool.h"
#include "engine/render/scene/cNormalRenderVisitor.h"
#include "engine/resource/cMaterial.h"
#include "engine/resource/cMesh.h"
#include "engine/resource/cModelAnimationSet.h"
#include "engine/resource/cNullShader.h"
#include "engine/resource/cTextureSet.h"
#include "engine/resource/iGPUProgram.h"
#include "tests/engine/render/scene/RenderTreeFixture.h"

using namespace Engine;

namespace {

constexpr const char* kModelShader = R"(// Stages: vertex VS, pixel PS
#ifdef VERTEX_STAGE
uniform mat4 WVPMatrix;
uniform float gAnimationInterpolant;
void VS() {}
#else
uniform vec4 gEmissiveMaterial;
void PS() {}
#endif
)";

class ModelGfxCmpTest : public RenderTreeFixture {
protected:
    // Writes an MD2 file with the frame names and loads it as a mesh of that name.
    cMesh* LoadMd2(const std::string& name, const std::vector<std::string>& frames) {
        TestSupport::Md2Description description;
        description.frameNames = frames;
        const std::vector<uint8_t> bytes = TestSupport::MakeMd2(description);
        std::ofstream(dir.File(name + ".md2"), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return meshes->LoadMesh(name, name + ".md2", dir.Path().string() + "/", {}, {}, true, true);
    }

    // Gives the material a program whose stages record the constants they are sent.
    iGPUProgram* GiveProgram(const std::string& material_name) {
        dir.Write("model.shader", kModelShader);
        const std::string directory = dir.Path().string() + "/";
        iShaderManager* shaders = cResourceSystem::Instance().ShaderManager();
        iGPUProgram* program =
            shaders->CreateShaderProgram("model.shader", directory, "VS", "model.shader", directory, "PS");
        materials->Find(material_name)->SetProgram(program, shaders);
        return program;
    }

    static std::vector<float> Sent(iShader* stage, const char* constant) {
        std::vector<float> values;
        static_cast<cNullShader*>(stage)->SentValues(constant, values);
        return values;
    }
};

TEST_F(ModelGfxCmpTest, InitialiseTakesTheResourcesAndReleaseGivesThemAllBack) {
    MakeMaterial("Stone", 3);
    cMesh* ball = meshes->Find("ball");
    cModelGfxCmp* model = AddModel("Stone", "StoneTS", nullptr);
    cMaterial* material = model->Material();
    cTextureSet* set = model->TextureSet();
    ASSERT_NE(material, nullptr);
    ASSERT_NE(set, nullptr);
    EXPECT_EQ(model->kind, cModelGfxCmp::kModelKind);
    EXPECT_TRUE(model->visible);
    EXPECT_EQ(model->matrixMode, MM_World);
    EXPECT_EQ(model->Moving(), 0);
    EXPECT_EQ(model->Meshes(), std::vector<cMesh*>{ball});
    EXPECT_EQ(model->BoundingSphere(), ball->BoundingSphere());
    EXPECT_EQ(ball->RefCount(), 2);
    EXPECT_EQ(material->RefCount(), 2);
    EXPECT_EQ(set->RefCount(), 1);
    EXPECT_TRUE(model->InTree());
    EXPECT_NE(tree.FindModelNode(model), nullptr);

    model->emissive = {1, 0, 0, 1};
    model->Release();
    EXPECT_EQ(ball->RefCount(), 1);
    EXPECT_EQ(material->RefCount(), 1);
    EXPECT_EQ(cResourceSystem::Instance().TextureManager()->TextureSets().Find("StoneTS"), nullptr)
        << "the last user of the set gave it back";
    EXPECT_TRUE(model->Meshes().empty());
    EXPECT_EQ(model->Material(), nullptr);
    EXPECT_EQ(model->TextureSet(), nullptr);
    EXPECT_EQ(model->kind, iGraphicsCmp::kReleasedKind);
    EXPECT_FALSE(model->visible);
    EXPECT_EQ(model->transform, nullptr);
    EXPECT_EQ(model->Moving(), cModelGfxCmp::kReleasedMoving);
    EXPECT_EQ(model->BoundingSphere(), (Vector4{0, 0, 0, 9999.0f}));
    EXPECT_EQ(model->emissive, (ColorRGBA{0, 0, 0, 0}));
    EXPECT_FALSE(model->InTree());
    EXPECT_EQ(tree.NodeCount(), 0u);
}

TEST_F(ModelGfxCmpTest, AKeyframedMeshGetsAnAnimationSetThatPlaysByName) {
    cMesh* kid = LoadMd2("kid", {"run1", "run2", "run3", "walk1", "walk2", "walk3"});
    ASSERT_GE(kid->FramePairs().size(), 2u);
    cModelGfxCmp* model = AddModel("", "", nullptr, true, "kid");
    ASSERT_EQ(model->AnimationSets().size(), 1u);
    const cModelAnimationSet* set = model->AnimationSets().at(kid);
    EXPECT_EQ(set->Owner(), model);
    EXPECT_EQ(cAnimationRegistry::Instance().AnimatedModels(), std::vector<cModelAnimationSet*>{
                                                                   model->AnimationSets().at(kid)});

    EXPECT_TRUE(model->Play("walk"));
    EXPECT_EQ(model->CurrentAnimation(), "walk");
    EXPECT_EQ(set->Frame(), 3u);
    EXPECT_FALSE(model->Play("jump")) << "an unknown name changes nothing";
    EXPECT_EQ(model->CurrentAnimation(), "walk");

    const float frame = cModelAnimationSet::kFrameTime;
    cAnimationRegistry::Instance().UpdateAnimations(frame * 1.5f);
    EXPECT_EQ(set->Frame(), 4u);

    EXPECT_TRUE(model->HoldFirstFrame("run"));
    cAnimationRegistry::Instance().UpdateAnimations(frame * 3.5f);
    EXPECT_EQ(set->Frame(), 0u) << "held at the first frame";

    EXPECT_TRUE(model->Play("run"));
    model->SetLooping(false);
    cAnimationRegistry::Instance().UpdateAnimations(frame * 10.5f);
    EXPECT_TRUE(model->AnimationFinished());

    model->Release();
    EXPECT_TRUE(model->AnimationSets().empty());
    EXPECT_TRUE(cAnimationRegistry::Instance().AnimatedModels().empty());
}

TEST_F(ModelGfxCmpTest, AModelFileWithOneAnimationCanStillPlayIt) {
    LoadMd2("fan", {"spin1", "spin2", "spin3"});
    cModelGfxCmp* model = AddModel("", "", nullptr, true, "fan");
    ASSERT_EQ(model->AnimationSets().size(), 1u);
    EXPECT_EQ(model->CurrentAnimation(), "spin") << "the only animation plays at once";
    EXPECT_TRUE(model->Play("spin"));
}

TEST_F(ModelGfxCmpTest, EachDrawSendsTheMatricesAndPerMeshTheInterpolantAndTheEmissiveColour) {
    MakeMaterial("Lit", 3);
    iGPUProgram* program = GiveProgram("Lit");
    LoadMd2("kid", {"run1", "run2", "run3"});
    cModelGfxCmp* model = AddModel("Lit", "KidTS", nullptr, true, "kid");
    model->emissive = {0.25f, 0.5f, 0.75f, 1.0f};
    cAnimationRegistry::Instance().UpdateAnimations(cModelAnimationSet::kFrameTime * 0.5f);

    program->VertexStage()->EnableWVPMatrix(true);
    cNormalRenderVisitor visitor(renderer);
    visitor.Begin();
    tree.Traverse(visitor);
    EXPECT_EQ(visitor.Rendered(), 1u);
    EXPECT_EQ(Sent(program->VertexStage(), "WVPMatrix").size(), 16u) << "the draw's matrices reach the program";
    const std::vector<float> interpolant = Sent(program->VertexStage(), "gAnimationInterpolant");
    ASSERT_EQ(interpolant.size(), 1u);
    EXPECT_NEAR(interpolant[0], 0.5f, 1e-5f);
    EXPECT_EQ(Sent(program->PixelStage(), "gEmissiveMaterial"), (std::vector<float>{0.25f, 0.5f, 0.75f, 1.0f}));
}

TEST_F(ModelGfxCmpTest, AFullDrawBindsItsOwnMaterialAndSetAndAHiddenModelDrawsNothing) {
    MakeMaterial("Stone", 3);
    cModelGfxCmp* model = AddModel("Stone", "StoneTS", nullptr);
    renderer.events.clear();
    model->Draw(renderer);
    EXPECT_EQ(renderer.events, (std::vector<std::string>{MaterialApplied(3), kSetBound, "draw"}));

    renderer.events.clear();
    model->visible = false;
    model->Draw(renderer);
    model->DrawPlain(renderer);
    EXPECT_TRUE(renderer.events.empty());
}

TEST_F(ModelGfxCmpTest, ThePoolHandsOutComponentsBoundToTheTreeAndTakesEachBackOnce) {
    cModelGfxCmpPool pool(&tree);
    cModelGfxCmp* model = pool.Take();
    model->Initialise("ball", "T", "", false);
    EXPECT_NE(tree.FindModelNode(model), nullptr);
    EXPECT_EQ(pool.InUse(), 1u);

    pool.GiveBack(model);
    EXPECT_EQ(tree.NodeCount(), 0u);
    EXPECT_EQ(model->kind, iGraphicsCmp::kReleasedKind);
    EXPECT_EQ(pool.InUse(), 0u);

    pool.GiveBack(model);
    cModelGfxCmp stranger;
    pool.GiveBack(&stranger);
    EXPECT_NE(EngineLog().find("Error: a graphics component that is not an unreturned model"), std::string::npos);
    cModelGfxCmp* again = pool.Take();
    cModelGfxCmp* other = pool.Take();
    EXPECT_EQ(again, model) << "the component given back is the next handed out";
    EXPECT_NE(other, model) << "a second give-back did not put it on the free list twice";
}

}  // namespace

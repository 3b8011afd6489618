// The render test scene run on the null device over the shipped GameData:
// entering reads the garden level through the level manager and fills the
// render tree, the billboard list and the light services;
// frames draw models in both passes; leaving gives every model, light and
// sky-box resource back, so a second run finds things as the first did.

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/entity/cSceneManager.h"
#include "engine/particles/cParticleManager.h"
#include "engine/render/cRenderSystem.h"
#include "engine/render/gl/DeviceLayer.h"
#include "engine/render/scene/SceneRendererAccess.h"
#include "engine/render/scene/cLightManager.h"
#include "engine/render/scene/cLightPool.h"
#include "engine/render/scene/cModelGfxCmpPool.h"
#include "engine/render/scene/cSceneRenderer.h"
#include "engine/render/scene/cShadowCasterList.h"
#include "engine/resource/cAnimationRegistry.h"
#include "engine/resource/cResourceSystem.h"
#include "game/data/cLevelManager.h"
#include "engine/platform/cMouseState.h"
#include "game/data/cModelCatalogue.h"
#include "game/entities/cDecorationBatches.h"
#include "game/entities/cGameCamera.h"
#include "game/entities/cGameFactory.h"
#include "game/entities/cKid.h"
#include "game/entities/cStroke.h"
#include "game/states/cGameState_Sandbox2.h"
#include "tests/support/TempDir.h"

namespace Game {
namespace {

// Models of the level's own entities: the kid and the key she carries, five
// ghosts (three out, two held by the spawner), the stroke's fairy, four
// candies, a key, a locked door, a crate, a stone block, a checkpoint and the
// win point. The fence and the camera trigger are invisible.
constexpr std::size_t kLevelModels = 8 + 10;

class RenderTestSceneTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directory_symlink(std::filesystem::path(BRAMBLEBY_SOURCE_DIR) / "GameData",
                                                  dir.Path() / "GameData");
        ASSERT_TRUE(Engine::CreateDeviceLayer(Engine::eDeviceLayer::Null));
        Engine::DisplayMode mode;
        mode.windowWidth = 1280;
        mode.windowHeight = 720;
        scene = &Engine::CreateSceneRenderer(*Engine::cRenderSystem::Instance().Renderer(), mode);
        Engine::cParticleManager::Instance().AttachTo(*scene);
        ASSERT_TRUE(cGameFactory::Instance().Register());
    }

    void TearDown() override {
        Engine::cMouseState::Destroy();
        cLevelManager::Destroy();
        cGameFactory::Instance().Shutdown();
        cGameFactory::Destroy();
        cDecorationBatches::Destroy();
        Engine::cSceneManager::Destroy();
        Engine::cParticleManager::Destroy();
        Engine::DestroySceneRenderer();
        Engine::cAnimationRegistry::Destroy();
        Engine::cResourceSystem::Destroy();
        Engine::cRenderSystem::Destroy();
        cModelCatalogue::Destroy();
    }

    void Frame(cGameState_Sandbox2& state) {
        state.Update(1.0f / 30.0f);
        state.Render();
    }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory in_dir{dir.Path()};
    Engine::cSceneRenderer* scene = nullptr;
};

TEST_F(RenderTestSceneTest, EnteringFillsTheTreeTheLightsAndTheSkyBox) {
    cGameState_Sandbox2 state;
    state.Enter();
    // The garden level brings the kid, 16 decorations, each also baked into a
    // batch of its own (they stand apart), one model per tile kind its floor
    // uses, two ground glows and the halos of the checkpoint and the win
    // point, the ghosts and the fairy of the stroke every level load makes.
    const cLevelManager& garden = cLevelManager::Instance();
    ASSERT_NE(state.Kid(), nullptr);
    EXPECT_EQ(static_cast<Engine::iBaseEntity*>(state.Kid()), garden.kid);
    EXPECT_EQ(garden.decorations.size(), 16u);
    EXPECT_EQ(cDecorationBatches::Instance().Models().size(), 16u);
    ASSERT_NE(garden.tile_layer, nullptr);
    const std::size_t tile_kinds = 4;  // grass, path, cobbles, dark soil
    EXPECT_EQ(Engine::GetModelPool()->InUse(), kLevelModels + 16u + 16u + tile_kinds);
    EXPECT_EQ(scene->BillboardCount(), 2u + 2u);
    EXPECT_FLOAT_EQ(Engine::cLightManager::Instance().Ambient().b, 0.22f);
    EXPECT_EQ(Engine::cLightPool::Instance().Lights().size(), 2u);
    EXPECT_EQ(Engine::cLightManager::Instance().ActiveLights().size(), 2u);
    EXPECT_EQ(Engine::cShadowCasterList::Instance().Casters().size(), 1u);
    EXPECT_TRUE(scene->ShadowsEnabled());
    EXPECT_TRUE(scene->HasSkyBox());
    EXPECT_NE(scene->ActiveCamera(), nullptr);
    state.Exit();
}

TEST_F(RenderTestSceneTest, FramesDrawModelsInTheShadowAndMainPasses) {
    cGameState_Sandbox2 state;
    state.Enter();
    Frame(state);
    const uint32_t with_shadows = scene->Rendered();
    EXPECT_GT(with_shadows, 0u);
    scene->SetShadowsEnabled(false);
    Frame(state);
    const uint32_t main_only = scene->Rendered();
    EXPECT_GT(main_only, 0u);
    EXPECT_GT(with_shadows, main_only) << "the lantern's shadow pass draws the casters near the kid";
    state.Exit();
}

TEST_F(RenderTestSceneTest, TheAuraThePixieDustAndTheRainAreInView) {
    cGameState_Sandbox2 state;
    state.Enter();
    // The stroke trails its dust while it slashes: the left button held, the mouse sweeping.
    Engine::cMouseState& mouse = Engine::cMouseState::Instance();
    mouse.ButtonDown(0);
    for (int frame = 0; frame < 60; ++frame) {
        mouse.Move(200 + (frame % 2) * 800, 360);
        Frame(state);
    }
    auto* stroke = dynamic_cast<cStroke*>(cLevelManager::Instance().stroke);
    ASSERT_NE(stroke, nullptr);
    EXPECT_EQ(stroke->State(), eStrokeState::Slash);
    mouse.ButtonUp(0);
    const Engine::cParticleManager& particles = Engine::cParticleManager::Instance();
    for (const char* name : {"AuraPTS", "PixieDustPTS", "Effect_Rain"}) {
        const Engine::cParticleSystem* found = nullptr;
        for (const auto& system : particles.Systems()) {
            if (system->Name() == name && system->Kind() == Engine::cParticleSystem::kKind) found = system.get();
        }
        ASSERT_NE(found, nullptr) << name;
        EXPECT_GT(found->VisibleCount(), 0u) << name;
    }
    state.Exit();
    EXPECT_TRUE(particles.Systems().empty());
}

TEST_F(RenderTestSceneTest, LeavingGivesEverythingBackAndASecondRunMatchesTheFirst) {
    cGameState_Sandbox2 state;
    state.Enter();
    Frame(state);
    state.Exit();
    EXPECT_EQ(Engine::GetModelPool()->InUse(), 0u);
    EXPECT_TRUE(Engine::cLightPool::Instance().Lights().empty());
    EXPECT_TRUE(Engine::cLightManager::Instance().ActiveLights().empty());
    EXPECT_TRUE(Engine::cShadowCasterList::Instance().Casters().empty());
    EXPECT_EQ(scene->BillboardCount(), 0u);
    EXPECT_FALSE(scene->HasSkyBox());
    EXPECT_FALSE(scene->ShadowsEnabled());
    EXPECT_EQ(scene->ActiveCamera(), nullptr);
    EXPECT_TRUE(scene->Tree().Root().children.empty());

    state.Enter();
    EXPECT_EQ(Engine::GetModelPool()->InUse(), kLevelModels + 16u + 16u + 4u);
    EXPECT_EQ(Engine::cLightPool::Instance().Lights().size(), 2u);
    state.Exit();
}

// The kid drops onto the ground plane's slab and stands there; the game
// camera looks at her from its follow angle, one unit above her.
TEST_F(RenderTestSceneTest, TheKidStandsOnTheGroundAndTheGameCameraFollowsHer) {
    cGameState_Sandbox2 state;
    state.Enter();
    ASSERT_NE(state.Kid(), nullptr);
    EXPECT_EQ(cLevelManager::Instance().candy_total, 4u);
    for (int frame = 0; frame < 60; ++frame) Frame(state);
    const cKid& kid = *state.Kid();
    EXPECT_NEAR(kid.position.y, -0.9f, 0.02f) << "the slab's top is the ground";
    auto* camera = dynamic_cast<cGameCamera*>(scene->ActiveCamera());
    ASSERT_NE(camera, nullptr) << "the scene is seen through the game camera";
    EXPECT_EQ(camera, cLevelManager::Instance().game_camera);
    EXPECT_EQ(camera->State(), eGameCameraState::Follow);
    EXPECT_NEAR(camera->target.x, kid.position.x, 1e-3f);
    EXPECT_NEAR(camera->target.y, kid.position.y + cGameCamera::kLookHeight, 1e-3f);
    EXPECT_NEAR(camera->target.z, kid.position.z, 1e-3f);
    EXPECT_GT(camera->eye.y, camera->target.y + 40.0f) << "seen from far above";
    state.Exit();
    EXPECT_EQ(cLevelManager::Instance().game_camera, nullptr);
}

TEST_F(RenderTestSceneTest, WithoutTheSceneRendererTheStateShowsNothingAndDoesNotFail) {
    Engine::DestroySceneRenderer();
    cGameState_Sandbox2 state;
    state.Enter();
    EXPECT_EQ(state.Kid(), nullptr);
    Frame(state);
    state.Exit();
}

}  // namespace
}  // namespace Game

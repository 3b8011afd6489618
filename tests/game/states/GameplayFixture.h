#pragma once
// GameplayFixture: the gameplay state on the null device in a temporary
// folder whose GameData sees the shipped data, except that the level folder
// holds the tests' own small levels (Level0 by default) and the GUI folder
// may hold a layout of the test's own. Input goes through the mouse and
// keyboard states, that is the real path to the GUI listeners; sounds go to a
// recording manager that also keeps the volume and the mute switch. The
// cutscene file tells no story unless a test writes its own, and no texture
// set exists unless a test provides it. Frames drive the gameplay state, or
// whichever state `driven` points at.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/cGameStateManager.h"
#include "engine/audio/SoundManagerAccess.h"
#include "engine/core/cLog.h"
#include "engine/entity/cSceneManager.h"
#include "engine/particles/cParticleManager.h"
#include "engine/physics/cPhysicsWorld.h"
#include "engine/platform/VirtualKeys.h"
#include "engine/platform/cKeyboardState.h"
#include "engine/platform/cMouseState.h"
#include "engine/platform/cWindow.h"
#include "engine/render/cRenderSystem.h"
#include "engine/render/gl/DeviceLayer.h"
#include "engine/render/scene/SceneRendererAccess.h"
#include "engine/render/scene/cLightPool.h"
#include "engine/render/scene/cModelGfxCmpPool.h"
#include "engine/render/scene/cSceneRenderer.h"
#include "engine/resource/cAnimationRegistry.h"
#include "engine/resource/cResourceSystem.h"
#include "engine/resource/cTextureSet.h"
#include "engine/resource/eTextureFormat.h"
#include "engine/resource/eTextureType.h"
#include "engine/resource/iTextureManager.h"
#include "engine/ui/cGUIManager.h"
#include "game/data/cLevelManager.h"
#include "game/data/cModelCatalogue.h"
#include "game/entities/cDecorationBatches.h"
#include "game/entities/cGameFactory.h"
#include "game/entities/cKid.h"
#include "game/states/cGameState_Prototype1.h"
#include "tests/engine/audio/RecordingSounds.h"
#include "tests/game/states/PlayFolder.h"
#include "tests/game/states/ScreenFixture.h"
#include "tests/support/TempDir.h"

namespace Game {

// A kid on open ground with two candies and a checkpoint two units east of her.
constexpr const char* kSmallLevel = R"(<?xml version="1.0" encoding="UTF-8"?>
<LevelRoot>
    <Kid posX="0.0" posY="-0.9" posZ="0.0" />
    <Collectable posX="8.0" posY="-0.9" posZ="8.0" />
    <Collectable posX="-8.0" posY="-0.9" posZ="8.0" />
    <CheckPoint posX="6.0" posY="-0.9" posZ="0.0" />
    <GlobalAmbientLight Red="0.10" Green="0.13" Blue="0.22" Alpha="1.0" />
</LevelRoot>
)";

class GameplayFixture : public ::testing::Test {
protected:
    static constexpr float kDt = 0.02f;

    void SetUp() override {
        // The log writes into this test's folder.
        Engine::cLog::Destroy();
        BuildGameData();
        ASSERT_TRUE(Engine::CreateDeviceLayer(Engine::eDeviceLayer::Null));
        Engine::DisplayMode mode;
        mode.windowWidth = 1280;
        mode.windowHeight = 720;
        scene = &Engine::CreateSceneRenderer(*Engine::cRenderSystem::Instance().Renderer(), mode);
        Engine::cParticleManager::Instance().AttachTo(*scene);
        ASSERT_TRUE(cGameFactory::Instance().Register());
        Engine::InstallSoundManager(std::make_unique<MixingDesk>(sounds, volume, muted));
        Engine::cGUIManager::Instance();
        cLevelManager& levels = cLevelManager::Instance();
        levels.current_number = 0;
        levels.current_state = [] { return static_cast<int>(StatePrototype1); };
        levels.request_state = [](int id) { cGameStateManager::Instance().next_id = id; };
        cGameStateManager& manager = cGameStateManager::Instance();
        manager.current_id = manager.next_id = StatePrototype1;
    }

    void TearDown() override {
        Engine::iTextureManager* textures = Engine::cResourceSystem::Instance().TextureManager();
        for (Engine::cTextureSet*& set : provided) textures->ReleaseTextureSet(set);
        Engine::cLog::Destroy();
        Engine::cGUIManager::Destroy();
        Engine::DestroySoundManager();
        Engine::cMouseState::Destroy();
        Engine::cKeyboardState::Destroy();
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
        Engine::cWindow::Destroy();
        cModelCatalogue::Destroy();
        cGameStateManager::Destroy();
    }

    // The shipped GameData with the tests' own level folder (Level0 is the small level) and no story to tell.
    void BuildGameData() {
        StateTests::BuildPlayFolder(dir.Path());
        WriteLevel(0, kSmallLevel);
        WriteCutscenes("<Cutscenes/>");
    }

    void WriteCutscenes(const std::string& text) { StateTests::WriteCutscenes(dir.Path(), text); }

    // A texture set holding one small texture, for the pictures a state makes itself.
    void ProvideTexture(const std::string& name) {
        Engine::iTextureManager* textures = Engine::cResourceSystem::Instance().TextureManager();
        Engine::cTextureSet* set = textures->GetTextureSet(name);
        set->AddTexture(textures->CreateTexture(name + ".tga", Engine::TT_2D, 64, 32, Engine::TF_ARGB8, nullptr));
        provided.push_back(set);
    }

    void WriteLevel(int number, const std::string& text) {
        dir.Write("GameData/Level/Level" + std::to_string(number) + ".xml", text);
    }

    // Replaces a file of the GUI folder by the test's own text.
    void WriteGameFile(const std::string& name, const std::string& text) {
        std::filesystem::remove(dir.Path() / "GameData" / "XML_Game" / name);
        dir.Write("GameData/XML_Game/" + name, text);
    }

    // One frame as the main loop runs it: input ages, events arrive, update, render.
    void Frame(float dt = kDt) {
        Engine::cKeyboardState::Instance().Age(dt);
        Engine::cMouseState::Instance().Age();
        for (int key : keys_down) Engine::cKeyboardState::Instance().KeyDown(key);
        for (int key : keys_up) Engine::cKeyboardState::Instance().KeyUp(key);
        keys_down.clear();
        keys_up.clear();
        driven->Update(dt);
        driven->Render();
    }

    void Frames(int count, float dt = kDt) {
        for (int i = 0; i < count; ++i) Frame(dt);
    }

    // Seconds of frames.
    void Run(float seconds) { Frames(static_cast<int>(std::ceil(seconds / kDt))); }

    // A key pressed in one frame and let go in the next.
    void Tap(int key) {
        keys_down.push_back(key);
        Frame();
        keys_up.push_back(key);
        Frame();
    }

    Engine::cUIElementBase* Element(const std::string& name) const {
        const auto& elements = Engine::cGUIManager::Instance().Elements();
        const auto found = elements.find(name);
        return found == elements.end() ? nullptr : found->second;
    }

    bool Visible(const std::string& name) const {
        const Engine::cUIElementBase* element = Element(name);
        return element != nullptr && element->IsVisible();
    }

    // The window position of an element's centre.
    static void PointAt(const Engine::cUIElementBase& element) {
        const Engine::ScreenRect& viewport = Engine::cGUIManager::Instance().Viewport();
        const Engine::UIVector2 at = element.GetScreenPosition();
        Engine::cMouseState::Instance().Move(static_cast<int32_t>(at.x + viewport.left),
                                             static_cast<int32_t>(viewport.bottom - at.y));
    }

    // Moves onto the named element and clicks it, a frame for each step.
    void Click(const std::string& name) {
        Engine::cUIElementBase* element = Element(name);
        ASSERT_NE(element, nullptr) << name;
        PointAt(*element);
        Frame();
        Engine::cMouseState::Instance().ButtonDown(0);
        Frame();
        Engine::cMouseState::Instance().ButtonUp(0);
        Frame();
    }

    // Escape, then the fade until the menu takes input.
    void OpenPauseMenu() {
        Tap(Engine::kVK_ESCAPE);
        Run(cGameState_Prototype1::kFadeDuration + 0.1f);
        ASSERT_EQ(state.SubState(), cGameState_Prototype1::eSubState::Paused);
    }

    GameStateId Requested() const { return cGameStateManager::Instance().next_id; }

    // The restart as the main loop carries it out.
    void Restart() {
        state.Exit();
        cGameStateManager::Instance().next_id = StatePrototype1;
        state.Enter();
    }

    std::string Log() const { return TestSupport::ReadFile(dir.File("Engine.log")); }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory in_dir{dir.Path()};
    Engine::cSceneRenderer* scene = nullptr;
    std::vector<std::string> sounds;
    float volume = 1.0f;
    bool muted = false;
    std::vector<int> keys_down;
    std::vector<int> keys_up;
    cGameState_Prototype1 state;
    iGameState* driven = &state;
    std::vector<Engine::cTextureSet*> provided;
};

}  // namespace Game

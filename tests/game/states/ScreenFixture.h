#pragma once
// ScreenFixture: one game state on the null device in a temporary folder
// whose GameData sees the shipped data, except that the level folder and
// the GUI folder can take files of the test's own (see PlayFolder). Input
// goes through the mouse and keyboard states, the real path to the GUI
// listeners; sounds go to a recording manager with a volume and a mute
// switch; the game state manager and the level manager are connected as
// start-up connects them.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "app/cGameStateManager.h"
#include "engine/audio/SoundManagerAccess.h"
#include "engine/core/cLog.h"
#include "engine/entity/cSceneManager.h"
#include "engine/particles/cParticleManager.h"
#include "engine/platform/cKeyboardState.h"
#include "engine/platform/cMouseState.h"
#include "engine/platform/cWindow.h"
#include "engine/render/cRenderSystem.h"
#include "engine/render/gl/DeviceLayer.h"
#include "engine/render/scene/SceneRendererAccess.h"
#include "engine/render/scene/cSceneRenderer.h"
#include "engine/resource/cAnimationRegistry.h"
#include "engine/resource/cResourceSystem.h"
#include "engine/ui/cGUIManager.h"
#include "game/data/cAchievementStore.h"
#include "game/data/cLevelManager.h"
#include "game/data/cModelCatalogue.h"
#include "game/data/cPlayerResults.h"
#include "game/entities/cDecorationBatches.h"
#include "game/entities/cGameFactory.h"
#include "tests/engine/audio/RecordingSounds.h"
#include "tests/game/states/PlayFolder.h"
#include "tests/support/TempDir.h"

namespace Game {

// RecordingSounds with a volume and a mute switch that answer what was set;
// StopAll is written down as "stop all".
class MixingDesk : public RecordingSounds {
public:
    MixingDesk(std::vector<std::string>& log, float& volume_out, bool& muted_out)
        : RecordingSounds(log), events(log), volume(volume_out), muted(muted_out) {}
    void StopAll() override { events.push_back("stop all"); }
    bool SetMute(bool mute) override {
        muted = mute;
        return true;
    }
    bool IsMuted() const override { return muted; }
    void SetVolume(float v) override { volume = v; }
    float GetVolume() const override { return volume; }

private:
    std::vector<std::string>& events;
    float& volume;
    bool& muted;
};

template <class State, GameStateId kStateId>
class ScreenFixture : public ::testing::Test {
protected:
    static constexpr float kDt = 0.02f;

    ScreenFixture() { StateTests::BuildPlayFolder(dir.Path()); }

    void SetUp() override {
        // The log writes into this test's folder.
        Engine::cLog::Destroy();
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
        levels.current_state = [] { return static_cast<int>(cGameStateManager::Instance().current_id); };
        levels.request_state = [](int id) { cGameStateManager::Instance().next_id = id; };
        cGameStateManager& manager = cGameStateManager::Instance();
        manager.current_id = manager.next_id = kStateId;
        LoadPlayerData();
    }

    void TearDown() override {
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
        cPlayerResults::Destroy();
        cAchievementStore::Destroy();
    }

    // The player's results and achievements, from this test's own player folder.
    void LoadPlayerData() {
        cPlayerResults::Destroy();
        cAchievementStore::Destroy();
        const std::string shipped = dir.File("GameData/XML_Game") + "/";
        cPlayerResults::Instance().Load(PlayerFolder(), shipped);
        cAchievementStore::Instance().Load(PlayerFolder(), shipped);
    }
    std::string PlayerFolder() const { return dir.File("player") + "/"; }

    void WriteLevel(const std::string& name, const std::string& text) {
        dir.Write("GameData/Level/" + name + ".xml", text);
    }
    // Replaces a file of the GUI folder by the test's own text.
    void WriteGameFile(const std::string& name, const std::string& text) {
        std::filesystem::remove(dir.Path() / "GameData" / "XML_Game" / name);
        dir.Write("GameData/XML_Game/" + name, text);
    }
    // Makes the shipped level the test's own.
    void UseShippedLevel(const std::string& name) {
        const std::filesystem::path shipped =
            std::filesystem::path(BRAMBLEBY_SOURCE_DIR) / "GameData" / "Level" / (name + ".xml");
        std::filesystem::copy_file(shipped, dir.Path() / "GameData" / "Level" / (name + ".xml"),
                                   std::filesystem::copy_options::overwrite_existing);
    }

    // One frame as the main loop runs it: input ages, events arrive, update, render.
    void Frame(float dt = kDt) {
        Engine::cKeyboardState::Instance().Age(dt);
        Engine::cMouseState::Instance().Age();
        for (int key : keys_down) Engine::cKeyboardState::Instance().KeyDown(key);
        for (int key : keys_up) Engine::cKeyboardState::Instance().KeyUp(key);
        keys_down.clear();
        keys_up.clear();
        state.Update(dt);
        state.Render();
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

    GameStateId Requested() const { return cGameStateManager::Instance().next_id; }
    std::string Log() const { return TestSupport::ReadFile(dir.File("Engine.log")); }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory in_dir{dir.Path()};
    Engine::cSceneRenderer* scene = nullptr;
    std::vector<std::string> sounds;
    float volume = 1.0f;
    bool muted = false;
    std::vector<int> keys_down;
    std::vector<int> keys_up;
    State state;
};

}  // namespace Game

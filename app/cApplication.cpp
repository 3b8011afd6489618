#include "app/cApplication.h"

#include <stdlib.h>  // setenv: SDL and OpenAL Soft read their drivers from the environment

#include <cstdio>  // std::snprintf for the recorded step

#include "app/Settings.h"
#include "app/cMainLoop.h"
#include "engine/audio/SoundManagerAccess.h"
#include "engine/audio/iSoundManager.h"
#include "engine/core/Random.h"
#include "engine/core/cEngineSettings.h"
#include "engine/core/cLog.h"
#include "engine/entity/cSceneManager.h"
#include "engine/particles/cParticleManager.h"
#include "engine/physics/cCollisionManager.h"
#include "engine/physics/cPhysicsWorld.h"
#include "engine/platform/MiniDumper.h"
#include "engine/platform/cProfileRegistry.h"
#include "engine/platform/cWindow.h"
#include "engine/render/cRenderSystem.h"
#include "engine/render/gl/DeviceLayer.h"
#include "engine/render/scene/SceneRendererAccess.h"
#include "engine/render/scene/cSceneRenderer.h"
#include "engine/resource/cAnimationRegistry.h"
#include "engine/resource/cResourceSystem.h"
#include "engine/ui/cGUIManager.h"
#include "game/data/ContentNames.h"
#include "game/data/GameDataLoader.h"
#include "game/data/cGameData.h"
#include "game/data/cLevelManager.h"
#include "game/data/cLevelStats.h"
#include "game/entities/cEnvironmentEffects.h"
#include "game/entities/cGameFactory.h"
#include "game/entities/cGlobalEffects.h"

namespace Game {

namespace {

// A state name the developer settings accept, or a state class's number (9 is the GUI gallery,
// which has no name there).
GameStateId LaunchStateId(const std::string& name) {
    if (!name.empty() && name.find_first_not_of("0123456789") == std::string::npos && name.size() <= 2) {
        const GameStateId id = std::stoi(name);
        return IsStateClassId(id) ? id : StateNone;
    }
    return StateIdFromName(name);
}

}  // namespace

cApplication::cApplication(cLaunchOptions options_, cGameStateManager::StateFactory state_factory_)
    : options(std::move(options_)), state_factory(std::move(state_factory_)) {}

bool cApplication::StartUp() {
    if (options.seed) Engine::SeedRandomOnce(*options.seed);
    if (options.headless) {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("ALSOFT_DRIVERS", "null", 1);  // sound runs, nothing is heard
    }

    unsigned width = 0;
    unsigned height = 0;
    bool fullscreen = false;
    const bool settings_read = ReadSettings(width, height, fullscreen);
    const Engine::WindowDesc desc = ResolveWindowDesc(settings_read, width, height, fullscreen);
    Engine::cLog::Instance();
    if (!StartEngine(desc)) return false;

    GameStateId initial_state = StateSplash;
    if (!ReadDevSettings(initial_state)) initial_state = StateSplash;
    if (!options.state_name.empty()) {
        initial_state = LaunchStateId(options.state_name);
        if (initial_state == StateNone) {
            error = "Error: there is no state named " + options.state_name;
            return false;
        }
    }
    cGameData::Instance();
    StartGame(initial_state);

    if (!options.input_path.empty() && !input_script.Load(options.input_path)) {
        error = "Error: cannot read the input script " + options.input_path;
        return false;
    }
    return options.record_path.empty() || StartRecording();
}

// After the game data seeded the random generator, so the header names the
// seed this run really draws from, with the step every frame takes.
bool cApplication::StartRecording() {
    if (!options.fixed_dt) options.fixed_dt = kRecordedStep;
    char step[32];
    std::snprintf(step, sizeof step, "%.9g", static_cast<double>(*options.fixed_dt));
    std::string replay_options = std::string(Engine::cInputScript::kRecordHeader) + " --seed " +
                                 std::to_string(Engine::RandomSeed()) + " --fixed-dt " + step;
    if (!options.state_name.empty()) replay_options += " --state " + options.state_name;
    const Engine::cWindow& window = Engine::cWindow::Instance();
    const std::string size =
        "mouse positions in a client area of " + std::to_string(window.Width()) + " x " + std::to_string(window.Height());
    if (!recorder.Open(options.record_path, {replay_options, size})) {
        error = "Error: cannot write the input record " + options.record_path;
        return false;
    }
    Engine::cWindow::Instance().SetRecorder(&recorder);
    Engine::LogEngine("Recording the input to " + options.record_path + " (" + replay_options + ")");
    return true;
}

void cApplication::StopRecording(unsigned frames) {
    Engine::cWindow::Instance().SetRecorder(nullptr);
    recorder.Close(frames);
}

// Engine initialisation, in its fixed order.
bool cApplication::StartEngine(const Engine::WindowDesc& desc) {
    Engine::MiniDumper::Install();
    if (!OpenWindow(desc)) return false;
    const Engine::EngineConfig config = StoreEngineConfig();
    if (config.renderer_kind == 1 && !StartRenderer()) return false;
    Engine::cCollisionManager::Instance();
    Engine::cPhysicsWorld::Instance().Reset(Engine::Vector3(0, -10, 0));
    if (config.sound_kind == 1) Engine::CreateSoundManager();
    Engine::cGUIManager::Instance();  // with its two input listeners, after the renderer it draws through
    Engine::cSceneManager::Instance();
    return true;
}

bool cApplication::OpenWindow(const Engine::WindowDesc& desc) {
    Engine::WindowDesc window_desc = desc;
    window_desc.opengl = !options.headless;  // the OpenGL renderer draws into it; the headless driver has no GL
    if (!Engine::cWindow::Instance().CreateMainWindow(window_desc)) {
        error = options.headless ? "Error: the headless window could not be created"
                                 : "No display found: run with --headless to start the game without a window.";
        return false;
    }
    Engine::cWindow::Instance().ClearInput();
    return true;
}

Engine::EngineConfig cApplication::StoreEngineConfig() {
    Engine::EngineConfig config;
    config.renderer_kind = 1;
    config.present_mode = 1;
    config.renderer_flag = true;
    config.sound_kind = 1;
    Engine::cEngineSettings::Instance().config = config;
    return config;
}

// The OpenGL device layer, or the null one when headless.
bool cApplication::StartRenderer() {
    if (!Engine::CreateDeviceLayer(options.headless ? Engine::eDeviceLayer::Null : Engine::eDeviceLayer::OpenGL)) {
        error = "Error: the OpenGL renderer could not start (an OpenGL 3.3 context is needed); see Engine.log";
        return false;
    }
    if (options.screenshot_frame != 0) Engine::RequestScreenshot(options.screenshot_frame, options.screenshot_path);
    Engine::cSceneRenderer& scene =
        Engine::CreateSceneRenderer(*Engine::cRenderSystem::Instance().Renderer(), Engine::CurrentDisplayMode());
    Engine::cParticleManager::Instance().AttachTo(scene);
    return true;
}

void cApplication::StartGame(GameStateId initial_state) {
    cGameStateManager& manager = cGameStateManager::Instance();
    manager.SetStateFactory(state_factory);
    manager.SetInitialState(initial_state);
    ConnectLevelManager(manager);
    // Each step logs its own failure; the game runs with whatever did load.
    LoadGameData(cGameData::Instance().enable_tessary);
    cGameFactory::Instance().Register();
    Engine::cGUIManager::Instance().CreateCursor(kCursorSize, kCursorSize, std::string(Content::kCursorTextureSet),
                                                 {0.5f, 0.5f});
}

// The level manager asks which state is loading a level, may end the game,
// and hands the level's candy count to the results.
void cApplication::ConnectLevelManager(cGameStateManager& manager) {
    cLevelManager& levels = cLevelManager::Instance();
    levels.current_state = [&manager] { return static_cast<int>(manager.current_id); };
    levels.request_state = [&manager](int id) { manager.next_id = static_cast<GameStateId>(id); };
    levels.publish_candy = [](unsigned total) {
        cLevelStats::Instance().SetCandyTotal(static_cast<std::int32_t>(total));
    };
}

void cApplication::Run() {
    // After a full start-up, so the crash path is the one a fault in a frame takes.
    if (options.crash_test) Engine::MiniDumper::CrashTest();
    cLoopOptions loop_options;
    loop_options.fixed_dt = options.fixed_dt;
    loop_options.frame_limit = options.frames;
    loop_options.developer_keys = Engine::cEngineSettings::Instance().developer_mode;
    cMainLoop loop(cGameStateManager::Instance(), counter, loop_options,
                   [this](float dt, unsigned frame) { InputStep(dt, frame); });
    loop.Run();
    StopRecording(loop.FramesRun());
    Engine::LogEngine("Main loop ended after " + std::to_string(loop.FramesRun()) + " frames");
}

void cApplication::InputStep(float dt, unsigned frame) {
    recorder.SetFrame(frame);
    if (frame_driver) frame_driver(dt, frame);
    input_script.Inject(frame);
    Engine::cWindow::Instance().UpdateInput(dt);
}

// Shut-down runs start-up the other way.
void cApplication::ShutDown() {
    StopRecording(0);
    ShutDownGame();
    Engine::cLog::Instance();
    Engine::cGUIManager::Destroy();
    Engine::DestroySoundManager();
    Engine::cCollisionManager::Instance().Clear();
    Engine::cPhysicsWorld::Instance().ClearObjects();
    Engine::cSceneManager::Destroy();
    DestroyEffects();
    Engine::DestroySceneRenderer();
    Engine::cAnimationRegistry::Destroy();
    Engine::cResourceSystem::Destroy();
    Engine::cRenderSystem::Destroy();
    Engine::cWindow::Instance().DestroyMainWindow();
    Engine::cProfileRegistry::Instance().WriteProfileReport();
    Engine::cLog::Instance().Close();
    Engine::cLog::Destroy();
}

// The effect slots point into the particle systems, and the systems draw
// through the scene renderer: slots, then systems, before the renderer goes.
void cApplication::DestroyEffects() {
    if (cGlobalEffects::Exists()) cGlobalEffects::Destroy();
    if (cEnvironmentEffects::Exists()) cEnvironmentEffects::Destroy();
    if (Engine::cParticleManager::Exists()) Engine::cParticleManager::Destroy();
}

// Every entity back to its pool before the factories and the last state go.
void cApplication::ShutDownGame() {
    if (cGameFactory::Exists()) {
        cGameFactory::Instance().ReleaseAll();
        cGameFactory::Instance().Shutdown();
        cGameFactory::Destroy();
    }
    cGameStateManager::Destroy();
    if (Engine::iSoundManager* sound = Engine::GetSoundManager()) sound->ReleaseAll();
}

}  // namespace Game

#pragma once
// cApplication: the program's start-up, main loop and shut-down.
//
// Start-up runs in a fixed order: settings, window description, log, engine
// (window and input state, the device layer with the resource managers, the
// scene renderer with the particle systems drawn through it, the engine
// services, the GUI with its input listeners), developer settings, the
// game-data record that seeds the random generator, then the game (state
// manager, game data, entity factory, the on-screen cursor). Shut-down runs
// the other way: the GUI goes first, and the scene renderer before the
// resource managers its models and lights hold. The state classes
// reach the manager through the state factory the entry passes in, so this
// library does not depend on them.

#include <functional>
#include <string>

#include "app/cGameStateManager.h"
#include "app/cLaunchOptions.h"
#include "engine/platform/cInputRecorder.h"
#include "engine/platform/cInputScript.h"
#include "engine/core/EngineConfig.h"
#include "engine/platform/WindowDesc.h"
#include "engine/platform/cPerformanceCounter.h"

namespace Game {

class cApplication {
public:
    // Called at the start of every frame's input step with the frame's dt and
    // number (from 1), before the scripted input: a test's player pushes its
    // SDL events here, and they reach the game and the record as real input does.
    using FrameDriver = std::function<void(float dt, unsigned frame)>;

    // The step a run with --record and no --fixed-dt takes, so that its replay
    // steps alike.
    static constexpr float kRecordedStep = 1.0f / 60.0f;

    cApplication(cLaunchOptions options, cGameStateManager::StateFactory state_factory);

    // Brings every service up; false with Error() set when the program cannot
    // run (no window could be opened, the input script cannot be read).
    bool StartUp();
    // Runs the main loop until quit is requested.
    void Run();
    // Brings every service down; safe after a failed start-up.
    void ShutDown();
    // Sets the frame driver; none by default.
    void SetFrameDriver(FrameDriver driver) { frame_driver = std::move(driver); }

    // Why start-up failed, as one plain line.
    const std::string& Error() const { return error; }

private:
    // The on-screen cursor's size in window pixels.
    static constexpr float kCursorSize = 50.0f;

    bool StartEngine(const Engine::WindowDesc& desc);
    bool OpenWindow(const Engine::WindowDesc& desc);
    Engine::EngineConfig StoreEngineConfig();
    bool StartRenderer();
    void StartGame(GameStateId initial_state);
    void ConnectLevelManager(cGameStateManager& manager);
    void InputStep(float dt, unsigned frame);
    bool StartRecording();
    void StopRecording(unsigned frames);
    void ShutDownGame();
    void DestroyEffects();

    cLaunchOptions options;
    cGameStateManager::StateFactory state_factory;
    Engine::cPerformanceCounter counter;
    Engine::cInputScript input_script;
    Engine::cInputRecorder recorder;
    FrameDriver frame_driver;
    std::string error;
};

}  // namespace Game

#include "app/cMainLoop.h"

#include "app/cDeveloperKeys.h"
#include "engine/audio/SoundManagerAccess.h"
#include "engine/audio/iSoundManager.h"
#include "engine/platform/cKeyboardState.h"
#include "engine/ui/cDebugConsole.h"

namespace Game {

cMainLoop::cMainLoop(cGameStateManager& manager_, const Engine::iHighResCounter& counter_,
                     cLoopOptions options_, InputStep input_step_)
    : manager(manager_), counter(counter_), options(options_), input_step(std::move(input_step_)) {}

void cMainLoop::Run() {
    while (manager.current_id != StateQuit) {
        StartRun();
        while (manager.current_id == manager.next_id) Frame();
        EndRun();
    }
}

void cMainLoop::StartRun() {
    if (manager.current_id == StateRestart) {
        manager.current_id = manager.previous_id;
        manager.next_id = manager.previous_id;
    } else {
        manager.Switch();
        if (iGameState* state = manager.Current()) state->Load();
    }
    if (iGameState* state = manager.Current()) state->Enter();
}

void cMainLoop::EndRun() {
    if (iGameState* state = manager.Current()) {
        state->Exit();
        if (manager.next_id != StateRestart) {
            state->Unload();
            manager.DestroyCurrent();
        }
    }
    manager.previous_id = manager.current_id;
    manager.current_id = manager.next_id;
}

void cMainLoop::Frame() {
    const int64_t frame_start = counter.Count();
    const float dt = FrameDt();
    ++frames_run;

    input_step(dt, frames_run);
    if (iGameState* state = manager.Active()) state->Update(dt);
    for (iGameState* state : manager.ActiveStates()) state->Render();
    if (Engine::iSoundManager* sound = Engine::GetSoundManager()) sound->Update();  // the listener follows its entity
    if (options.developer_keys) cDeveloperKeys::Process(Engine::cKeyboardState::Instance(), manager);
    // Back to back on purpose: the idle timer holds the cost of two counter readings.
    Engine::cDebugConsole::Instance().idle_timer.Start();
    Engine::cDebugConsole::Instance().idle_timer.Stop();
    if (options.frame_limit != 0 && frames_run >= options.frame_limit) manager.next_id = StateQuit;

    previous_frame_seconds =
        static_cast<double>(counter.Count() - frame_start) / static_cast<double>(counter.Frequency());
}

float cMainLoop::FrameDt() const {
    return options.fixed_dt ? *options.fixed_dt : static_cast<float>(previous_frame_seconds);
}

}  // namespace Game

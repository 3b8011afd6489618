#pragma once
// cMainLoop: runs game states one at a time until quit is requested.
//
// A run of a state is: start (create and Load, or keep the object on a
// restart), Enter, frames while next_id equals current_id, then the run end
// (Exit, and Unload and destruction unless a restart follows). Each frame
// reads the counter, steps the input with dt, updates the active state,
// renders every active state, updates the sound listener, handles the
// developer keys, reads the idle timer and measures its own duration, which becomes the next frame's dt: no
// cap, no sleep, no fixed step unless a test asks for one.

#include <functional>  // InputStep
#include <optional>

#include "app/cGameStateManager.h"
#include "engine/platform/iHighResCounter.h"

namespace Game {

struct cLoopOptions {
    std::optional<float> fixed_dt;  // every frame gets this dt instead of the measured one
    unsigned frame_limit = 0;       // request quit after this many frames; 0: no limit
    bool developer_keys = false;    // the developer keys act only in developer mode
};

class cMainLoop {
public:
    // The frame's input step: age the input state with dt, then drain the
    // window messages. frame counts the frames of the process from 1.
    using InputStep = std::function<void(float dt, unsigned frame)>;

    cMainLoop(cGameStateManager& manager, const Engine::iHighResCounter& counter,
              cLoopOptions options, InputStep input_step);

    // Runs states until StateQuit; returns at once when it is already requested.
    void Run();
    // Frames run so far.
    unsigned FramesRun() const { return frames_run; }

private:
    void StartRun();
    void EndRun();
    void Frame();
    float FrameDt() const;

    cGameStateManager& manager;
    const Engine::iHighResCounter& counter;
    cLoopOptions options;
    InputStep input_step;
    double previous_frame_seconds = 0.0;  // carried across runs and switches
    unsigned frames_run = 0;
};

}  // namespace Game

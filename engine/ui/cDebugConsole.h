#pragma once
// cDebugConsole: the developer console, one per process.
//
// It is created on first use by whichever user comes first and lives until
// process exit, so its section timers exist before anything starts them. The
// timers measure the stages of a gameplay frame for the profiler overlay:
// game logic, physics and animation in the gameplay state's update, render in
// its render, and idle in the main loop, which starts and stops it back to
// back so that it holds the cost of two counter readings. spare_timer is
// never run. Outside gameplay the four stage timers keep the values of the
// last gameplay frame, 0 before the first one.

#include "engine/core/Singleton.h"
#include "engine/platform/cSectionTimer.h"

namespace Engine {

class cDebugConsole : public Singleton<cDebugConsole> {
    friend class Singleton<cDebugConsole>;

public:
    cSectionTimer render_timer;
    cSectionTimer animation_timer;
    cSectionTimer physics_timer;
    cSectionTimer game_logic_timer;
    cSectionTimer idle_timer;
    cSectionTimer spare_timer;

private:
    cDebugConsole() = default;
};

}  // namespace Engine

#pragma once
// Which presentation a display-mode change moves to. The window layer holds
// what is asked for (its fullscreen flag and windowed size); the device holds
// what is presented. A change of full screen always switches: to the desktop
// size when going full screen, to the windowed size when leaving it. While
// windowed, a new windowed size resizes. Anything else leaves the device
// alone.

#include <optional>

#include "engine/render/Presentation.h"

namespace Engine {

struct DisplayModeRequest {
    bool fullscreen = false;
    int32_t windowed_width = 0;
    int32_t windowed_height = 0;
    int32_t desktop_width = 0;
    int32_t desktop_height = 0;
};

// The presentation to switch to, or nothing when the current one stands or
// the size asked for is not usable (zero or negative).
std::optional<Presentation> PlanDisplayMode(const Presentation& current, const DisplayModeRequest& request);

}  // namespace Engine

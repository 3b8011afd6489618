#pragma once
// Presentation: what the device presents into, the part of its set-up that a
// display-mode change alters: full screen or windowed, and the back-buffer size.

#include <cstdint>

namespace Engine {

struct Presentation {
    bool fullscreen = false;
    int32_t width = 0;
    int32_t height = 0;
};

// Same mode and size.
constexpr bool operator==(const Presentation& a, const Presentation& b) {
    return a.fullscreen == b.fullscreen && a.width == b.width && a.height == b.height;
}

}  // namespace Engine

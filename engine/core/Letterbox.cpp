#include "engine/core/Letterbox.h"

#include <cmath>

namespace Engine {

Letterbox ComputeLetterbox(bool fullscreen, float screen_width, float screen_height, float settings_width,
                           float settings_height, bool enforce_res) {
    Letterbox box;
    if (!fullscreen) {
        box.viewport = {0, 0, settings_width, settings_height};
        return box;
    }
    const float W = screen_width;
    const float H = screen_height;
    box.viewport = {0, 0, W, H};
    if (W <= 0 || H <= 0 || settings_width <= 0 || settings_height <= 0) return box;

    const float target = enforce_res ? 16.0f / 9.0f : settings_width / settings_height;
    if (std::fabs(W / H - target) <= 0.0001f) return box;

    box.bars = true;
    if (target >= W / H) {
        const float picture_height = W / target;
        const float bar = (H - picture_height) / 2;
        box.bar_a = {0, 0, W, bar};
        box.bar_b = {0, picture_height + bar, W, H};
        box.viewport = {0, bar, W, H - bar};
    } else {
        const float picture_width = H * target;
        const float bar = (W - picture_width) / 2;
        box.bar_a = {0, 0, bar, H};
        box.bar_b = {picture_width + bar, 0, W, H};
        box.viewport = {bar, 0, W - bar, H};
    }
    return box;
}

}  // namespace Engine

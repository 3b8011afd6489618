#include "engine/render/DisplayModePlan.h"

namespace Engine {

std::optional<Presentation> PlanDisplayMode(const Presentation& current, const DisplayModeRequest& request) {
    Presentation next;
    if (request.fullscreen != current.fullscreen) {
        next.fullscreen = request.fullscreen;
        next.width = request.fullscreen ? request.desktop_width : request.windowed_width;
        next.height = request.fullscreen ? request.desktop_height : request.windowed_height;
    } else if (!current.fullscreen &&
               (request.windowed_width != current.width || request.windowed_height != current.height)) {
        next.width = request.windowed_width;
        next.height = request.windowed_height;
    } else {
        return std::nullopt;
    }
    if (next.width <= 0 || next.height <= 0) return std::nullopt;
    return next;
}

}  // namespace Engine

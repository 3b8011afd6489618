#pragma once
// The small records a renderer keeps of what it was last told: the viewport,
// the last clear and the material colours. Device layers read them when they
// talk to their device; tests read them to see what the device was told.

#include <cstdint>

#include "engine/core/ColorRGBA.h"

namespace Engine {

// A viewport in back-buffer pixels from the top left, with its depth range.
struct Viewport {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    float min_depth = 0.0f;
    float max_depth = 1.0f;
};

// One Clear as the device receives it: the flags reduced to their three
// bits and the colour packed as 0xAARRGGBB.
struct ClearRecord {
    uint32_t flags = 0;
    uint32_t colour = 0;
    float depth = 1.0f;
    uint32_t stencil = 0;
};

// The material colours of SetMaterial. Until a material is set, draws
// without vertex colours come out opaque white, as on the original device
// with lighting off.
struct MaterialColours {
    ColorRGBA ambient{0, 0, 0, 1};
    ColorRGBA diffuse{1, 1, 1, 1};
    ColorRGBA specular{0, 0, 0, 1};
    ColorRGBA emissive{0, 0, 0, 1};
    float power = 0.0f;
};

}  // namespace Engine

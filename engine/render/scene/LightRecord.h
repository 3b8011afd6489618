#pragma once
// LightRecord: everything a light is, as both the device's lighting and the
// shaders read it. The light manager hands the record to the device under a
// device slot; a light component binds each field by name to its shader
// stages, so the shaders read whatever the record holds at upload time.
//
// The field order is the one the device's light structure has always had;
// the colours and vectors are plain runs of floats, so shader bindings can
// point straight at them.

#include <cstdint>

#include "engine/core/ColorRGBA.h"
#include "engine/core/MathConstants.h"
#include "engine/core/Vector3.h"

namespace Engine {

// The engine's light types (the number the "Type" shader constant carries).
enum eLightType : int32_t {
    LT_Point = 0,
    LT_Directional = 1,
    LT_Spot = 2,
};

struct LightRecord {
    // The slot value of a light that holds no device slot.
    static constexpr uint8_t kNoSlot = 255;
    // Cone angles are radians: 15 and 30 degrees unless the owner says otherwise.
    static constexpr float kDefaultInnerCone = DegToRad(15.0f);
    static constexpr float kDefaultOuterCone = DegToRad(30.0f);
    static constexpr float kDefaultRange = 100.0f;
    static constexpr float kDefaultFalloff = 1.0f;

    // Every field but type back to its default; the owner decides the type.
    void ResetKeepingType() {
        const int32_t kept = type;
        *this = LightRecord{};
        type = kept;
    }

    int32_t type = LT_Point;  // an eLightType
    ColorRGBA diffuse{0, 0, 0, 1};
    ColorRGBA specular{0, 0, 0, 1};
    ColorRGBA ambient{0, 0, 0, 1};
    Vector3 position{0, 0, 0};
    Vector3 direction{0, 0, 0};
    float range = kDefaultRange;
    float falloff = kDefaultFalloff;
    float attenuation0 = 0.0f;
    float attenuation1 = 0.0f;
    float attenuation2 = 0.0f;
    float innerCone = kDefaultInnerCone;  // radians
    float outerCone = kDefaultOuterCone;  // radians
    uint8_t slot = kNoSlot;               // device light index
};

}  // namespace Engine

#pragma once
// RenderLight: one light as the device's own lighting takes it, the record a
// renderer keeps in each of its light slots. The scene's light manager fills
// it from a light's record; a device layer lights draws without a shader of
// their own from it.
//
// The types keep the numbers the device always gave them (point 1, spot 2,
// directional 3), which differ from the engine's own light types. Cone
// angles are whole angles in radians: a spot lights fully within half of
// theta from its axis, fades out to half of phi, and lights nothing beyond.
//
// A light that cannot light anything (an unknown type, a value that is not a
// finite number, a negative range or attenuation, a directional or spot
// light without a direction) is still kept, so that what the device was told
// can be read back, but lights nothing; RenderLightFault says why.

#include <cstdint>
#include <string>

#include "engine/core/ColorRGBA.h"
#include "engine/core/Vector3.h"

namespace Engine {

enum eRenderLightType : int32_t {
    RLT_Point = 1,
    RLT_Spot = 2,
    RLT_Directional = 3,
};

struct RenderLight {
    int32_t type = RLT_Point;  // an eRenderLightType
    ColorRGBA diffuse{0, 0, 0, 1};
    ColorRGBA specular{0, 0, 0, 1};
    ColorRGBA ambient{0, 0, 0, 1};
    Vector3 position{0, 0, 0};
    Vector3 direction{0, 0, 0};  // need not be of unit length
    float range = 0.0f;          // point and spot lights light nothing farther away
    float falloff = 1.0f;        // exponent of the fade between the two cones
    float attenuation0 = 0.0f;   // 1 / (a0 + a1 d + a2 d^2); all three 0 means no attenuation
    float attenuation1 = 0.0f;
    float attenuation2 = 0.0f;
    float theta = 0.0f;  // inner cone, whole angle in radians
    float phi = 0.0f;    // outer cone, whole angle in radians

    bool operator==(const RenderLight&) const = default;
};

// Why a light cannot light anything, or empty when it can.
std::string RenderLightFault(const RenderLight& light);

}  // namespace Engine

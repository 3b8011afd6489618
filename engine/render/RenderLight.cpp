#include "engine/render/RenderLight.h"

#include <cmath>  // std::isfinite

namespace Engine {

namespace {

bool IsFinite(const ColorRGBA& c) {
    return std::isfinite(c.r) && std::isfinite(c.g) && std::isfinite(c.b) && std::isfinite(c.a);
}

bool IsFinite(const Vector3& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

bool AllFinite(const RenderLight& l) {
    return IsFinite(l.diffuse) && IsFinite(l.specular) && IsFinite(l.ambient) && IsFinite(l.position) &&
           IsFinite(l.direction) && std::isfinite(l.range) && std::isfinite(l.falloff) &&
           std::isfinite(l.attenuation0) && std::isfinite(l.attenuation1) && std::isfinite(l.attenuation2) &&
           std::isfinite(l.theta) && std::isfinite(l.phi);
}

}  // namespace

std::string RenderLightFault(const RenderLight& light) {
    if (light.type != RLT_Point && light.type != RLT_Spot && light.type != RLT_Directional)
        return "its type " + std::to_string(light.type) + " is not point (1), spot (2) or directional (3)";
    if (!AllFinite(light)) return "a value of it is not a finite number";
    if (light.type == RLT_Directional)
        return LengthSquared(light.direction) > 0.0f ? std::string() : "it has no direction";
    if (light.range < 0.0f) return "its range is negative";
    if (light.attenuation0 < 0.0f || light.attenuation1 < 0.0f || light.attenuation2 < 0.0f)
        return "an attenuation factor is negative";
    if (light.type == RLT_Spot && !(LengthSquared(light.direction) > 0.0f)) return "it has no direction";
    return {};
}

}  // namespace Engine

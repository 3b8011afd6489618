#include "engine/resource/MeshBounds.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace Engine {
namespace {

float Axis(const Vector3& point, int axis) { return axis == 0 ? point.x : axis == 1 ? point.y : point.z; }

// The pair of extreme points, along one of the three axes, that lie farthest apart.
std::array<Vector3, 2> FarthestExtremes(const std::vector<Vector3>& points) {
    std::array<Vector3, 2> best{points.front(), points.front()};
    float best_distance = -1.0f;
    for (int axis = 0; axis < 3; ++axis) {
        const auto [low, high] = std::minmax_element(points.begin(), points.end(), [axis](const Vector3& a, const Vector3& b) {
            return Axis(a, axis) < Axis(b, axis);
        });
        const float distance = Distance(*low, *high);
        if (distance > best_distance) {
            best_distance = distance;
            best = {*low, *high};
        }
    }
    return best;
}

}  // namespace

AABB BoundingBoxOf(const std::vector<Vector3>& points) {
    AABB box;
    if (points.empty()) return box;
    box.min = box.max = points.front();
    for (const Vector3& p : points) {
        box.min = {std::min(box.min.x, p.x), std::min(box.min.y, p.y), std::min(box.min.z, p.z)};
        box.max = {std::max(box.max.x, p.x), std::max(box.max.y, p.y), std::max(box.max.z, p.z)};
    }
    return box;
}

Vector4 BoundingSphereOf(const std::vector<Vector3>& points) {
    if (points.empty()) return {};
    const std::array<Vector3, 2> extremes = FarthestExtremes(points);
    Vector3 centre = (extremes[0] + extremes[1]) * 0.5f;
    float radius = Distance(extremes[0], extremes[1]) * 0.5f;
    for (const Vector3& p : points) {
        const Vector3 offset = p - centre;
        const float distance = Length(offset);
        if (distance <= radius) continue;
        const float grown = (radius + distance) * 0.5f;
        centre += offset * ((grown - radius) / distance);
        radius = grown;
    }
    return {centre, radius};
}

}  // namespace Engine

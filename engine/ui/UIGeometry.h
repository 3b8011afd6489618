#pragma once
// UIGeometry: the small value types of the GUI. UIVector2 is a position or
// scale, normalised or in GUI pixels depending on its use; UIRect is a hit
// rectangle in GUI pixels (origin at the viewport's lower left, y up) that
// counts all four edges as inside. UISliderTrack maps a knob's position
// between two end markers to a value from 0 to 1 and back.

namespace Engine {

struct UIVector2 {
    float x = 0.0f;
    float y = 0.0f;
    bool operator==(const UIVector2&) const = default;
};

struct UIRect {
    float left = 0.0f;
    float bottom = 0.0f;
    float right = 0.0f;
    float top = 0.0f;

    // A rectangle of the size centred on the point.
    static UIRect Centred(const UIVector2& centre, float width, float height) {
        return {centre.x - width / 2.0f, centre.y - height / 2.0f, centre.x + width / 2.0f, centre.y + height / 2.0f};
    }
    bool Contains(const UIVector2& point) const {
        return left <= point.x && point.x <= right && bottom <= point.y && point.y <= top;
    }
    bool operator==(const UIRect&) const = default;
};

// A horizontal slider between the x positions of its two end markers (either
// order). Ends that coincide give a track of no length: every position reads
// 0 and every value puts the knob on the ends, with no division by zero.
struct UISliderTrack {
    float left = 0.0f;
    float right = 0.0f;

    float Low() const { return left < right ? left : right; }
    float High() const { return left < right ? right : left; }
    // x held within the track.
    float Clamp(float x) const { return x < Low() ? Low() : (x > High() ? High() : x); }
    // The value 0 to 1 of a knob at x (clamped onto the track first).
    float ValueAt(float x) const {
        const float length = High() - Low();
        return length > 0.0f ? (Clamp(x) - Low()) / length : 0.0f;
    }
    // Where a knob showing value (0 to 1, clamped) stands.
    float KnobAt(float value) const {
        const float v = value < 0.0f ? 0.0f : (value > 1.0f ? 1.0f : value);
        return Low() + (High() - Low()) * v;
    }
};

}  // namespace Engine

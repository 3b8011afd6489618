#pragma once
// UIGeometry: the small value types of the GUI. UIVector2 is a position or
// scale, normalised or in GUI pixels depending on its use; UIRect is a hit
// rectangle in GUI pixels (origin at the viewport's lower left, y up) that
// counts all four edges as inside.

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

}  // namespace Engine

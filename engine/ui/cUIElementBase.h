#pragma once
// cUIElementBase: one 2D element of a screen (picture, text, button, panel...)
// in normalised viewport space: x 0 at the left edge to 1 at the right, y 0 at
// the bottom to 1 at the top, the position being the element's centre.
//
// An element draws nothing itself: it owns sprite and font components and
// hands them its transform. Elements live in the GUI manager's pools; Release
// gives the components back and leaves the element in the released kind, and
// the pool then hands it to its next user. The viewport the element measures
// pixels against is the GUI manager's, given when the element is taken.

#include <cstdint>
#include <string>

#include "engine/core/Letterbox.h"
#include "engine/core/Matrix4x4.h"
#include "engine/ui/UIGeometry.h"

namespace Engine {

class cUIPanel;

class cUIElementBase {
public:
    static constexpr int32_t kImage = 0;
    static constexpr int32_t kButton = 1;
    static constexpr int32_t kTextbox = 2;
    static constexpr int32_t kEditableTextbox = 3;
    static constexpr int32_t kPanel = 4;
    static constexpr int32_t kInteractiveImage = 5;
    static constexpr int32_t kMouseCursor = 6;
    static constexpr int32_t kValueEditor = 7;
    static constexpr int32_t kDebugPanel = 8;
    static constexpr int32_t kReleased = 9;

    virtual ~cUIElementBase() = default;

    // Stores name and kind; position 0, scale 1, rotation 0; recomputes the transform.
    virtual void Init(const std::string& new_name, int32_t new_kind);
    // Gives the components back and resets the element to the released kind.
    virtual void Release();
    virtual void SetVisible(bool visible) = 0;
    virtual bool IsVisible() const = 0;
    virtual void Update(float dt) = 0;
    // Stores the normalised centre and recomputes the transform.
    virtual void SetPosition(const UIVector2& position);
    // The centre in pixels from the viewport's lower left corner.
    virtual UIVector2 GetScreenPosition() const;
    virtual void SetScale(const UIVector2& scale);
    // Recomputes the transform after a viewport change.
    virtual void Refresh();

    // The viewport (pixels) the element measures against; null counts as 1 x 1 at the origin.
    void SetViewport(const ScreenRect* new_viewport) { viewport = new_viewport; }
    float ViewportWidth() const;
    float ViewportHeight() const;
    float PixelWidth() const { return width * ViewportWidth(); }
    float PixelHeight() const { return height * ViewportHeight(); }
    // The element's pixel size centred on its screen position.
    UIRect PixelRect() const { return UIRect::Centred(GetScreenPosition(), PixelWidth(), PixelHeight()); }
    // The pixel rectangle in window pixels from the lower left corner, moved by
    // the viewport's corner as the transform moves sprites: text drawn there sits
    // on its sprite when the picture is letterboxed.
    UIRect WindowRect() const;

    std::string name;
    int32_t kind = kReleased;
    float posX = 0.0f;
    float posY = 0.0f;
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    float rotation = 0.0f;
    Matrix4x4 transform = Matrix4x4::Identity();
    float width = 0.0f;
    float height = 0.0f;
    cUIPanel* parent = nullptr;

protected:
    void RecomputeTransform();

    const ScreenRect* viewport = nullptr;
};

}  // namespace Engine

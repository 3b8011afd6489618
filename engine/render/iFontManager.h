#pragma once
// iFontManager: the fonts text is drawn with. Font 0 is the default font,
// "helvetica" bold, made when the manager is created; CreateFont adds more.
// Text colours convert to bytes as the renderer's Clear does.
//
// Fonts are device objects: on a display-mode change or device reset the
// manager releases every font and makes each one again afterwards, so font
// indices stay valid.

#include <cstdint>
#include <string>

#include "engine/core/ColorRGBA.h"
#include "engine/core/Vector4.h"

namespace Engine {

class iFontManager {
public:
    // Releases every font.
    virtual ~iFontManager() = default;
    // A font of the face, 15 pixels high; its index, or -1 (logged) when it cannot be made.
    virtual int32_t CreateFont(const std::string& face, bool bold, bool italic) = 0;
    // Draws text in a rectangle (left, bottom, right, top) in pixels with the
    // origin at the bottom left, laid out by eTextFormat flags.
    virtual void DrawTextInRect(const std::string& text, const Vector4& rectangle, uint32_t format,
                                const ColorRGBA& colour, int32_t font) = 0;
    // Draws text from (x, y) in pixels with the origin at the top left, unclipped.
    virtual void DrawTextAt(const std::string& text, int32_t x, int32_t y, const ColorRGBA& colour,
                            int32_t font) = 0;
    // Releases every font's device objects.
    virtual void OnDeviceLost() = 0;
    // Makes every font again.
    virtual void OnDeviceReset() = 0;

    // Fonts made so far, the default font included.
    virtual int32_t GetFontCount() const = 0;
};

}  // namespace Engine

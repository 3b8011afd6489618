#pragma once
// cFontManagerBase: the device-neutral part of every font manager: the list
// of fonts made (face, bold, italic), the conversion of rectangles and
// colours, and the font side of a device reset. A device layer derives from
// it and supplies the device fonts and the drawing.
//
// The manager registers itself in the fonts stage of cDeviceResetOrder. On a
// reset it releases every device font but keeps the list, and afterwards
// makes every font of the list again, so each font index keeps naming the
// same font.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/render/cTextLayout.h"
#include "engine/render/iDeviceResetListener.h"
#include "engine/render/iFontManager.h"

namespace Engine {

class cFontManagerBase : public iFontManager, public iDeviceResetListener {
public:
    // The face, height and weight of one font.
    struct FontDesc {
        std::string face;
        bool bold = false;
        bool italic = false;
    };

    // The default font every manager makes first.
    static constexpr const char* kDefaultFace = "helvetica";
    // Font height in pixels.
    static constexpr int32_t kFontHeight = 15;

    ~cFontManagerBase() override;

    int32_t CreateFont(const std::string& face, bool bold, bool italic) override;
    void DrawTextInRect(const std::string& text, const Vector4& rectangle, uint32_t format, const ColorRGBA& colour,
                        int32_t font) override;
    void DrawTextAt(const std::string& text, int32_t x, int32_t y, const ColorRGBA& colour, int32_t font) override;
    void OnDeviceLost() override;
    void OnDeviceReset() override;
    int32_t GetFontCount() const override { return static_cast<int32_t>(fonts.size()); }

    // The font of an index; the index must be below GetFontCount.
    const FontDesc& Font(int32_t index) const;
    // False between OnDeviceLost and OnDeviceReset.
    bool DeviceFontsLive() const { return device_fonts_live; }

    // A rectangle (left, bottom, right, top) with the origin at the bottom
    // left, in a back buffer of the given height, as a top-left-origin
    // rectangle, every edge truncated to an integer.
    static TextRect ToTopLeft(const Vector4& rectangle, int32_t height);

protected:
    cFontManagerBase();

    // Makes the device font of an index; false when the device cannot.
    virtual bool DeviceCreateFont(int32_t index, const FontDesc& desc) = 0;
    // Releases every device font.
    virtual void DeviceReleaseFonts() = 0;
    // Draws text with a live font, colour packed as 0xAARRGGBB.
    virtual void DeviceDrawText(int32_t font, const std::string& text, const TextRect& rect, uint32_t format,
                                uint32_t colour) = 0;

    // Makes the default font; derived constructors call it once their device is ready.
    void CreateDefaultFont();

private:
    // The draw shared by both operations; a bad font index is logged and skipped.
    void Draw(const std::string& text, const TextRect& rect, uint32_t format, const ColorRGBA& colour, int32_t font);

    std::vector<FontDesc> fonts;
    bool device_fonts_live = true;
};

}  // namespace Engine

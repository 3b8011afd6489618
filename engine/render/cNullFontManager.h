#pragma once
// cNullFontManager: the font manager of the null device layer. It keeps the
// font list and the reset behaviour of every font manager, counts the device
// fonts it would hold, and records the last text drawn so that tests can see
// what reached the device.

#include <cstdint>
#include <string>

#include "engine/render/cFontManagerBase.h"

namespace Engine {

class cNullFontManager : public cFontManagerBase {
public:
    // One text as the device received it.
    struct DrawRecord {
        int32_t font = -1;
        std::string text;
        TextRect rect;
        uint32_t format = 0;
        uint32_t colour = 0;
    };

    // Makes the default font.
    cNullFontManager();
    ~cNullFontManager() override;

    // Device fonts alive now.
    int32_t DeviceFontCount() const { return device_fonts; }
    // Device fonts made since construction, the remade ones included.
    int32_t DeviceFontsMade() const { return fonts_made; }
    // The last text drawn and how many texts were drawn.
    const DrawRecord& LastDraw() const { return last_draw; }
    uint32_t DrawCount() const { return draws; }

protected:
    bool DeviceCreateFont(int32_t index, const FontDesc& desc) override;
    void DeviceReleaseFonts() override { device_fonts = 0; }
    void DeviceDrawText(int32_t font, const std::string& text, const TextRect& rect, uint32_t format,
                        uint32_t colour) override;

private:
    int32_t device_fonts = 0;
    int32_t fonts_made = 0;
    DrawRecord last_draw;
    uint32_t draws = 0;
};

}  // namespace Engine

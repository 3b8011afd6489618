#include "engine/render/cNullFontManager.h"

namespace Engine {

cNullFontManager::cNullFontManager() { CreateDefaultFont(); }

cNullFontManager::~cNullFontManager() { DeviceReleaseFonts(); }

bool cNullFontManager::DeviceCreateFont(int32_t, const FontDesc&) {
    ++device_fonts;
    ++fonts_made;
    return true;
}

void cNullFontManager::DeviceDrawText(int32_t font, const std::string& text, const TextRect& rect, uint32_t format,
                                      uint32_t colour) {
    last_draw = {font, text, rect, format, colour};
    ++draws;
}

}  // namespace Engine

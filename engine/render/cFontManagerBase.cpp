#include "engine/render/cFontManagerBase.h"

#include <cassert>

#include "engine/core/cLog.h"
#include "engine/platform/cWindow.h"
#include "engine/render/DeviceColour.h"
#include "engine/render/cDeviceResetOrder.h"
#include "engine/render/eTextFormat.h"

namespace Engine {

cFontManagerBase::cFontManagerBase() { cDeviceResetOrder::Instance().Register(eDeviceResetStage::Fonts, this); }

cFontManagerBase::~cFontManagerBase() {
    if (cDeviceResetOrder::Exists()) cDeviceResetOrder::Instance().Unregister(this);
}

int32_t cFontManagerBase::CreateFont(const std::string& face, bool bold, bool italic) {
    const FontDesc desc{face, bold, italic};
    const auto index = static_cast<int32_t>(fonts.size());
    // While the device fonts are released, the font is only listed; the reset makes it with the others.
    if (device_fonts_live && !DeviceCreateFont(index, desc)) {
        LogError("the font \"" + face + "\" could not be made");
        return -1;
    }
    fonts.push_back(desc);
    return index;
}

void cFontManagerBase::DrawTextInRect(const std::string& text, const Vector4& rectangle, uint32_t format,
                                      const ColorRGBA& colour, int32_t font) {
    Draw(text, ToTopLeft(rectangle, cWindow::Instance().Height()), format, colour, font);
}

void cFontManagerBase::DrawTextAt(const std::string& text, int32_t x, int32_t y, const ColorRGBA& colour,
                                  int32_t font) {
    // Right and bottom 0 with no flags would clip the text away entirely; the
    // text is meant to show from (x, y), so it is drawn unclipped.
    Draw(text, TextRect{x, y, 0, 0}, TF_NoClip, colour, font);
}

void cFontManagerBase::OnDeviceLost() {
    if (!device_fonts_live) return;
    DeviceReleaseFonts();
    device_fonts_live = false;
}

void cFontManagerBase::OnDeviceReset() {
    if (device_fonts_live) return;
    device_fonts_live = true;
    for (std::size_t i = 0; i < fonts.size(); ++i) {
        if (!DeviceCreateFont(static_cast<int32_t>(i), fonts[i])) {
            LogError("the font \"" + fonts[i].face + "\" could not be made again after the device reset");
        }
    }
}

const cFontManagerBase::FontDesc& cFontManagerBase::Font(int32_t index) const {
    assert(index >= 0 && index < GetFontCount() && "font index must name a font made by this manager");
    return fonts[static_cast<std::size_t>(index)];
}

TextRect cFontManagerBase::ToTopLeft(const Vector4& rectangle, int32_t height) {
    const auto h = static_cast<float>(height);
    return {static_cast<int32_t>(rectangle.x), static_cast<int32_t>(h - rectangle.w), static_cast<int32_t>(rectangle.z),
            static_cast<int32_t>(h - rectangle.y)};
}

void cFontManagerBase::CreateDefaultFont() { CreateFont(kDefaultFace, true, false); }

void cFontManagerBase::Draw(const std::string& text, const TextRect& rect, uint32_t format, const ColorRGBA& colour,
                            int32_t font) {
    if (font < 0 || font >= GetFontCount()) {
        LogError("text drawn with font " + std::to_string(font) + ", which does not exist; it is skipped");
        return;
    }
    if (!device_fonts_live || text.empty() || (format & TF_CalcRect)) return;
    DeviceDrawText(font, text, rect, format, PackDeviceColour(colour));
}

}  // namespace Engine

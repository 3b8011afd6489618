#include "engine/render/DeviceColour.h"

namespace Engine {

uint8_t ChannelToByte(float channel) {
    if (channel >= 1.0f) return 255;
    // NaN fails every comparison and lands here too, as black.
    if (!(channel > 0.0f)) return 0;
    return static_cast<uint8_t>(channel * 255.0f + 0.5f);
}

uint32_t PackDeviceColour(float red, float green, float blue, float alpha) {
    return (static_cast<uint32_t>(ChannelToByte(alpha)) << 24) | (static_cast<uint32_t>(ChannelToByte(red)) << 16) |
           (static_cast<uint32_t>(ChannelToByte(green)) << 8) | static_cast<uint32_t>(ChannelToByte(blue));
}

uint32_t PackDeviceColour(const ColorRGBA& colour) { return PackDeviceColour(colour.r, colour.g, colour.b, colour.a); }

ColorRGBA UnpackDeviceColour(uint32_t packed) {
    const auto channel = [packed](int shift) { return static_cast<float>((packed >> shift) & 0xFFu) / 255.0f; };
    return {channel(16), channel(8), channel(0), channel(24)};
}

}  // namespace Engine

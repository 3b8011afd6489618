#pragma once
// The device colour: a colour as one 32-bit word, alpha, red, green, blue
// from the high byte to the low. Clear and text colours convert this way:
// each channel in 0..1 becomes a byte, 255 at 1 or above, 0 at 0 or below,
// otherwise channel * 255 + 0.5 truncated.

#include <cstdint>

#include "engine/core/ColorRGBA.h"

namespace Engine {

// One channel as a byte.
uint8_t ChannelToByte(float channel);
// The four channels packed as 0xAARRGGBB.
uint32_t PackDeviceColour(float red, float green, float blue, float alpha);
// A ColorRGBA packed as 0xAARRGGBB.
uint32_t PackDeviceColour(const ColorRGBA& colour);
// A packed colour's channels back in 0..1 (byte / 255).
ColorRGBA UnpackDeviceColour(uint32_t packed);

}  // namespace Engine

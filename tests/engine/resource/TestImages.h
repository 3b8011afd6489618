#pragma once
// Image files written by the tests themselves, with known texels: each
// texel's colour comes from its column and its row from the top, so a test
// can say which byte must land where after decoding.

#include <cstdint>
#include <string>
#include <vector>

namespace TestImages {

struct Rgba {
    uint8_t r, g, b, a;
};

// The texel at column x, row y from the top of a test picture.
Rgba TexelAt(int32_t x, int32_t y);

// The bytes the texture code expects of a width x height test picture:
// blue, green, red, alpha per texel, bottom row first; alpha 255 when opaque.
std::vector<uint8_t> ExpectedBgraBottomUp(int32_t width, int32_t height, bool with_alpha);

// Writes the test picture as a PNG with alpha (32-bit) or without (24-bit); false on failure.
bool WritePng(const std::string& path, int32_t width, int32_t height, bool with_alpha);
// Writes the test picture as an uncompressed 24-bit TGA stored bottom row first.
bool WriteTga24(const std::string& path, int32_t width, int32_t height);
// Writes the test picture as an 8-bit palettised BMP (one palette entry per texel).
bool WriteBmp8(const std::string& path, int32_t width, int32_t height);
// Writes a picture of one colour (no alpha) as a PNG.
bool WriteSolidPng(const std::string& path, int32_t width, int32_t height, Rgba colour);

}  // namespace TestImages

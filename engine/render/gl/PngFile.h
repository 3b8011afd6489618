#pragma once
// Writing an image as a PNG file (through SDL2_image), for screenshots.

#include <cstdint>
#include <string>
#include <vector>

namespace Engine {

// Writes width x height RGBA pixels, top row first, to path; false when the
// pixels do not match the size or the file cannot be written.
bool WritePng(const std::string& path, const std::vector<uint8_t>& rgba, int32_t width, int32_t height);

}  // namespace Engine

#pragma once
// PeekImageSize: the picture size an image file's header declares, read
// before the file is decoded, so that a damaged or hostile header cannot make
// the decoder allocate gigabytes. It knows PNG, BMP and JPEG by their magic
// numbers and TGA, which has none, by its extension; for anything else the
// size is unknown and the decoder decides.

#include <cstdint>
#include <string>

namespace Engine {

// True, with the size, when the header of a known format declares one.
bool PeekImageSize(const std::string& path, int32_t& width, int32_t& height);

}  // namespace Engine

#pragma once
// PeekImageSize: the picture size an image file's header declares, read
// before the file is decoded, so that a damaged or hostile header cannot make
// the decoder allocate gigabytes. It knows the four formats the engine reads:
// PNG, BMP and JPEG by their magic numbers and TGA, which has none, by its
// extension. Anything else is not a picture the engine reads, and the decoder
// never sees it (SDL2_image would try every format it knows on it).

#include <cstdint>
#include <string>

namespace Engine {

// True, with the size, when the file starts with the header of one of the four formats.
bool PeekImageSize(const std::string& path, int32_t& width, int32_t& height);

}  // namespace Engine

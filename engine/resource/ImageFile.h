#pragma once
// ReadImageFile: decodes an image file (PNG, TGA, JPEG, BMP, through
// SDL2_image) into the layout the texture code uploads: four bytes a texel in
// the order blue, green, red, alpha, rows from the bottom of the picture to
// its top, packed without padding. Images of any bit depth are converted;
// those without alpha (and without a transparent colour key) get alpha 255
// and format index TF_RGB8, the others TF_ARGB8.
//
// A file that cannot be read or decoded, or is none of those four formats,
// gives the Engine log line "Error: <path> : format not supported." and false. A header that declares
// a side longer than kMaxImageSide is refused before decoding, with the line
// "Error: <path> : image too large (<width> x <height>).". A "\" in the path
// is read as "/".

#include <cstdint>
#include <string>
#include <vector>

namespace Engine {

// The longest side of a picture or texture the engine makes.
constexpr int32_t kMaxImageSide = 16384;

struct DecodedImage {
    std::vector<uint8_t> pixels;
    int32_t width = 0;
    int32_t height = 0;
    int32_t format = 0;  // eTextureFormat
};

// Decodes the image at path into image; false, with the log line, on failure.
bool ReadImageFile(const std::string& path, DecodedImage& image);

}  // namespace Engine

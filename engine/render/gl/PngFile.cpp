#include "engine/render/gl/PngFile.h"

#include <SDL.h>
#include <SDL_image.h>  // IMG_SavePNG

namespace Engine {

bool WritePng(const std::string& path, const std::vector<uint8_t>& rgba, int32_t width, int32_t height) {
    if (width <= 0 || height <= 0 || rgba.size() != static_cast<std::size_t>(width) * height * 4) return false;
    // The surface only borrows the pixels; SDL does not write through it.
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint8_t*>(rgba.data()), width, height, 32,
                                                              width * 4, SDL_PIXELFORMAT_RGBA32);
    if (surface == nullptr) return false;
    const bool written = IMG_SavePNG(surface, path.c_str()) == 0;
    SDL_FreeSurface(surface);
    return written;
}

}  // namespace Engine

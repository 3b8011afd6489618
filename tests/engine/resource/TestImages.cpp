#include "tests/engine/resource/TestImages.h"

#include <SDL.h>
#include <SDL_image.h>

#include <fstream>

namespace TestImages {
namespace {

// A surface of the test picture in a byte-ordered format (RGB24 or RGBA32).
SDL_Surface* MakeSurface(int32_t width, int32_t height, bool with_alpha) {
    const Uint32 format = with_alpha ? SDL_PIXELFORMAT_RGBA32 : SDL_PIXELFORMAT_RGB24;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, with_alpha ? 32 : 24, format);
    if (surface == nullptr) return nullptr;
    const int bytes = with_alpha ? 4 : 3;
    for (int32_t y = 0; y < height; ++y) {
        auto* row = static_cast<uint8_t*>(surface->pixels) + static_cast<std::ptrdiff_t>(y) * surface->pitch;
        for (int32_t x = 0; x < width; ++x) {
            const Rgba texel = TexelAt(x, y);
            uint8_t* out = row + x * bytes;
            out[0] = texel.r;
            out[1] = texel.g;
            out[2] = texel.b;
            if (with_alpha) out[3] = texel.a;
        }
    }
    return surface;
}

}  // namespace

Rgba TexelAt(int32_t x, int32_t y) {
    return {static_cast<uint8_t>(10 * x + 1), static_cast<uint8_t>(10 * y + 2),
            static_cast<uint8_t>(100 + x + 4 * y), static_cast<uint8_t>(200 + x + y)};
}

std::vector<uint8_t> ExpectedBgraBottomUp(int32_t width, int32_t height, bool with_alpha) {
    std::vector<uint8_t> bytes;
    for (int32_t row = 0; row < height; ++row) {
        const int32_t y = height - 1 - row;
        for (int32_t x = 0; x < width; ++x) {
            const Rgba texel = TexelAt(x, y);
            bytes.insert(bytes.end(), {texel.b, texel.g, texel.r, with_alpha ? texel.a : uint8_t{255}});
        }
    }
    return bytes;
}

bool WritePng(const std::string& path, int32_t width, int32_t height, bool with_alpha) {
    SDL_Surface* surface = MakeSurface(width, height, with_alpha);
    const bool written = surface != nullptr && IMG_SavePNG(surface, path.c_str()) == 0;
    SDL_FreeSurface(surface);
    return written;
}

bool WriteTga24(const std::string& path, int32_t width, int32_t height) {
    std::ofstream file(path, std::ios::binary);
    const uint8_t header[18] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                static_cast<uint8_t>(width), static_cast<uint8_t>(width >> 8),
                                static_cast<uint8_t>(height), static_cast<uint8_t>(height >> 8), 24, 0};
    file.write(reinterpret_cast<const char*>(header), sizeof(header));
    // Descriptor 0: the first stored row is the bottom of the picture.
    for (int32_t row = 0; row < height; ++row) {
        for (int32_t x = 0; x < width; ++x) {
            const Rgba texel = TexelAt(x, height - 1 - row);
            const char bgr[3] = {static_cast<char>(texel.b), static_cast<char>(texel.g), static_cast<char>(texel.r)};
            file.write(bgr, 3);
        }
    }
    return static_cast<bool>(file);
}

bool WriteBmp8(const std::string& path, int32_t width, int32_t height) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 8, SDL_PIXELFORMAT_INDEX8);
    if (surface == nullptr) return false;
    std::vector<SDL_Color> colours;
    for (int32_t y = 0; y < height; ++y) {
        auto* row = static_cast<uint8_t*>(surface->pixels) + static_cast<std::ptrdiff_t>(y) * surface->pitch;
        for (int32_t x = 0; x < width; ++x) {
            const Rgba texel = TexelAt(x, y);
            row[x] = static_cast<uint8_t>(colours.size());
            colours.push_back({texel.r, texel.g, texel.b, 255});
        }
    }
    SDL_SetPaletteColors(surface->format->palette, colours.data(), 0, static_cast<int>(colours.size()));
    const bool written = SDL_SaveBMP(surface, path.c_str()) == 0;
    SDL_FreeSurface(surface);
    return written;
}

bool WriteSolidPng(const std::string& path, int32_t width, int32_t height, Rgba colour) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 24, SDL_PIXELFORMAT_RGB24);
    if (surface == nullptr) return false;
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, colour.r, colour.g, colour.b));
    const bool written = IMG_SavePNG(surface, path.c_str()) == 0;
    SDL_FreeSurface(surface);
    return written;
}

}  // namespace TestImages

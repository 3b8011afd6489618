#include "engine/resource/ImageFile.h"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>  // std::replace, std::copy_n

#include "engine/core/cLog.h"
#include "engine/resource/ImageHeader.h"
#include "engine/resource/eTextureFormat.h"

namespace Engine {
namespace {

constexpr int32_t kBytesPerTexel = 4;
constexpr std::size_t kAlphaByte = 3;  // in B, G, R, A order

void ReportUnsupported(const std::string& path) { LogError(path + " : format not supported."); }

// Whether the header is one of the four formats and declares a size the
// engine takes; says why not in the log.
bool HeaderIsAcceptable(const std::string& path) {
    int32_t width = 0, height = 0;
    if (!PeekImageSize(path, width, height)) {
        ReportUnsupported(path);
        return false;
    }
    if (width <= kMaxImageSide && height <= kMaxImageSide) return true;
    LogError(path + " : image too large (" + std::to_string(width) + " x " + std::to_string(height) + ").");
    return false;
}

// Whether the picture carries transparency: an alpha channel or a colour key.
bool HasAlpha(SDL_Surface* surface) {
    return SDL_ISPIXELFORMAT_ALPHA(surface->format->format) || SDL_HasColorKey(surface) == SDL_TRUE;
}

// Copies the rows of a BGRA surface bottom row first, dropping the row padding.
void CopyRowsBottomUp(SDL_Surface* bgra, DecodedImage& image) {
    const std::size_t row_bytes = static_cast<std::size_t>(image.width) * kBytesPerTexel;
    image.pixels.resize(row_bytes * static_cast<std::size_t>(image.height));
    const auto* source = static_cast<const uint8_t*>(bgra->pixels);
    for (int32_t y = 0; y < image.height; ++y) {
        const uint8_t* row = source + static_cast<std::size_t>(image.height - 1 - y) * bgra->pitch;
        std::copy_n(row, row_bytes, image.pixels.begin() + static_cast<std::ptrdiff_t>(row_bytes * y));
    }
}

}  // namespace

bool ReadImageFile(const std::string& path, DecodedImage& image) {
    std::string file_path = path;
    std::replace(file_path.begin(), file_path.end(), '\\', '/');
    if (!HeaderIsAcceptable(file_path)) return false;
    SDL_Surface* decoded = IMG_Load(file_path.c_str());
    if (decoded == nullptr) {
        ReportUnsupported(file_path);
        return false;
    }
    const bool alpha = HasAlpha(decoded);
    SDL_Surface* bgra = SDL_ConvertSurfaceFormat(decoded, SDL_PIXELFORMAT_BGRA32, 0);
    SDL_FreeSurface(decoded);
    if (bgra == nullptr || bgra->w <= 0 || bgra->h <= 0 || SDL_LockSurface(bgra) != 0) {
        SDL_FreeSurface(bgra);
        ReportUnsupported(file_path);
        return false;
    }
    image.width = bgra->w;
    image.height = bgra->h;
    image.format = alpha ? TF_ARGB8 : TF_RGB8;
    CopyRowsBottomUp(bgra, image);
    SDL_UnlockSurface(bgra);
    SDL_FreeSurface(bgra);
    // Pictures without alpha are opaque whatever the conversion left in the alpha byte.
    if (!alpha) {
        for (std::size_t i = kAlphaByte; i < image.pixels.size(); i += kBytesPerTexel) image.pixels[i] = 255;
    }
    return true;
}

}  // namespace Engine

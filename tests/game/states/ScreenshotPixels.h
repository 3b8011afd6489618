#pragma once
// ScreenshotPixels: reading a screenshot back for the states' end-to-end
// tests, one pixel at a time as red, green and blue.

#include <SDL.h>

#include <cstdint>
#include <cstring>

namespace StateTests {

// Calls visit(r, g, b) for every pixel of the window rectangle [left, right) x [top, bottom).
template <typename Visit>
void ForEachPixel(SDL_Surface* shot, int left, int top, int right, int bottom, Visit visit) {
    SDL_LockSurface(shot);
    for (int y = top; y < bottom; ++y) {
        const auto* row = static_cast<const uint8_t*>(shot->pixels) + y * shot->pitch;
        for (int x = left; x < right; ++x) {
            uint32_t pixel = 0;
            std::memcpy(&pixel, row + x * shot->format->BytesPerPixel, shot->format->BytesPerPixel);
            uint8_t r = 0, g = 0, b = 0;
            SDL_GetRGB(pixel, shot->format, &r, &g, &b);
            visit(r, g, b);
        }
    }
    SDL_UnlockSurface(shot);
}

// Every pixel of the picture.
template <typename Visit>
void ForEachPixel(SDL_Surface* shot, Visit visit) {
    ForEachPixel(shot, 0, 0, shot->w, shot->h, visit);
}

}  // namespace StateTests

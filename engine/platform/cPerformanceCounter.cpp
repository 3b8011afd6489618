#include "engine/platform/cPerformanceCounter.h"

#include <SDL.h>  // SDL_GetPerformanceCounter, SDL_GetPerformanceFrequency

namespace Engine {

int64_t cPerformanceCounter::Count() const {
    return static_cast<int64_t>(SDL_GetPerformanceCounter());
}

int64_t cPerformanceCounter::Frequency() const {
    const Uint64 frequency = SDL_GetPerformanceFrequency();
    return frequency == 0 ? 1 : static_cast<int64_t>(frequency);
}

}  // namespace Engine

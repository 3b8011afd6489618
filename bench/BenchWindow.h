#pragma once
// BenchWindow: the OpenGL window the rendering benchmarks draw into, on the
// X display when there is one (Xvfb in practice) and through SDL's offscreen
// driver otherwise, presenting without waiting for vertical sync.

#include <cstdint>
#include <cstdlib>  // getenv, setenv

#include "engine/core/cEngineSettings.h"
#include "engine/platform/WindowDesc.h"
#include "engine/platform/cWindow.h"

namespace Bench {

// False when no window with an OpenGL context could be opened.
inline bool OpenBenchWindow(int32_t width, int32_t height) {
    setenv("SDL_VIDEODRIVER", std::getenv("DISPLAY") != nullptr ? "x11" : "offscreen", 1);
    Engine::WindowDesc desc;
    desc.width = width;
    desc.height = height;
    desc.opengl = true;
    Engine::cEngineSettings::Instance().config.present_mode = 1;
    return Engine::cWindow::Instance().CreateMainWindow(desc);
}

}  // namespace Bench

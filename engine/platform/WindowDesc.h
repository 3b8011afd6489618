#pragma once
// WindowDesc: what start-up asks of the main window.
//
// The caption is the window's title; width and height are the client size in
// pixels. The renderer sets opengl when it needs a window it can draw into
// with OpenGL; the headless mode leaves it off because its video driver has
// no OpenGL at all.

#include <cstdint>
#include <string>

namespace Engine {

struct WindowDesc {
    std::string caption = "Brambleby";
    int32_t width = 1024;
    int32_t height = 768;
    bool fullscreen = false;
    bool opengl = false;
};

}  // namespace Engine

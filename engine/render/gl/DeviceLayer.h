#pragma once
// Start-up of the device layer: the renderer, then the hardware buffer
// manager and the font manager over it, installed in cRenderSystem, and the
// resource managers of the layer (shaders, materials), installed in
// cResourceSystem, which shut-down must destroy before cRenderSystem. The
// OpenGL layer needs the main window made for OpenGL; the null layer needs
// no GPU at all and is what headless runs use.
//
// This header is free of GL and SDL, so that start-up code can include it.

#include <cstdint>
#include <string>

namespace Engine {

enum class eDeviceLayer { OpenGL, Null };

// Creates, initialises and installs the layer; false, with the renderer's
// log line, when the renderer cannot initialise (nothing is installed then).
// font_directory is where the OpenGL layer finds its font file.
bool CreateDeviceLayer(eDeviceLayer layer, const std::string& font_directory = "./GameData/Fonts/");

// Asks the installed OpenGL renderer to write its frame-th presented frame to
// a PNG file; false, logged, when the installed renderer is not OpenGL.
bool RequestScreenshot(uint32_t frame, const std::string& path);

}  // namespace Engine

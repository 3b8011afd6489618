#pragma once
// GLSceneResources: what the OpenGL tests of the scene renderer's 2D pass
// share: the resource managers installed over a GLFixture's device, and the
// GUI program made the way the scene renderer makes its own (the shader
// from the source tree, so tests run from any folder), and sheets of plain
// coloured cells whose colours the tests look for in the read-back picture.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/render/gl/cGLShaderManager.h"
#include "engine/render/gl/cGLTextureManager.h"
#include "engine/resource/cMaterialManager.h"
#include "engine/resource/cMeshManager.h"
#include "engine/resource/cResourceSystem.h"
#include "engine/resource/iGPUProgram.h"
#include "engine/resource/iShader.h"
#include "tests/engine/render/gl/GLFixture.h"

namespace SceneTests {

// Installs texture, mesh, shader and material managers over the device;
// returns the texture manager. cResourceSystem::Destroy gives them back.
inline Engine::cGLTextureManager& InstallGLResources(Engine::cGLRenderer& renderer,
                                                     Engine::iHardwareBufferManager& buffers) {
    Engine::cResourceSystem& resources = Engine::cResourceSystem::Instance();
    auto textures = std::make_unique<Engine::cGLTextureManager>(renderer);
    Engine::cGLTextureManager& installed = *textures;
    resources.InstallTextureManager(std::move(textures));
    resources.InstallMeshManager(std::make_unique<Engine::cMeshManager>(buffers));
    resources.InstallShaderManager(std::make_unique<Engine::cGLShaderManager>(renderer));
    resources.InstallMaterialManager(std::make_unique<Engine::cMaterialManager>());
    return installed;
}

// The GUI program with the matrices the 2D pass needs; null when it does not compile.
inline Engine::iGPUProgram* MakeGuiProgram() {
    const std::string directory = std::string(BRAMBLEBY_SOURCE_DIR) + "/GameData/Shaders/";
    Engine::iGPUProgram* gui = Engine::cResourceSystem::Instance().ShaderManager()->CreateShaderProgram(
        "gui_blend.shader", directory, "GUIVSMain", "gui_blend.shader", directory, "GUIPSMain");
    if (gui == nullptr) return nullptr;
    gui->VertexStage()->EnableWVPMatrix(true);
    gui->VertexStage()->EnableTextureMatrix(true);
    return gui;
}

using Colour = std::array<uint8_t, 3>;

// Four cell colours that read the same with red and blue swapped.
inline constexpr std::array<Colour, 4> kCellColours{{{0, 255, 0}, {255, 255, 255}, {255, 0, 255}, {0, 0, 0}}};

// The pixel is the colour, give or take the rounding of blending and filtering.
inline bool IsColour(const Pixel& p, const Colour& c) {
    auto near = [](uint8_t a, uint8_t b) { return (a > b ? a - b : b - a) <= 3; };
    return near(p.r, c[0]) && near(p.g, c[1]) && near(p.b, c[2]);
}

// RGBA texels of a sheet of columns x rows square cells of cell pixels, in
// memory order: cell (column, row) has colour kCellColours[row * columns + column],
// row 0 stored first.
inline std::vector<uint8_t> CellSheet(int32_t columns, int32_t rows, int32_t cell) {
    const int32_t width = columns * cell;
    std::vector<uint8_t> pixels(static_cast<size_t>(width * rows * cell * 4));
    for (int32_t y = 0; y < rows * cell; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const Colour& colour = kCellColours[static_cast<size_t>((y / cell) * columns + x / cell)];
            uint8_t* texel = &pixels[static_cast<size_t>((y * width + x) * 4)];
            texel[0] = colour[0];
            texel[1] = colour[1];
            texel[2] = colour[2];
            texel[3] = 255;
        }
    }
    return pixels;
}

}  // namespace SceneTests

#pragma once
// GLSceneResources: what the OpenGL tests of the scene renderer's 2D pass
// share: the resource managers installed over a GLFixture's device, and the
// GUI program made the way the scene renderer makes its own (the shader
// from the source tree, so tests run from any folder).

#include <memory>
#include <string>

#include "engine/render/gl/cGLShaderManager.h"
#include "engine/render/gl/cGLTextureManager.h"
#include "engine/resource/cMaterialManager.h"
#include "engine/resource/cMeshManager.h"
#include "engine/resource/cResourceSystem.h"
#include "engine/resource/iGPUProgram.h"
#include "engine/resource/iShader.h"

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

}  // namespace SceneTests

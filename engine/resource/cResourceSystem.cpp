#include "engine/resource/cResourceSystem.h"

namespace Engine {

cResourceSystem::~cResourceSystem() { Shutdown(); }

void cResourceSystem::InstallTextureManager(std::unique_ptr<iTextureManager> manager) {
    textures = std::move(manager);
}

void cResourceSystem::InstallMeshManager(std::unique_ptr<cMeshManager> manager) { meshes = std::move(manager); }

void cResourceSystem::InstallShaderManager(std::unique_ptr<iShaderManager> manager) { shaders = std::move(manager); }

void cResourceSystem::InstallMaterialManager(std::unique_ptr<cMaterialManager> manager) {
    materials = std::move(manager);
}

void cResourceSystem::Shutdown() {
    // Materials give their programs back to the shader manager as they unload.
    materials.reset();
    shaders.reset();
    meshes.reset();
    textures.reset();
}

}  // namespace Engine

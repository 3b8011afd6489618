#include "engine/resource/cResourceSystem.h"

namespace Engine {

cResourceSystem::~cResourceSystem() { Shutdown(); }

void cResourceSystem::InstallShaderManager(std::unique_ptr<iShaderManager> manager) { shaders = std::move(manager); }

void cResourceSystem::InstallMaterialManager(std::unique_ptr<cMaterialManager> manager) {
    materials = std::move(manager);
}

void cResourceSystem::Shutdown() {
    // Materials give their programs back to the shader manager as they unload.
    materials.reset();
    shaders.reset();
}

}  // namespace Engine

#pragma once
// cResourceSystem: the process-wide home of the resource managers of the
// device layer in use. Start-up installs them after the renderer, in the
// engine's order (texture, mesh, shader, material); shut-down destroys them
// the other way round and before the device layer goes, so that no manager
// outlives the managers its resources hold or the device its objects live
// on. A run without a renderer leaves them null, and callers then get no
// resources.

#include <memory>  // std::unique_ptr owns each manager

#include "engine/core/Singleton.h"
#include "engine/resource/cMaterialManager.h"
#include "engine/resource/cMeshManager.h"
#include "engine/resource/iShaderManager.h"
#include "engine/resource/iTextureManager.h"

namespace Engine {

class cResourceSystem : public Singleton<cResourceSystem> {
public:
    ~cResourceSystem();

    // Takes the texture manager made over the installed renderer.
    void InstallTextureManager(std::unique_ptr<iTextureManager> manager);
    // Takes the mesh manager made over the installed hardware buffer manager.
    void InstallMeshManager(std::unique_ptr<cMeshManager> manager);
    // Takes the shader manager made over the installed renderer.
    void InstallShaderManager(std::unique_ptr<iShaderManager> manager);
    // Takes the material manager; it releases its programs through the installed shader manager.
    void InstallMaterialManager(std::unique_ptr<cMaterialManager> manager);
    // Destroys the managers, the last installed first.
    void Shutdown();

    // The texture manager, or null when there is none.
    iTextureManager* TextureManager() const { return textures.get(); }
    // The mesh manager, or null.
    cMeshManager* MeshManager() const { return meshes.get(); }
    // The shader manager, or null.
    iShaderManager* ShaderManager() const { return shaders.get(); }
    // The material manager, or null.
    cMaterialManager* MaterialManager() const { return materials.get(); }

private:
    friend class Singleton<cResourceSystem>;
    cResourceSystem() = default;

    std::unique_ptr<iTextureManager> textures;
    std::unique_ptr<cMeshManager> meshes;
    std::unique_ptr<iShaderManager> shaders;
    std::unique_ptr<cMaterialManager> materials;
};

}  // namespace Engine

#pragma once
// cMaterialManager: the materials by name, handed out and taken back as
// every resource manager does (ResourceManager); an empty name answers
// "defaultMat" when a material of that name is registered. A material handed
// out new has no render states, no program and shader use on.
//
// Destroying the manager unloads every material, which returns their
// programs to the shader manager: the shader manager must outlive it.

#include <string>

#include "engine/resource/ResourceManager.h"
#include "engine/resource/cMaterial.h"

namespace Engine {

class cMaterialManager : public ResourceManager<cMaterial> {
public:
    cMaterialManager() : ResourceManager("defaultMat") {}
    ~cMaterialManager() override { ReleaseAll(); }

    // The material of that name with one more user, made when the name is new.
    cMaterial* GetMaterial(const std::string& name) { return Get(name); }
};

}  // namespace Engine

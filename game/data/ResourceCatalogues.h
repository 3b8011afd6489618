#pragma once
// The resource catalogues the game ships, loaded into the resource managers
// and the model catalogue in the order their entries depend on each other:
// textures, materials (whose programs the shader manager builds), meshes,
// then (when asked) the shadow materials' programs are built again from their
// shader files, then the prefab, decoration, floor-tile and billboard tables.
// Last the depth-pass material is handed to the scene renderer.
//
// A catalogue that cannot be read is logged and the others still load, so a
// broken file costs its own models only. Loading into managers that hold
// the catalogues already does nothing.

#include <string>

namespace Game {

inline const std::string kResourceDirectory = "./GameData/XML_Resources/";

// False when any catalogue failed to load (each failure logged) or there are no resource managers.
bool LoadResourceCatalogues(const std::string& directory = kResourceDirectory, bool build_shadow_programs = true);

}  // namespace Game

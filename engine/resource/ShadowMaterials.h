#pragma once
// The two materials the shadow passes draw with, made in code after the
// catalogues: "ShadowPreprocessMat" renders depth from a light
// ("shadow_preprocess.shader", ShadowPreprocessVS / ShadowPreprocessPS) and
// "ShadowMat" draws lit surfaces that receive the lights' shadows
// ("light_shadow.shader", vsmain / psmain). Each gets the world and
// world-view-projection matrices switched on for both stages.
//
// A material missing from the manager is made (one user, the manager's own,
// as a catalogue entry would have); one already there keeps its users and
// render states, and its program is released and made again.

#include <string>

namespace Engine {

class cMaterialManager;
class iShaderManager;

// The shader directory the game ships its sources in.
inline const std::string kShaderDirectory = "./GameData/Shaders/";

// Builds both materials' programs from directory; true when every stage compiled.
bool CreateShadowMaterials(cMaterialManager& materials, iShaderManager& shaders,
                           const std::string& directory = kShaderDirectory);

}  // namespace Engine

#pragma once
// SceneLighting: how a level's lights reach the shaders. A light feeds the
// shader stages it is attached to through named constants, and the global
// ambient colour is bound straight from the light manager, so a screen that
// shows a level ties its moon (the level's directional light) to the
// materials that are lit by lights, once the level stands.

#include <string_view>

namespace Engine {
class cLightGfxCmp;
}

namespace Game {

// The level's directional light, the moon.
inline constexpr std::string_view kMoonLightName = "gDirectional";

// The light of that name in the light pool, or null.
Engine::cLightGfxCmp* FindLight(std::string_view name);

// Attaches the light and the ambient colour to every stage of the materials
// lit by lights ("StandardMat", "FairyMat", "ShadowMat"); a material without
// a program is passed over.
void AttachLightToLitMaterials(Engine::cLightGfxCmp& light);

}  // namespace Game

#pragma once
// eRenderStateId: the render states a material or the engine sets through
// iRenderer::SetRenderState, with the values materials store for them. Each
// id has its own accepted values; see cRendererBase for the accept and reject
// rules and the default set.

#include <cstdint>

namespace Engine {

enum eRenderStateId : int32_t {
    RS_Shading = 1,       // 0 flat, 1 Gouraud, 2 Phong (drawn as Gouraud)
    RS_DepthTesting = 2,  // 0 off, anything else on
    RS_Culling = 3,       // 0 none, 1 cull clockwise faces, 2 cull counter-clockwise faces
    RS_Fillmode = 4,      // 0 points, 1 wireframe, 2 solid
    RS_Lighting = 5,      // 0 off, anything else on
    RS_AlphaTest = 6,     // 0 turns the test on, anything else off
    RS_Blending = 7,      // 1 on, anything else off
    RS_TextureMode = 8,   // 0 unbinds stages 0 to 7, 1 leaves them; not stored
    RS_ZWrite = 9,        // 0 off, anything else on
    RS_SourceBlend = 10,  // an eBlendFactor
    RS_DestBlend = 11,    // an eBlendFactor
    RS_BlendOp = 12,      // an eBlendOp
};

// The highest render-state id; ids run from 1 to this.
constexpr int32_t kLastRenderStateId = RS_BlendOp;

}  // namespace Engine

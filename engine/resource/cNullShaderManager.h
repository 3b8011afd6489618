#pragma once
// cNullShaderManager: the shader manager of the null device layer; its
// stages read their constants from the source files and record what they
// are sent, and binding shows on the null renderer (see cNullShader).

#include "engine/render/cNullRenderer.h"
#include "engine/resource/cNullShader.h"
#include "engine/resource/cShaderManagerBase.h"

namespace Engine {

class cNullShaderManager : public cShaderManagerBase<cNullShader, cNullRenderer> {
public:
    explicit cNullShaderManager(cNullRenderer& renderer) : cShaderManagerBase(renderer) {}
};

}  // namespace Engine

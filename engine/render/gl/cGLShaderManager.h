#pragma once
// cGLShaderManager: the shader manager of the OpenGL device layer. Its
// stages are separable GL programs (cGLShader) and its programs pair them;
// the renderer's program pipeline joins the bound pair at draw time, so a GL
// program needs no object of its own beyond the device-neutral cGPUProgram.

#include "engine/render/gl/cGLRenderer.h"
#include "engine/render/gl/cGLShader.h"
#include "engine/resource/cShaderManagerBase.h"

namespace Engine {

class cGLShaderManager : public cShaderManagerBase<cGLShader, cGLRenderer> {
public:
    explicit cGLShaderManager(cGLRenderer& renderer) : cShaderManagerBase(renderer) {}
};

}  // namespace Engine

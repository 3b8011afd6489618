#pragma once
// cGLShader: one shader stage on OpenGL, a separable program object of one
// stage (GL_ARB_separate_shader_objects) made with glCreateShaderProgramv.
//
// Why separate stage objects rather than linked vertex-and-pixel programs:
// the engine binds its vertex and pixel shaders apart and keeps constants
// per stage, so each stage owns its uniforms (set with glProgramUniform*,
// whether bound or not) and the renderer's program pipeline combines the
// bound vertex and pixel stages at draw time. Nothing has to be relinked or
// re-sent when a stage meets a different partner.
//
// A .shader file holds both stages in GLSL 3.30; the stage is compiled from
// a prelude and the file:
//   #version 330 core  (a #version line of the file itself is moved up here)
//   #extension GL_ARB_separate_shader_objects : require
//   #extension GL_ARB_shading_language_420pack : require  (layout(binding = N) on samplers)
//   #define VERTEX_STAGE 1   or   #define PIXEL_STAGE 1
//   #define <entry point> main
//   #define LOCATION_POSITION 0 ... (the attribute locations of GLVertexLayout.h)
// Samplers read the texture stage given by their layout(binding = N), 0
// without one. Constant kinds come from the driver's active-uniform list;
// array constants are known by their name without "[0]".

#include <epoxy/gl.h>  // GLuint

#include <map>
#include <string>

#include "engine/resource/cShaderStageBase.h"

namespace Engine {

class cGLRenderer;

class cGLShader : public cShaderStageBase {
public:
    // The manager and the GL renderer the stage binds itself to.
    void Attach(iShaderManager& owner, cGLRenderer& device);

    // The separable program object, 0 while uncompiled.
    GLuint ProgramObject() const { return program; }

    // The prelude a stage of a file is compiled with (entry point renamed to main).
    static std::string Prelude(int32_t stage, const std::string& entry);

protected:
    bool DeviceCompile(const std::string& source_text, const std::string& entry, int32_t stage,
                       std::map<std::string, ShaderConstant>& found, std::string& error) override;
    void DeviceRelease() override;
    void DeviceBind() override;
    void DeviceSendInt(const ShaderConstant& constant, int32_t value) override;
    void DeviceSendFloats(const ShaderConstant& constant, const float* values, int32_t count) override;
    void DeviceSendMatrix(const ShaderConstant& constant, const Matrix4x4& value) override;

private:
    // Reads the active uniforms of the compiled program.
    void ReadConstants(std::map<std::string, ShaderConstant>& found) const;

    cGLRenderer* renderer = nullptr;
    GLuint program = 0;
};

}  // namespace Engine

#include "engine/render/gl/cGLShader.h"

#include <algorithm>  // std::min
#include <vector>

#include "engine/render/eDeclUsage.h"
#include "engine/render/gl/GLVertexLayout.h"
#include "engine/render/gl/cGLRenderer.h"
#include "engine/resource/eShaderStage.h"

namespace Engine {

namespace {

eShaderConstantType TypeOf(GLenum gl_type) {
    switch (gl_type) {
        case GL_INT:
        case GL_BOOL: return SCT_Int;
        case GL_FLOAT: return SCT_Float;
        case GL_FLOAT_VEC2: return SCT_Float2;
        case GL_FLOAT_VEC3: return SCT_Float3;
        case GL_FLOAT_VEC4: return SCT_Float4;
        case GL_FLOAT_MAT4: return SCT_Matrix;
        case GL_SAMPLER_1D:
        case GL_SAMPLER_2D:
        case GL_SAMPLER_3D:
        case GL_SAMPLER_CUBE:
        case GL_SAMPLER_2D_SHADOW: return SCT_Sampler;
        default: return SCT_Other;
    }
}

// Takes a "#version" line out of the file text, so that the prelude can
// follow it; the default version when the file has none.
std::string TakeVersionLine(std::string& text) {
    const std::size_t at = text.find("#version");
    if (at == std::string::npos) return "#version 330 core\n";
    // (no line feed before it: npos + 1 wraps round to 0, the first line)
    const std::size_t line_start = at == 0 ? 0 : text.rfind('\n', at - 1) + 1;
    if (text.find_first_not_of(" \t", line_start) != at) return "#version 330 core\n";  // not a directive
    const std::size_t line_end = std::min(text.find('\n', at), text.size());
    const std::string version = text.substr(at, line_end - at);
    // The line stays as a comment so that the file's line numbers hold in messages.
    text.replace(at, 1, "//");
    return version + "\n";
}

std::string LocationDefine(const char* name, int32_t usage, int32_t usage_index) {
    return std::string("#define ") + name + " " + std::to_string(AttributeLocation(usage, usage_index)) + "\n";
}

std::string InfoLog(GLuint program) {
    GLint length = 0;
    glGetProgramiv(program, GL_INFO_LOG_LENGTH, &length);
    std::vector<char> text(static_cast<std::size_t>(length > 0 ? length : 1), '\0');
    glGetProgramInfoLog(program, static_cast<GLsizei>(text.size()), nullptr, text.data());
    return text.data();
}

}  // namespace

void cGLShader::Attach(iShaderManager& owner, cGLRenderer& device) {
    cShaderStageBase::Attach(owner, device);
    renderer = &device;
}

std::string cGLShader::Prelude(int32_t stage, const std::string& entry) {
    std::string prelude =
        "#extension GL_ARB_separate_shader_objects : require\n"
        "#extension GL_ARB_shading_language_420pack : require\n";
    prelude += stage == SS_Pixel ? "#define PIXEL_STAGE 1\n" : "#define VERTEX_STAGE 1\n";
    prelude += "#define " + entry + " main\n";
    prelude += LocationDefine("LOCATION_POSITION", DU_Position, 0);
    prelude += LocationDefine("LOCATION_NORMAL", DU_Normal, 0);
    prelude += LocationDefine("LOCATION_COLOUR", DU_Colour, 0);
    prelude += LocationDefine("LOCATION_TEXCOORD", DU_TexCoord, 0);
    prelude += LocationDefine("LOCATION_POSITION1", DU_Position, 1);
    prelude += LocationDefine("LOCATION_NORMAL1", DU_Normal, 1);
    return prelude;
}

bool cGLShader::DeviceCompile(const std::string& source_text, const std::string& entry, int32_t stage,
                              std::map<std::string, ShaderConstant>& found, std::string& error) {
    if (renderer == nullptr || !renderer->HasStagePipeline()) {
        error = "the OpenGL driver has no separate shader objects (GL_ARB_separate_shader_objects)";
        return false;
    }
    std::string body = source_text;
    const std::string source = TakeVersionLine(body) + Prelude(stage, entry) + "#line 1\n" + body;
    const char* text = source.c_str();
    program = glCreateShaderProgramv(stage == SS_Pixel ? GL_FRAGMENT_SHADER : GL_VERTEX_SHADER, 1, &text);
    GLint linked = GL_FALSE;
    if (program != 0) glGetProgramiv(program, GL_LINK_STATUS, &linked);
    if (linked != GL_TRUE) {
        error = program != 0 ? InfoLog(program) : "the driver made no program object";
        if (program != 0) glDeleteProgram(program);
        program = 0;
        return false;
    }
    ReadConstants(found);
    return true;
}

void cGLShader::ReadConstants(std::map<std::string, ShaderConstant>& found) const {
    GLint count = 0;
    GLint longest = 0;
    glGetProgramiv(program, GL_ACTIVE_UNIFORMS, &count);
    glGetProgramiv(program, GL_ACTIVE_UNIFORM_MAX_LENGTH, &longest);
    std::vector<char> name(static_cast<std::size_t>(longest > 0 ? longest : 1), '\0');
    for (GLint i = 0; i < count; ++i) {
        GLint size = 0;
        GLenum type = 0;
        glGetActiveUniform(program, static_cast<GLuint>(i), static_cast<GLsizei>(name.size()), nullptr, &size, &type,
                           name.data());
        std::string constant_name = name.data();
        const GLint location = glGetUniformLocation(program, constant_name.c_str());
        if (location < 0) continue;  // a member of a uniform block: not a top-level constant
        const std::size_t bracket = constant_name.find('[');
        if (bracket != std::string::npos) constant_name.erase(bracket);
        ShaderConstant constant;
        constant.type = TypeOf(type);
        constant.location = location;
        if (constant.type == SCT_Sampler) {
            GLint unit = 0;
            glGetUniformiv(program, location, &unit);
            constant.sampler_unit = static_cast<uint32_t>(unit);
        }
        found.emplace(constant_name, constant);
    }
}

void cGLShader::DeviceRelease() {
    const bool pixel = Stage() == SS_Pixel;
    if (renderer != nullptr && renderer->Shader(pixel) == program) renderer->UnbindShader(pixel);
    glDeleteProgram(program);
    program = 0;
}

void cGLShader::DeviceBind() {
    if (renderer != nullptr) renderer->BindStage(Stage() == SS_Pixel, program);
}

void cGLShader::DeviceSendInt(const ShaderConstant& constant, int32_t value) {
    glProgramUniform1i(program, constant.location, value);
}

void cGLShader::DeviceSendFloats(const ShaderConstant& constant, const float* values, int32_t count) {
    switch (count) {
        case 1: glProgramUniform1fv(program, constant.location, 1, values); break;
        case 2: glProgramUniform2fv(program, constant.location, 1, values); break;
        case 3: glProgramUniform3fv(program, constant.location, 1, values); break;
        default: glProgramUniform4fv(program, constant.location, 1, values); break;
    }
}

void cGLShader::DeviceSendMatrix(const ShaderConstant& constant, const Matrix4x4& value) {
    // Rows are stored in order: GL transposes them into its column order.
    glProgramUniformMatrix4fv(program, constant.location, 1, GL_TRUE, &value.m[0][0]);
}

}  // namespace Engine

#include "engine/render/gl/cGLProgram.h"

#include <iostream>  // std::cerr: shader messages also go to standard error
#include <vector>

#include "engine/core/cLog.h"

namespace Engine {

namespace {

// The info log of a shader or program object.
std::string InfoLog(GLuint object, bool is_program) {
    GLint length = 0;
    if (is_program) {
        glGetProgramiv(object, GL_INFO_LOG_LENGTH, &length);
    } else {
        glGetShaderiv(object, GL_INFO_LOG_LENGTH, &length);
    }
    std::vector<char> text(static_cast<std::size_t>(length > 0 ? length : 1), '\0');
    if (is_program) {
        glGetProgramInfoLog(object, length, nullptr, text.data());
    } else {
        glGetShaderInfoLog(object, length, nullptr, text.data());
    }
    return text.data();
}

void Report(const std::string& message) {
    LogError(message);
    std::cerr << "Error: " << message << "\n";
}

// A compiled shader of one stage, or 0 (reported) when it does not compile.
GLuint CompileStage(GLenum stage, const char* source, const std::string& name) {
    const GLuint shader = glCreateShader(stage);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint compiled = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (compiled == GL_TRUE) return shader;
    Report("the " + std::string(stage == GL_VERTEX_SHADER ? "vertex" : "fragment") + " stage of " + name +
           " does not compile: " + InfoLog(shader, false));
    glDeleteShader(shader);
    return 0;
}

}  // namespace

cGLProgram::~cGLProgram() { Release(); }

bool cGLProgram::Build(const char* vertex_source, const char* fragment_source, const std::string& name) {
    Release();
    const GLuint vertex = CompileStage(GL_VERTEX_SHADER, vertex_source, name);
    const GLuint fragment = CompileStage(GL_FRAGMENT_SHADER, fragment_source, name);
    if (vertex != 0 && fragment != 0) {
        program = glCreateProgram();
        glAttachShader(program, vertex);
        glAttachShader(program, fragment);
        glLinkProgram(program);
        GLint linked = GL_FALSE;
        glGetProgramiv(program, GL_LINK_STATUS, &linked);
        if (linked != GL_TRUE) {
            Report(name + " does not link: " + InfoLog(program, true));
            Release();
        }
    }
    if (vertex != 0) glDeleteShader(vertex);
    if (fragment != 0) glDeleteShader(fragment);
    return program != 0;
}

void cGLProgram::Release() {
    if (program == 0) return;
    glDeleteProgram(program);
    program = 0;
}

GLint cGLProgram::Uniform(const char* uniform_name) const {
    return program == 0 ? -1 : glGetUniformLocation(program, uniform_name);
}

}  // namespace Engine

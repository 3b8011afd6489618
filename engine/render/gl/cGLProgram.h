#pragma once
// cGLProgram: one linked GLSL program of a vertex and a fragment stage, with
// its uniform locations looked up by name. A stage that fails to compile, or
// a program that fails to link, writes the driver's messages to the Engine
// log and to standard error and leaves the program empty.

#include <epoxy/gl.h>  // GLuint, GLint

#include <string>

namespace Engine {

class cGLProgram {
public:
    cGLProgram() = default;
    cGLProgram(const cGLProgram&) = delete;
    cGLProgram& operator=(const cGLProgram&) = delete;
    ~cGLProgram();

    // Compiles and links the two stages; name identifies the program in messages.
    bool Build(const char* vertex_source, const char* fragment_source, const std::string& name);
    // Deletes the program.
    void Release();

    // The program object, 0 when empty.
    GLuint Name() const { return program; }
    // The location of a uniform, -1 when the program has none of that name.
    GLint Uniform(const char* uniform_name) const;

private:
    GLuint program = 0;
};

}  // namespace Engine

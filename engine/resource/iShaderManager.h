#pragma once
// iShaderManager: makes shader programs from source files and takes them
// back, and knows which vertex and pixel stage is bound now.
//
// Every CreateShaderProgram compiles its own stages, even for a file that
// an earlier program compiled too: no stage is ever shared, so releasing
// one program never touches another's stages. A stage that does not compile
// is reported (Engine.log and standard error, with the file, the stage and
// the driver's text) and the program keeps it uncompiled; the material that
// asked for it goes on drawing without that shader.
//
// Code that sets per-draw constants asks for the current stage of a kind and
// sets the constant on it when there is one.

#include <string>

namespace Engine {

class iGPUProgram;
class iShader;

class iShaderManager {
public:
    virtual ~iShaderManager() = default;

    // A program of the two stages; an empty file name gives no stage of that
    // kind. Each file is read from its directory followed by its name.
    virtual iGPUProgram* CreateShaderProgram(const std::string& vertex_file, const std::string& vertex_directory,
                                             const std::string& vertex_entry, const std::string& pixel_file,
                                             const std::string& pixel_directory, const std::string& pixel_entry) = 0;
    // Releases the program's stages and returns it to the pool; the pointer
    // becomes null. A program this manager does not hold changes nothing.
    virtual void ReleaseProgram(iGPUProgram*& program) = 0;
    // One user fewer for a stage; at none it is unloaded and returned to the
    // pool. The pointer becomes null; a stage this manager does not hold changes nothing.
    virtual void ReleaseStage(iShader*& stage) = 0;
    // Releases every stage and program ever made.
    virtual void ReleaseAll() = 0;

    virtual void SetCurrentVertexStage(iShader* stage) = 0;
    virtual void SetCurrentPixelStage(iShader* stage) = 0;
    virtual iShader* GetCurrentVertexStage() const = 0;
    virtual iShader* GetCurrentPixelStage() const = 0;
};

}  // namespace Engine

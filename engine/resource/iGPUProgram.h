#pragma once
// iGPUProgram: a shader program, the pair of one vertex and one pixel stage
// a material draws with. Either stage may be missing (null); a program
// binds, unbinds and uploads only the stages it has. The stages belong to
// the program: releasing it (through the shader manager) releases them.

namespace Engine {

class iShader;

class iGPUProgram {
public:
    virtual ~iGPUProgram() = default;

    // Gives the program its stages (either may be null).
    virtual void SetStages(iShader* vertex, iShader* pixel) = 0;
    // Returns both stages to the shader manager; the program is empty afterwards.
    virtual void ReleaseStages() = 0;
    // Binds each stage present.
    virtual void Bind() = 0;
    // Unbinds each stage present.
    virtual void Unbind() = 0;
    // Binds the vertex stage, or unbinds the device's vertex shader when there is none.
    virtual void BindVertex() = 0;
    // Binds the pixel stage, or unbinds the device's pixel shader when there is none.
    virtual void BindPixel() = 0;
    // UploadBindings of each stage present.
    virtual void UploadBindings() = 0;
    // UploadMatrices of the vertex stage only.
    virtual void UploadMatrices() = 0;

    virtual iShader* VertexStage() const = 0;
    virtual iShader* PixelStage() const = 0;
};

}  // namespace Engine

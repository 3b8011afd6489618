#pragma once
// cGPUProgram: the program of every device layer, a vertex and a pixel
// stage held together. The stages carry everything device-bound (each is a
// separately compiled stage object that binds itself), so the program only
// forwards to them and, for a missing stage, tells the renderer to unbind
// the shader of that kind.

#include "engine/resource/iGPUProgram.h"

namespace Engine {

class iRenderer;
class iShaderManager;

class cGPUProgram : public iGPUProgram {
public:
    // The program's manager (which takes its stages back) and renderer; set once, before use.
    void Attach(iShaderManager& owner, iRenderer& device_renderer);

    void SetStages(iShader* vertex, iShader* pixel) override;
    void ReleaseStages() override;
    void Bind() override;
    void Unbind() override;
    void BindVertex() override;
    void BindPixel() override;
    void UploadBindings() override;
    void UploadMatrices() override;

    iShader* VertexStage() const override { return vertex_stage; }
    iShader* PixelStage() const override { return pixel_stage; }

private:
    iShaderManager* manager = nullptr;
    iRenderer* renderer = nullptr;
    iShader* vertex_stage = nullptr;
    iShader* pixel_stage = nullptr;
};

}  // namespace Engine

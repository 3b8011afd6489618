#include "engine/resource/cGPUProgram.h"

#include "engine/render/iRenderer.h"
#include "engine/resource/iShader.h"
#include "engine/resource/iShaderManager.h"

namespace Engine {

void cGPUProgram::Attach(iShaderManager& owner, iRenderer& device_renderer) {
    manager = &owner;
    renderer = &device_renderer;
}

void cGPUProgram::SetStages(iShader* vertex, iShader* pixel) {
    vertex_stage = vertex;
    pixel_stage = pixel;
}

void cGPUProgram::ReleaseStages() {
    if (manager != nullptr) {
        manager->ReleaseStage(vertex_stage);
        manager->ReleaseStage(pixel_stage);
    }
    vertex_stage = nullptr;
    pixel_stage = nullptr;
}

void cGPUProgram::Bind() {
    if (vertex_stage) vertex_stage->Bind();
    if (pixel_stage) pixel_stage->Bind();
}

void cGPUProgram::Unbind() {
    if (vertex_stage) vertex_stage->Unbind();
    if (pixel_stage) pixel_stage->Unbind();
}

void cGPUProgram::BindVertex() {
    if (vertex_stage) {
        vertex_stage->Bind();
    } else if (renderer) {
        renderer->UnbindShader(false);
    }
}

void cGPUProgram::BindPixel() {
    if (pixel_stage) {
        pixel_stage->Bind();
    } else if (renderer) {
        renderer->UnbindShader(true);
    }
}

void cGPUProgram::UploadBindings() {
    if (vertex_stage) vertex_stage->UploadBindings();
    if (pixel_stage) pixel_stage->UploadBindings();
}

void cGPUProgram::UploadMatrices() {
    if (vertex_stage) vertex_stage->UploadMatrices();
}

}  // namespace Engine

#include "engine/resource/ShadowMaterials.h"

#include "engine/resource/cMaterialManager.h"
#include "engine/resource/iGPUProgram.h"
#include "engine/resource/iShader.h"
#include "engine/resource/iShaderManager.h"

namespace Engine {

namespace {

bool Compiled(const iShader* stage) { return stage != nullptr && stage->IsCompiled(); }

void EnableShadowMatrices(iShader* stage) {
    if (stage == nullptr) return;
    stage->EnableWorldMatrix(true);
    stage->EnableWVPMatrix(true);
}

bool BuildShadowMaterial(cMaterialManager& materials, iShaderManager& shaders, const std::string& name,
                         const std::string& directory, const std::string& file, const std::string& vertex_entry,
                         const std::string& pixel_entry) {
    cMaterial* material = materials.Find(name);
    if (material == nullptr) material = materials.GetMaterial(name);
    material->ReleaseProgram();
    iGPUProgram* program =
        shaders.CreateShaderProgram(file, directory, vertex_entry, file, directory, pixel_entry);
    material->SetProgram(program, &shaders);
    EnableShadowMatrices(program->VertexStage());
    EnableShadowMatrices(program->PixelStage());
    return Compiled(program->VertexStage()) && Compiled(program->PixelStage());
}

}  // namespace

bool CreateShadowMaterials(cMaterialManager& materials, iShaderManager& shaders, const std::string& directory) {
    const bool preprocess = BuildShadowMaterial(materials, shaders, "ShadowPreprocessMat", directory,
                                                "shadow_preprocess.shader", "ShadowPreprocessVS",
                                                "ShadowPreprocessPS");
    const bool receive =
        BuildShadowMaterial(materials, shaders, "ShadowMat", directory, "light_shadow.shader", "vsmain", "psmain");
    return preprocess && receive;
}

}  // namespace Engine

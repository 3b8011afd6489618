#include "game/states/SceneLighting.h"

#include "engine/render/scene/cLightGfxCmp.h"
#include "engine/render/scene/cLightManager.h"
#include "engine/render/scene/cLightPool.h"
#include "engine/resource/cMaterial.h"
#include "engine/resource/cMaterialManager.h"
#include "engine/resource/cResourceSystem.h"
#include "engine/resource/iGPUProgram.h"
#include "engine/resource/iShader.h"

namespace Game {

namespace {
constexpr const char* kLitMaterials[] = {"StandardMat", "FairyMat", "ShadowMat"};
}  // namespace

Engine::cLightGfxCmp* FindLight(std::string_view name) {
    for (Engine::cLightGfxCmp* light : Engine::cLightPool::Instance().Lights()) {
        if (light->Name() == name) return light;
    }
    return nullptr;
}

void AttachLightToLitMaterials(Engine::cLightGfxCmp& light) {
    Engine::cMaterialManager* materials = Engine::cResourceSystem::Instance().MaterialManager();
    if (materials == nullptr) return;
    const Engine::ColorRGBA& ambient = Engine::cLightManager::Instance().Ambient();
    for (const char* name : kLitMaterials) {
        Engine::cMaterial* material = materials->Find(name);
        Engine::iGPUProgram* program = material ? material->Program() : nullptr;
        if (program == nullptr) continue;
        for (Engine::iShader* stage : {program->VertexStage(), program->PixelStage()}) {
            if (stage == nullptr) continue;
            light.AttachProgram(stage);
            stage->BindFloat4("gAmbientLight", &ambient.r);
        }
    }
}

}  // namespace Game

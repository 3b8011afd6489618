#include "engine/resource/cMaterial.h"

#include <array>
#include <utility>

#include "engine/render/eBlendFactor.h"
#include "engine/render/eBlendOp.h"
#include "engine/render/eRenderStateId.h"
#include "engine/render/iRenderer.h"
#include "engine/resource/iGPUProgram.h"
#include "engine/resource/iShaderManager.h"

namespace Engine {

namespace {

// The render states a catalogue names one by one.
const std::array<std::pair<const char*, int32_t>, 9> kStateNames = {{
    {"Shading", RS_Shading},
    {"DepthTesting", RS_DepthTesting},
    {"Culling", RS_Culling},
    {"Fillmode", RS_Fillmode},
    {"Lighting", RS_Lighting},
    {"AlphaTest", RS_AlphaTest},
    {"Blending", RS_Blending},
    {"TextureMode", RS_TextureMode},
    {"ZWrite", RS_ZWrite},
}};

}  // namespace

void cMaterial::InitResource(const std::string& new_name, const std::string& new_source) {
    cResource::InitResource(new_name, new_source);
    renderStates.clear();
    useShader = true;
}

void cMaterial::Unload() {
    ClearIdentity();
    renderStates.clear();
    ReleaseProgram();
}

bool cMaterial::SetRenderStateByName(const std::string& state_name, int32_t value) {
    for (const auto& [known, id] : kStateNames) {
        if (state_name == known) {
            SetRenderState(id, value);
            return true;
        }
    }
    const bool alpha = state_name == "AlphaBlending";
    if (!alpha && state_name != "AdditiveBlending") return false;
    if (value == 1) {
        SetRenderState(RS_Blending, 1);
        SetRenderState(RS_SourceBlend, BLEND_SourceAlpha);
        SetRenderState(RS_DestBlend, alpha ? BLEND_InverseSourceAlpha : BLEND_One);
    } else {
        SetRenderState(RS_Blending, 0);
        SetRenderState(RS_SourceBlend, BLEND_One);
        SetRenderState(RS_DestBlend, BLEND_Zero);
    }
    SetRenderState(RS_BlendOp, BLENDOP_Add);
    return true;
}

void cMaterial::ApplyRenderStates(iRenderer& renderer) const {
    for (const auto& [id, value] : renderStates) renderer.SetRenderState(id, value);
}

void cMaterial::BindProgram(iRenderer& renderer) const {
    if (DrawsWithProgram()) {
        program->Bind();
    } else {
        UnbindBothShaders(renderer);
    }
}

void cMaterial::UploadProgramBindings(iRenderer& renderer) const {
    if (DrawsWithProgram()) {
        program->UploadBindings();
    } else {
        UnbindBothShaders(renderer);
    }
}

void cMaterial::Apply(iRenderer& renderer) const {
    ApplyRenderStates(renderer);
    BindProgram(renderer);
    UploadProgramBindings(renderer);
}

void cMaterial::UnbindProgram(iRenderer& renderer) const {
    if (DrawsWithProgram()) {
        program->Unbind();
    } else {
        UnbindBothShaders(renderer);
    }
}

void cMaterial::SetProgram(iGPUProgram* new_program, iShaderManager* owner) {
    if (new_program == program) return;
    ReleaseProgram();
    program = new_program;
    program_owner = owner;
}

void cMaterial::ReleaseProgram() {
    if (program != nullptr && program_owner != nullptr) program_owner->ReleaseProgram(program);
    program = nullptr;
    program_owner = nullptr;
}

void cMaterial::UnbindBothShaders(iRenderer& renderer) {
    renderer.UnbindShader(false);
    renderer.UnbindShader(true);
}

}  // namespace Engine

#include "engine/resource/cShaderStageBase.h"

#include <cctype>  // the characters of an entry point
#include <fstream>
#include <iostream>  // std::cerr: compile failures also go to standard error
#include <sstream>

#include "engine/core/cLog.h"
#include "engine/render/eMatrixMode.h"
#include "engine/render/iRenderer.h"
#include "engine/resource/eShaderStage.h"
#include "engine/resource/iShaderManager.h"

namespace Engine {

namespace {

// The constant names of the automatic matrices, in upload order.
const char* const kMatrixConstantNames[] = {"WVPMatrix",  "WorldViewMatrix",  "WorldMatrix",
                                            "ViewMatrix", "ProjectionMatrix", "TextureMatrix"};

bool ReadWholeFile(const std::string& path, std::string& text) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    std::ostringstream content;
    content << file.rdbuf();
    text = content.str();
    return true;
}

// An entry point comes from a catalogue and ends up in the stage's prelude
// ("#define <entry> main"): only a plain identifier may get that far.
bool IsIdentifier(const std::string& name) {
    if (name.empty() || std::isdigit(static_cast<unsigned char>(name[0]))) return false;
    for (char c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
    }
    return true;
}

// Adds a binding unless the name is bound already: the first binding stays.
template <typename T>
void AddBinding(std::map<std::string, const T*>& bindings, const std::string& name, const T* value) {
    if (value != nullptr) bindings.emplace(name, value);
}

}  // namespace

void cShaderStageBase::Attach(iShaderManager& owner, iRenderer& device_renderer) {
    manager = &owner;
    renderer = &device_renderer;
}

bool cShaderStageBase::Compile(const std::string& file, const std::string& directory, const std::string& entry,
                               int32_t stage) {
    InitResource(file, directory);
    stage_kind = stage;
    compiled = false;
    constants.clear();
    const std::string path = directory + file;
    if (!IsIdentifier(entry)) {
        ReportFailure(path, entry, "the entry point is not a plain name");
        return false;
    }
    std::string text;
    if (!ReadWholeFile(path, text)) {
        ReportFailure(path, entry, "the file cannot be read");
        return false;
    }
    std::string error;
    std::map<std::string, ShaderConstant> found;
    if (!DeviceCompile(text, entry, stage, found, error)) {
        ReportFailure(path, entry, error);
        return false;
    }
    constants = std::move(found);
    compiled = true;
    return true;
}

void cShaderStageBase::Unload() {
    ClearIdentity();
    if (compiled) DeviceRelease();
    compiled = false;
    constants.clear();
    ClearBindings();
    for (bool& on : matrix_switches) on = false;
}

void cShaderStageBase::Bind() {
    const bool pixel = stage_kind == SS_Pixel;
    if (compiled) {
        DeviceBind();
    } else if (renderer != nullptr) {
        renderer->UnbindShader(pixel);
    }
    if (manager == nullptr) return;
    pixel ? manager->SetCurrentPixelStage(this) : manager->SetCurrentVertexStage(this);
}

void cShaderStageBase::Unbind() {
    const bool pixel = stage_kind == SS_Pixel;
    if (renderer != nullptr) renderer->UnbindShader(pixel);
    if (manager == nullptr) return;
    pixel ? manager->SetCurrentPixelStage(nullptr) : manager->SetCurrentVertexStage(nullptr);
}

void cShaderStageBase::SetInt(const std::string& constant, int32_t value) {
    const ShaderConstant* target = Constant(constant, SCT_Int);
    if (target == nullptr) target = Constant(constant, SCT_Sampler);
    if (target != nullptr) DeviceSendInt(*target, value);
}

void cShaderStageBase::SetFloat(const std::string& constant, float value) {
    SendFloats(constant, SCT_Float, &value, 1);
}

void cShaderStageBase::SetFloat2(const std::string& constant, const float* values) {
    SendFloats(constant, SCT_Float2, values, 2);
}

void cShaderStageBase::SetFloat3(const std::string& constant, const float* values) {
    SendFloats(constant, SCT_Float3, values, 3);
}

void cShaderStageBase::SetFloat4(const std::string& constant, const float* values) {
    SendFloats(constant, SCT_Float4, values, 4);
}

void cShaderStageBase::SetMatrix(const std::string& constant, const Matrix4x4& value) {
    if (const ShaderConstant* target = Constant(constant, SCT_Matrix)) DeviceSendMatrix(*target, value);
}

void cShaderStageBase::BindInt(const std::string& constant, const int32_t* value) {
    AddBinding(int_bindings, constant, value);
}
void cShaderStageBase::BindFloat(const std::string& constant, const float* value) {
    AddBinding(float_bindings, constant, value);
}
void cShaderStageBase::BindFloat2(const std::string& constant, const float* values) {
    AddBinding(float2_bindings, constant, values);
}
void cShaderStageBase::BindFloat3(const std::string& constant, const float* values) {
    AddBinding(float3_bindings, constant, values);
}
void cShaderStageBase::BindFloat4(const std::string& constant, const float* values) {
    AddBinding(float4_bindings, constant, values);
}
void cShaderStageBase::BindMatrix(const std::string& constant, const Matrix4x4* value) {
    AddBinding(matrix_bindings, constant, value);
}

void cShaderStageBase::UnbindInt(const std::string& constant) { int_bindings.erase(constant); }
void cShaderStageBase::UnbindFloat(const std::string& constant) { float_bindings.erase(constant); }
void cShaderStageBase::UnbindFloat2(const std::string& constant) { float2_bindings.erase(constant); }
void cShaderStageBase::UnbindFloat3(const std::string& constant) { float3_bindings.erase(constant); }
void cShaderStageBase::UnbindFloat4(const std::string& constant) { float4_bindings.erase(constant); }
void cShaderStageBase::UnbindMatrix(const std::string& constant) { matrix_bindings.erase(constant); }

void cShaderStageBase::ClearBindings() {
    int_bindings.clear();
    float_bindings.clear();
    float2_bindings.clear();
    float3_bindings.clear();
    float4_bindings.clear();
    matrix_bindings.clear();
}

void cShaderStageBase::UploadBindings() {
    // The values are read now, through the pointers: bindings follow live engine variables.
    for (const auto& [name, value] : int_bindings) SetInt(name, *value);
    for (const auto& [name, value] : float_bindings) SetFloat(name, *value);
    for (const auto& [name, values] : float2_bindings) SetFloat2(name, values);
    for (const auto& [name, values] : float3_bindings) SetFloat3(name, values);
    for (const auto& [name, values] : float4_bindings) SetFloat4(name, values);
    for (const auto& [name, value] : matrix_bindings) SetMatrix(name, *value);
}

void cShaderStageBase::UploadMatrices() {
    if (renderer == nullptr) return;
    for (int32_t which = 0; which < kMatrixSwitches; ++which) {
        if (!matrix_switches[which]) continue;
        Matrix4x4 value;
        switch (which) {
            case kWVP: renderer->GetMatrix(MM_Combined, value); break;
            case kWorldView: {
                Matrix4x4 view;
                renderer->GetMatrix(MM_View, view);
                renderer->GetMatrix(MM_World, value);
                value = view * value;
                break;
            }
            case kWorld: renderer->GetMatrix(MM_World, value); break;
            case kView: renderer->GetMatrix(MM_View, value); break;
            case kProjection: renderer->GetMatrix(MM_Projection, value); break;
            default: renderer->GetMatrix(MM_Texture, value); break;
        }
        SetMatrix(kMatrixConstantNames[which], value);
    }
}

uint32_t cShaderStageBase::GetSamplerIndex(const std::string& constant) const {
    const ShaderConstant* sampler = Constant(constant, SCT_Sampler);
    return sampler == nullptr ? kNoSampler : sampler->sampler_unit;
}

bool cShaderStageBase::FindConstant(const std::string& constant, eShaderConstantType& type) const {
    auto entry = constants.find(constant);
    type = entry == constants.end() ? SCT_Other : entry->second.type;
    return entry != constants.end();
}

const ShaderConstant* cShaderStageBase::Constant(const std::string& name, eShaderConstantType type) const {
    auto entry = constants.find(name);
    if (entry == constants.end() || entry->second.type != type) return nullptr;
    return &entry->second;
}

void cShaderStageBase::SendFloats(const std::string& name, eShaderConstantType type, const float* values,
                                  int32_t count) {
    if (values == nullptr) return;
    if (const ShaderConstant* target = Constant(name, type)) DeviceSendFloats(*target, values, count);
}

void cShaderStageBase::ReportFailure(const std::string& path, const std::string& entry,
                                     const std::string& reason) const {
    const std::string message = std::string("the ") + (stage_kind == SS_Pixel ? "pixel" : "vertex") +
                                " shader " + path + " (entry " + entry + ") does not compile: " + reason;
    LogError(message);
    std::cerr << "Error: " << message << "\n";
}

}  // namespace Engine

#include "engine/resource/cTextureDevice.h"

#include <string>

#include "engine/core/cLog.h"
#include "engine/resource/iTexture.h"

namespace Engine {
namespace {

bool AcceptsSamplerValue(int32_t state, int32_t value) {
    if (IsFilterState(state)) return value >= SF_Point && value <= SF_None;
    return value >= SA_Wrap && value <= SA_Clamp;
}

std::string NameOf(const iTexture* texture) { return texture == nullptr ? "the back buffer" : texture->Name(); }

}  // namespace

cTextureDevice::cTextureDevice(cRendererBase& renderer_) : renderer(renderer_) {}

bool cTextureDevice::SetSamplerState(uint32_t stage, int32_t state, int32_t value) {
    if (stage >= kStages || !IsSamplerState(state) || !AcceptsSamplerValue(state, value)) return false;
    samplers[stage].states[state] = value;
    DeviceApplySampler(stage);
    return true;
}

bool cTextureDevice::SetMaxAnisotropy(uint32_t stage, int32_t value) {
    if (stage >= kStages || value < 1) return false;
    samplers[stage].max_anisotropy = value;
    DeviceApplySampler(stage);
    return true;
}

bool cTextureDevice::SetTextureOperation(uint32_t stage, bool alpha, int32_t operation, int32_t argument) {
    return renderer.SetTextureOperation(stage, alpha, operation, argument);
}

int32_t cTextureDevice::SamplerState(uint32_t stage, int32_t state) const {
    if (!IsSamplerState(state)) return -1;
    return samplers[stage < kStages ? stage : 0].states[state];
}

int32_t cTextureDevice::MaxAnisotropy(uint32_t stage) const {
    return samplers[stage < kStages ? stage : 0].max_anisotropy;
}

bool cTextureDevice::BeginColourTarget(iTexture* target) {
    if (colour_saved) {
        LogError("render target " + NameOf(target) + " begun while " + NameOf(colour_target) +
                 " is still the target; it is ignored until EndTarget");
        return false;
    }
    saved_colour = colour_target;
    colour_saved = true;
    colour_target = target;
    DeviceApplyTargets();
    return true;
}

bool cTextureDevice::BeginDepthTarget(iTexture* target) {
    if (depth_saved) {
        LogError("depth surface " + NameOf(target) + " begun while " + NameOf(depth_target) +
                 " is still the depth target; it is ignored until EndTarget");
        return false;
    }
    saved_depth = depth_target;
    depth_saved = true;
    depth_target = target;
    DeviceApplyTargets();
    return true;
}

bool cTextureDevice::EndColourTarget() {
    if (!colour_saved) return false;
    colour_target = saved_colour;
    saved_colour = nullptr;
    colour_saved = false;
    DeviceApplyTargets();
    return true;
}

bool cTextureDevice::EndDepthTarget() {
    if (!depth_saved) return false;
    depth_target = saved_depth;
    saved_depth = nullptr;
    depth_saved = false;
    DeviceApplyTargets();
    return true;
}

void cTextureDevice::Forget(const iTexture* texture) {
    if (texture == nullptr) return;
    if (colour_target == texture) EndColourTarget();
    if (depth_target == texture) EndDepthTarget();
    if (saved_colour == texture) saved_colour = nullptr;
    if (saved_depth == texture) saved_depth = nullptr;
}

}  // namespace Engine

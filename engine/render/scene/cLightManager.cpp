#include "engine/render/scene/cLightManager.h"

#include <algorithm>
#include <string>

#include "engine/core/cLog.h"
#include "engine/render/RenderLight.h"
#include "engine/render/cRenderSystem.h"

namespace Engine {

namespace {

// One channel as a byte of the ambient word: * 255 truncated, within 0 to 255.
uint32_t AmbientChannel(float channel) {
    const float scaled = channel * 255.0f;
    if (!(scaled > 0.0f)) return 0;  // also NaN
    return scaled >= 255.0f ? 255u : static_cast<uint32_t>(scaled);
}

// The installed renderer, or null in a run (or test) without one.
iRenderer* InstalledRenderer() { return cRenderSystem::Exists() ? cRenderSystem::Instance().Renderer() : nullptr; }

// The device's number for an engine light type; a number that is neither
// passes unchanged, and the renderer logs it as a light that lights nothing.
int32_t DeviceLightType(int32_t type) {
    switch (type) {
        case LT_Point: return RLT_Point;
        case LT_Directional: return RLT_Directional;
        case LT_Spot: return RLT_Spot;
        default: return type;
    }
}

RenderLight ToRenderLight(const LightRecord& record) {
    RenderLight light;
    light.type = DeviceLightType(record.type);
    light.diffuse = record.diffuse;
    light.specular = record.specular;
    light.ambient = record.ambient;
    light.position = record.position;
    light.direction = record.direction;
    light.range = record.range;
    light.falloff = record.falloff;
    light.attenuation0 = record.attenuation0;
    light.attenuation1 = record.attenuation1;
    light.attenuation2 = record.attenuation2;
    light.theta = record.innerCone;
    light.phi = record.outerCone;
    return light;
}

}  // namespace

cLightManager::cLightManager() {
    for (uint8_t slot = 0; slot < kSlotCount; ++slot) freeSlots.push_back(slot);
}

void cLightManager::SetAmbient(const ColorRGBA& colour) {
    ambient = colour;
    if (iRenderer* renderer = InstalledRenderer()) renderer->SetAmbient(colour);
}

uint32_t cLightManager::AmbientWord() const {
    return AmbientChannel(ambient.a) << 24 | AmbientChannel(ambient.r) << 16 | AmbientChannel(ambient.g) << 8 |
           AmbientChannel(ambient.b);
}

bool cLightManager::EnableLight(LightRecord& record, bool on) {
    const bool was_active = std::find(activeLights.begin(), activeLights.end(), &record) != activeLights.end();
    if (!UpdateActiveList(record, on)) {
        record.slot = LightRecord::kNoSlot;
        return false;
    }
    if (on) {
        SendToDevice(record, !was_active);
    } else {
        DisableOnDevice(record);
    }
    return true;
}

const cLightManager::DeviceLight& cLightManager::Device(uint8_t slot) const {
    return device[slot < kSlotCount ? slot : 0];
}

bool cLightManager::UpdateActiveList(LightRecord& record, bool on) {
    const auto found = std::find(activeLights.begin(), activeLights.end(), &record);
    if (on) {
        if (found == activeLights.end()) activeLights.push_back(&record);
        return true;
    }
    if (found == activeLights.end()) return false;
    activeLights.erase(found);
    return true;
}

void cLightManager::SendToDevice(LightRecord& record, bool newly_enabled) {
    if (record.slot == LightRecord::kNoSlot && !freeSlots.empty()) {
        record.slot = freeSlots.front();
        freeSlots.pop_front();
    }
    if (record.slot >= kSlotCount) {
        // A light beyond the device's eight still lights the shaders that bind it.
        if (newly_enabled)
            LogEngine("[cLightManager] All " + std::to_string(kSlotCount) +
                      " device light slots are in use; a further light is not lit by the device");
        record.slot = LightRecord::kNoSlot;
        return;
    }
    device[record.slot] = {record, true};
    if (iRenderer* renderer = InstalledRenderer()) {
        renderer->SetLight(record.slot, ToRenderLight(record));
        renderer->LightEnable(record.slot, true);
    }
}

void cLightManager::DisableOnDevice(LightRecord& record) {
    // Only a real slot goes back: a light enabled without one must not put
    // 255 into the queue, or a later light would be handed a slot that does not exist.
    if (record.slot < kSlotCount) {
        device[record.slot].enabled = false;
        freeSlots.push_back(record.slot);
        if (iRenderer* renderer = InstalledRenderer()) renderer->LightEnable(record.slot, false);
    }
    record.slot = LightRecord::kNoSlot;
}

}  // namespace Engine

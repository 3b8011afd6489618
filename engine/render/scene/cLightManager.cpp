#include "engine/render/scene/cLightManager.h"

#include <algorithm>
#include <string>

#include "engine/core/cLog.h"

namespace Engine {

namespace {

// One channel as a byte of the ambient word: * 255 truncated, within 0 to 255.
uint32_t AmbientChannel(float channel) {
    const float scaled = channel * 255.0f;
    if (!(scaled > 0.0f)) return 0;  // also NaN
    return scaled >= 255.0f ? 255u : static_cast<uint32_t>(scaled);
}

}  // namespace

cLightManager::cLightManager() {
    for (uint8_t slot = 0; slot < kSlotCount; ++slot) freeSlots.push_back(slot);
}

void cLightManager::SetAmbient(const ColorRGBA& colour) { ambient = colour; }

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
}

void cLightManager::DisableOnDevice(LightRecord& record) {
    // Only a real slot goes back: a light enabled without one must not put
    // 255 into the queue, or a later light would be handed a slot that does not exist.
    if (record.slot < kSlotCount) {
        device[record.slot].enabled = false;
        freeSlots.push_back(record.slot);
    }
    record.slot = LightRecord::kNoSlot;
}

}  // namespace Engine

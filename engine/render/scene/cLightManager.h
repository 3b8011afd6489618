#pragma once
// cLightManager: the keeper of the device's eight light slots and of the
// global ambient colour.
//
// A light is enabled by handing its record to EnableLight: the record joins
// the active lights, takes the slot at the front of the free-slot queue and
// goes to the device under it. Enabling an enabled light again is how a
// changed record reaches the device; it keeps its slot. Disabling gives the
// slot back to the end of the queue, so slots are reused in the order they
// were freed. With all eight slots taken a light is enabled without a device
// slot (slot 255): the shaders still see it through their bindings, the
// device's own lighting does not.
//
// The device side is a table of what the device was told (a record and an
// on/off switch per slot, the ambient colour), which tests read to see what
// reached it. When a renderer is installed in the render system, the same
// goes to it: the ambient colour, and each slot's light (with the device's
// type numbers) and switch, from which it lights draws without a shader.

#include <array>
#include <cstdint>
#include <deque>
#include <vector>

#include "engine/core/ColorRGBA.h"
#include "engine/core/Singleton.h"
#include "engine/render/scene/LightRecord.h"

namespace Engine {

class cLightManager : public Singleton<cLightManager> {
public:
    static constexpr uint8_t kSlotCount = 8;

    // One device light slot as the device was last told.
    struct DeviceLight {
        LightRecord record;
        bool enabled = false;
    };

    // Free slots 0 to 7 in order, no active light, opaque black ambient.
    cLightManager();
    virtual ~cLightManager() = default;

    // Stores the ambient colour and hands it to the device and the renderer.
    virtual void SetAmbient(const ColorRGBA& colour);
    // On: the record is enabled (or sent again) under its slot; true.
    // Off: true when the record was enabled, its slot then freed; false otherwise.
    // Either way a record left without a slot has slot 255.
    virtual bool EnableLight(LightRecord& record, bool on);

    const ColorRGBA& Ambient() const { return ambient; }
    // The ambient colour as the device word: alpha, red, green, blue from the
    // high byte, each channel * 255 truncated and kept within 0 to 255.
    uint32_t AmbientWord() const;
    const std::deque<uint8_t>& FreeSlots() const { return freeSlots; }
    // The enabled records, in the order they were first enabled.
    const std::vector<LightRecord*>& ActiveLights() const { return activeLights; }
    // What the device holds in a slot (slot 0 for one out of range).
    const DeviceLight& Device(uint8_t slot) const;

private:
    // The list step: on appends unless present; off removes; false when off finds nothing.
    bool UpdateActiveList(LightRecord& record, bool on);
    // Gives the record a slot if it has none and the device its copy; logs a
    // light newly enabled when no slot is left.
    void SendToDevice(LightRecord& record, bool newly_enabled);
    void DisableOnDevice(LightRecord& record);

    std::deque<uint8_t> freeSlots;
    std::vector<LightRecord*> activeLights;
    ColorRGBA ambient{0, 0, 0, 1};
    std::array<DeviceLight, kSlotCount> device{};
};

}  // namespace Engine

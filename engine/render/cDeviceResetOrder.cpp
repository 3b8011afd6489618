#include "engine/render/cDeviceResetOrder.h"

#include <algorithm>  // std::find, std::erase

namespace Engine {

namespace {

constexpr eDeviceResetStage kReleaseOrder[] = {eDeviceResetStage::ParticleSystems, eDeviceResetStage::Textures,
                                               eDeviceResetStage::Fonts, eDeviceResetStage::Meshes};
constexpr eDeviceResetStage kRestoreOrder[] = {eDeviceResetStage::Meshes, eDeviceResetStage::Textures,
                                               eDeviceResetStage::Fonts, eDeviceResetStage::ParticleSystems};

}  // namespace

void cDeviceResetOrder::Register(eDeviceResetStage stage, iDeviceResetListener* holder) {
    for (const std::vector<iDeviceResetListener*>& holders : stages) {
        if (std::find(holders.begin(), holders.end(), holder) != holders.end()) return;
    }
    stages[static_cast<std::size_t>(stage)].push_back(holder);
}

void cDeviceResetOrder::Unregister(iDeviceResetListener* holder) {
    for (std::vector<iDeviceResetListener*>& holders : stages) std::erase(holders, holder);
}

void cDeviceResetOrder::AddDisplayModeListener(iDisplayModeListener* listener) {
    if (std::find(display_listeners.begin(), display_listeners.end(), listener) == display_listeners.end()) {
        display_listeners.push_back(listener);
    }
}

void cDeviceResetOrder::RemoveDisplayModeListener(iDisplayModeListener* listener) {
    std::erase(display_listeners, listener);
}

void cDeviceResetOrder::ReleaseAll() {
    if (released) return;
    released = true;
    for (const eDeviceResetStage stage : kReleaseOrder) {
        // A copy, so that a holder may unregister while it is being told.
        const std::vector<iDeviceResetListener*> holders = stages[static_cast<std::size_t>(stage)];
        for (iDeviceResetListener* holder : holders) holder->OnDeviceLost();
    }
}

void cDeviceResetOrder::RestoreAll() {
    if (!released) return;
    released = false;
    for (const eDeviceResetStage stage : kRestoreOrder) {
        const std::vector<iDeviceResetListener*> holders = stages[static_cast<std::size_t>(stage)];
        for (iDeviceResetListener* holder : holders) holder->OnDeviceReset();
    }
}

bool cDeviceResetOrder::Reset(const std::function<bool()>& device_reset) {
    ReleaseAll();
    if (!device_reset()) return false;
    RestoreAll();
    return true;
}

void cDeviceResetOrder::NotifyDisplayModeChanged() {
    const std::vector<iDisplayModeListener*> listeners = display_listeners;
    for (iDisplayModeListener* listener : listeners) listener->OnDisplayModeChanged();
}

}  // namespace Engine

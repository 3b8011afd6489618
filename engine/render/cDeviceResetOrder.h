#pragma once
// cDeviceResetOrder: the one order in which holders of device objects go
// through a device reset or a display-mode change. Holders register under
// their stage (eDeviceResetStage). A reset releases, stage by stage,
// particle systems, textures, fonts and meshes; resets the device; then
// restores meshes, textures, fonts and particle systems, each stage's holders
// in registration order; and afterwards the display-mode listeners hear of
// a changed mode.
//
// A reset that fails leaves the holders released; the next attempt does not
// release them a second time, and only a successful one restores them.
//
// The lists do not own their members; a holder unregisters before it goes.

#include <array>
#include <functional>  // the device's own reset step
#include <vector>

#include "engine/core/Singleton.h"
#include "engine/render/eDeviceResetStage.h"
#include "engine/render/iDeviceResetListener.h"
#include "engine/render/iDisplayModeListener.h"

namespace Engine {

class cDeviceResetOrder : public Singleton<cDeviceResetOrder> {
public:
    // Adds a holder at the end of its stage; a holder already registered is not added twice.
    void Register(eDeviceResetStage stage, iDeviceResetListener* holder);
    // Removes a holder from whichever stage holds it.
    void Unregister(iDeviceResetListener* holder);
    // Adds a listener told after each display-mode change.
    void AddDisplayModeListener(iDisplayModeListener* listener);
    // Removes a display-mode listener.
    void RemoveDisplayModeListener(iDisplayModeListener* listener);

    // Releases every holder in release order; nothing when they are released already.
    void ReleaseAll();
    // Restores every holder in restore order; nothing unless they are released.
    void RestoreAll();
    // ReleaseAll, then one attempt of device_reset; on success RestoreAll.
    // Returns whether the reset succeeded.
    bool Reset(const std::function<bool()>& device_reset);
    // Tells every display-mode listener, in registration order.
    void NotifyDisplayModeChanged();

    // True between a release and the restore that follows it.
    bool Released() const { return released; }

private:
    friend class Singleton<cDeviceResetOrder>;
    cDeviceResetOrder() = default;

    static constexpr std::size_t kStageCount = 4;

    std::array<std::vector<iDeviceResetListener*>, kStageCount> stages;
    std::vector<iDisplayModeListener*> display_listeners;
    bool released = false;
};

}  // namespace Engine

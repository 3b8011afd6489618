#pragma once
// iDeviceResetListener: a holder of device objects that do not survive a
// device reset or a display-mode change. It releases them when told the
// device is lost and makes them again when told it is back; cDeviceResetOrder
// calls the holders of each stage in a fixed order.

namespace Engine {

class iDeviceResetListener {
public:
    virtual ~iDeviceResetListener() = default;
    // Releases the device objects; the holder keeps what it needs to remake them.
    virtual void OnDeviceLost() = 0;
    // Makes the device objects again.
    virtual void OnDeviceReset() = 0;
};

}  // namespace Engine

#pragma once
// cBufferStorage: the bytes behind one vertex or index buffer, counted in
// elements (vertices or indices) of a fixed size.
//
// The device object sits behind the Device* steps a device layer supplies.
// A dynamic buffer also keeps a shadow copy of every byte in system memory:
// its locks hand out the shadow copy itself and its unlocks send the locked
// range to the device, so the copy can never miss a write, whether it came
// through Write, WriteElement or a plain Lock, and writing it back after a
// device reset restores exactly what was there. A lock of any other buffer
// maps the device bytes.
//
// One lock at a time; a bad range, flag or state is logged and refused.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace Engine {

class cBufferStorage {
public:
    virtual ~cBufferStorage() = default;

    // Makes the device object of count elements of element_size bytes; false
    // (logged, storage left empty) for a zero size, an unknown usage or a
    // device that refuses. what names the buffer kind in log lines.
    bool CreateStorage(uint32_t count, uint32_t element_size, int32_t usage, const std::string& what);
    // Releases the device object and the shadow copy; nothing when empty.
    void ReleaseStorage();

    // Locks count elements from start (0: to the end) with an eLockFlag; the
    // first locked byte, or null (logged) when refused.
    uint8_t* LockRange(uint32_t start, uint32_t count, int32_t lock_flag);
    // Ends the lock and sends written bytes to the device.
    void UnlockRange();

    // Releases the device object of a dynamic buffer; its shadow copy stays.
    void DropDevice();
    // Makes the device object of a dynamic buffer again and writes the shadow copy back.
    void RestoreDevice();

    bool IsCreated() const { return created; }
    bool IsLocked() const { return locked; }
    uint32_t ElementCount() const { return element_count; }
    uint32_t ElementSize() const { return element_size; }
    int32_t Usage() const { return usage; }
    // The shadow copy; empty unless the buffer is dynamic.
    const std::vector<uint8_t>& Shadow() const { return shadow; }

protected:
    // Makes a device object of bytes bytes for the usage; false when the device refuses.
    virtual bool DeviceCreate(std::size_t bytes, int32_t usage) = 0;
    // Releases the device object.
    virtual void DeviceRelease() = 0;
    // Maps a byte range of the device object for an eLockFlag; null when the device refuses.
    virtual uint8_t* DeviceMap(std::size_t offset, std::size_t bytes, int32_t lock_flag) = 0;
    // Ends the mapping of DeviceMap.
    virtual void DeviceUnmap() = 0;
    // Copies bytes into the device object at offset.
    virtual void DeviceUpload(std::size_t offset, std::size_t bytes, const uint8_t* source) = 0;

private:
    bool IsDynamic() const;
    void LogRefusal(const std::string& message) const;

    std::string what = "buffer";
    bool created = false;
    bool device_live = false;
    bool locked = false;
    uint32_t element_count = 0;
    uint32_t element_size = 0;
    int32_t usage = 0;
    std::vector<uint8_t> shadow;
    std::size_t lock_offset = 0;
    std::size_t lock_bytes = 0;
    int32_t lock_flag = 0;
};

}  // namespace Engine

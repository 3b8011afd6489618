#include "engine/render/cBufferStorage.h"

#include "engine/core/cLog.h"
#include "engine/render/eBufferUsage.h"
#include "engine/render/eLockFlag.h"

namespace Engine {

bool cBufferStorage::CreateStorage(uint32_t count, uint32_t size, int32_t buffer_usage, const std::string& kind) {
    what = kind;
    if (created) ReleaseStorage();
    if (count == 0 || size == 0 || !IsBufferUsage(buffer_usage)) {
        LogRefusal("cannot be made with " + std::to_string(count) + " elements of " + std::to_string(size) +
                   " bytes and usage " + std::to_string(buffer_usage));
        return false;
    }
    const std::size_t bytes = static_cast<std::size_t>(count) * size;
    if (!DeviceCreate(bytes, buffer_usage)) {
        LogRefusal("of " + std::to_string(bytes) + " bytes was refused by the device");
        return false;
    }
    element_count = count;
    element_size = size;
    usage = buffer_usage;
    created = device_live = true;
    if (IsDynamic()) shadow.assign(bytes, 0);
    return true;
}

void cBufferStorage::ReleaseStorage() {
    if (!created) return;
    if (locked && !IsDynamic() && device_live) DeviceUnmap();
    if (device_live) DeviceRelease();
    created = device_live = locked = false;
    element_count = element_size = 0;
    usage = 0;
    shadow.clear();
    shadow.shrink_to_fit();
}

uint8_t* cBufferStorage::LockRange(uint32_t start, uint32_t count, int32_t flag) {
    if (!created || locked || !IsLockFlag(flag)) {
        LogRefusal(!created ? "is not made; the lock is refused"
                   : locked ? "is locked already; a second lock is refused"
                            : "lock flag " + std::to_string(flag) + " is unknown; the lock is refused");
        return nullptr;
    }
    const uint32_t length = count == 0 && start < element_count ? element_count - start : count;
    if (start >= element_count || length > element_count - start) {
        LogRefusal("holds " + std::to_string(element_count) + " elements; a lock of " + std::to_string(count) +
                   " from " + std::to_string(start) + " is refused");
        return nullptr;
    }
    lock_offset = static_cast<std::size_t>(start) * element_size;
    lock_bytes = static_cast<std::size_t>(length) * element_size;
    lock_flag = flag;
    uint8_t* bytes = nullptr;
    if (IsDynamic()) {
        bytes = shadow.data() + lock_offset;
    } else if (device_live) {
        bytes = DeviceMap(lock_offset, lock_bytes, flag);
    }
    if (bytes == nullptr) {
        LogRefusal("could not be mapped by the device");
        return nullptr;
    }
    locked = true;
    return bytes;
}

void cBufferStorage::UnlockRange() {
    if (!locked) return;
    locked = false;
    if (!IsDynamic()) {
        DeviceUnmap();
    } else if (device_live && lock_flag != LOCK_ReadOnly) {
        DeviceUpload(lock_offset, lock_bytes, shadow.data() + lock_offset);
    }
}

void cBufferStorage::DropDevice() {
    if (!created || !IsDynamic() || !device_live) return;
    DeviceRelease();
    device_live = false;
}

void cBufferStorage::RestoreDevice() {
    if (!created || !IsDynamic() || device_live) return;
    if (!DeviceCreate(shadow.size(), usage)) {
        LogRefusal("could not be made again after the device reset; it keeps its system copy");
        return;
    }
    device_live = true;
    DeviceUpload(0, shadow.size(), shadow.data());
}

bool cBufferStorage::IsDynamic() const { return usage == BU_Dynamic; }

void cBufferStorage::LogRefusal(const std::string& message) const { LogError("the " + what + " " + message); }

}  // namespace Engine

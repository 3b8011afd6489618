#include "engine/render/cIndexBufferBase.h"

#include <cstring>  // std::memcpy

#include "engine/core/cLog.h"
#include "engine/render/eBufferUsage.h"
#include "engine/render/eIndexFormat.h"
#include "engine/render/eLockFlag.h"

namespace Engine {

bool cIndexBufferBase::Create(BufferBindings& bindings_, uint32_t count, int32_t format_, int32_t buffer_usage) {
    if (IndexSize(format_) == 0) {
        LogError("the index buffer cannot be made with index format " + std::to_string(format_));
        return false;
    }
    if (!CreateStorage(count, IndexSize(format_), buffer_usage, "index buffer")) return false;
    bindings = &bindings_;
    format = format_;
    return true;
}

void cIndexBufferBase::Release() {
    if (!InUse()) return;
    if (bindings->index_buffer == this) Unbind();
    ReleaseStorage();
    format = 0;
}

void* cIndexBufferBase::Lock(uint32_t start_index, uint32_t index_count, int32_t lock_flag) {
    return LockRange(start_index, index_count, lock_flag);
}

void cIndexBufferBase::Unlock() { UnlockRange(); }

void cIndexBufferBase::Write(const void* source, uint32_t start_index, uint32_t count) {
    if (source == nullptr || count == 0) return;
    uint8_t* bytes = LockRange(start_index, count, Usage() == BU_Dynamic ? LOCK_Discard : LOCK_None);
    if (bytes == nullptr) return;
    std::memcpy(bytes, source, static_cast<std::size_t>(count) * GetIndexSize());
    UnlockRange();
}

void cIndexBufferBase::Read(void* destination, uint32_t start_index, uint32_t count) {
    if (destination == nullptr || count == 0) return;
    const uint8_t* bytes = LockRange(start_index, count, LOCK_ReadOnly);
    if (bytes == nullptr) return;
    std::memcpy(destination, bytes, static_cast<std::size_t>(count) * GetIndexSize());
    UnlockRange();
}

void cIndexBufferBase::OnDeviceLost() {
    // As for vertex buffers: a released buffer is no longer bound on the device.
    if (Usage() == BU_Dynamic && bindings->index_buffer == this) Unbind();
    DropDevice();
}

void cIndexBufferBase::Bind() {
    if (!InUse()) {
        LogError("a released index buffer cannot be bound");
        return;
    }
    if (bindings->index_buffer == this) return;
    DeviceBind();
    bindings->index_buffer = this;
}

void cIndexBufferBase::Unbind() {
    if (bindings == nullptr) return;
    DeviceUnbind();
    bindings->index_buffer = nullptr;
}

}  // namespace Engine

#pragma once
// cIndexBufferBase: the device-neutral part of an index buffer: its format,
// shadow copy (through cBufferStorage) and the bound-buffer record. A device
// layer derives from it and supplies the storage steps and how the buffer is
// bound. Releasing a bound buffer unbinds it first.

#include <cstdint>
#include <vector>

#include "engine/render/BufferBindings.h"
#include "engine/render/cBufferStorage.h"
#include "engine/render/iIndexBuffer.h"

namespace Engine {

class cIndexBufferBase : public iIndexBuffer, protected cBufferStorage {
public:
    // Makes the buffer live with count indices of an eIndexFormat; false
    // (logged) for an unknown format or when the device storage cannot be made.
    bool Create(BufferBindings& bindings, uint32_t count, int32_t format, int32_t buffer_usage);
    // True between Create and Release.
    bool InUse() const { return IsCreated(); }

    void Release() override;
    void* Lock(uint32_t start_index, uint32_t index_count, int32_t lock_flag) override;
    void Unlock() override;
    void Write(const void* source, uint32_t start_index, uint32_t count) override;
    void Read(void* destination, uint32_t start_index, uint32_t count) override;
    void Bind() override;
    void Unbind() override;
    void OnDeviceLost() override;
    void OnDeviceReset() override { RestoreDevice(); }

    int32_t GetFormat() const override { return format; }
    uint32_t GetCount() const override { return ElementCount(); }
    uint32_t GetIndexSize() const override { return ElementSize(); }
    int32_t GetBufferUsage() const override { return Usage(); }

    // The system copy of a dynamic buffer, empty for the others.
    const std::vector<uint8_t>& ShadowCopy() const { return Shadow(); }

protected:
    // Makes the device read indices from this buffer.
    virtual void DeviceBind() = 0;
    // Leaves the device reading indices from no buffer.
    virtual void DeviceUnbind() = 0;

private:
    BufferBindings* bindings = nullptr;
    int32_t format = 0;
};

}  // namespace Engine

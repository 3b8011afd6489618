#pragma once
// cVertexBufferBase: the device-neutral part of a vertex buffer: its
// declaration, element access, shadow copy (through cBufferStorage), the
// bound-buffer record and the return of its declaration to the pool. A device
// layer derives from it and supplies the storage steps and how a buffer is
// bound for drawing.
//
// Buffers are pre-built by the hardware buffer manager's pool; Create makes a
// pooled one live, Release makes it inert again. Releasing a bound buffer
// unbinds it first, so a reused buffer object is never taken for the one
// still bound and its first Bind always reaches the device.

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/render/BufferBindings.h"
#include "engine/render/cBufferStorage.h"
#include "engine/render/iVertexBuffer.h"

namespace Engine {

class iHardwareBufferManager;

class cVertexBufferBase : public iVertexBuffer, protected cBufferStorage {
public:
    // Makes the buffer live with count vertices laid out by declaration,
    // which it then owns; false (logged) when the device storage cannot be made.
    bool Create(iHardwareBufferManager& owner, BufferBindings& bindings, cVertexDeclaration* declaration,
                uint32_t count, int32_t buffer_usage);
    // True between Create and Release.
    bool InUse() const { return declaration != nullptr; }

    void Release() override;
    void* Lock(uint32_t start_vertex, uint32_t vertex_count, int32_t lock_flag) override;
    void Unlock() override;
    void WriteElement(int32_t usage, int32_t usage_index, const void* source, uint32_t start_vertex,
                      uint32_t vertex_count) override;
    void Write(const void* source, uint32_t start_vertex, uint32_t vertex_count) override;
    void ReadElement(int32_t usage, int32_t usage_index, void* destination, uint32_t start_vertex,
                     uint32_t vertex_count) override;
    void Read(void* destination, uint32_t start_vertex, uint32_t vertex_count) override;
    void Bind() override;
    void Unbind() override;
    void OnDeviceLost() override;
    void OnDeviceReset() override { RestoreDevice(); }

    const cVertexDeclaration* GetDeclaration() const override { return declaration; }
    uint32_t GetCount() const override { return ElementCount(); }
    uint32_t GetStride() const override { return ElementSize(); }
    int32_t GetBufferUsage() const override { return Usage(); }

    // The system copy of a dynamic buffer, empty for the others.
    const std::vector<uint8_t>& ShadowCopy() const { return Shadow(); }

protected:
    // Makes the device draw from this buffer with its declaration.
    virtual void DeviceBind() = 0;
    // Leaves the device drawing from no vertex buffer.
    virtual void DeviceUnbind() = 0;

private:
    // The element's position for an element access, or nothing (logged) when
    // the buffer is released or its declaration lacks the element.
    std::optional<uint32_t> ElementFor(int32_t usage, int32_t usage_index, const char* operation) const;

    iHardwareBufferManager* owner = nullptr;
    BufferBindings* bindings = nullptr;
    cVertexDeclaration* declaration = nullptr;
};

}  // namespace Engine

#pragma once
// iIndexBuffer: 16-bit or 32-bit vertex indices on the device (eIndexFormat),
// made and taken back by the hardware buffer manager. A dynamic buffer keeps
// a system copy of its indices exactly as a dynamic vertex buffer does.

#include <cstdint>

namespace Engine {

class iIndexBuffer {
public:
    virtual ~iIndexBuffer() = default;
    // Releases the device buffer and the system copy.
    virtual void Release() = 0;
    // Locks index_count indices from start_index (0: to the end) with an
    // eLockFlag; the first locked byte, or null (logged) on a bad request.
    virtual void* Lock(uint32_t start_index, uint32_t index_count, int32_t lock_flag) = 0;
    // Ends the lock; written bytes reach the device.
    virtual void Unlock() = 0;
    // Copies count indices from source into the buffer from start_index.
    virtual void Write(const void* source, uint32_t start_index, uint32_t count) = 0;
    // Copies count indices from start_index out.
    virtual void Read(void* destination, uint32_t start_index, uint32_t count) = 0;
    // Makes this the buffer indexed draws read from; nothing reaches the device when it is already bound.
    virtual void Bind() = 0;
    // Leaves no index buffer bound.
    virtual void Unbind() = 0;
    // A dynamic buffer releases its device buffer.
    virtual void OnDeviceLost() = 0;
    // A dynamic buffer makes its device buffer again and writes its system copy back.
    virtual void OnDeviceReset() = 0;

    // The eIndexFormat of the indices.
    virtual int32_t GetFormat() const = 0;
    // Indices in the buffer.
    virtual uint32_t GetCount() const = 0;
    // Bytes per index: 2 or 4.
    virtual uint32_t GetIndexSize() const = 0;
    // The eBufferUsage the buffer was made with.
    virtual int32_t GetBufferUsage() const = 0;
};

}  // namespace Engine

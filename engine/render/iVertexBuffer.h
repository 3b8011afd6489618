#pragma once
// iVertexBuffer: vertices on the device, laid out by the cVertexDeclaration
// the buffer owns. Made and taken back by the hardware buffer manager.
//
// A dynamic buffer (eBufferUsage 2) keeps a copy of its bytes in system
// memory: every write lands in the copy too, so that the device buffer can be
// dropped before a device reset and written back after it. Reads and writes
// of single elements find the element by usage and usage index; an element
// the declaration lacks is logged and the access skipped.

#include <cstdint>

namespace Engine {

class cVertexDeclaration;

class iVertexBuffer {
public:
    virtual ~iVertexBuffer() = default;
    // Releases the device objects and the system copy and gives the declaration back to its pool.
    virtual void Release() = 0;
    // Locks vertex_count vertices from start_vertex (0: to the end) with an
    // eLockFlag; the pointer to the first locked byte, or null (logged) when
    // the range or the flag is bad or the buffer is locked already.
    virtual void* Lock(uint32_t start_vertex, uint32_t vertex_count, int32_t lock_flag) = 0;
    // Ends the lock; written bytes reach the device.
    virtual void Unlock() = 0;
    // Copies one element per vertex from packed source data into vertex_count vertices from start_vertex.
    virtual void WriteElement(int32_t usage, int32_t usage_index, const void* source, uint32_t start_vertex,
                              uint32_t vertex_count) = 0;
    // Copies whole vertices from source into vertex_count vertices from start_vertex.
    virtual void Write(const void* source, uint32_t start_vertex, uint32_t vertex_count) = 0;
    // Copies one element per vertex out, packed.
    virtual void ReadElement(int32_t usage, int32_t usage_index, void* destination, uint32_t start_vertex,
                             uint32_t vertex_count) = 0;
    // Copies whole vertices out.
    virtual void Read(void* destination, uint32_t start_vertex, uint32_t vertex_count) = 0;
    // Makes this the buffer draws read from; nothing reaches the device when it is already bound.
    virtual void Bind() = 0;
    // Leaves no vertex buffer bound.
    virtual void Unbind() = 0;
    // A dynamic buffer releases its device objects.
    virtual void OnDeviceLost() = 0;
    // A dynamic buffer makes its device objects again and writes its system copy back.
    virtual void OnDeviceReset() = 0;

    // The declaration the buffer owns, or null while it is released.
    virtual const cVertexDeclaration* GetDeclaration() const = 0;
    // Vertices in the buffer.
    virtual uint32_t GetCount() const = 0;
    // Bytes per vertex.
    virtual uint32_t GetStride() const = 0;
    // The eBufferUsage the buffer was made with.
    virtual int32_t GetBufferUsage() const = 0;
};

}  // namespace Engine

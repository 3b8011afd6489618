#pragma once
// iHardwareBufferManager: makes and takes back vertex buffers, index buffers
// and vertex declarations. All three come from pools of pre-built objects
// refilled a block at a time (512 vertex buffers, 256 index buffers, 256
// declarations), handed out from the front of a free queue and taken back at
// its end, so meshes and sprites can come and go without an allocation each.
// The manager also knows which buffers are bound.

#include <cstdint>

namespace Engine {

class cVertexDeclaration;
class iIndexBuffer;
class iVertexBuffer;

class iHardwareBufferManager {
public:
    // A vertex buffer of count vertices laid out by the declaration, which the
    // buffer then owns; null, with a log line, when it cannot be made (the
    // declaration then goes back to its pool).
    virtual iVertexBuffer* CreateVertexBuffer(cVertexDeclaration* declaration, uint32_t count,
                                              int32_t buffer_usage) = 0;
    // Releases the buffer, returns it to its pool and nulls the pointer.
    virtual void ReleaseVertexBuffer(iVertexBuffer*& buffer) = 0;
    // Releases every vertex buffer ever made and queues each as free.
    virtual void ReleaseAllVertexBuffers() = 0;
    // An index buffer of count indices of an eIndexFormat; null, logged, when it cannot be made.
    virtual iIndexBuffer* CreateIndexBuffer(uint32_t count, int32_t format, int32_t buffer_usage) = 0;
    // Releases the buffer, returns it to its pool and nulls the pointer.
    virtual void ReleaseIndexBuffer(iIndexBuffer*& buffer) = 0;
    // Releases every index buffer ever made and queues each as free.
    virtual void ReleaseAllIndexBuffers() = 0;
    // Releases everything.
    virtual ~iHardwareBufferManager() = default;

    // An empty declaration from the pool, to fill and hand to CreateVertexBuffer.
    virtual cVertexDeclaration* TakeVertexDeclaration() = 0;
    // Returns a declaration that was never handed to a buffer.
    virtual void GiveBackVertexDeclaration(cVertexDeclaration* declaration) = 0;
    // The bound vertex buffer, or null.
    virtual const iVertexBuffer* BoundVertexBuffer() const = 0;
    // The bound index buffer, or null.
    virtual const iIndexBuffer* BoundIndexBuffer() const = 0;
};

}  // namespace Engine

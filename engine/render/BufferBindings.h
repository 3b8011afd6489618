#pragma once
// BufferBindings: which vertex buffer, declaration and index buffer the
// device draws from. The renderer owns the record; the hardware buffer
// manager's buffers update it in Bind and Unbind and skip the device when the
// buffer asked for is bound already. A device reset forgets it, so the next
// Bind always reaches the device.

namespace Engine {

class cVertexDeclaration;
class iIndexBuffer;
class iVertexBuffer;

struct BufferBindings {
    const iVertexBuffer* vertex_buffer = nullptr;
    const cVertexDeclaration* declaration = nullptr;
    const iIndexBuffer* index_buffer = nullptr;
};

}  // namespace Engine

#pragma once
// cPooledHardwareBufferManager: the hardware buffer manager's pools and
// bookkeeping, shared by every device layer. VertexBuffer and IndexBuffer are
// the layer's buffer classes (derived from cVertexBufferBase and
// cIndexBufferBase, default-constructible); Device is whatever they need to
// reach their device, handed to each buffer before it is made live.
//
// Buffers carry an in-use flag, so releasing a buffer twice, or one this
// manager did not make, is logged and ignored instead of queueing the object
// twice and handing it to two users later.

#include <cstdint>

#include "engine/core/cLog.h"
#include "engine/render/BufferBindings.h"
#include "engine/render/cBlockPool.h"
#include "engine/render/cVertexDeclaration.h"
#include "engine/render/iHardwareBufferManager.h"

namespace Engine {

template <typename VertexBuffer, typename IndexBuffer, typename Device>
class cPooledHardwareBufferManager : public iHardwareBufferManager {
public:
    static constexpr std::size_t kVertexBufferBlock = 512;
    static constexpr std::size_t kIndexBufferBlock = 256;
    static constexpr std::size_t kDeclarationBlock = 256;

    using VertexPool = cBlockPool<VertexBuffer, kVertexBufferBlock>;
    using IndexPool = cBlockPool<IndexBuffer, kIndexBufferBlock>;
    using DeclarationPool = cBlockPool<cVertexDeclaration, kDeclarationBlock>;

    cPooledHardwareBufferManager(BufferBindings& bindings_, Device& device_) : bindings(bindings_), device(device_) {}

    iVertexBuffer* CreateVertexBuffer(cVertexDeclaration* declaration, uint32_t count, int32_t usage) override {
        if (declaration == nullptr) {
            LogError("a vertex buffer needs a vertex declaration; none is made");
            return nullptr;
        }
        VertexBuffer* buffer = vertex_pool.Take();
        buffer->SetDevice(device);
        if (!buffer->Create(*this, bindings, declaration, count, usage)) {
            vertex_pool.GiveBack(buffer);
            GiveBackVertexDeclaration(declaration);
            return nullptr;
        }
        return buffer;
    }

    void ReleaseVertexBuffer(iVertexBuffer*& buffer) override {
        if (buffer == nullptr) return;
        auto* pooled = dynamic_cast<VertexBuffer*>(buffer);
        if (pooled == nullptr || !pooled->InUse()) {
            LogError("a vertex buffer that is not in use was released; it is ignored");
        } else {
            pooled->Release();
            vertex_pool.GiveBack(pooled);
        }
        buffer = nullptr;
    }

    void ReleaseAllVertexBuffers() override {
        for (VertexBuffer* buffer : vertex_pool.Objects()) buffer->Release();
        vertex_pool.RequeueAll();
    }

    iIndexBuffer* CreateIndexBuffer(uint32_t count, int32_t format, int32_t usage) override {
        IndexBuffer* buffer = index_pool.Take();
        buffer->SetDevice(device);
        if (!buffer->Create(bindings, count, format, usage)) {
            index_pool.GiveBack(buffer);
            return nullptr;
        }
        return buffer;
    }

    void ReleaseIndexBuffer(iIndexBuffer*& buffer) override {
        if (buffer == nullptr) return;
        auto* pooled = dynamic_cast<IndexBuffer*>(buffer);
        if (pooled == nullptr || !pooled->InUse()) {
            LogError("an index buffer that is not in use was released; it is ignored");
        } else {
            pooled->Release();
            index_pool.GiveBack(pooled);
        }
        buffer = nullptr;
    }

    void ReleaseAllIndexBuffers() override {
        for (IndexBuffer* buffer : index_pool.Objects()) buffer->Release();
        index_pool.RequeueAll();
    }

    ~cPooledHardwareBufferManager() override {
        ReleaseAllVertexBuffers();
        ReleaseAllIndexBuffers();
    }

    cVertexDeclaration* TakeVertexDeclaration() override {
        cVertexDeclaration* declaration = declaration_pool.Take();
        declaration->Reset();
        return declaration;
    }

    void GiveBackVertexDeclaration(cVertexDeclaration* declaration) override {
        if (declaration == nullptr) return;
        declaration->Reset();
        declaration_pool.GiveBack(declaration);
    }

    const iVertexBuffer* BoundVertexBuffer() const override { return bindings.vertex_buffer; }
    const iIndexBuffer* BoundIndexBuffer() const override { return bindings.index_buffer; }

    const VertexPool& VertexBuffers() const { return vertex_pool; }
    const IndexPool& IndexBuffers() const { return index_pool; }
    const DeclarationPool& Declarations() const { return declaration_pool; }

private:
    BufferBindings& bindings;
    Device& device;
    DeclarationPool declaration_pool;
    VertexPool vertex_pool;
    IndexPool index_pool;
};

}  // namespace Engine

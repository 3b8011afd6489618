#include "engine/render/cVertexBufferBase.h"

#include <cstring>  // std::memcpy

#include "engine/core/cLog.h"
#include "engine/render/cVertexDeclaration.h"
#include "engine/render/eBufferUsage.h"
#include "engine/render/eLockFlag.h"
#include "engine/render/iHardwareBufferManager.h"

namespace Engine {

bool cVertexBufferBase::Create(iHardwareBufferManager& owner_, BufferBindings& bindings_,
                               cVertexDeclaration* declaration_, uint32_t count, int32_t buffer_usage) {
    if (!CreateStorage(count, declaration_->Stride(), buffer_usage, "vertex buffer")) return false;
    owner = &owner_;
    bindings = &bindings_;
    declaration = declaration_;
    return true;
}

void cVertexBufferBase::Release() {
    if (!InUse()) return;
    if (bindings->vertex_buffer == this) Unbind();
    ReleaseStorage();
    owner->GiveBackVertexDeclaration(declaration);
    declaration = nullptr;
}

void* cVertexBufferBase::Lock(uint32_t start_vertex, uint32_t vertex_count, int32_t lock_flag) {
    return LockRange(start_vertex, vertex_count, lock_flag);
}

void cVertexBufferBase::Unlock() { UnlockRange(); }

void cVertexBufferBase::WriteElement(int32_t usage, int32_t usage_index, const void* source, uint32_t start_vertex,
                                     uint32_t vertex_count) {
    const std::optional<uint32_t> position = ElementFor(usage, usage_index, "WriteElement");
    if (!position || source == nullptr || vertex_count == 0) return;
    uint8_t* bytes = LockRange(start_vertex, vertex_count, LOCK_None);
    if (bytes == nullptr) return;
    const uint32_t offset = declaration->ElementOffset(*position);
    const uint32_t size = declaration->ElementSize(*position);
    const auto* packed = static_cast<const uint8_t*>(source);
    for (uint32_t v = 0; v < vertex_count; ++v) {
        std::memcpy(bytes + static_cast<std::size_t>(v) * GetStride() + offset, packed + static_cast<std::size_t>(v) * size,
                    size);
    }
    UnlockRange();
}

void cVertexBufferBase::Write(const void* source, uint32_t start_vertex, uint32_t vertex_count) {
    if (source == nullptr || vertex_count == 0) return;
    uint8_t* bytes = LockRange(start_vertex, vertex_count, Usage() == BU_Dynamic ? LOCK_Discard : LOCK_None);
    if (bytes == nullptr) return;
    std::memcpy(bytes, source, static_cast<std::size_t>(vertex_count) * GetStride());
    UnlockRange();
}

void cVertexBufferBase::ReadElement(int32_t usage, int32_t usage_index, void* destination, uint32_t start_vertex,
                                    uint32_t vertex_count) {
    const std::optional<uint32_t> position = ElementFor(usage, usage_index, "ReadElement");
    if (!position || destination == nullptr || vertex_count == 0) return;
    const uint8_t* bytes = LockRange(start_vertex, vertex_count, LOCK_ReadOnly);
    if (bytes == nullptr) return;
    const uint32_t offset = declaration->ElementOffset(*position);
    const uint32_t size = declaration->ElementSize(*position);
    auto* packed = static_cast<uint8_t*>(destination);
    for (uint32_t v = 0; v < vertex_count; ++v) {
        std::memcpy(packed + static_cast<std::size_t>(v) * size, bytes + static_cast<std::size_t>(v) * GetStride() + offset,
                    size);
    }
    UnlockRange();
}

void cVertexBufferBase::Read(void* destination, uint32_t start_vertex, uint32_t vertex_count) {
    if (destination == nullptr || vertex_count == 0) return;
    const uint8_t* bytes = LockRange(start_vertex, vertex_count, LOCK_ReadOnly);
    if (bytes == nullptr) return;
    std::memcpy(destination, bytes, static_cast<std::size_t>(vertex_count) * GetStride());
    UnlockRange();
}

void cVertexBufferBase::Bind() {
    if (!InUse()) {
        LogError("a released vertex buffer cannot be bound");
        return;
    }
    if (bindings->vertex_buffer == this) return;
    DeviceBind();
    bindings->vertex_buffer = this;
    bindings->declaration = declaration;
}

void cVertexBufferBase::Unbind() {
    if (bindings == nullptr) return;
    DeviceUnbind();
    bindings->vertex_buffer = nullptr;
    bindings->declaration = nullptr;
}

void cVertexBufferBase::OnDeviceLost() {
    // The device forgets a released buffer's binding; the record must too,
    // or the first Bind after the reset would be skipped.
    if (Usage() == BU_Dynamic && bindings->vertex_buffer == this) Unbind();
    DropDevice();
}

std::optional<uint32_t> cVertexBufferBase::ElementFor(int32_t usage, int32_t usage_index,
                                                      const char* operation) const {
    if (!InUse()) {
        LogError(std::string(operation) + " on a released vertex buffer is skipped");
        return std::nullopt;
    }
    const uint32_t position = declaration->GetElementIndexByUsage(usage, usage_index);
    if (position >= declaration->Elements().size()) {
        LogError(std::string(operation) + " skipped: the vertex buffer has no element of usage " +
                 std::to_string(usage) + " and usage index " + std::to_string(usage_index));
        return std::nullopt;
    }
    return position;
}

}  // namespace Engine

#include "engine/resource/IndexBufferUpload.h"

#include <limits>

#include "engine/render/eBufferUsage.h"
#include "engine/render/eIndexFormat.h"
#include "engine/render/iHardwareBufferManager.h"
#include "engine/render/iIndexBuffer.h"

namespace Engine {

iIndexBuffer* MakeIndexBuffer(const std::vector<std::uint32_t>& indices, std::size_t vertex_count,
                              iHardwareBufferManager& buffers) {
    const bool wide = vertex_count > std::numeric_limits<std::uint16_t>::max();
    const auto count = static_cast<std::uint32_t>(indices.size());
    iIndexBuffer* buffer = buffers.CreateIndexBuffer(count, wide ? IF_Index32 : IF_Index16, BU_Managed);
    if (buffer == nullptr) return nullptr;
    if (wide) {
        buffer->Write(indices.data(), 0, count);
    } else {
        const std::vector<std::uint16_t> narrow(indices.begin(), indices.end());
        buffer->Write(narrow.data(), 0, count);
    }
    return buffer;
}

}  // namespace Engine

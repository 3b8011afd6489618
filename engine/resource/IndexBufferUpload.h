#pragma once
// Index data to the device: meshes build their triangle lists as 32-bit
// indices and store them 16-bit wide whenever every vertex fits, which
// halves the buffer for all but the largest meshes.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace Engine {

class iHardwareBufferManager;
class iIndexBuffer;

// A managed index buffer holding indices, 32-bit only when vertex_count needs
// it; null when the device cannot make one.
iIndexBuffer* MakeIndexBuffer(const std::vector<std::uint32_t>& indices, std::size_t vertex_count,
                              iHardwareBufferManager& buffers);

}  // namespace Engine

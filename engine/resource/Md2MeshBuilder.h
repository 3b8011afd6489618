#pragma once
// Md2MeshBuilder: turns a parsed MD2 file into the vertex buffers of a mesh.
//
// Positions go from the file's axes (z up) to the engine's (y up): a frame
// vertex v becomes scale * (v.x, v.z, -v.y) after the frame's own scale and
// translate, the current mesh scale applying to every position. Normals are
// the format table's entries negated and are not transformed.
//
// Every buffer holds 3 vertices per triangle (the corners in file order) of
// 56 bytes: position, normal and texture coordinate (s / skin width, t / skin
// height) of the pair's first frame, then position and normal (usage index
// 1) of its second. An animated file gets one loop pair per animation in name
// order, each (last, first), then the frame pairs (i, i + 1) and the wrap
// pair (frames - 1, 0); a file of one frame gets the single pair (0, 0). The
// bounds come from the corners of frame 0.

#include <cstdint>

#include "engine/resource/MeshBounds.h"

namespace Engine {

class Md2Model;
class cMesh;
class iHardwareBufferManager;

// Bytes of one vertex of an MD2 buffer.
constexpr uint32_t kMd2VertexStride = 56;

// Builds the mesh's buffers and bounds; false, logged, when a buffer cannot
// be made, in which case the mesh is left without buffers.
bool BuildMd2Mesh(cMesh& mesh, const Md2Model& model, float scale, iHardwareBufferManager& buffers,
                  const MeshBoundsRequest& bounds);

}  // namespace Engine

#pragma once
// MeshBaking: one static mesh made of many placed copies of another, so that
// a crowd of identical props or floor tiles costs a single draw.
//
// The source must be a triangle list (an MD2 mesh's first keyframe pair, a
// .X mesh, ...). Each copy takes the source's triangles in the pose of its
// first frame: positions are moved by the placement matrix, normals turned by
// the inverse transpose of it and normalised, texture coordinates copied. The
// result has the .X vertex layout (position, normal, texture coordinate; 32
// bytes), an index buffer (16-bit while the vertices allow it, else 32-bit),
// and bounds computed from the placed positions.

#include <vector>

#include "engine/core/Matrix4x4.h"

namespace Engine {

class cMesh;
class iHardwareBufferManager;

// Fills the empty mesh with one copy of source per placement. False, logged,
// when there is nothing to bake (no placements, a source without triangles or
// not a triangle list) or a buffer cannot be made; the mesh is then left
// without buffers and draws nothing.
bool BuildBakedMesh(cMesh& mesh, cMesh& source, const std::vector<Matrix4x4>& placements,
                    iHardwareBufferManager& buffers);

}  // namespace Engine

#pragma once
// ProceduralMeshes: meshes made in code rather than read from a file.
//
// - The sprite quad: 4 vertices (position, normal (0, 0, -1), texture
//   coordinate) spanning width by height around the origin, indices 0 1 2 0 3 2.
// - The billboard quad: 4 vertices (position, texture coordinate); width and
//   height are half extents, so the quad spans twice each; indices 0 1 2 2 1 3.
// - The line: 2 positions at -length/2 and +length/2 on every axis, a line list.
// - Debug wireframes of a box and a sphere: line lists whose vertices carry a
//   position and the colour as four bytes red, green, blue, alpha (each
//   channel times 255, truncated). The box joins its 8 corners by its 12
//   edges. The sphere, of the radius only, is a top point, 15 rings of 16
//   points at latitudes pi/2 - k pi/16 (k = 1..15) and a bottom point, joined
//   along every ring and along the 16 meridians.
//
// Each builder fills an empty mesh and returns false, logged, when a buffer
// cannot be made (the mesh is then left without buffers).

#include <cstdint>

#include "engine/core/AABB.h"
#include "engine/core/ColorRGBA.h"
#include "engine/core/Vector4.h"

namespace Engine {

class cMesh;
class iHardwareBufferManager;

constexpr uint32_t kSphereRingPoints = 16;
constexpr uint32_t kSphereRings = 15;

bool BuildSpriteQuad(cMesh& mesh, float width, float height, iHardwareBufferManager& buffers);
bool BuildBillboardQuad(cMesh& mesh, float width, float height, iHardwareBufferManager& buffers);
// One face (0 to 5: +x, -x, +y, -y, +z, -z) of a cube from -half to half on
// every axis: 4 corners with positions and texture coordinates, v = 0 along
// the face's top edge (the top of the sky on the side faces), and 2 triangles.
constexpr uint32_t kSkyBoxFaces = 6;
bool BuildSkyBoxFace(cMesh& mesh, uint32_t face, float half, iHardwareBufferManager& buffers);
bool BuildLineMesh(cMesh& mesh, float length, iHardwareBufferManager& buffers);
bool BuildBoxMesh(cMesh& mesh, const AABB& box, const ColorRGBA& colour, iHardwareBufferManager& buffers);
bool BuildSphereMesh(cMesh& mesh, const Vector4& sphere, const ColorRGBA& colour, iHardwareBufferManager& buffers);

}  // namespace Engine

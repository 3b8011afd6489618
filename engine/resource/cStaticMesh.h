#pragma once
// cStaticMesh: a mesh read from a DirectX ".X" file, without animation.
//
// The file is read through Assimp with exactly the steps that give back the
// data as written: left-handed coordinates, triangles, frame transforms
// baked in, identical vertices joined. The first mesh of the file is kept
// (the part drawn of a model with several materials) as one vertex buffer
// of position, normal and texture coordinate (32 bytes; missing normals and
// coordinates are zero) and an index buffer, a triangle list. Positions are
// multiplied by the current mesh scale; the bounds come from them.
//
// A file that cannot be read leaves the mesh without buffers (logged): it is
// still registered and draws nothing.

#include <string>

#include "engine/resource/MeshBounds.h"
#include "engine/resource/cMesh.h"

namespace Engine {

class iHardwareBufferManager;

class cStaticMesh : public cMesh {
public:
    // Reads the file at path into the mesh's buffers; false, logged, when it cannot.
    bool Load(const std::string& path, float scale, iHardwareBufferManager& buffers,
              const MeshBoundsRequest& bounds);
};

}  // namespace Engine

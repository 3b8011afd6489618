#include "engine/resource/cStaticMesh.h"

#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include <assimp/Importer.hpp>
#include <vector>

#include "engine/core/cLog.h"
#include "engine/render/cVertexDeclaration.h"
#include "engine/render/eBufferUsage.h"
#include "engine/render/eDeclType.h"
#include "engine/render/eDeclUsage.h"
#include "engine/render/eIndexFormat.h"
#include "engine/render/ePrimitiveType.h"
#include "engine/render/iHardwareBufferManager.h"
#include "engine/render/iIndexBuffer.h"
#include "engine/render/iVertexBuffer.h"
#include "engine/resource/IndexBufferUpload.h"

namespace Engine {
namespace {

constexpr unsigned kImportSteps = aiProcess_ConvertToLeftHanded | aiProcess_Triangulate |
                                  aiProcess_PreTransformVertices | aiProcess_JoinIdenticalVertices;

struct StaticVertex {  // the layout of the declaration below, 32 bytes
    Vector3 position;
    Vector3 normal;
    float u = 0.0f;
    float v = 0.0f;
};

static_assert(sizeof(StaticVertex) == 32, "the vertex must match its declaration");

std::vector<StaticVertex> ReadVertices(const aiMesh& source, float scale) {
    std::vector<StaticVertex> vertices(source.mNumVertices);
    for (unsigned i = 0; i < source.mNumVertices; ++i) {
        const aiVector3D& p = source.mVertices[i];
        vertices[i].position = Vector3{p.x, p.y, p.z} * scale;
        if (source.HasNormals()) vertices[i].normal = {source.mNormals[i].x, source.mNormals[i].y, source.mNormals[i].z};
        if (source.HasTextureCoords(0)) {
            vertices[i].u = source.mTextureCoords[0][i].x;
            vertices[i].v = source.mTextureCoords[0][i].y;
        }
    }
    return vertices;
}

// The triangle corners; faces that are not triangles (points and lines the
// triangulation leaves) are skipped.
std::vector<uint32_t> ReadIndices(const aiMesh& source) {
    std::vector<uint32_t> indices;
    indices.reserve(std::size_t(source.mNumFaces) * 3);
    for (unsigned f = 0; f < source.mNumFaces; ++f) {
        const aiFace& face = source.mFaces[f];
        if (face.mNumIndices != 3) continue;
        indices.insert(indices.end(), face.mIndices, face.mIndices + 3);
    }
    return indices;
}

iVertexBuffer* MakeVertexBuffer(const std::vector<StaticVertex>& vertices, iHardwareBufferManager& buffers) {
    cVertexDeclaration* declaration = buffers.TakeVertexDeclaration();
    declaration->AddElement(DU_Position, DT_Float3, 0);
    declaration->AddElement(DU_Normal, DT_Float3, 0);
    declaration->AddElement(DU_TexCoord, DT_Float2, 0);
    iVertexBuffer* buffer = buffers.CreateVertexBuffer(declaration, uint32_t(vertices.size()), BU_Managed);
    if (buffer != nullptr) buffer->Write(vertices.data(), 0, uint32_t(vertices.size()));
    return buffer;
}

}  // namespace

bool cStaticMesh::Load(const std::string& path, float scale, iHardwareBufferManager& buffers,
                       const MeshBoundsRequest& bounds) {
    Assimp::Importer importer;
    const aiScene* scene = importer.ReadFile(path, kImportSteps);
    if (scene == nullptr || scene->mNumMeshes == 0 || scene->mMeshes[0]->mNumVertices == 0) {
        LogError("mesh file " + path + " could not be read: " +
                 (scene == nullptr ? importer.GetErrorString() : "it holds no mesh"));
        return false;
    }
    const aiMesh& source = *scene->mMeshes[0];
    const std::vector<StaticVertex> vertices = ReadVertices(source, scale);
    const std::vector<uint32_t> indices = ReadIndices(source);
    if (indices.empty()) {
        LogError("mesh file " + path + " has no triangles");
        return false;
    }
    SetBufferManager(&buffers);
    iVertexBuffer* vertex_buffer = MakeVertexBuffer(vertices, buffers);
    iIndexBuffer* index_buffer = vertex_buffer ? MakeIndexBuffer(indices, vertices.size(), buffers) : nullptr;
    if (vertex_buffer) AddFramePair(vertex_buffer);
    SetIndexBuffer(index_buffer);
    if (index_buffer == nullptr) {
        LogError("buffers for mesh file " + path + " could not be made");
        ReleaseBuffers();
        return false;
    }
    SetPrimitiveType(PT_TriangleList);
    std::vector<Vector3> points;
    points.reserve(vertices.size());
    for (const StaticVertex& vertex : vertices) points.push_back(vertex.position);
    SetBounds(points, bounds);
    return true;
}

}  // namespace Engine

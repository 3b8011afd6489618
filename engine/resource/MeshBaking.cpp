#include "engine/resource/MeshBaking.h"

#include <cstdint>
#include <string>
#include <utility>

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
#include "engine/resource/cMesh.h"

namespace Engine {
namespace {

struct BakedVertex {  // the layout of the declaration below, 32 bytes
    Vector3 position;
    Vector3 normal;
    float u = 0.0f;
    float v = 0.0f;
};
static_assert(sizeof(BakedVertex) == 32, "the vertex must match its declaration");

struct TexCoord {
    float u = 0.0f;
    float v = 0.0f;
};

// The source's first pose as plain vertices and triangle corners.
struct SourceGeometry {
    std::vector<BakedVertex> vertices;
    std::vector<uint32_t> indices;
};

bool HasElement(const iVertexBuffer& buffer, int32_t usage) {
    const cVertexDeclaration* declaration = buffer.GetDeclaration();
    return declaration != nullptr && declaration->FindElement(usage, 0).has_value();
}

std::vector<BakedVertex> ReadVertices(iVertexBuffer& buffer) {
    const uint32_t count = buffer.GetCount();
    std::vector<Vector3> positions(count);
    std::vector<Vector3> normals(count);
    std::vector<TexCoord> coordinates(count);
    buffer.ReadElement(DU_Position, 0, positions.data(), 0, count);
    if (HasElement(buffer, DU_Normal)) buffer.ReadElement(DU_Normal, 0, normals.data(), 0, count);
    if (HasElement(buffer, DU_TexCoord)) buffer.ReadElement(DU_TexCoord, 0, coordinates.data(), 0, count);
    std::vector<BakedVertex> vertices(count);
    for (uint32_t i = 0; i < count; ++i) vertices[i] = {positions[i], normals[i], coordinates[i].u, coordinates[i].v};
    return vertices;
}

// The source's indices; a mesh without an index buffer draws its vertices in order.
std::vector<uint32_t> ReadIndices(const cMesh& source, iIndexBuffer* buffer, uint32_t vertex_count) {
    const uint32_t corners = VerticesForPrimitives(PT_TriangleList, source.PrimitiveCount());
    std::vector<uint32_t> indices(corners);
    if (buffer == nullptr) {
        for (uint32_t i = 0; i < corners; ++i) indices[i] = i;
    } else if (buffer->GetFormat() == IF_Index16) {
        std::vector<uint16_t> narrow(corners);
        buffer->Read(narrow.data(), 0, corners);
        indices.assign(narrow.begin(), narrow.end());
    } else {
        buffer->Read(indices.data(), 0, corners);
    }
    for (uint32_t index : indices) {
        if (index >= vertex_count) return {};
    }
    return indices;
}

bool ReadSource(cMesh& source, SourceGeometry& geometry) {
    if (source.FramePairs().empty() || source.FramePairs().front() == nullptr) return false;
    if (source.PrimitiveType() != PT_TriangleList) return false;
    iVertexBuffer& buffer = *source.FramePairs().front();
    const uint32_t corners = VerticesForPrimitives(PT_TriangleList, source.PrimitiveCount());
    if (source.IndexBuffer() == nullptr && corners > buffer.GetCount()) return false;
    if (source.IndexBuffer() != nullptr && corners > source.IndexBuffer()->GetCount()) return false;
    geometry.vertices = ReadVertices(buffer);
    geometry.indices = ReadIndices(source, source.IndexBuffer(), buffer.GetCount());
    return !geometry.indices.empty();
}

// Whether the placement mirrors (a negative scale on an odd number of axes).
bool Mirrors(const Matrix4x4& m) {
    const float determinant = m.m[0][0] * (m.m[1][1] * m.m[2][2] - m.m[1][2] * m.m[2][1]) -
                              m.m[0][1] * (m.m[1][0] * m.m[2][2] - m.m[1][2] * m.m[2][0]) +
                              m.m[0][2] * (m.m[1][0] * m.m[2][1] - m.m[1][1] * m.m[2][0]);
    return determinant < 0.0f;
}

void Place(const SourceGeometry& geometry, const Matrix4x4& placement, std::vector<BakedVertex>& vertices,
           std::vector<uint32_t>& indices) {
    // Normals follow the inverse transpose so that scaled copies stay lit right.
    const Matrix4x4 normal_matrix = placement.Inverse().Transposed();
    const auto base = static_cast<uint32_t>(vertices.size());
    for (const BakedVertex& vertex : geometry.vertices) {
        vertices.push_back({placement.TransformPoint(vertex.position),
                            Normalise(normal_matrix.TransformDirection(vertex.normal)), vertex.u, vertex.v});
    }
    const std::size_t first = indices.size();
    for (uint32_t index : geometry.indices) indices.push_back(base + index);
    // A mirrored copy keeps its front faces facing out by turning each triangle's winding.
    if (!Mirrors(placement)) return;
    for (std::size_t corner = first; corner + 2 < indices.size(); corner += 3)
        std::swap(indices[corner + 1], indices[corner + 2]);
}

bool Upload(cMesh& mesh, const std::vector<BakedVertex>& vertices, const std::vector<uint32_t>& indices,
            iHardwareBufferManager& buffers) {
    mesh.SetBufferManager(&buffers);
    cVertexDeclaration* declaration = buffers.TakeVertexDeclaration();
    declaration->AddElement(DU_Position, DT_Float3, 0);
    declaration->AddElement(DU_Normal, DT_Float3, 0);
    declaration->AddElement(DU_TexCoord, DT_Float2, 0);
    iVertexBuffer* vertex_buffer = buffers.CreateVertexBuffer(declaration, uint32_t(vertices.size()), BU_Managed);
    if (vertex_buffer == nullptr) return false;
    vertex_buffer->Write(vertices.data(), 0, uint32_t(vertices.size()));
    mesh.AddFramePair(vertex_buffer);
    iIndexBuffer* index_buffer = MakeIndexBuffer(indices, vertices.size(), buffers);
    if (index_buffer == nullptr) {
        mesh.ReleaseBuffers();
        return false;
    }
    mesh.SetIndexBuffer(index_buffer);
    mesh.SetPrimitiveType(PT_TriangleList);
    return true;
}

}  // namespace

bool BuildBakedMesh(cMesh& mesh, cMesh& source, const std::vector<Matrix4x4>& placements,
                    iHardwareBufferManager& buffers) {
    SourceGeometry geometry;
    if (placements.empty() || !ReadSource(source, geometry)) {
        LogError("mesh " + mesh.Name() + " cannot be baked from mesh " + source.Name() +
                 ": no placements, or the source holds no triangle list");
        return false;
    }
    std::vector<BakedVertex> vertices;
    std::vector<uint32_t> indices;
    vertices.reserve(geometry.vertices.size() * placements.size());
    indices.reserve(geometry.indices.size() * placements.size());
    for (const Matrix4x4& placement : placements) Place(geometry, placement, vertices, indices);
    if (!Upload(mesh, vertices, indices, buffers)) {
        LogError("the buffers of baked mesh " + mesh.Name() + " could not be made");
        return false;
    }
    std::vector<Vector3> points;
    points.reserve(vertices.size());
    for (const BakedVertex& vertex : vertices) points.push_back(vertex.position);
    mesh.SetBounds(points, MeshBoundsRequest{});
    return true;
}

}  // namespace Engine

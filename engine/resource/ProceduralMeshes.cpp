#include "engine/resource/ProceduralMeshes.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/core/MathConstants.h"
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
#include "engine/resource/cMesh.h"

namespace Engine {
namespace {

struct Element {
    int32_t usage;
    int32_t type;
};

struct ColouredVertex {
    Vector3 position;
    std::array<uint8_t, 4> colour;
};
static_assert(sizeof(ColouredVertex) == 16, "the vertex must match its declaration");

// Gives the mesh one vertex buffer of the layout and, when indices are given, a
// 16-bit index buffer; then the primitive type and bounds from the positions.
bool Fill(cMesh& mesh, std::initializer_list<Element> layout, const void* vertices, uint32_t vertex_count,
          const std::vector<uint16_t>& indices, int32_t primitive_type, const std::vector<Vector3>& positions,
          iHardwareBufferManager& buffers) {
    mesh.SetBufferManager(&buffers);
    cVertexDeclaration* declaration = buffers.TakeVertexDeclaration();
    for (const Element& element : layout) declaration->AddElement(element.usage, element.type, 0);
    iVertexBuffer* vertex_buffer = buffers.CreateVertexBuffer(declaration, vertex_count, BU_Managed);
    if (vertex_buffer == nullptr) {
        LogError("the vertex buffer of mesh " + mesh.Name() + " could not be made");
        return false;
    }
    vertex_buffer->Write(vertices, 0, vertex_count);
    mesh.AddFramePair(vertex_buffer);
    if (!indices.empty()) {
        iIndexBuffer* index_buffer = buffers.CreateIndexBuffer(uint32_t(indices.size()), IF_Index16, BU_Managed);
        if (index_buffer == nullptr) {
            LogError("the index buffer of mesh " + mesh.Name() + " could not be made");
            mesh.ReleaseBuffers();
            return false;
        }
        index_buffer->Write(indices.data(), 0, uint32_t(indices.size()));
        mesh.SetIndexBuffer(index_buffer);
    }
    mesh.SetPrimitiveType(primitive_type);
    mesh.SetBounds(positions, MeshBoundsRequest{});
    return true;
}

std::array<uint8_t, 4> ColourBytes(const ColorRGBA& colour) {
    // Out-of-range (and NaN) channels are held to 0..1 so the conversion stays defined.
    auto byte = [](float channel) -> uint8_t {
        if (!(channel > 0.0f)) return 0;
        return channel >= 1.0f ? 255 : static_cast<uint8_t>(channel * 255.0f);
    };
    return {byte(colour.r), byte(colour.g), byte(colour.b), byte(colour.a)};
}

bool FillColoured(cMesh& mesh, const std::vector<Vector3>& positions, const ColorRGBA& colour,
                  const std::vector<uint16_t>& indices, iHardwareBufferManager& buffers) {
    const std::array<uint8_t, 4> bytes = ColourBytes(colour);
    std::vector<ColouredVertex> vertices;
    vertices.reserve(positions.size());
    for (const Vector3& position : positions) vertices.push_back({position, bytes});
    return Fill(mesh, {{DU_Position, DT_Float3}, {DU_Colour, DT_UByte4}}, vertices.data(),
                uint32_t(vertices.size()), indices, PT_LineList, positions, buffers);
}

// The sphere's points: top, rings from the top down, bottom.
std::vector<Vector3> SpherePoints(float r) {
    std::vector<Vector3> points{{0.0f, r, 0.0f}};
    for (uint32_t k = 1; k <= kSphereRings; ++k) {
        const float theta = kPi / 2.0f - float(k) * kPi / 16.0f;
        for (uint32_t j = 0; j < kSphereRingPoints; ++j) {
            const float phi = float(j) * kPi / 8.0f;
            points.push_back({r * std::cos(theta) * std::cos(phi), r * std::sin(theta),
                              -r * std::cos(theta) * std::sin(phi)});
        }
    }
    points.push_back({0.0f, -r, 0.0f});
    return points;
}

std::vector<uint16_t> SphereLines() {
    const auto ring_point = [](uint32_t ring, uint32_t j) { return uint16_t(1 + ring * kSphereRingPoints + j); };
    const uint16_t bottom = uint16_t(1 + kSphereRings * kSphereRingPoints);
    std::vector<uint16_t> lines;
    for (uint32_t ring = 0; ring < kSphereRings; ++ring) {
        for (uint32_t j = 0; j < kSphereRingPoints; ++j)
            lines.insert(lines.end(), {ring_point(ring, j), ring_point(ring, (j + 1) % kSphereRingPoints)});
    }
    for (uint32_t j = 0; j < kSphereRingPoints; ++j) {
        lines.insert(lines.end(), {uint16_t(0), ring_point(0, j)});
        for (uint32_t ring = 0; ring + 1 < kSphereRings; ++ring)
            lines.insert(lines.end(), {ring_point(ring, j), ring_point(ring + 1, j)});
        lines.insert(lines.end(), {ring_point(kSphereRings - 1, j), bottom});
    }
    return lines;
}

}  // namespace

bool BuildSpriteQuad(cMesh& mesh, float width, float height, iHardwareBufferManager& buffers) {
    const float w = width / 2.0f;
    const float h = height / 2.0f;
    const std::vector<Vector3> positions{{-w, -h, 0.0f}, {w, -h, 0.0f}, {w, h, 0.0f}, {-w, h, 0.0f}};
    const std::array<std::array<float, 2>, 4> uv{{{0, 0}, {1, 0}, {1, 1}, {0, 1}}};
    std::vector<float> vertices;
    for (std::size_t i = 0; i < positions.size(); ++i)
        vertices.insert(vertices.end(), {positions[i].x, positions[i].y, positions[i].z, 0.0f, 0.0f, -1.0f,
                                         uv[i][0], uv[i][1]});
    return Fill(mesh, {{DU_Position, DT_Float3}, {DU_Normal, DT_Float3}, {DU_TexCoord, DT_Float2}}, vertices.data(),
                4, {0, 1, 2, 0, 3, 2}, PT_TriangleList, positions, buffers);
}

bool BuildBillboardQuad(cMesh& mesh, float width, float height, iHardwareBufferManager& buffers) {
    const float w = width;
    const float h = height;
    const std::vector<Vector3> positions{{-w, h, 0.0f}, {w, h, 0.0f}, {-w, -h, 0.0f}, {w, -h, 0.0f}};
    const std::array<std::array<float, 2>, 4> uv{{{0, 0}, {1, 0}, {0, 1}, {1, 1}}};
    std::vector<float> vertices;
    for (std::size_t i = 0; i < positions.size(); ++i)
        vertices.insert(vertices.end(), {positions[i].x, positions[i].y, positions[i].z, uv[i][0], uv[i][1]});
    return Fill(mesh, {{DU_Position, DT_Float3}, {DU_TexCoord, DT_Float2}}, vertices.data(), 4, {0, 1, 2, 2, 1, 3},
                PT_TriangleList, positions, buffers);
}

bool BuildSkyBoxFace(cMesh& mesh, uint32_t face, float half, iHardwareBufferManager& buffers) {
    const float h = half;
    // Corners top-left, top-right, bottom-right, bottom-left as seen from inside the cube.
    const std::array<std::array<Vector3, 4>, kSkyBoxFaces> corners{{
        {{{h, h, -h}, {h, h, h}, {h, -h, h}, {h, -h, -h}}},
        {{{-h, h, h}, {-h, h, -h}, {-h, -h, -h}, {-h, -h, h}}},
        {{{-h, h, h}, {h, h, h}, {h, h, -h}, {-h, h, -h}}},
        {{{-h, -h, -h}, {h, -h, -h}, {h, -h, h}, {-h, -h, h}}},
        {{{h, h, h}, {-h, h, h}, {-h, -h, h}, {h, -h, h}}},
        {{{-h, h, -h}, {h, h, -h}, {h, -h, -h}, {-h, -h, -h}}},
    }};
    const std::array<std::array<float, 2>, 4> uv{{{0, 0}, {1, 0}, {1, 1}, {0, 1}}};
    if (face >= kSkyBoxFaces) LogError("sky box face " + std::to_string(face) + " does not exist (0 to 5); face " +
                                       std::to_string(face % kSkyBoxFaces) + " made");
    const std::array<Vector3, 4>& face_corners = corners[face % kSkyBoxFaces];
    const std::vector<Vector3> positions(face_corners.begin(), face_corners.end());
    std::vector<float> vertices;
    for (std::size_t i = 0; i < positions.size(); ++i)
        vertices.insert(vertices.end(), {positions[i].x, positions[i].y, positions[i].z, uv[i][0], uv[i][1]});
    return Fill(mesh, {{DU_Position, DT_Float3}, {DU_TexCoord, DT_Float2}}, vertices.data(), 4, {0, 1, 2, 0, 2, 3},
                PT_TriangleList, positions, buffers);
}

bool BuildLineMesh(cMesh& mesh, float length, iHardwareBufferManager& buffers) {
    const float half = length / 2.0f;
    const std::vector<Vector3> positions{{-half, -half, -half}, {half, half, half}};
    return Fill(mesh, {{DU_Position, DT_Float3}}, positions.data(), 2, {0, 1}, PT_LineList, positions, buffers);
}

bool BuildBoxMesh(cMesh& mesh, const AABB& box, const ColorRGBA& colour, iHardwareBufferManager& buffers) {
    const Vector3& a = box.min;
    const Vector3& b = box.max;
    // Corners 0-3 on the low y face, 4-7 above them, each face in order round its edge.
    const std::vector<Vector3> corners{{a.x, a.y, a.z}, {b.x, a.y, a.z}, {b.x, a.y, b.z}, {a.x, a.y, b.z},
                                       {a.x, b.y, a.z}, {b.x, b.y, a.z}, {b.x, b.y, b.z}, {a.x, b.y, b.z}};
    const std::vector<uint16_t> edges{0, 1, 1, 2, 2, 3, 3, 0, 4, 5, 5, 6, 6, 7, 7, 4, 0, 4, 1, 5, 2, 6, 3, 7};
    return FillColoured(mesh, corners, colour, edges, buffers);
}

bool BuildSphereMesh(cMesh& mesh, const Vector4& sphere, const ColorRGBA& colour, iHardwareBufferManager& buffers) {
    return FillColoured(mesh, SpherePoints(sphere.w), colour, SphereLines(), buffers);
}

}  // namespace Engine

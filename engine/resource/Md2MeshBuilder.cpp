#include "engine/resource/Md2MeshBuilder.h"

#include <vector>

#include "engine/core/cLog.h"
#include "engine/render/cVertexDeclaration.h"
#include "engine/render/eBufferUsage.h"
#include "engine/render/eDeclType.h"
#include "engine/render/eDeclUsage.h"
#include "engine/render/ePrimitiveType.h"
#include "engine/render/iHardwareBufferManager.h"
#include "engine/render/iVertexBuffer.h"
#include "engine/resource/Md2Model.h"
#include "engine/resource/Md2Normals.h"
#include "engine/resource/cMesh.h"

namespace Engine {
namespace {

struct Corner {
    uint16_t vertex;
    uint16_t texCoord;
};

class Md2Builder {
public:
    Md2Builder(const Md2Model& model_, float scale_, iHardwareBufferManager& buffers_)
        : model(model_), scale(scale_), buffers(buffers_) {
        for (const Md2Triangle& triangle : model.Triangles())
            for (int i = 0; i < 3; ++i) corners.push_back({triangle.vertex[i], triangle.texCoord[i]});
        staging.reserve(corners.size() * (kMd2VertexStride / sizeof(float)));
    }

    // The corner positions of a frame, in buffer order.
    std::vector<Vector3> FramePositions(uint32_t frame) const {
        std::vector<Vector3> points;
        points.reserve(corners.size());
        for (const Corner& corner : corners) points.push_back(Position(frame, corner.vertex));
        return points;
    }

    // One buffer blending frame first into frame second; null, logged, when it cannot be made.
    iVertexBuffer* MakePair(uint32_t first, uint32_t second) {
        staging.clear();
        const float width = float(model.SkinWidth());
        const float height = float(model.SkinHeight());
        for (const Corner& corner : corners) {
            const Md2TexCoord& st = model.TexCoords()[corner.texCoord];
            Append(Position(first, corner.vertex));
            Append(Normal(first, corner.vertex));
            staging.push_back(float(st.s) / width);
            staging.push_back(float(st.t) / height);
            Append(Position(second, corner.vertex));
            Append(Normal(second, corner.vertex));
        }
        iVertexBuffer* buffer = buffers.CreateVertexBuffer(Declaration(), uint32_t(corners.size()), BU_Managed);
        if (buffer == nullptr) {
            LogError("a vertex buffer for an MD2 frame pair could not be made");
            return nullptr;
        }
        buffer->Write(staging.data(), 0, uint32_t(corners.size()));
        return buffer;
    }

private:
    Vector3 Position(uint32_t frame, uint16_t index) const {
        const Md2Frame& f = model.Frames()[frame];
        const Md2Vertex& v = f.vertices[index];
        const Vector3 local{f.scale.x * v.x + f.translate.x, f.scale.y * v.y + f.translate.y,
                            f.scale.z * v.z + f.translate.z};
        return Vector3{local.x, local.z, -local.y} * scale;
    }

    // The table's outward normal turned by the same axis change as the
    // positions, so that surfaces are lit from the side they face.
    Vector3 Normal(uint32_t frame, uint16_t index) const {
        const Vector3 n = Md2Normal(model.Frames()[frame].vertices[index].normal);
        return Vector3{n.x, n.z, -n.y};
    }

    void Append(const Vector3& v) {
        staging.push_back(v.x);
        staging.push_back(v.y);
        staging.push_back(v.z);
    }

    cVertexDeclaration* Declaration() {
        cVertexDeclaration* declaration = buffers.TakeVertexDeclaration();
        declaration->AddElement(DU_Position, DT_Float3, 0);
        declaration->AddElement(DU_Normal, DT_Float3, 0);
        declaration->AddElement(DU_TexCoord, DT_Float2, 0);
        declaration->AddElement(DU_Position, DT_Float3, 1);
        declaration->AddElement(DU_Normal, DT_Float3, 1);
        return declaration;
    }

    const Md2Model& model;
    float scale;
    iHardwareBufferManager& buffers;
    std::vector<Corner> corners;
    std::vector<float> staging;
};

// The frame a pair refers to: a range may end one past the last frame (an
// animation of the file's final frame alone), which means frame 0, as the
// wrap pair does.
uint32_t WrapFrame(uint32_t frame, uint32_t frame_count) { return frame < frame_count ? frame : 0; }

bool AddPairs(cMesh& mesh, Md2Builder& builder, const Md2Model& model) {
    const uint32_t frames = model.FrameCount();
    if (frames == 1) {
        iVertexBuffer* single = builder.MakePair(0, 0);
        if (single == nullptr) return false;
        mesh.AddFramePair(single);
        return true;
    }
    for (const auto& [name, range] : model.Animations()) {
        iVertexBuffer* loop = builder.MakePair(WrapFrame(range.last, frames), WrapFrame(range.first, frames));
        if (loop == nullptr) return false;
        mesh.AddLoopPair(loop);
    }
    for (uint32_t i = 0; i < frames; ++i) {
        iVertexBuffer* pair = builder.MakePair(i, i + 1 < frames ? i + 1 : 0);
        if (pair == nullptr) return false;
        mesh.AddFramePair(pair);
    }
    return true;
}

}  // namespace

bool BuildMd2Mesh(cMesh& mesh, const Md2Model& model, float scale, iHardwareBufferManager& buffers,
                  const MeshBoundsRequest& bounds) {
    if (model.FrameCount() == 0 || model.Frames().size() != model.FrameCount() || model.Triangles().empty()) {
        LogError("MD2 model data for mesh " + mesh.Name() + " is missing; the mesh stays empty");
        return false;
    }
    mesh.SetBufferManager(&buffers);
    Md2Builder builder(model, scale, buffers);
    if (!AddPairs(mesh, builder, model)) {
        mesh.ReleaseBuffers();
        return false;
    }
    mesh.SetAnimations(model.Animations());
    mesh.SetPrimitiveType(PT_TriangleList);
    mesh.SetBounds(builder.FramePositions(0), bounds);
    return true;
}

}  // namespace Engine

#include "engine/resource/cMesh.h"

#include "engine/render/ePrimitiveType.h"
#include "engine/render/iHardwareBufferManager.h"
#include "engine/render/iIndexBuffer.h"
#include "engine/render/iRenderer.h"
#include "engine/render/iVertexBuffer.h"

namespace Engine {

cMesh::~cMesh() = default;

void cMesh::Unload() {
    ReleaseBuffers();
    primitiveType = PT_TriangleList;
    primitiveCount = 0;
    pairIndex = 0;
    useLoopPair = false;
    boundingSphere = kUnloadedSphere;
    boundingBox = AABB{};
    animations.clear();
    ClearIdentity();
}

void cMesh::Draw(iRenderer& renderer) {
    if (framePairs.empty()) return;
    iVertexBuffer* pair = ChosenPair();
    if (pair == nullptr) return;
    pair->Bind();
    if (indexBuffer == nullptr) {
        renderer.DrawPrimitives(primitiveType, 0, primitiveCount);
        return;
    }
    indexBuffer->Bind();
    renderer.DrawIndexedPrimitives(primitiveType, 0, primitiveCount);
    indexBuffer->Unbind();
}

void cMesh::SetBufferManager(iHardwareBufferManager* buffer_manager) { buffers = buffer_manager; }

void cMesh::SetPrimitiveType(int32_t type) {
    primitiveType = type;
    uint32_t elements = 0;
    if (indexBuffer != nullptr) {
        elements = indexBuffer->GetCount();
    } else if (!framePairs.empty()) {
        elements = framePairs.front()->GetCount();
    }
    primitiveCount = type == PT_TriangleList ? elements / 3 : type == PT_LineList ? elements / 2 : elements;
}

void cMesh::SetBounds(const std::vector<Vector3>& points, const MeshBoundsRequest& request) {
    boundingBox = request.computeBox ? BoundingBoxOf(points) : request.box;
    boundingSphere = request.computeSphere ? BoundingSphereOf(points) : request.sphere;
}

void cMesh::ReleaseBuffers() {
    if (buffers != nullptr) {
        for (iVertexBuffer*& pair : framePairs) buffers->ReleaseVertexBuffer(pair);
        for (iVertexBuffer*& pair : loopPairs) buffers->ReleaseVertexBuffer(pair);
        buffers->ReleaseIndexBuffer(indexBuffer);
    }
    framePairs.clear();
    loopPairs.clear();
    indexBuffer = nullptr;
}

iVertexBuffer* cMesh::ChosenPair() const {
    const std::vector<iVertexBuffer*>& pairs = useLoopPair ? loopPairs : framePairs;
    return pairIndex < pairs.size() ? pairs[pairIndex] : nullptr;
}

}  // namespace Engine

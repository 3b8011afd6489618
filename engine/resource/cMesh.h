#pragma once
// cMesh: the geometry of a model, a named resource of the mesh manager.
//
// Keyframed (MD2) meshes are prepared for blending on the GPU: every pair of
// consecutive keyframes is one vertex buffer holding both frames, and the
// vertex shader blends them by the constant "gAnimationInterpolant".
// framePairs holds the pairs (0, 1), (1, 2), ... in frame order and then the
// wrap-around pair (last frame, 0); loopPairs holds, per named animation in
// name order, the pair (last frame of the animation, its first frame), drawn
// while an animation loops back. The model's animation set chooses the pair
// every frame through pairIndex and useLoopPair; the CPU never rewrites
// vertex data while animating.
//
// Other meshes (.X files, sprite and billboard quads, debug wireframes) have
// one buffer in framePairs and usually an index buffer.
//
// primitiveCount follows from the element count, the index buffer's count or
// else the first buffer's vertex count: divided by 3 for a triangle list, by
// 2 for a line list, unchanged for other types.
//
// A mesh gives its buffers back to the hardware buffer manager that made
// them when it is unloaded, so that manager must outlive every mesh.

#include <cstdint>
#include <vector>

#include "engine/core/AABB.h"
#include "engine/core/Vector4.h"
#include "engine/resource/AnimationTable.h"
#include "engine/resource/MeshBounds.h"
#include "engine/resource/cResource.h"

namespace Engine {

class iHardwareBufferManager;
class iIndexBuffer;
class iRenderer;
class iVertexBuffer;

class cMesh : public cResource {
public:
    ~cMesh() override;

    // Gives every buffer back, resets the bounds and clears name, source and animations.
    void Unload() override;
    // Draws the chosen pair; nothing when there are no pairs or the chosen one does not exist.
    virtual void Draw(iRenderer& renderer);

    // Building, by the mesh manager and the loaders. The buffers belong to the
    // mesh from now on and go back to buffers when it is unloaded.
    void SetBufferManager(iHardwareBufferManager* buffers);
    void AddFramePair(iVertexBuffer* buffer) { framePairs.push_back(buffer); }
    void AddLoopPair(iVertexBuffer* buffer) { loopPairs.push_back(buffer); }
    void SetIndexBuffer(iIndexBuffer* buffer) { indexBuffer = buffer; }
    // Sets the primitive type and derives primitiveCount from the buffers.
    void SetPrimitiveType(int32_t type);
    // Sets the bounds from the points, or from the request where it forbids computing them.
    void SetBounds(const std::vector<Vector3>& points, const MeshBoundsRequest& request);
    void SetAnimations(const AnimationTable& table) { animations = table; }

    // Chosen every frame by the model's animation set.
    void SetPairIndex(uint32_t index) { pairIndex = index; }
    void SetUseLoopPair(bool use) { useLoopPair = use; }

    const std::vector<iVertexBuffer*>& FramePairs() const { return framePairs; }
    const std::vector<iVertexBuffer*>& LoopPairs() const { return loopPairs; }
    const iIndexBuffer* IndexBuffer() const { return indexBuffer; }
    iIndexBuffer* IndexBuffer() { return indexBuffer; }
    int32_t PrimitiveType() const { return primitiveType; }
    uint32_t PrimitiveCount() const { return primitiveCount; }
    uint32_t PairIndex() const { return pairIndex; }
    bool UseLoopPair() const { return useLoopPair; }
    const Vector4& BoundingSphere() const { return boundingSphere; }
    const AABB& BoundingBox() const { return boundingBox; }
    // The named animations of the model file the mesh was built from (empty for others).
    const AnimationTable& Animations() const { return animations; }

    // Gives every buffer back to the buffer manager and empties the arrays.
    void ReleaseBuffers();

private:
    static constexpr Vector4 kUnloadedSphere{0.0f, 0.0f, 0.0f, 1.0f};

    // The buffer the current choice names, or null when it does not exist.
    iVertexBuffer* ChosenPair() const;

    std::vector<iVertexBuffer*> framePairs;
    std::vector<iVertexBuffer*> loopPairs;
    iIndexBuffer* indexBuffer = nullptr;
    int32_t primitiveType = 1;
    uint32_t primitiveCount = 0;
    uint32_t pairIndex = 0;
    bool useLoopPair = false;
    Vector4 boundingSphere = kUnloadedSphere;
    AABB boundingBox;
    AnimationTable animations;
    iHardwareBufferManager* buffers = nullptr;
};

}  // namespace Engine

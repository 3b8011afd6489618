#pragma once
// cModelGfxCmp: the 3D model an entity shows. It holds its meshes, its
// material and its texture set (shared resources, fetched by name through
// the resource managers and given back on release), points at its owner's
// world matrix and sits in a render tree while initialised, where the
// passes find it under its material and texture set.
//
// Keyframed meshes (two or more frame pairs) get an animation set each from
// the animation registry; the model plays animations by name on all of them
// at once. Before each mesh is drawn its set chooses the pair of keyframes
// and the interpolant that the vertex program receives as
// "gAnimationInterpolant"; the pixel program receives the model's emissive
// colour as "gEmissiveMaterial".
//
// moving is 0 for a static model (Optimise may group it with the static
// models it touches), 1 for a moving one and 2 after release.
//
// A model is released before its tree and the resource managers go: the
// destructor gives nothing back, as pooled objects outlive their users.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "engine/core/Vector4.h"
#include "engine/physics/Frustum.h"
#include "engine/render/iGraphicsCmp.h"

namespace Engine {

class cMaterial;
class cMesh;
class cModelAnimationSet;
class cTextureSet;
class iGPUProgram;
class RenderTree;

class cModelGfxCmp : public iGraphicsCmp {
public:
    static constexpr std::int32_t kModelKind = 2;
    static constexpr std::int32_t kReleasedMoving = 2;
    static constexpr float kReleasedRadius = 9999.0f;

    // Loads the owner's matrix, when the model is visible.
    void ApplyTransform(iRenderer& renderer) override;
    // When visible: the material, the texture set, the transform and every mesh.
    void Draw(iRenderer& renderer) override;
    // When visible: the transform and every mesh, with whatever is bound.
    void DrawPlain(iRenderer& renderer) override;
    // Leaves the tree, gives every resource and animation set back and clears the model.
    void Release() override;

    // Takes the named resources and enters the tree. A mesh name that is not
    // loaded is logged and leaves the model without meshes: it draws nothing
    // but is still in the tree.
    void Initialise(const std::string& mesh_name, const std::string& texture_set_name,
                    const std::string& material_name, bool is_moving);
    // What the pool does to a component it takes back: releases it if it is in use.
    void Reset();

    // The tree the model enters on Initialise (the scene renderer's); null keeps it out of any tree.
    void SetTree(RenderTree* render_tree) { tree = render_tree; }

    // Sends the renderer's matrices to the program's stages, then per mesh
    // chooses the keyframe pair, sends the two constants and draws the mesh.
    // Without a program the meshes are drawn with the built-in one.
    void DrawMeshes(iRenderer& renderer, iGPUProgram* program);
    // Whether a pass draws the model: it has a mesh, is visible and, with a
    // transform, its world bounding sphere passes the frustum.
    bool PassesCull(const Frustum& frustum) const;
    // The bounding sphere moved and scaled by the transform (unchanged without one).
    Vector4 WorldBoundingSphere() const;

    // Plays the named animation at normal speed on every animated mesh; false when none knows the name.
    bool Play(const std::string& name);
    // Plays the named animation and holds its first frame.
    bool HoldFirstFrame(const std::string& name);
    void SetLooping(bool loop);
    void SetSpeed(float speed);
    // The animation playing on the first animated mesh; empty without one.
    std::string CurrentAnimation() const;
    // Whether the first animated mesh has played a non-looping animation to its end.
    bool AnimationFinished() const;

    const std::vector<cMesh*>& Meshes() const { return meshes; }
    cMaterial* Material() const { return material; }
    cTextureSet* TextureSet() const { return textureSet; }
    const std::map<cMesh*, cModelAnimationSet*>& AnimationSets() const { return animationSets; }
    const Vector4& BoundingSphere() const { return boundingSphere; }
    std::int32_t Moving() const { return moving; }
    bool InTree() const { return tree_entered != nullptr; }

private:
    // Fetches the mesh and gives it an animation set when it is keyframed.
    void AddMesh(const std::string& mesh_name);
    void ReleaseResources();
    // The animation set of the first animated mesh, or null.
    const cModelAnimationSet* FirstAnimationSet() const;

    std::vector<cMesh*> meshes;
    cTextureSet* textureSet = nullptr;
    cMaterial* material = nullptr;
    std::map<cMesh*, cModelAnimationSet*> animationSets;
    Vector4 boundingSphere{0.0f, 0.0f, 0.0f, kReleasedRadius};
    std::int32_t moving = kReleasedMoving;
    RenderTree* tree = nullptr;
    // The tree the model is in now, so that release leaves that one.
    RenderTree* tree_entered = nullptr;
};

}  // namespace Engine

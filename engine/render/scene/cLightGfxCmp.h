#pragma once
// cLightGfxCmp: the light component, a light record that the device and the
// shaders both see.
//
// The shaders see it by name: AttachProgram ties thirteen constants, the
// light's name followed by "Type", "Ambient", "Diffuse", "Specular",
// "Position", "Direction", "Range", "FallOff", "ConstAttn", "LinAttn",
// "QuadAttn", "InnerCone" and "OuterCone", to the fields of the record on
// every attached stage. Bindings hold pointers, so each upload sends the
// record as it is then: moving the light or changing its colour needs no
// further call. The device sees it through the light manager (EnableLight),
// which the owner calls.
//
// A light may cast shadows: it then owns a 1024 x 1024 floating-point
// render target (its shadow map) and a depth surface of the same size from
// the texture manager, stands on the shadow caster list for the depth pass,
// and hands its view-projection and view matrices ("<name>VPMatrix",
// "<name>ViewMatrix") and its map ("<name>ShadowMapSampler") to its stages.
//
// Light components are pooled: Initialise makes one live under a name,
// Release gives back everything it holds.

#include <string>
#include <vector>

#include "engine/core/Vector3.h"
#include "engine/render/RenderRecords.h"
#include "engine/render/scene/LightRecord.h"
#include "engine/render/scene/iShadowCaster.h"

namespace Engine {

class iShader;
class iTexture;

class cLightGfxCmp : public iShadowCaster {
public:
    // The size of a shadow map and its depth surface, in texels.
    static constexpr int32_t kShadowMapSize = 1024;
    // The depth surface's name: the map's name followed by this.
    static constexpr const char* kDepthSuffix = "stencildepthmap";

    cLightGfxCmp() = default;
    cLightGfxCmp(const cLightGfxCmp&) = delete;
    cLightGfxCmp& operator=(const cLightGfxCmp&) = delete;

    // Every field of the record but its type back to the defaults; the name set.
    virtual void Initialise(const std::string& light_name);
    // Takes the light off the lists that point at it.
    ~cLightGfxCmp() override;
    // Disables the light, stops its shadows, detaches its stages, gives back
    // its shadow textures and clears its name.
    virtual void Release();

    // Adds a stage (once) and binds the light's constants on every attached
    // stage; a constant a stage already binds keeps its first binding.
    void AttachProgram(iShader* stage);
    // Removes the light's constants from every attached stage and forgets them.
    void DetachPrograms();
    // On: the light joins the shadow caster list and, the first time, gets
    // its shadow map (map_name) and depth surface. Off: it leaves the list
    // and gives both textures back.
    void SetCastsShadow(bool on, const std::string& map_name);
    // Moves the light; its bindings carry the new place at the next upload.
    void Place(const Vector3& position, const Vector3& direction);

    // "<name>VPMatrix" = projection * view and "<name>ViewMatrix" = view on every attached stage.
    void UploadShadowMatrices();
    // Binds the shadow map to the sampler stage of the first attached stage
    // that reads "<name>ShadowMapSampler"; nothing without a map.
    void BindShadowMap();

    Matrix4x4 ViewMatrix() const override;
    float OuterCone() const override { return light.outerCone; }
    const std::string& Name() const override { return light_name; }
    bool BeginShadowTarget() override;
    void EndShadowTarget() override;
    // BindShadowMap, then UploadShadowMatrices.
    void UploadShadowParameters() override;

    LightRecord light;
    std::vector<iShader*> programs;  // the stages the light's constants are bound on
    iTexture* shadowMap = nullptr;   // render target, or null
    iTexture* shadowDepth = nullptr;  // depth surface, or null

private:
    // Makes the two shadow textures; false (both null) when either cannot be made.
    bool CreateShadowTextures(const std::string& map_name);
    void ReleaseShadowTextures();

    std::string light_name;  // the prefix of every constant the light provides
    // The viewport BeginShadowTarget replaced, put back by EndShadowTarget.
    Viewport saved_viewport;
    bool target_open = false;
};

}  // namespace Engine

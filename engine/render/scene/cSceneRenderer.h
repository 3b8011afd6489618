#pragma once
// cSceneRenderer: draws one frame of the world, in a fixed order.
//
// It owns the render tree (models sorted by material, then texture set) and
// walks it twice: a depth pass per shadow material and shadow-casting light
// into the light's shadow map, then the main pass from the camera, always
// from the camera root so culling uses this frame's camera. After the tree
// come the particles, the billboards, and the 2D pass: eleven sprite layers,
// each followed by its text layer, in an orthographic projection over the
// picture. Sprites of a layer are sorted by texture set, and a texture set is
// bound only when it differs from the one bound last in this pass, so a
// hidden sprite between two sheets never makes the next sprite draw with the
// wrong texture.
//
// Viewports: a window shows the picture on its whole client area; in full
// screen a picture whose aspect differs from the target (16:9 with
// EnforceRes) is letterboxed, and the two bars are cleared to black each
// frame.
//
// The shadow-casting lights are those of cShadowCasterList: a light stands
// on it once however often it is added.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "engine/core/Letterbox.h"
#include "engine/render/scene/RenderTree.h"
#include "engine/render/scene/iCameraSlot.h"
#include "engine/render/scene/iParticleDrawer.h"
#include "engine/render/scene/iSpriteLayers.h"

namespace Engine {

class cMaterial;
class cMesh;
class iTexture;
class cTextureSet;
class iGPUProgram;
class iRenderer;
class iShadowCaster;

// What the viewports depend on: the display mode and the settings' size.
struct DisplayMode {
    bool fullscreen = false;
    float desktopWidth = 0.0f;
    float desktopHeight = 0.0f;
    float windowWidth = 0.0f;
    float windowHeight = 0.0f;
    bool enforceRes = false;
};

class cSceneRenderer : public iSpriteLayers, public iCameraSlot {
public:
    static constexpr const char* kDefaultMaterial = "defaultMat";
    static constexpr const char* kGuiShaderFile = "gui_blend.shader";
    static constexpr const char* kGuiShaderDirectory = "./GameData/Shaders/";
    // Stages a texture-set change clears, and stages cleared after the main pass.
    static constexpr uint32_t kLastSetStage = 4;
    static constexpr uint32_t kLastFrameStage = 8;
    // The projection used without a camera.
    static constexpr float kDefaultFieldOfView = 0.7853982f;
    static constexpr float kDefaultNear = 0.1f;
    static constexpr float kDefaultFar = 100.0f;
    // Depth range of the 2D pass: a near 0 and far 1 projection would put a
    // quad at depth 0 exactly on its far plane, where it may be clipped away,
    // so the range reaches past both ends of -1 to 1.
    static constexpr float kOrthoNear = -2.0f;
    static constexpr float kOrthoFar = 2.0f;
    static constexpr const char* kSkyBoxMesh = "skyboxplane";
    static constexpr const char* kSkyBoxTexture = "blacksky.tga";
    static constexpr float kSkyBoxHalf = 550.0f;

    explicit cSceneRenderer(iRenderer& renderer);
    ~cSceneRenderer() override;
    cSceneRenderer(const cSceneRenderer&) = delete;
    cSceneRenderer& operator=(const cSceneRenderer&) = delete;

    // Picture and bars for the display mode; a size of 0 is logged and a 1 x 1 picture used.
    void ComputeViewports(const DisplayMode& mode);
    const Letterbox& Viewports() const { return viewports; }

    void AddSprite(cSpriteGfxCmp& sprite, uint8_t layer) override;
    void RemoveSprite(cSpriteGfxCmp& sprite) override;
    void AddText(cFontGfxCmp& text, uint8_t layer) override;
    void RemoveText(cFontGfxCmp& text) override;
    void AddBillboard(cBillBoardGfxCmp& billboard) override;
    void RemoveBillboard(cBillBoardGfxCmp& billboard) override;

    cCameraGfxCmp* ActiveCamera() const override { return camera; }
    // A camera whose planes cannot make a projection (near not above 0, far
    // not beyond near) is drawn with the default planes, logged once.
    void SetCamera(cCameraGfxCmp* new_camera) override {
        camera = new_camera;
        camera_planes_logged = false;
    }

    // Puts the light on the shadow caster list unless it is there already.
    void AddShadowLight(iShadowCaster& light);
    // Appends a material the shadow pass draws with (once each).
    void AddShadowMaterial(cMaterial& material);
    void SetShadowsEnabled(bool on) { shadowsEnabled = on; }
    bool ShadowsEnabled() const { return shadowsEnabled; }
    // The program the 2D pass runs instead of the one made at creation (which
    // is given back); null draws with the built-in one. The caller keeps ownership.
    void SetGuiProgram(iGPUProgram* program);

    // Releases the sky box and makes a new one: six faces "skyboxplane0" to
    // "skyboxplane5" of a cube from -550 to 550, each with the texture
    // "blacksky.tga" from the directory. The main pass draws it first,
    // centred on the eye, behind everything.
    void SetSkyBox(const std::string& directory);
    // Gives the sky box's meshes and textures back; no sky box is drawn afterwards.
    void ReleaseSkyBox();
    bool HasSkyBox() const { return sky_faces[0] != nullptr; }

    // What draws the particles after the tree; null draws none. Not owned.
    void SetParticleDrawer(iParticleDrawer* drawer) { particles = drawer; }
    iParticleDrawer* ParticleDrawer() const { return particles; }

    // Advances every animated sprite, then every animated model.
    void UpdateAnimations(float dt);
    // Draws the frame; call between the renderer's BeginFrame and EndFrame.
    void RenderFrame();

    // Models drawn in the last frame, both passes counted.
    uint32_t Rendered() const { return rendered; }
    RenderTree& Tree() { return tree; }
    std::size_t SpriteCount(uint8_t layer) const;
    std::size_t TextCount(uint8_t layer) const;
    std::size_t BillboardCount() const { return billboards.size(); }

private:
    using SpriteLayer = std::multimap<const cTextureSet*, cSpriteGfxCmp*>;

    void ClearBars();
    void ApplyCamera();
    void ClearPicture(uint32_t flags);
    void SetMainViewport();
    void ApplyDefaultMaterial();
    void UnbindShaders();
    void ShadowPasses();
    void ShadowPass(cMaterial& material, iShadowCaster& light);
    void UploadShadowParameters();
    void MainPass();
    void DrawSkyBox();
    // The particle drawer's material, every shadow light's parameters, then the particles.
    void DrawParticles();
    void DrawBillboards();
    void Pass2D();
    void DrawLayer(uint8_t layer, const cTextureSet*& bound, bool& any_bound);
    void ResetBlending();
    void LoadGuiProgram();
    void ReleaseOwnGuiProgram();

    iRenderer& renderer;
    RenderTree tree;
    Letterbox viewports;
    float window_width = 1.0f;
    float window_height = 1.0f;
    uint32_t rendered = 0;
    bool shadowsEnabled = false;
    cCameraGfxCmp* camera = nullptr;
    bool camera_planes_logged = false;
    std::vector<cMaterial*> shadowMaterials;
    std::vector<cBillBoardGfxCmp*> billboards;
    SpriteLayer spriteLayers[kLayerCount];
    std::vector<cFontGfxCmp*> textLayers[kLayerCount];
    cMesh* sky_faces[6] = {};
    iTexture* sky_textures[6] = {};
    iParticleDrawer* particles = nullptr;
    iGPUProgram* guiShader = nullptr;
    bool owns_gui_shader = false;
};

}  // namespace Engine

#pragma once
// cRendererBase: the device-neutral half of every device layer.
//
// It holds what the engine has told the device (render states, the three
// transforms and the texture transform, viewport, material, texture and
// shader bindings, the bound buffers, the presentation, the eight light
// slots and the ambient colour) and carries out the rules of each iRenderer
// operation: which render-state values are accepted, how clear colours pack,
// how viewports truncate, how matrices are built and combined, which draws
// are sound, and the order of a device reset or a display-mode change. A device layer derives from it and supplies the
// Device* steps that talk to its graphics interface; cNullRenderer's steps do
// nothing, so headless runs and tests go through the very same rules.
//
// A redundant render state (the value already set) does not reach the device.
// A device reset forgets the render states, bindings and viewport, as a real
// reset does, so that everything set afterwards reaches the device again.
// The lights and the ambient colour outlive a reset: nothing would set them
// again, and a device layer reads them from here when it lights a draw.

#include <array>
#include <cstdint>
#include <string>

#include "engine/render/BufferBindings.h"
#include "engine/render/Presentation.h"
#include "engine/render/RenderRecords.h"
#include "engine/render/eTextureOp.h"
#include "engine/render/iRenderer.h"

namespace Engine {

class cRendererBase : public iRenderer {
public:
    // Texture stages a device layer has; UnbindTextures never goes past the last.
    static constexpr uint32_t kTextureStages = 16;
    // The value of a render state nothing has set since the last reset.
    static constexpr int32_t kUnsetState = INT32_MIN;
    // Light slots of the device.
    static constexpr uint32_t kLightSlots = 8;

    bool BeginFrame() override;
    void Clear(uint32_t flags, float red, float green, float blue, float alpha, float depth,
               uint32_t stencil) override;
    bool SetRenderState(int32_t id, int32_t value) override;
    bool SetViewport(float x, float y, float width, float height) override;
    void SetPerspective(float field_of_view, float near_plane, float far_plane, float aspect) override;
    void SetOrthographic(int32_t left, int32_t right, int32_t bottom, int32_t top, float near_plane,
                         float far_plane) override;
    void LookAt(const Vector3& eye, const Vector3& target, const Vector3& up) override;
    void GetMatrix(int32_t mode, Matrix4x4& out) const override;
    void SetMatrix(int32_t mode, const Matrix4x4& matrix, uint32_t index) override;
    void DrawPrimitives(int32_t primitive_type, uint32_t start_vertex, uint32_t primitive_count) override;
    void DrawIndexedPrimitives(int32_t primitive_type, uint32_t start_index, uint32_t primitive_count) override;
    void UnbindTextures(uint32_t last_stage) override;
    void UnbindShader(bool pixel) override;
    void ApplyDefaultStates() override;
    void SetMaterial(const ColorRGBA& ambient, const ColorRGBA& diffuse, const ColorRGBA& specular,
                     const ColorRGBA& emissive, float power) override;
    bool SetLight(uint32_t slot, const RenderLight& light) override;
    bool LightEnable(uint32_t slot, bool on) override;
    void SetAmbient(const ColorRGBA& colour) override;
    void ApplyDisplayMode() override;

    // True for a render-state value that switches its state on (depth test,
    // lighting, alpha test, blending, depth writes); ids with more than two
    // settings are never "on".
    static bool StateEnables(int32_t id, int32_t value);

    // The value a render state was last set to, or kUnsetState.
    int32_t RenderState(int32_t id) const;
    const Viewport& GetViewport() const { return viewport; }
    const ClearRecord& LastClear() const { return last_clear; }
    const MaterialColours& Material() const { return material; }
    // The light a slot holds (slot 0's for a slot that does not exist).
    const RenderLight& Light(uint32_t slot) const;
    // True when the slot exists and its light is switched on.
    bool LightEnabled(uint32_t slot) const { return slot < kLightSlots && light_enabled[slot]; }
    // The global ambient colour; opaque black until set.
    const ColorRGBA& Ambient() const { return ambient; }
    // Counts every change of a light, a switch or the ambient colour, so a
    // device can tell when to upload them again.
    uint64_t LightRevision() const { return light_revision; }
    // The texture bound to a stage, 0 for none.
    uint32_t Texture(uint32_t stage) const;
    // The shader bound to a stage (pixel or vertex), 0 for none.
    uint32_t Shader(bool pixel) const { return pixel ? pixel_shader : vertex_shader; }
    // Records how a stage combines its texture with an argument, for colour
    // or for alpha; the argument changes only for operations that use one.
    // False, changing nothing, for an unknown stage, operation or argument.
    bool SetTextureOperation(uint32_t stage, bool alpha, int32_t operation, int32_t argument);
    // The operation of a stage for colour or alpha (stage 0's for a stage that does not exist).
    const TextureOperation& GetTextureOperation(uint32_t stage, bool alpha) const;
    // Texture coordinates the stage-0 transform produces.
    int32_t TextureTransformCount() const { return texture_transform_count; }
    const Presentation& GetPresentation() const { return presentation; }
    // The bound buffers; the hardware buffer manager's buffers keep it up to date.
    BufferBindings& Bindings() { return bindings; }
    const BufferBindings& Bindings() const { return bindings; }
    // Counts every change of a stored matrix, so a device can tell when to upload them again.
    uint64_t MatrixRevision() const { return matrix_revision; }
    // Draw calls that reached the device since initialisation.
    uint64_t DrawCallCount() const { return draw_calls; }
    // The class name that opens every log line of the renderer.
    const std::string& ClassName() const { return class_name; }

protected:
    explicit cRendererBase(std::string class_name);

    enum class eDeviceStatus { Ready, Lost, Resettable };

    // Whether the device can draw, is lost for now, or waits to be reset.
    virtual eDeviceStatus DeviceStatus() = 0;
    // Resets the device into a presentation; false when it failed.
    virtual bool DeviceReset(const Presentation& next) = 0;
    // Starts drawing a frame.
    virtual void DeviceBeginScene() = 0;
    // Clears the viewport as recorded.
    virtual void DeviceClear(const ClearRecord& clear) = 0;
    // Applies the stored value of a render state.
    virtual void DeviceApplyRenderState(int32_t id) = 0;
    // Applies the stored viewport.
    virtual void DeviceSetViewport() = 0;
    // Draws count vertices (or indices) from first, checked against the bound buffers.
    virtual void DeviceDraw(int32_t primitive_type, uint32_t first, uint32_t count, bool indexed) = 0;
    // Unbinds the texture of a stage.
    virtual void DeviceUnbindTexture(uint32_t stage) = 0;
    // Unbinds the shader of a stage.
    virtual void DeviceUnbindShader(bool pixel) = 0;
    // Reads the desktop resolution into the window record.
    virtual void DeviceReadDesktopSize() = 0;

    // The end of a successful Initialise: the presentation, a full viewport,
    // identity matrices, the default states and the success line.
    void CompleteInitialise(const Presentation& initial);
    // Records the texture a device layer bound to a stage.
    void RecordTexture(uint32_t stage, uint32_t texture);
    // Records the shader a device layer bound to a stage.
    void RecordShader(bool pixel, uint32_t shader);
    // Writes "[<class name>] " + message to the Engine log.
    void Log(const std::string& message) const;

private:
    bool AcceptsRenderState(int32_t id, int32_t value) const;
    // One reset of the device into next; forgets what a reset loses.
    bool ResetTo(const Presentation& next);
    // The reset of a device that reports itself resettable.
    bool ResetLostDevice();
    // Checks a draw against the bound buffers; false (logged) when unsound.
    bool CheckDraw(int32_t primitive_type, uint32_t first, uint32_t count, bool indexed) const;
    // False, with a log line naming the operation, for a light slot past the last.
    bool CheckLightSlot(uint32_t slot, const char* operation) const;

    std::string class_name;
    std::array<int32_t, 13> states{};
    Matrix4x4 projection;
    Matrix4x4 view;
    Matrix4x4 world;
    Matrix4x4 texture_matrix;
    uint64_t matrix_revision = 0;
    Viewport viewport;
    ClearRecord last_clear;
    MaterialColours material;
    std::array<RenderLight, kLightSlots> lights{};
    std::array<bool, kLightSlots> light_enabled{};
    ColorRGBA ambient{0, 0, 0, 1};
    uint64_t light_revision = 0;
    std::array<uint32_t, kTextureStages> textures{};
    std::array<TextureOperation, kTextureStages> colour_operations{};
    std::array<TextureOperation, kTextureStages> alpha_operations{};
    uint32_t vertex_shader = 0;
    uint32_t pixel_shader = 0;
    int32_t texture_transform_count = 0;
    BufferBindings bindings;
    Presentation presentation;
    bool display_changes_allowed = false;
    bool reset_failing = false;
    uint64_t draw_calls = 0;
};

}  // namespace Engine

#pragma once
// iRenderer: the engine's only door to the graphics device.
//
// Everything above it works in engine terms: matrices in the engine's
// convention (rows stored in order, column vectors, projection * view *
// world), render-state ids with the values materials store (eRenderStateId),
// primitive-type indices (ePrimitiveType) and vertex declarations built from
// engine usages and types. A device layer maps these onto its graphics
// interface: cGLRenderer onto OpenGL 3.3, cNullRenderer onto nothing at all
// for headless runs and tests.
//
// A frame is BeginFrame, drawing, EndFrame; BeginFrame also carries out a
// pending display-mode change or device reset, with every holder of device
// objects released and restored in the order of cDeviceResetOrder.
//
// The operations keep the order in which the engine's renderer has always
// listed them.

#include <cstdint>

#include "engine/core/ColorRGBA.h"
#include "engine/core/Matrix4x4.h"
#include "engine/core/Vector3.h"
#include "engine/render/RenderLight.h"

namespace Engine {

class iRenderer {
public:
    // Opens the device on the main window; false, with a log line, when it cannot.
    virtual bool Initialise() = 0;
    // Closes the device; the renderer draws nothing afterwards.
    virtual void Shutdown() = 0;
    // Starts a frame; false when nothing can be drawn this frame.
    virtual bool BeginFrame() = 0;
    // Ends the frame and presents the whole back buffer.
    virtual void EndFrame() = 0;
    // Clears the viewport: flags bit 0 colour, bit 1 depth, bit 2 stencil.
    virtual void Clear(uint32_t flags, float red, float green, float blue, float alpha, float depth,
                       uint32_t stencil) = 0;
    // Sets one render state; false for an unknown id or a value the id rejects.
    virtual bool SetRenderState(int32_t id, int32_t value) = 0;
    // Sets the viewport in back-buffer pixels from the top left, each value
    // truncated toward zero; false, with a log line, for a negative or
    // non-finite one, which leaves the viewport as it was.
    virtual bool SetViewport(float x, float y, float width, float height) = 0;
    // Right-handed perspective projection (vertical field of view in radians).
    virtual void SetPerspective(float field_of_view, float near_plane, float far_plane, float aspect) = 0;
    // Orthographic projection over the given pixel bounds.
    virtual void SetOrthographic(int32_t left, int32_t right, int32_t bottom, int32_t top, float near_plane,
                                 float far_plane) = 0;
    // Right-handed view matrix from eye toward target.
    virtual void LookAt(const Vector3& eye, const Vector3& target, const Vector3& up) = 0;
    // Copies the matrix of a mode (eMatrixMode) into out; an invalid mode is
    // logged and leaves out unchanged.
    virtual void GetMatrix(int32_t mode, Matrix4x4& out) const = 0;
    // Sets the matrix of a mode; index numbers the world matrix.
    virtual void SetMatrix(int32_t mode, const Matrix4x4& matrix, uint32_t index) = 0;
    // Draws primitives from the bound vertex buffer.
    virtual void DrawPrimitives(int32_t primitive_type, uint32_t start_vertex, uint32_t primitive_count) = 0;
    // Draws primitives through the bound index buffer.
    virtual void DrawIndexedPrimitives(int32_t primitive_type, uint32_t start_index, uint32_t primitive_count) = 0;
    // Unbinds the textures of stages 0 to n inclusive, never past stage 15.
    virtual void UnbindTextures(uint32_t last_stage) = 0;
    // Unbinds the pixel shader (true) or the vertex shader (false).
    virtual void UnbindShader(bool pixel) = 0;
    // The render states every frame starts from.
    virtual void ApplyDefaultStates() = 0;
    // The material colours the built-in program draws with.
    virtual void SetMaterial(const ColorRGBA& ambient, const ColorRGBA& diffuse, const ColorRGBA& specular,
                             const ColorRGBA& emissive, float power) = 0;
    // Puts a light into one of the device's light slots (0 to 7); false, with
    // a log line, for a slot past the last. A light that cannot light
    // anything is kept but logged (see RenderLight).
    virtual bool SetLight(uint32_t slot, const RenderLight& light) = 0;
    // Switches the light of a slot on or off; false, with a log line, for a slot past the last.
    virtual bool LightEnable(uint32_t slot, bool on) = 0;
    // The global ambient colour the built-in program lights with.
    virtual void SetAmbient(const ColorRGBA& colour) = 0;
    // Carries out a change of resolution or full screen asked of the window.
    virtual void ApplyDisplayMode() = 0;
    // Closes the device if it is still open.
    virtual ~iRenderer() = default;
};

}  // namespace Engine

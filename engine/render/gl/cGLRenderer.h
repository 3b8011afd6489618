#pragma once
// cGLRenderer: the device layer on OpenGL 3.3 core, drawing into the main
// window through an SDL GL context (24-bit depth, 8-bit stencil) with GL
// functions loaded by libepoxy.
//
// The renderer owns one vertex array object, bound for its whole life, into
// which the bound vertex and index buffers set their state, and the built-in
// program for draws without a shader of their own. It presents without
// waiting for the vertical retrace unless the start parameters ask for it.
//
// OpenGL has no device loss, but a display-mode change still runs the full
// device-reset order, so every holder of device objects goes through it.
//
// Viewports and the clear are in back-buffer pixels from the top left, as
// the engine gives them; GL counts rows from the bottom, and the renderer
// converts. A clear covers only the viewport and ignores the write masks.
//
// Shader stages are separate program objects (one per stage, as the engine
// binds vertex and pixel shaders apart) attached to the renderer's program
// pipeline; a draw uses the pipeline when both a vertex and a pixel stage are
// bound, and the built-in program otherwise.
//
// For test tools it can write one frame, read back before it is presented,
// as a PNG file.

#include <epoxy/gl.h>  // GLuint, GLenum

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/render/cRendererBase.h"
#include "engine/render/gl/cGLBuiltInProgram.h"

struct SDL_Window;

namespace Engine {

class cGLRenderer : public cRendererBase {
public:
    cGLRenderer();
    ~cGLRenderer() override;

    // Creates the GL context on the main window (which must have been made
    // for OpenGL); false, with a "[cGLRenderer] Could not create ..." log
    // line, when there is no window, no context or no OpenGL 3.3.
    bool Initialise() override;
    // Deletes every GL object of the renderer and the context.
    void Shutdown() override;
    // Presents the frame (after writing the screenshot when this is its frame).
    void EndFrame() override;

    // Binds a texture of a target (GL_TEXTURE_2D, GL_TEXTURE_CUBE_MAP) to a stage 0 to 15.
    void BindTexture(uint32_t stage, GLenum target, GLuint texture);
    // Draws into a framebuffer object of the given size from now on (0: the
    // window's back buffer); the viewport becomes the whole target, as a
    // change of render target does on the original device.
    void SetDrawTarget(GLuint framebuffer, int32_t width, int32_t height);
    // Draws with a linked program of both stages from now on (0: the built-in program).
    void BindProgram(GLuint program);
    // Attaches a separable program of one stage to the pipeline (0 detaches it).
    void BindStage(bool pixel, GLuint stage_program);
    // True when the driver has separate shader objects, which shader stages need.
    bool HasStagePipeline() const { return pipeline != 0; }
    // Writes the back buffer of the frame-th presented frame (counted from 1) to a PNG file.
    void RequestScreenshot(uint32_t frame, const std::string& path);
    // The back buffer as RGBA bytes, top row first; false when there is no context.
    bool ReadBackBuffer(std::vector<uint8_t>& rgba, int32_t& width, int32_t& height) const;
    // Sets again every GL state the renderer keeps, after some other user of
    // the context (the font manager) changed program, vertex array or states.
    void RestoreDeviceState();

    bool IsInitialised() const { return context != nullptr; }
    // The enabled vertex attribute arrays of the renderer's vertex array.
    uint32_t& EnabledAttributes() { return enabled_attributes; }
    // Frames presented since initialisation.
    uint32_t FramesPresented() const { return frames_presented; }

protected:
    eDeviceStatus DeviceStatus() override { return eDeviceStatus::Ready; }
    bool DeviceReset(const Presentation& next) override;
    void DeviceBeginScene() override;
    void DeviceClear(const ClearRecord& clear) override;
    void DeviceApplyRenderState(int32_t id) override;
    void DeviceSetViewport() override;
    void DeviceDraw(int32_t primitive_type, uint32_t first, uint32_t count, bool indexed) override;
    void DeviceUnbindTexture(uint32_t stage) override;
    void DeviceUnbindShader(bool pixel) override;
    void DeviceReadDesktopSize() override;

private:
    // Makes the context and the renderer's GL objects; false with a log line.
    bool CreateDevice();
    // The swap interval of the start parameters; drivers without swap control keep theirs.
    void ApplySwapInterval() const;
    // The blend factors from the stored source and destination states.
    void ApplyBlendFunction() const;
    // The viewport in GL's bottom-left pixel coordinates of the surface drawn into.
    void ViewportInGLCoordinates(GLint& x, GLint& y) const;
    // Writes the screenshot of this frame.
    void WriteScreenshot() const;

    SDL_Window* window = nullptr;
    void* context = nullptr;  // SDL_GLContext
    GLuint vertex_array = 0;
    GLuint current_program = 0;
    GLuint pipeline = 0;
    std::array<bool, 2> stage_in_pipeline{};  // vertex, pixel
    cGLBuiltInProgram built_in;
    std::array<GLenum, kTextureStages> texture_targets{};
    uint32_t enabled_attributes = 0;
    // The height of the framebuffer object drawn into, 0 for the back buffer.
    int32_t draw_target_height = 0;
    uint32_t frames_presented = 0;
    uint32_t screenshot_frame = 0;
    std::string screenshot_path;
};

}  // namespace Engine

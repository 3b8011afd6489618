#include "engine/render/gl/cGLRenderer.h"

#include <SDL.h>

#include <algorithm>  // std::clamp

#include "engine/core/cEngineSettings.h"
#include "engine/core/cLog.h"
#include "engine/platform/cWindow.h"
#include "engine/render/DeviceColour.h"
#include "engine/render/eClearFlag.h"
#include "engine/render/eIndexFormat.h"
#include "engine/render/eRenderStateId.h"
#include "engine/render/iIndexBuffer.h"
#include "engine/render/gl/GLStateMapping.h"
#include "engine/render/gl/PngFile.h"

namespace Engine {

namespace {

// The OpenGL version the renderer needs, as libepoxy numbers it.
constexpr int kRequiredGLVersion = 33;

}  // namespace

cGLRenderer::cGLRenderer() : cRendererBase("cGLRenderer") { texture_targets.fill(GL_TEXTURE_2D); }

cGLRenderer::~cGLRenderer() { Shutdown(); }

bool cGLRenderer::Initialise() {
    if (IsInitialised()) return true;
    cWindow& main_window = cWindow::Instance();
    window = main_window.Handle();
    if (window == nullptr) {
        Log("Could not create OpenGL Context: there is no window to draw into");
        return false;
    }
    DeviceReadDesktopSize();
    if (!CreateDevice()) return false;
    Presentation initial{main_window.IsFullscreen(), main_window.Width(), main_window.Height()};
    if (initial.fullscreen) {
        initial.width = main_window.DesktopWidth();
        initial.height = main_window.DesktopHeight();
        main_window.ApplyWindowMode(initial.width, initial.height);
    }
    CompleteInitialise(initial);
    return true;
}

void cGLRenderer::Shutdown() {
    if (!IsInitialised()) return;
    if (screenshot_frame > frames_presented) {
        Log("Frame " + std::to_string(screenshot_frame) + " was never presented; no screenshot was written");
    }
    built_in.Release();
    if (pipeline != 0) glDeleteProgramPipelines(1, &pipeline);
    pipeline = 0;
    stage_in_pipeline = {};
    glBindVertexArray(0);
    glDeleteVertexArrays(1, &vertex_array);
    vertex_array = 0;
    current_program = 0;
    SDL_GL_DeleteContext(static_cast<SDL_GLContext>(context));
    context = nullptr;
    window = nullptr;
}

void cGLRenderer::EndFrame() {
    if (!IsInitialised()) return;
    ++frames_presented;
    if (frames_presented == screenshot_frame) WriteScreenshot();
    SDL_GL_SwapWindow(window);
}

void cGLRenderer::BindTexture(uint32_t stage, GLenum target, GLuint texture) {
    if (stage >= kTextureStages) {
        Log("Texture stage " + std::to_string(stage) + " does not exist; the texture is not bound");
        return;
    }
    if (texture_targets[stage] != target && Texture(stage) != 0) DeviceUnbindTexture(stage);
    glActiveTexture(GL_TEXTURE0 + stage);
    glBindTexture(target, texture);
    glActiveTexture(GL_TEXTURE0);
    texture_targets[stage] = target;
    RecordTexture(stage, texture);
}

void cGLRenderer::SetDrawTarget(GLuint framebuffer, int32_t width, int32_t height) {
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    draw_target_height = framebuffer != 0 ? height : 0;
    SetViewport(0.0f, 0.0f, static_cast<float>(width), static_cast<float>(height));
}

void cGLRenderer::BindProgram(GLuint program) {
    stage_in_pipeline = {};
    RecordShader(false, program);
    RecordShader(true, program);
}

void cGLRenderer::BindStage(bool pixel, GLuint stage_program) {
    if (pipeline == 0) return;
    // A linked program bound before holds both stages; it cannot stay as one of them.
    if (!stage_in_pipeline[pixel ? 0 : 1]) RecordShader(!pixel, 0);
    glUseProgramStages(pipeline, pixel ? GL_FRAGMENT_SHADER_BIT : GL_VERTEX_SHADER_BIT, stage_program);
    stage_in_pipeline[pixel ? 1 : 0] = stage_program != 0;
    RecordShader(pixel, stage_program);
}

void cGLRenderer::RequestScreenshot(uint32_t frame, const std::string& path) {
    screenshot_frame = frame;
    screenshot_path = path;
}

bool cGLRenderer::ReadBackBuffer(std::vector<uint8_t>& rgba, int32_t& width, int32_t& height) const {
    if (!IsInitialised()) return false;
    SDL_GL_GetDrawableSize(window, &width, &height);
    if (width <= 0 || height <= 0) return false;
    const std::size_t row = static_cast<std::size_t>(width) * 4;
    std::vector<uint8_t> bottom_up(row * height);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, bottom_up.data());
    rgba.resize(bottom_up.size());
    for (int32_t y = 0; y < height; ++y) {
        std::copy_n(bottom_up.begin() + static_cast<std::ptrdiff_t>(row * (height - 1 - y)), row,
                    rgba.begin() + static_cast<std::ptrdiff_t>(row * y));
    }
    return true;
}

void cGLRenderer::RestoreDeviceState() {
    glBindVertexArray(vertex_array);
    glUseProgram(0);
    current_program = 0;
    glBindProgramPipeline(pipeline);
    glDisable(GL_SCISSOR_TEST);
    for (int32_t id = 1; id <= kLastRenderStateId; ++id) {
        if (id != RS_TextureMode && RenderState(id) != kUnsetState) DeviceApplyRenderState(id);
    }
    DeviceSetViewport();
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(texture_targets[0], Texture(0));
}

bool cGLRenderer::DeviceReset(const Presentation& next) {
    ApplySwapInterval();
    // An X window's drawable takes its new size at the next swap: present one
    // cleared frame so that the next frame is drawn at the new size.
    glDisable(GL_SCISSOR_TEST);
    glViewport(0, 0, next.width, next.height);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glDepthMask(GL_TRUE);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    SDL_GL_SwapWindow(window);
    return true;
}

void cGLRenderer::DeviceBeginScene() {
    // GL needs no scene bracket; the renderer's vertex array is bound anew in
    // case a tool or test left another one current.
    glBindVertexArray(vertex_array);
}

void cGLRenderer::DeviceClear(const ClearRecord& clear) {
    GLint x = 0;
    GLint y = 0;
    ViewportInGLCoordinates(x, y);
    glEnable(GL_SCISSOR_TEST);
    glScissor(x, y, GetViewport().width, GetViewport().height);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glDepthMask(GL_TRUE);
    glStencilMask(0xFF);
    const ColorRGBA colour = UnpackDeviceColour(clear.colour);
    glClearColor(colour.r, colour.g, colour.b, colour.a);
    glClearDepth(std::clamp(clear.depth, 0.0f, 1.0f));
    glClearStencil(static_cast<GLint>(clear.stencil & 0xFF));
    GLbitfield bits = 0;
    if (clear.flags & CLEAR_Colour) bits |= GL_COLOR_BUFFER_BIT;
    if (clear.flags & CLEAR_Depth) bits |= GL_DEPTH_BUFFER_BIT;
    if (clear.flags & CLEAR_Stencil) bits |= GL_STENCIL_BUFFER_BIT;
    glClear(bits);
    glDisable(GL_SCISSOR_TEST);
    glDepthMask(StateEnables(RS_ZWrite, RenderState(RS_ZWrite)) ? GL_TRUE : GL_FALSE);
}

void cGLRenderer::DeviceApplyRenderState(int32_t id) {
    const int32_t value = RenderState(id);
    const auto enable = [](GLenum capability, bool on) { on ? glEnable(capability) : glDisable(capability); };
    switch (id) {
        case RS_DepthTesting: enable(GL_DEPTH_TEST, StateEnables(id, value)); break;
        case RS_Culling:
            enable(GL_CULL_FACE, value != 0);
            // Front faces wind counter-clockwise; culling clockwise faces culls the back.
            if (value != 0) glCullFace(value == 1 ? GL_BACK : GL_FRONT);
            break;
        case RS_Fillmode: glPolygonMode(GL_FRONT_AND_BACK, GLPolygonMode(value)); break;
        case RS_Blending: enable(GL_BLEND, StateEnables(id, value)); break;
        case RS_ZWrite: glDepthMask(StateEnables(id, value) ? GL_TRUE : GL_FALSE); break;
        case RS_SourceBlend:
        case RS_DestBlend: ApplyBlendFunction(); break;
        case RS_BlendOp: glBlendEquation(GLBlendEquation(value)); break;
        // Shading and Lighting are switches of the built-in program, read at
        // each draw. The alpha test has no effect: it passes everything with
        // the comparison the original device defaulted to ("always").
        default: break;
    }
}

void cGLRenderer::DeviceSetViewport() {
    GLint x = 0;
    GLint y = 0;
    ViewportInGLCoordinates(x, y);
    glViewport(x, y, GetViewport().width, GetViewport().height);
    glDepthRange(GetViewport().min_depth, GetViewport().max_depth);
}

void cGLRenderer::DeviceDraw(int32_t primitive_type, uint32_t first, uint32_t count, bool indexed) {
    if (stage_in_pipeline[0] && stage_in_pipeline[1]) {
        // With no program in use, GL draws with the bound pipeline.
        if (current_program != 0) glUseProgram(0);
        current_program = 0;
    } else if (Shader(false) == 0 || stage_in_pipeline[0] || stage_in_pipeline[1]) {
        built_in.Prepare(*this, Texture(0) != 0 && texture_targets[0] == GL_TEXTURE_2D, current_program);
    } else if (current_program != Shader(false)) {
        current_program = Shader(false);
        glUseProgram(current_program);
    }
    const GLenum mode = GLPrimitiveMode(primitive_type);
    if (!indexed) {
        glDrawArrays(mode, static_cast<GLint>(first), static_cast<GLsizei>(count));
        return;
    }
    const iIndexBuffer& indices = *Bindings().index_buffer;
    const GLenum type = indices.GetFormat() == IF_Index16 ? GL_UNSIGNED_SHORT : GL_UNSIGNED_INT;
    const auto offset = static_cast<std::uintptr_t>(first) * indices.GetIndexSize();
    glDrawElements(mode, static_cast<GLsizei>(count), type, reinterpret_cast<const void*>(offset));
}

void cGLRenderer::DeviceUnbindTexture(uint32_t stage) {
    glActiveTexture(GL_TEXTURE0 + stage);
    glBindTexture(texture_targets[stage], 0);
    glActiveTexture(GL_TEXTURE0);
}

void cGLRenderer::DeviceUnbindShader(bool pixel) {
    if (stage_in_pipeline[pixel ? 1 : 0]) {
        // A separate stage leaves the pipeline alone; the other stage stays.
        glUseProgramStages(pipeline, pixel ? GL_FRAGMENT_SHADER_BIT : GL_VERTEX_SHADER_BIT, 0);
        stage_in_pipeline[pixel ? 1 : 0] = false;
        return;
    }
    // A linked GL program holds both stages: dropping either stage drops the
    // program, and the built-in program draws until a new one is bound.
    if (!stage_in_pipeline[pixel ? 0 : 1]) RecordShader(!pixel, 0);
}

void cGLRenderer::DeviceReadDesktopSize() {
    const int display = window != nullptr ? SDL_GetWindowDisplayIndex(window) : 0;
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(display < 0 ? 0 : display, &mode) != 0) {
        Log(std::string("Could not read the desktop display mode: ") + SDL_GetError());
        return;
    }
    cWindow::Instance().SetDesktopSize(mode.w, mode.h);
}

bool cGLRenderer::CreateDevice() {
    SDL_GLContext created = SDL_GL_CreateContext(window);
    if (created == nullptr) {
        Log(std::string("Could not create OpenGL Context: ") + SDL_GetError());
        return false;
    }
    context = created;
    if (!epoxy_is_desktop_gl() || epoxy_gl_version() < kRequiredGLVersion) {
        const int version = epoxy_gl_version();
        Log("Could not create OpenGL 3.3 Context: the driver offers " + std::to_string(version / 10) + "." +
            std::to_string(version % 10));
        Shutdown();
        return false;
    }
    ApplySwapInterval();
    glGenVertexArrays(1, &vertex_array);
    glBindVertexArray(vertex_array);
    if (epoxy_has_gl_extension("GL_ARB_separate_shader_objects")) {
        glGenProgramPipelines(1, &pipeline);
        glBindProgramPipeline(pipeline);
    }
    if (!built_in.Build()) {
        Log("Could not create the built-in program");
        Shutdown();
        return false;
    }
    // The original device took a triangle's flat colour from its first vertex.
    glProvokingVertex(GL_FIRST_VERTEX_CONVENTION);
    glDepthFunc(GL_LEQUAL);
    glFrontFace(GL_CCW);
    glBlendColor(1.0f, 1.0f, 1.0f, 1.0f);
    return true;
}

void cGLRenderer::ApplySwapInterval() const {
    // Mode 1 presents at once; anything else waits for the vertical retrace.
    // A driver without swap control (Xvfb) refuses, which changes nothing.
    SDL_GL_SetSwapInterval(cEngineSettings::Instance().config.present_mode == 1 ? 0 : 1);
}

void cGLRenderer::ApplyBlendFunction() const {
    const int32_t source = RenderState(RS_SourceBlend);
    const int32_t destination = RenderState(RS_DestBlend);
    glBlendFunc(source == kUnsetState ? GL_ONE : GLBlendFactor(source),
                destination == kUnsetState ? GL_ZERO : GLBlendFactor(destination));
}

void cGLRenderer::ViewportInGLCoordinates(GLint& x, GLint& y) const {
    const Viewport& viewport = GetViewport();
    const int32_t surface_height = draw_target_height != 0 ? draw_target_height : GetPresentation().height;
    x = viewport.x;
    y = surface_height - viewport.y - viewport.height;
}

void cGLRenderer::WriteScreenshot() const {
    std::vector<uint8_t> rgba;
    int32_t width = 0;
    int32_t height = 0;
    bool written = ReadBackBuffer(rgba, width, height);
    if (written) {
        // The back buffer may carry no alpha or any alpha; a screenshot is opaque.
        for (std::size_t i = 3; i < rgba.size(); i += 4) rgba[i] = 255;
        written = WritePng(screenshot_path, rgba, width, height);
    }
    if (written) {
        Log("Screenshot of frame " + std::to_string(screenshot_frame) + " written to " + screenshot_path + " (" +
            std::to_string(width) + " x " + std::to_string(height) + ")");
    } else {
        LogError("the screenshot of frame " + std::to_string(screenshot_frame) + " could not be written to " +
                 screenshot_path);
    }
}

}  // namespace Engine

#include "engine/render/cRendererBase.h"

#include <cmath>  // std::isfinite for viewport values
#include <utility>  // std::pair of the default states

#include "engine/core/cEngineSettings.h"
#include "engine/core/cLog.h"
#include "engine/platform/cWindow.h"
#include "engine/render/DeviceColour.h"
#include "engine/render/DisplayModePlan.h"
#include "engine/render/ProjectionMatrices.h"
#include "engine/render/cDeviceResetOrder.h"
#include "engine/render/eBlendFactor.h"
#include "engine/render/eBlendOp.h"
#include "engine/render/eClearFlag.h"
#include "engine/render/eMatrixMode.h"
#include "engine/render/ePrimitiveType.h"
#include "engine/render/eRenderStateId.h"
#include "engine/render/iIndexBuffer.h"
#include "engine/render/iVertexBuffer.h"

namespace Engine {

namespace {

// The states every frame starts from, in the order they are applied.
constexpr std::pair<int32_t, int32_t> kDefaultStates[] = {
    {RS_Shading, 2},   {RS_DepthTesting, 0},           {RS_Culling, 0},   {RS_Fillmode, 2},
    {RS_Lighting, 0},  {RS_AlphaTest, 1},              {RS_ZWrite, 1},    {RS_Blending, 0},
    {RS_SourceBlend, BLEND_One}, {RS_DestBlend, BLEND_Zero}, {RS_BlendOp, BLENDOP_Add},
};
// The stage-0 texture transform produces two coordinates.
constexpr int32_t kDefaultTextureTransformCount = 2;
// TextureMode 0 unbinds the textures of stages 0 to this one.
constexpr uint32_t kTextureModeLastStage = 7;
// No back buffer is this large; bigger viewport values are refused before
// they could overflow the integer conversion.
constexpr float kMaxViewportValue = 65536.0f;

bool IsPrimitiveType(int32_t type) { return type >= PT_PointList && type <= PT_LineStrip; }

bool IsViewportValue(float value) { return std::isfinite(value) && value >= 0.0f && value <= kMaxViewportValue; }

}  // namespace

cRendererBase::cRendererBase(std::string class_name_) : class_name(std::move(class_name_)) {
    states.fill(kUnsetState);
}

bool cRendererBase::BeginFrame() {
    switch (DeviceStatus()) {
        case eDeviceStatus::Lost: return false;
        case eDeviceStatus::Resettable:
            if (!ResetLostDevice()) return false;
            break;
        case eDeviceStatus::Ready:
            if (display_changes_allowed) ApplyDisplayMode();
            break;
    }
    DeviceBeginScene();
    return true;
}

void cRendererBase::Clear(uint32_t flags, float red, float green, float blue, float alpha, float depth,
                          uint32_t stencil) {
    last_clear.flags = flags & CLEAR_All;
    last_clear.colour = PackDeviceColour(red, green, blue, alpha);
    last_clear.depth = depth;
    last_clear.stencil = stencil;
    if (last_clear.flags != 0) DeviceClear(last_clear);
}

bool cRendererBase::SetRenderState(int32_t id, int32_t value) {
    if (id == RS_TextureMode) {
        if (value == 0) UnbindTextures(kTextureModeLastStage);
        return value == 0 || value == 1;
    }
    if (!AcceptsRenderState(id, value)) return false;
    if (states[id] == value) return true;
    states[id] = value;
    DeviceApplyRenderState(id);
    return true;
}

bool cRendererBase::SetViewport(float x, float y, float width, float height) {
    if (!IsViewportValue(x) || !IsViewportValue(y) || !IsViewportValue(width) || !IsViewportValue(height)) {
        Log("fail viewport: (" + std::to_string(x) + ", " + std::to_string(y) + ", " + std::to_string(width) +
            ", " + std::to_string(height) + ") is refused; the viewport stays as it was");
        return false;
    }
    viewport = {static_cast<int32_t>(x), static_cast<int32_t>(y), static_cast<int32_t>(width),
                static_cast<int32_t>(height), 0.0f, 1.0f};
    DeviceSetViewport();
    return true;
}

void cRendererBase::SetPerspective(float field_of_view, float near_plane, float far_plane, float aspect) {
    SetMatrix(MM_Projection, PerspectiveFovRH(field_of_view, aspect, near_plane, far_plane), 0);
}

void cRendererBase::SetOrthographic(int32_t left, int32_t right, int32_t bottom, int32_t top, float near_plane,
                                    float far_plane) {
    SetMatrix(MM_Projection, Orthographic(left, right, bottom, top, near_plane, far_plane), 0);
}

void cRendererBase::LookAt(const Vector3& eye, const Vector3& target, const Vector3& up) {
    SetMatrix(MM_View, LookAtRH(eye, target, up), 0);
}

void cRendererBase::GetMatrix(int32_t mode, Matrix4x4& out) const {
    switch (mode) {
        case MM_Projection: out = projection; break;
        case MM_World: out = world; break;
        case MM_View: out = view; break;
        case MM_Texture: out = texture_matrix; break;
        case MM_Combined: out = projection * view * world; break;
        default: Log("Invalid matrix mode"); break;
    }
}

void cRendererBase::SetMatrix(int32_t mode, const Matrix4x4& matrix, uint32_t index) {
    switch (mode) {
        case MM_Projection: projection = matrix; break;
        case MM_World:
            // Only world matrix 0 transforms anything: no program here blends
            // vertices, and storing another index would corrupt the combined matrix.
            if (index != 0) {
                Log("World matrix " + std::to_string(index) + " is not used; only world matrix 0 is");
                return;
            }
            world = matrix;
            break;
        case MM_View: view = matrix; break;
        case MM_Texture: texture_matrix = matrix; break;
        case MM_Combined: return;
        default: Log("Invalid matrix mode"); return;
    }
    ++matrix_revision;
}

void cRendererBase::DrawPrimitives(int32_t primitive_type, uint32_t start_vertex, uint32_t primitive_count) {
    const uint32_t count = VerticesForPrimitives(primitive_type, primitive_count);
    if (!CheckDraw(primitive_type, start_vertex, count, false)) return;
    ++draw_calls;
    DeviceDraw(primitive_type, start_vertex, count, false);
}

void cRendererBase::DrawIndexedPrimitives(int32_t primitive_type, uint32_t start_index, uint32_t primitive_count) {
    const uint32_t count = VerticesForPrimitives(primitive_type, primitive_count);
    if (!CheckDraw(primitive_type, start_index, count, true)) return;
    ++draw_calls;
    DeviceDraw(primitive_type, start_index, count, true);
}

void cRendererBase::UnbindTextures(uint32_t last_stage) {
    const uint32_t last = last_stage < kTextureStages ? last_stage : kTextureStages - 1;
    for (uint32_t stage = 0; stage <= last; ++stage) {
        if (textures[stage] == 0) continue;
        textures[stage] = 0;
        DeviceUnbindTexture(stage);
    }
}

void cRendererBase::UnbindShader(bool pixel) {
    RecordShader(pixel, 0);
    DeviceUnbindShader(pixel);
}

void cRendererBase::ApplyDefaultStates() {
    for (const auto& [id, value] : kDefaultStates) SetRenderState(id, value);
    texture_transform_count = kDefaultTextureTransformCount;
}

void cRendererBase::SetMaterial(const ColorRGBA& ambient, const ColorRGBA& diffuse, const ColorRGBA& specular,
                                const ColorRGBA& emissive, float power) {
    material = {ambient, diffuse, specular, emissive, power};
}

bool cRendererBase::SetLight(uint32_t slot, const RenderLight& light) {
    if (!CheckLightSlot(slot, "SetLight")) return false;
    if (lights[slot] == light) return true;
    // Logged once per fault, not again each time its owner sends the light.
    const std::string fault = RenderLightFault(light);
    if (!fault.empty() && fault != RenderLightFault(lights[slot]))
        LogError("[" + class_name + "] The light in slot " + std::to_string(slot) + " lights nothing: " + fault);
    lights[slot] = light;
    ++light_revision;
    return true;
}

bool cRendererBase::LightEnable(uint32_t slot, bool on) {
    if (!CheckLightSlot(slot, "LightEnable")) return false;
    if (light_enabled[slot] != on) {
        light_enabled[slot] = on;
        ++light_revision;
    }
    return true;
}

void cRendererBase::SetAmbient(const ColorRGBA& colour) {
    if (ambient == colour) return;
    ambient = colour;
    ++light_revision;
}

void cRendererBase::ApplyDisplayMode() {
    cWindow& window = cWindow::Instance();
    if (window.IsFullscreen() != presentation.fullscreen) DeviceReadDesktopSize();
    const DisplayModeRequest request{window.IsFullscreen(), window.Width(), window.Height(), window.DesktopWidth(),
                                     window.DesktopHeight()};
    const std::optional<Presentation> next = PlanDisplayMode(presentation, request);
    if (!next) return;
    const bool reset = cDeviceResetOrder::Instance().Reset([&] {
        window.ApplyWindowMode(next->width, next->height);
        return ResetTo(*next);
    });
    if (!reset) {
        Log("Could not reset the device for the display mode " + std::to_string(next->width) + " x " +
            std::to_string(next->height) + "; it is tried again next frame");
        return;
    }
    ApplyDefaultStates();
    cDeviceResetOrder::Instance().NotifyDisplayModeChanged();
    Log("Display mode " + std::to_string(next->width) + " x " + std::to_string(next->height) +
        (next->fullscreen ? " full screen" : " windowed"));
}

bool cRendererBase::StateEnables(int32_t id, int32_t value) {
    switch (id) {
        case RS_DepthTesting:
        case RS_Lighting:
        case RS_ZWrite: return value != 0;
        case RS_AlphaTest: return value == 0;
        case RS_Blending: return value == 1;
        default: return false;
    }
}

int32_t cRendererBase::RenderState(int32_t id) const {
    if (id < 1 || id > kLastRenderStateId) return kUnsetState;
    return states[id];
}

bool cRendererBase::SetTextureOperation(uint32_t stage, bool alpha, int32_t operation, int32_t argument) {
    if (stage >= kTextureStages || !IsTextureOp(operation) || !IsTextureArg(argument)) return false;
    TextureOperation& record = (alpha ? alpha_operations : colour_operations)[stage];
    record.op = operation;
    if (operation != TOP_SelectArg1) record.arg = argument;
    return true;
}

const TextureOperation& cRendererBase::GetTextureOperation(uint32_t stage, bool alpha) const {
    return (alpha ? alpha_operations : colour_operations)[stage < kTextureStages ? stage : 0];
}

const RenderLight& cRendererBase::Light(uint32_t slot) const { return lights[slot < kLightSlots ? slot : 0]; }

uint32_t cRendererBase::Texture(uint32_t stage) const { return stage < kTextureStages ? textures[stage] : 0; }

void cRendererBase::CompleteInitialise(const Presentation& initial) {
    presentation = initial;
    viewport = {0, 0, initial.width, initial.height, 0.0f, 1.0f};
    DeviceSetViewport();
    display_changes_allowed = cEngineSettings::Instance().config.renderer_flag;
    ApplyDefaultStates();
    Log("Initialised successfully");
    projection = view = world = texture_matrix = Matrix4x4::Identity();
    ++matrix_revision;
}

void cRendererBase::RecordTexture(uint32_t stage, uint32_t texture) {
    if (stage < kTextureStages) textures[stage] = texture;
}

void cRendererBase::RecordShader(bool pixel, uint32_t shader) { (pixel ? pixel_shader : vertex_shader) = shader; }

void cRendererBase::Log(const std::string& message) const { LogEngine("[" + class_name + "] " + message); }

bool cRendererBase::AcceptsRenderState(int32_t id, int32_t value) const {
    switch (id) {
        case RS_Shading:
        case RS_Culling:
        case RS_Fillmode: return value >= 0 && value <= 2;
        case RS_DepthTesting:
        case RS_Lighting:
        case RS_AlphaTest:
        case RS_Blending:
        case RS_ZWrite: return true;
        case RS_SourceBlend:
        case RS_DestBlend: return IsBlendFactor(value);
        case RS_BlendOp: return IsBlendOp(value);
        default: return false;
    }
}

bool cRendererBase::ResetTo(const Presentation& next) {
    if (!DeviceReset(next)) return false;
    presentation = next;
    states.fill(kUnsetState);
    bindings = {};
    UnbindTextures(kTextureStages - 1);
    if (vertex_shader != 0) UnbindShader(false);
    if (pixel_shader != 0) UnbindShader(true);
    viewport = {0, 0, next.width, next.height, 0.0f, 1.0f};
    DeviceSetViewport();
    return true;
}

bool cRendererBase::ResetLostDevice() {
    // One attempt per frame: a device that will not reset yet is tried again
    // next frame instead of holding the program in a loop.
    if (!cDeviceResetOrder::Instance().Reset([this] { return ResetTo(presentation); })) {
        if (!reset_failing) Log("Could not reset the device; it is tried again each frame");
        reset_failing = true;
        return false;
    }
    reset_failing = false;
    ApplyDefaultStates();
    return true;
}

bool cRendererBase::CheckLightSlot(uint32_t slot, const char* operation) const {
    if (slot < kLightSlots) return true;
    LogError("[" + class_name + "] " + operation + " of light slot " + std::to_string(slot) +
             " refused: the device has slots 0 to " + std::to_string(kLightSlots - 1));
    return false;
}

bool cRendererBase::CheckDraw(int32_t primitive_type, uint32_t first, uint32_t count, bool indexed) const {
    if (!IsPrimitiveType(primitive_type)) {
        Log("Draw of unknown primitive type " + std::to_string(primitive_type) + " skipped");
        return false;
    }
    if (count == 0) return false;
    if (bindings.vertex_buffer == nullptr || (indexed && bindings.index_buffer == nullptr)) {
        Log(std::string("Draw skipped: no ") + (bindings.vertex_buffer == nullptr ? "vertex" : "index") +
            " buffer is bound");
        return false;
    }
    const uint32_t available =
        indexed ? bindings.index_buffer->GetCount() : bindings.vertex_buffer->GetCount();
    if (first > available || count > available - first) {
        Log("Draw skipped: " + std::to_string(count) + (indexed ? " indices" : " vertices") + " from " +
            std::to_string(first) + " run past the " + std::to_string(available) + " in the bound buffer");
        return false;
    }
    return true;
}

}  // namespace Engine

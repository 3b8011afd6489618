#include "engine/ui/cUIElementBase.h"

#include "engine/core/Quaternion.h"
#include "engine/core/Vector3.h"

namespace Engine {

namespace {

constexpr float kRadiansPerDegree = 0.017453292f;

}  // namespace

void cUIElementBase::Init(const std::string& new_name, int32_t new_kind) {
    name = new_name;
    kind = new_kind;
    posX = posY = 0.0f;
    scaleX = scaleY = 1.0f;
    rotation = 0.0f;
    transform = Matrix4x4::Identity();
    RecomputeTransform();
}

void cUIElementBase::Release() {
    name.clear();
    kind = kReleased;
    posX = posY = 0.0f;
    scaleX = scaleY = 1.0f;
    rotation = 0.0f;
    width = height = 0.0f;
    parent = nullptr;
    transform = Matrix4x4::Identity();
}

void cUIElementBase::SetPosition(const UIVector2& position) {
    posX = position.x;
    posY = position.y;
    RecomputeTransform();
}

UIVector2 cUIElementBase::GetScreenPosition() const {
    return {posX * ViewportWidth(), posY * ViewportHeight()};
}

void cUIElementBase::SetScale(const UIVector2& scale) {
    scaleX = scale.x;
    scaleY = scale.y;
    RecomputeTransform();
}

void cUIElementBase::Refresh() { RecomputeTransform(); }

float cUIElementBase::ViewportWidth() const { return viewport ? viewport->right - viewport->left : 1.0f; }

float cUIElementBase::ViewportHeight() const { return viewport ? viewport->bottom - viewport->top : 1.0f; }

// Scale, then the rotation about z, then the move to the centre on screen.
UIRect cUIElementBase::WindowRect() const {
    const UIRect r = PixelRect();
    const float left = viewport ? viewport->left : 0.0f;
    const float top = viewport ? viewport->top : 0.0f;
    return UIRect{r.left + left, r.bottom + top, r.right + left, r.top + top};
}

void cUIElementBase::RecomputeTransform() {
    const UIVector2 screen = GetScreenPosition();
    const float left = viewport ? viewport->left : 0.0f;
    const float top = viewport ? viewport->top : 0.0f;
    const Matrix4x4 scale = Matrix4x4::Scaling(Vector3{scaleX, scaleY, 0.0f});
    const Vector3 z_axis{0.0f, 0.0f, 1.0f};
    const Matrix4x4 turn = Quaternion::FromAxisAngle(z_axis, rotation * kRadiansPerDegree).ToMatrix();
    const Matrix4x4 move = Matrix4x4::Translation(Vector3{left + screen.x, top + screen.y, 0.0f});
    transform = move * turn * scale;
}

}  // namespace Engine

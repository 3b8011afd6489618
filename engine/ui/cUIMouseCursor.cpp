#include "engine/ui/cUIMouseCursor.h"

#include "engine/core/Random.h"
#include "engine/core/Vector3.h"
#include "engine/resource/cSpriteAnimationSet.h"

namespace Engine {

namespace {

// A draw runs 0 to 32767, so the wait runs 1 to 3 seconds.
constexpr float kRandPerSecond = 16383.5f;
constexpr float kShortestWait = 1.0f;

}  // namespace

void cUIMouseCursor::Release() {
    sprite.Reset();
    ready = 0;
    screenPos = {};
    idleTimer = idleInterval = 0.0f;
    hotspot = {};
    cUIElementBase::Release();
}

void cUIMouseCursor::Update(float dt) {
    Place();
    cSpriteAnimationSet* animation = sprite.Animation();
    if (animation == nullptr || !animation->Finished()) return;
    if (idleTimer == 0.0f) {
        idleInterval = static_cast<float>(NextRandom(blink_random)) / kRandPerSecond + kShortestWait;
    }
    idleTimer += dt;
    if (idleTimer > idleInterval) {
        idleTimer = 0.0f;
        animation->Play(kAnimation);
    }
}

void cUIMouseCursor::SetPosition(const UIVector2& position) {
    posX = position.x;
    posY = position.y;
    MoveTo({position.x * ViewportWidth(), position.y * ViewportHeight()});
}

void cUIMouseCursor::SetScale(const UIVector2& scale) {
    scaleX = scale.x;
    scaleY = scale.y;
    Place();
}

void cUIMouseCursor::Refresh() { Place(); }

void cUIMouseCursor::InitCursor(const std::string& texture_set, float cursor_width, float cursor_height,
                                const UIVector2& cursor_hotspot) {
    sprite.Initialise(kSpriteName, cursor_width, cursor_height, texture_set, "", kLayer);
    Init(kName, kMouseCursor);
    sprite.transform = &transform;
    hotspot = cursor_hotspot;
    idleTimer = 0.0f;
    blink_random = RandomSeed();
    sprite.SetCellSize(kCellSize, kCellSize);
    sprite.StartAnimation(kAnimation, 0, kLastFrame, kFrameTime);
    if (cSpriteAnimationSet* animation = sprite.Animation()) {
        animation->SetLooping(false);
        animation->SetPaused(false);
        animation->Play(kAnimation);
    }
    ready = 1;
    Place();
}

void cUIMouseCursor::MoveTo(const UIVector2& gui_position) {
    screenPos = gui_position;
    Place();
}

// The quad is centred on its origin, so the centre goes half a size right of and below the pointer.
void cUIMouseCursor::Place() {
    const float left = viewport ? viewport->left : 0.0f;
    const float top = viewport ? viewport->top : 0.0f;
    const float half_width = sprite.Width() * scaleX / 2.0f;
    const float half_height = sprite.Height() * scaleY / 2.0f;
    const Vector3 centre{left + screenPos.x + half_width, top + screenPos.y - half_height, 0.0f};
    transform = Matrix4x4::Translation(centre) * Matrix4x4::Scaling(Vector3{scaleX, scaleY, 0.0f});
}

}  // namespace Engine

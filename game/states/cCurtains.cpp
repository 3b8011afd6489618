#include "game/states/cCurtains.h"

#include <cmath>

#include "engine/ui/cUIElementBase.h"

namespace Game {

namespace {
// A quarter turn in single precision, as the curtain law has always used it.
constexpr float kHalfPi = 1.5707964f;
}  // namespace

void cCurtains::Start(Engine::cUIElementBase* left, Engine::cUIElementBase* right, float new_duration) {
    leftCurtain = left;
    rightCurtain = right;
    duration = new_duration;
    state = kOpening;
    time = 0.0f;
    Place(kClosedLeftX, kClosedRightX);
}

bool cCurtains::Close() {
    if (state != kOpen) return false;
    state = kClosing;
    time = 0.0f;
    return true;
}

float cCurtains::Slide() const { return duration * std::sin(time * kHalfPi) * 0.5f; }

bool cCurtains::Update(float dt) {
    switch (state) {
        case kOpening:
            time += dt;
            Place(kClosedLeftX - Slide(), kClosedRightX + Slide());
            if (time > duration) {
                state = kOpen;
                time = 0.0f;
            }
            return false;
        case kClosing:
            time += dt;
            Place(Slide() - kClosedLeftX, 1.0f + kClosedLeftX - Slide());
            if (time > duration) Place(kClosedLeftX, kClosedRightX);
            if (time <= duration + kShutPause) return false;
            state = kOpen;
            time = 0.0f;
            return true;
        case kOpen:
            time = 0.0f;
            Place(kOffScreenX, kOffScreenX);
            return false;
    }
    return false;
}

void cCurtains::Place(float left_x, float right_x) {
    if (leftCurtain != nullptr) leftCurtain->SetPosition({left_x, kRow});
    if (rightCurtain != nullptr) rightCurtain->SetPosition({right_x, kRow});
}

}  // namespace Game

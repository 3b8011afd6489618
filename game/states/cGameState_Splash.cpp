#include "game/states/cGameState_Splash.h"

#include "engine/ui/cUIImage.h"

namespace Game {

namespace {

constexpr float kMiddle = 0.5f;

}  // namespace

// Off screen to the left until the come-in starts, in the middle while it
// rests, off screen to the right once it has gone out.
float cGameState_Splash::LogoX(float seconds) {
    if (seconds < kRestFrom) return ComingIn(seconds) - kMiddle;
    if (seconds < kRestUntil) return kMiddle;
    return 1.0f - GoingOut(seconds) + kMiddle;
}

void cGameState_Splash::PoseLogo(Engine::cUIImage& logo, float seconds) { logo.SetPosition({LogoX(seconds), kMiddle}); }

}  // namespace Game

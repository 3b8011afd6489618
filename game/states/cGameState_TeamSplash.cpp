#include "game/states/cGameState_TeamSplash.h"

#include <algorithm>
#include <cmath>

#include "engine/ui/cUIImage.h"

namespace Game {

// Nothing before the come-in, opaque while the logo rests, and never below
// nothing once it has faded out.
float cGameState_TeamSplash::LogoAlpha(float seconds) {
    if (seconds < kComeInFrom) return 0.0f;
    if (seconds < kRestFrom) return ComingIn(seconds);
    if (seconds <= kRestUntil) return 1.0f;
    return std::max(0.0f, GoingOut(seconds));
}

float cGameState_TeamSplash::LogoScale(float seconds) {
    return 1.0f + kGrowth * (1.0f - std::cos(seconds * 2.0f * kHalfPi / kGrowthSeconds));
}

void cGameState_TeamSplash::PoseLogo(Engine::cUIImage& logo, float seconds) {
    logo.Sprite().emissive.a = LogoAlpha(seconds);
    const float scale = LogoScale(seconds);
    logo.SetScale({scale, scale});
}

}  // namespace Game

#pragma once
// cGameState_TeamSplash: the team's splash screen (state 2). The team's logo
// stays in the middle: it fades in over one and a half seconds from half a
// second on, stays until five seconds and fades out again, growing slowly
// all the while by up to five per cent, and the main menu follows (see
// cSplashScreen for the keys that hurry it).

#include "game/data/ContentNames.h"
#include "game/data/SoundNames.h"
#include "game/states/cSplashScreen.h"

namespace Game {

class cGameState_TeamSplash : public cSplashScreen {
public:
    static constexpr sLook kLook{"TeamLogo", Content::kTeamLogoTextureSet.data(),
                                  Content::kTeamSplashSting.data(), StateMainMenu, false};
    // The logo grows by twice this share over seven seconds.
    static constexpr float kGrowth = 0.025f;
    static constexpr float kGrowthSeconds = 7.0f;

    cGameState_TeamSplash() : cSplashScreen(kLook) {}

    // The logo's alpha and its scale (both axes) for the seconds since Enter.
    static float LogoAlpha(float seconds);
    static float LogoScale(float seconds);

protected:
    void PoseLogo(Engine::cUIImage& logo, float seconds) override;
};

}  // namespace Game

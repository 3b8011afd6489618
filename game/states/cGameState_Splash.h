#pragma once
// cGameState_Splash: the first splash screen (state 1). The studio's logo
// slides in from the left for one and a half seconds from half a second on,
// rests in the middle, slides out to the right from five seconds on, and the
// team splash follows (see cSplashScreen for the keys that hurry it). The
// GUI cursor is hidden from here until a screen shows it.

#include "game/data/ContentNames.h"
#include "game/data/SoundNames.h"
#include "game/states/cSplashScreen.h"

namespace Game {

class cGameState_Splash : public cSplashScreen {
public:
    static constexpr sLook kLook{"TessaryLogo", Content::kStudioLogoTextureSet.data(),
                                  Content::kFirstSplashSting.data(), StateTeamSplash, true};

    cGameState_Splash() : cSplashScreen(kLook) {}

    // The logo's centre x for the seconds since Enter; it stays at mid height.
    static float LogoX(float seconds);

protected:
    void PoseLogo(Engine::cUIImage& logo, float seconds) override;
};

}  // namespace Game

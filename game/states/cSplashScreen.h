#pragma once
// cSplashScreen: what the two splash screens share. Each shows one logo over
// black with its entry sound, animates it for the time since Enter (the
// logo comes in until kRestFrom, rests until kRestUntil and leaves over
// kMoveSeconds), and hands over to the next screen after kLeaveAfter seconds.
//
// Escape goes on at once; Space, Enter or either mouse button go on only
// once the logo has been seen for kSkipFrom seconds, so that a key still
// held from before cannot skip the logo unseen.
//
// The screens differ in how the logo moves (PoseLogo), in their names and in
// whether they hide the GUI cursor.

#include <string>

#include "app/GameStateId.h"
#include "game/states/cBasicGameState.h"

namespace Engine {
class cUIImage;
}

namespace Game {

class cSplashScreen : public cBasicGameState {
public:
    static constexpr float kComeInFrom = 0.5f;
    static constexpr float kRestFrom = 2.0f;
    static constexpr float kRestUntil = 5.0f;
    static constexpr float kMoveSeconds = 1.5f;
    static constexpr float kSkipFrom = 4.25f;
    static constexpr float kLeaveAfter = 7.0f;
    static constexpr float kEntryVolume = 1.0f;
    static constexpr unsigned char kLogoLayer = 5;
    // A quarter turn in single precision, as the logo laws have always used it.
    static constexpr float kHalfPi = 1.5707964f;

    // What makes one splash screen.
    struct sLook {
        const char* logo;
        const char* texture;
        const char* sound;
        GameStateId next;
        bool hidesCursor;
    };

    explicit cSplashScreen(const sLook& shown) : look(shown) {}

    void Enter() override;
    void Update(float dt) override;
    void Exit() override;

    // What tests look at.
    float Time() const { return time; }
    const Engine::cUIImage* Logo() const { return logo; }

protected:
    // Poses the logo for the seconds since Enter.
    virtual void PoseLogo(Engine::cUIImage& logo, float seconds) = 0;
    // The sine of the quarter turn made since kComeInFrom over kMoveSeconds: 0 at kComeInFrom, 1 at kRestFrom.
    static float ComingIn(float seconds);
    // The cosine of the quarter turn made since kRestUntil: 1 at kRestUntil, 0 kMoveSeconds later.
    static float GoingOut(float seconds);

private:
    bool WantsToLeave() const;
    void Request();

    sLook look;
    float time = 0.0f;
    Engine::cUIImage* logo = nullptr;
    bool entryPending = false;
    bool requested = false;
};

}  // namespace Game

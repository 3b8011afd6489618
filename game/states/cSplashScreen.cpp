#include "game/states/cSplashScreen.h"

#include <cmath>

#include "app/cGameStateManager.h"
#include "engine/audio/SoundManagerAccess.h"
#include "engine/audio/iSoundManager.h"
#include "engine/core/cLog.h"
#include "engine/platform/VirtualKeys.h"
#include "engine/platform/cKeyboardState.h"
#include "engine/platform/cMouseState.h"
#include "engine/resource/cAnimationRegistry.h"
#include "engine/resource/cSpriteAnimationSet.h"
#include "engine/ui/cGUIManager.h"
#include "game/states/ScreenPictures.h"

namespace Game {

namespace {

constexpr Engine::UIVector2 kCentre{0.5f, 0.5f};
constexpr int kLeftButton = 0;
constexpr int kRightButton = 1;

}  // namespace

void cSplashScreen::Enter() {
    logo = CreateScreenPicture(std::string("splash ") + look.logo, look.texture, look.logo, kCentre, {1.0f, 1.0f},
                               kLogoLayer);
    if (Engine::iSoundManager* sound = Engine::GetSoundManager()) sound->SetVolume(kEntryVolume);
    time = 0.0f;
    entryPending = true;
    requested = false;
    if (look.hidesCursor) Engine::cGUIManager::Instance().HideCursor();
}

void cSplashScreen::Update(float dt) {
    time += dt;
    if (entryPending) {
        entryPending = false;
        if (Engine::iSoundManager* sound = Engine::GetSoundManager()) sound->Play(look.sound, false, kEntryVolume);
    }
    if (logo != nullptr) PoseLogo(*logo, time);
    if (WantsToLeave()) Request();
    for (Engine::cSpriteAnimationSet* sprite : Engine::cAnimationRegistry::Instance().AnimatedSprites()) {
        sprite->Update(dt);
    }
}

bool cSplashScreen::WantsToLeave() const {
    const Engine::cKeyboardState& keys = Engine::cKeyboardState::Instance();
    const Engine::cMouseState& mouse = Engine::cMouseState::Instance();
    const bool escape = keys.WasPressed(Engine::kVK_ESCAPE);
    const bool other_input = keys.WasPressed(Engine::kVK_SPACE) || keys.WasPressed(Engine::kVK_RETURN) ||
                             mouse.IsButtonDown(kLeftButton) || mouse.IsButtonDown(kRightButton);
    return escape || (other_input && time > kSkipFrom) || time > kLeaveAfter;
}

void cSplashScreen::Request() {
    if (requested) return;
    requested = true;
    cGameStateManager::Instance().next_id = look.next;
    Engine::LogEngine(std::string("Splash ") + look.logo + ": asks for state " + std::to_string(look.next));
}

void cSplashScreen::Exit() {
    if (Engine::iSoundManager* sound = Engine::GetSoundManager()) sound->StopAll();
    Engine::cGUIManager::Instance().Clear();
    logo = nullptr;
}

float cSplashScreen::ComingIn(float seconds) { return std::sin((seconds - kComeInFrom) / kMoveSeconds * kHalfPi); }

float cSplashScreen::GoingOut(float seconds) { return std::cos((seconds - kRestUntil) / kMoveSeconds * kHalfPi); }

}  // namespace Game

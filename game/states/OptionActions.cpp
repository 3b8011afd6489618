#include "game/states/OptionActions.h"

#include "engine/audio/SoundManagerAccess.h"
#include "engine/audio/iSoundManager.h"
#include "engine/platform/cWindow.h"
#include "engine/ui/cGUIManager.h"

namespace Game {

void ShowMuteState(const std::string& button) {
    const Engine::iSoundManager* sound = Engine::GetSoundManager();
    const bool muted = sound != nullptr && sound->IsMuted();
    Engine::cGUIManager::Instance().SetElementTexture(button, muted ? kMutedLook : kSoundOnLook);
}

void ToggleMute(const std::string& button) {
    Engine::iSoundManager* sound = Engine::GetSoundManager();
    if (sound == nullptr) return;
    sound->SetMute(!sound->IsMuted());
    ShowMuteState(button);
}

void ToggleFullscreen() {
    Engine::cWindow& window = Engine::cWindow::Instance();
    window.SetFullscreen(!window.IsFullscreen());
}

void ChooseResolution(std::int32_t width, std::int32_t height) {
    Engine::cWindow& window = Engine::cWindow::Instance();
    if (window.IsFullscreen()) window.SetFullscreen(false);
    window.ApplyWindowMode(width, height);
}

}  // namespace Game

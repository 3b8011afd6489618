#include "game/states/cVolumeSlider.h"

#include "engine/audio/SoundManagerAccess.h"
#include "engine/audio/iSoundManager.h"
#include "engine/platform/cMouseState.h"
#include "engine/ui/cGUIManager.h"

namespace Game {

namespace {

Engine::cUIButton* FindButton(const std::string& name) {
    Engine::cUIElementBase* element = Engine::cGUIManager::Instance().FindElement(name);
    return element != nullptr && element->kind == Engine::cUIElementBase::kButton
               ? static_cast<Engine::cUIButton*>(element)
               : nullptr;
}

}  // namespace

void cVolumeSlider::Build(const std::string& left_end, const std::string& right_end, const std::string& knob_name) {
    left_marker = FindButton(left_end);
    right_marker = FindButton(right_end);
    knob = FindButton(knob_name);
    knob_held = false;
    Engine::cGUIManager::Instance().SetButtonHoverCallback(knob_name, [this](auto*) { knob_held = true; });
}

void cVolumeSlider::Forget() {
    left_marker = right_marker = knob = nullptr;
    knob_held = false;
}

void cVolumeSlider::Update(float share) {
    if (left_marker == nullptr || right_marker == nullptr || knob == nullptr) return;
    const float left = left_marker->posX;
    const float right = right_marker->posX;
    const bool button_down = Engine::cMouseState::Instance().IsButtonDown(0);
    if (!button_down) knob_held = false;
    if (button_down && knob_held) {
        Drag(left, right, share);
    } else {
        left_marker->SetPosition({left, kParkedMarkerY});
        right_marker->SetPosition({right, kParkedMarkerY});
        PlaceKnob(left, right, share);
    }
    left_marker->SetVisible(false);
    right_marker->SetVisible(false);
}

// The pointer is measured over the viewport, so a letterboxed picture keeps
// the knob under it.
void cVolumeSlider::Drag(float left, float right, float share) {
    const Engine::cGUIManager& gui = Engine::cGUIManager::Instance();
    const float width = gui.Viewport().right - gui.Viewport().left;
    if (width <= 0.0f) return;
    const Engine::cMouseState& mouse = Engine::cMouseState::Instance();
    const Engine::UISliderTrack track{left, right};
    const float x = track.Clamp(gui.ToGUIPixels(mouse.X(), mouse.Y()).x / width);
    knob->SetPosition({x, knob->posY});
    if (Engine::iSoundManager* sound = Engine::GetSoundManager()) sound->SetVolume(track.ValueAt(x) * share);
}

void cVolumeSlider::PlaceKnob(float left, float right, float share) {
    const Engine::iSoundManager* sound = Engine::GetSoundManager();
    const float volume = sound != nullptr ? sound->GetVolume() : 1.0f;
    const float players_volume = share > 0.0f ? volume / share : volume;
    knob->SetPosition({Engine::UISliderTrack{left, right}.KnobAt(players_volume), knob->posY});
}

}  // namespace Game

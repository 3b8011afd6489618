#include "game/states/cPlayMenu.h"

#include "engine/audio/SoundManagerAccess.h"
#include "engine/audio/iSoundManager.h"
#include "engine/core/cLog.h"
#include "engine/platform/cWindow.h"
#include "engine/ui/cGUIManager.h"
#include "game/data/cLevelManager.h"
#include "game/states/GUILooks.h"
#include "game/states/OptionActions.h"

namespace Game {

using Engine::cGUIManager;
using Engine::cUIButton;
using Engine::cUIElementBase;

namespace {

constexpr const char* kSubPanels[] = {cPlayMenu::kRestartConfirmPanel, cPlayMenu::kQuitConfirmPanel,
                                      cPlayMenu::kHowToPlayPanel, cPlayMenu::kCreditsPanel,
                                      cPlayMenu::kOptionsPanel};
constexpr const char* kBackButtons[] = {"OptionsPanel_button_3", "CreditsPanel_button_0", "HowToPlayPanel_button_1",
                                        "QuitConfirmPanel_button_2", "RestartConfirmPanel_button_1"};
constexpr const char* kConfirmButtons[] = {"QuitConfirmPanel_button_1", "QuitConfirmPanel_button_2",
                                           "RestartConfirmPanel_button_0", "RestartConfirmPanel_button_1"};
constexpr const char* kMuteButton = "OptionsPanel_button_1";
constexpr const char* kFullscreenButton = "OptionsPanel_button_2";
constexpr const char* kSliderLeft = "OptionsPanel_button_7";
constexpr const char* kSliderRight = "OptionsPanel_button_8";
constexpr const char* kKnob = "OptionsPanel_button_9";

std::string PauseButtonName(std::size_t index) { return "PausePanel_button_" + std::to_string(index); }

cUIButton* AsButton(cUIElementBase* element) {
    return element != nullptr && element->kind == cUIElementBase::kButton ? static_cast<cUIButton*>(element) : nullptr;
}

}  // namespace

// ---- Building and forgetting ------------------------------------------------

void cPlayMenu::Build() {
    cGUIManager& gui = cGUIManager::Instance();
    cUIElementBase* panel = Lookup(kPausePanel);
    pause_panel = panel != nullptr && panel->kind == cUIElementBase::kPanel ? static_cast<Engine::cUIPanel*>(panel)
                                                                            : nullptr;
    for (std::size_t i = 0; i < pause_buttons.size(); ++i) pause_buttons[i] = AsButton(Lookup(PauseButtonName(i)));
    const auto& elements = gui.Elements();
    const auto text = elements.find(std::string(kPausePanel) + kCompanionSuffix);
    pause_text = text != elements.end() ? text->second : nullptr;
    slider.Build(kSliderLeft, kSliderRight, kKnob);
    mute_button = AsButton(Lookup(kMuteButton));

    Connect(PauseButtonName(0), &cPlayMenu::Resume);
    gui.SetButtonCallback(PauseButtonName(1), [this](auto*) { OpenPanel(kRestartConfirmPanel); });
    gui.SetButtonCallback(PauseButtonName(2), [this](auto*) { OpenPanel(kOptionsPanel); });
    gui.SetButtonCallback(PauseButtonName(3), [this](auto*) { OpenPanel(kCreditsPanel); });
    gui.SetButtonCallback(PauseButtonName(4), [this](auto*) { OpenPanel(kHowToPlayPanel); });
    gui.SetButtonCallback(PauseButtonName(5), [this](auto*) { OpenPanel(kQuitConfirmPanel); });
    for (const char* back : kBackButtons) Connect(back, &cPlayMenu::Back);
    Connect(kMuteButton, &cPlayMenu::ToggleMute);
    gui.SetButtonCallback(kFullscreenButton, [](auto*) { ToggleFullscreen(); });
    for (const Resolution& r : kResolutions) {
        gui.SetButtonCallback(r.button, [r](auto*) { ChooseResolution(r.width, r.height); });
    }
    Connect("QuitConfirmPanel_button_1", &cPlayMenu::ConfirmQuit);
    Connect("RestartConfirmPanel_button_0", &cPlayMenu::ConfirmRestart);

    HideSubPanels();
    MakeBlackScreen();
    if (mute_button != nullptr) ShowMuteState(kMuteButton);
}

void cPlayMenu::Forget() {
    RestoreMusic();
    pause_panel = nullptr;
    pause_buttons.fill(nullptr);
    pause_text = nullptr;
    black_screen = nullptr;
    slider.Forget();
    mute_button = nullptr;
    active = false;
}

// The element of the loaded layout, or null with a log line (the GUI's own).
cUIElementBase* cPlayMenu::Lookup(const std::string& name) const {
    return cGUIManager::Instance().FindElement(name);
}

void cPlayMenu::Connect(const std::string& button, void (cPlayMenu::*action_taken)()) {
    cGUIManager::Instance().SetButtonCallback(button, [this, action_taken](auto*) { (this->*action_taken)(); });
}

// The black screen covers the whole picture above the level and below the menu.
void cPlayMenu::MakeBlackScreen() {
    cGUIManager& gui = cGUIManager::Instance();
    black_screen = gui.CreateImage(kCentre, kBlackScreenTexture, kBlackScreen, 1.0f, 1.0f, kBlackScreenLayer);
    SetBlackScreenAlpha(0.0f);
}

// ---- Showing and fading -------------------------------------------------------

void cPlayMenu::ShowElement(const std::string& name, bool shown) {
    const auto& elements = cGUIManager::Instance().Elements();
    const auto found = elements.find(name);
    if (found != elements.end()) found->second->SetVisible(shown);
}

void cPlayMenu::ShowPanel(const std::string& panel, bool shown) {
    const auto& elements = cGUIManager::Instance().Elements();
    if (elements.find(panel) == elements.end()) {
        Engine::LogError("the pause menu has no panel \"" + panel + "\"; it is not " + (shown ? "shown" : "hidden"));
        return;
    }
    ShowElement(panel, shown);
    ShowElement(panel + kCompanionSuffix, shown);
}

void cPlayMenu::HideSubPanels() {
    for (const char* panel : kSubPanels) ShowPanel(panel, false);
}

void cPlayMenu::SetPausePageAlpha(float alpha) {
    SetElementAlpha(pause_panel, alpha);
    for (cUIButton* button : pause_buttons) SetElementAlpha(button, alpha);
    SetElementAlpha(pause_text, alpha);
}

void cPlayMenu::PlacePausePage(bool shown) {
    if (pause_panel == nullptr) return;
    pause_panel->SetPosition(shown ? kCentre : kOffScreen);
    pause_panel->SetVisible(shown);
    if (pause_text != nullptr) pause_text->SetVisible(shown);
}

bool cPlayMenu::PausePageVisible() const { return pause_panel != nullptr && pause_panel->IsVisible(); }

void cPlayMenu::SetBlackScreenAlpha(float alpha) { SetElementAlpha(black_screen, alpha); }

void cPlayMenu::SetConfirmAlpha(float alpha) {
    const auto& elements = cGUIManager::Instance().Elements();
    for (const char* name : {kQuitConfirmPanel, kRestartConfirmPanel}) {
        for (const std::string& part : {std::string(name), std::string(name) + kCompanionSuffix}) {
            const auto found = elements.find(part);
            if (found != elements.end()) SetElementAlpha(found->second, alpha);
        }
    }
    for (const char* button : kConfirmButtons) {
        const auto found = elements.find(button);
        if (found != elements.end()) SetElementAlpha(found->second, alpha);
    }
}

void cPlayMenu::HideConfirmPanels() {
    ShowPanel(kQuitConfirmPanel, false);
    ShowPanel(kRestartConfirmPanel, false);
}

// ---- Music ----------------------------------------------------------------------

void cPlayMenu::LowerMusic() {
    Engine::iSoundManager* sound = Engine::GetSoundManager();
    if (sound == nullptr || music_lowered) return;
    sound->SetVolume(sound->GetVolume() * kPausedMusicShare);
    music_lowered = true;
}

// Fourfold what the menu left, so that a volume set on the slider while the
// menu was up carries over to play.
void cPlayMenu::RestoreMusic() {
    Engine::iSoundManager* sound = Engine::GetSoundManager();
    if (sound == nullptr || !music_lowered) return;
    const float raised = sound->GetVolume() / kPausedMusicShare;
    sound->SetVolume(raised < 1.0f ? raised : 1.0f);
    music_lowered = false;
}

// ---- The volume slider --------------------------------------------------------

// While the menu is up the music plays at its lowered share.
void cPlayMenu::UpdateSlider() { slider.Update(music_lowered ? kPausedMusicShare : 1.0f); }

// ---- Button actions -----------------------------------------------------------

void cPlayMenu::Resume() {
    HideSubPanels();
    ShowPanel(kPausePanel, true);
    active = false;
    Engine::cWindow::Instance().ShowSystemCursor(false);
}

void cPlayMenu::Back() {
    HideSubPanels();
    ShowPanel(kPausePanel, true);
}

void cPlayMenu::OpenPanel(const char* panel) {
    ShowPanel(panel, true);
    ShowPanel(kPausePanel, false);
}

void cPlayMenu::ToggleMute() {
    if (mute_button != nullptr) Game::ToggleMute(kMuteButton);
}

// The level starts again from its beginning: the checkpoint record goes.
void cPlayMenu::ConfirmRestart() {
    action = kActionRestart;
    active = false;
    cLevelManager::Instance().checkpoint.Clear();
}

}  // namespace Game

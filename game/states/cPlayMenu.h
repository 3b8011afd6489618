#pragma once
// cPlayMenu: the pause menu of play and everything behind it, built on the
// elements of "GameGUI.xml". The pause page holds six buttons (resume,
// restart, options, credits, how to play, quit); each of the last five swaps
// the page for its own panel, whose back button brings the page again. The
// options panel toggles the sound and full screen, picks one of three
// windowed resolutions and carries the music volume slider; quitting and
// restarting ask for confirmation first.
//
// The menu also owns the black screen that the win and the confirmed quit or
// restart fade in, and it lowers the music to a quarter while the menu is up.
// The volume taken away is always given back, however the pause ends.
//
// Elements are looked up once when the menu is built; a name the layout
// lacks is logged then and every later operation on it is skipped.

#include <array>
#include <cstdint>
#include <string>

#include "engine/ui/UIGeometry.h"
#include "game/states/cVolumeSlider.h"

namespace Engine {
class cUIButton;
class cUIElementBase;
class cUIImage;
class cUIPanel;
}  // namespace Engine

namespace Game {

class cPlayMenu {
public:
    static constexpr const char* kPausePanel = "PausePanel";
    static constexpr const char* kOptionsPanel = "OptionsPanel";
    static constexpr const char* kCreditsPanel = "CreditsPanel";
    static constexpr const char* kHowToPlayPanel = "HowToPlayPanel";
    static constexpr const char* kQuitConfirmPanel = "QuitConfirmPanel";
    static constexpr const char* kRestartConfirmPanel = "RestartConfirmPanel";
    static constexpr const char* kBlackScreen = "WinBlackScreen";
    // The opaque black picture the black screen fades through its alpha.
    static constexpr const char* kBlackScreenTexture = "BlackOverlayTS";
    static constexpr std::uint8_t kBlackScreenLayer = 5;
    // Top-level texts named after a panel with this suffix show and hide with it.
    static constexpr const char* kCompanionSuffix = "Text";
    static constexpr Engine::UIVector2 kCentre{0.5f, 0.5f};
    static constexpr Engine::UIVector2 kOffScreen{-0.5f, -0.5f};
    // The music plays at this share of its volume while the menu is up.
    static constexpr float kPausedMusicShare = 0.25f;
    static constexpr std::int32_t kActionNone = 0;
    static constexpr std::int32_t kActionQuit = 1;
    static constexpr std::int32_t kActionRestart = 2;

    struct Resolution {
        const char* button;
        std::int32_t width;
        std::int32_t height;
    };
    static constexpr std::array<Resolution, 3> kResolutions{{{"OptionsPanel_button_6", 1440, 1080},
                                                             {"OptionsPanel_button_4", 1280, 960},
                                                             {"OptionsPanel_button_5", 1024, 768}}};

    // Looks up the elements of the loaded layout, installs the button
    // callbacks, makes the black screen, and parks the pause page off screen.
    void Build();
    // Forgets every element (the GUI is about to be cleared) and gives back
    // any music volume the menu still holds down.
    void Forget();

    // The pause page fades in or out: alpha of its panel, its buttons and its text.
    void SetPausePageAlpha(float alpha);
    // Shows the pause page in the middle of the screen, or parks it off screen and hides it.
    void PlacePausePage(bool shown);
    bool PausePageVisible() const;
    void SetBlackScreenAlpha(float alpha);
    // The confirmation panels and their buttons as a confirmed quit or restart fades them.
    void SetConfirmAlpha(float alpha);
    void HideConfirmPanels();

    void LowerMusic();
    void RestoreMusic();
    bool MusicLowered() const { return music_lowered; }

    // The volume knob: dragged while held and the left button is down,
    // otherwise placed for the current volume. The end markers stay hidden.
    void UpdateSlider();

    // The button actions, public so that a test can call what a click calls.
    void Resume();
    void Back();
    void OpenPanel(const char* panel);
    void ToggleMute();
    void ConfirmQuit() { action = kActionQuit; }
    void ConfirmRestart();

    // The menu is up and takes input.
    bool active = false;
    // What the menu confirmed: kActionNone, kActionQuit or kActionRestart.
    std::int32_t action = kActionNone;
    // The music volume slider of the options panel.
    cVolumeSlider slider;

private:
    Engine::cUIElementBase* Lookup(const std::string& name) const;
    void Connect(const std::string& button, void (cPlayMenu::*action_taken)());
    void ShowElement(const std::string& name, bool shown);
    void ShowPanel(const std::string& panel, bool shown);
    void HideSubPanels();
    void MakeBlackScreen();

    Engine::cUIPanel* pause_panel = nullptr;
    std::array<Engine::cUIButton*, 6> pause_buttons{};
    Engine::cUIElementBase* pause_text = nullptr;
    Engine::cUIImage* black_screen = nullptr;
    Engine::cUIButton* mute_button = nullptr;
    bool music_lowered = false;
};

}  // namespace Game

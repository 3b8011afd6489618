#pragma once
// OptionActions: what the options panels of the pause menu and the main menu
// do when their buttons are clicked: the sound on or off (the button shows
// which), full screen on or off, and one of the windowed resolutions.

#include <cstdint>
#include <string>

namespace Game {

inline constexpr const char* kSoundOnLook = "MuteButtonTS";
inline constexpr const char* kMutedLook = "UnmuteButtonTS";

// Gives the named button the look of the current mute state.
void ShowMuteState(const std::string& button);
// Mutes or unmutes the sound and updates the named button's look.
void ToggleMute(const std::string& button);
// The renderer sees the window's new wish at the start of its next frame.
void ToggleFullscreen();
// Leaves full screen if need be and resizes the window.
void ChooseResolution(std::int32_t width, std::int32_t height);

}  // namespace Game

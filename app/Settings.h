#pragma once
// The two settings files read at start-up.
//
// settings.xml holds what a player may change: the window size, fullscreen,
// how a fullscreen picture is fitted, and the shadow-shader switch.
// devsettings.xml holds what a developer changes while working: the initial
// state, sound, the system cursor and developer mode. Neither file is ever
// written by the program.

#include <string>

#include "app/GameStateId.h"
#include "engine/platform/WindowDesc.h"

namespace Game {

inline const std::string kSettingsPath = "./GameData/XML_Game/settings.xml";
inline const std::string kDevSettingsPath = "./GameData/XML_Game/devsettings.xml";

// The window used when the settings give no usable size.
inline constexpr unsigned kFallbackWidth = 1024;
inline constexpr unsigned kFallbackHeight = 768;
// Larger sizes are taken as a broken file, not a display.
inline constexpr unsigned kMaxWindowSide = 16384;

// Reads width, height and fullscreen, and stores the EnableTessary and
// EnforceRes switches when the file was read. True when the file was read and
// both sizes are non-zero; an unreadable file touches no output.
bool ReadSettings(unsigned& width, unsigned& height, bool& fullscreen, const std::string& path = kSettingsPath);

// The window start-up opens: the settings' size and mode when they were read
// and the size is sane (1 to 16384 each way), else 1024 x 768 windowed.
Engine::WindowDesc ResolveWindowDesc(bool settings_read, unsigned width, unsigned height, bool fullscreen);

// Reads the initial state and applies the cursor and developer-mode choices.
// True with state_id set when the file names a known state; false otherwise
// (start-up then begins with the first splash screen).
bool ReadDevSettings(GameStateId& state_id, const std::string& path = kDevSettingsPath);

// The state a developer-settings name gives ("MainMenu" is 3, ...), or StateNone.
GameStateId StateIdFromName(const std::string& name);

}  // namespace Game

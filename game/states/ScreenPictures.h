#pragma once
// ScreenPictures: the pictures a screen makes for itself, outside any layout
// file. A picture whose texture set the catalogue lacks would draw an
// untextured quad over the screen, so it is not made at all: the log says
// which one was left out and the screen goes on without it.

#include <cstdint>
#include <string>

#include "engine/ui/UIGeometry.h"

namespace Engine {
class cUIImage;
}

namespace Game {

// A GUI image of the texture set, or null (with one log line naming who
// wanted it) when the set does not exist. Without a texture manager nothing
// draws at all, so every picture is made.
Engine::cUIImage* CreateScreenPicture(const std::string& who, const std::string& texture_set,
                                      const std::string& name, const Engine::UIVector2& centre,
                                      const Engine::UIVector2& size, std::uint8_t layer);

}  // namespace Game

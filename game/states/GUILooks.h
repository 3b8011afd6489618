#pragma once
// GUILooks: how the screens dress the elements of their layouts. An element
// fades through the alpha of whatever it draws: the picture of an image,
// panel or interactive image, the text of a text box, or both for a button;
// a null element or one of another kind is left alone. The texts of the
// game's screens are moon-white over the night-blue panels (a new text is
// yellow); the gold stays with what reacts to the pointer.

namespace Engine {
class cUIElementBase;
}

namespace Game {

void SetElementAlpha(Engine::cUIElementBase* element, float alpha);
// Every text box and button of the GUI writes in moon-white.
void WriteTextsInMoonlight();

}  // namespace Game

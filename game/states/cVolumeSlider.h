#pragma once
// cVolumeSlider: the music volume slider of an options panel, three buttons
// of the layout: two end markers that mark the track and stay hidden, and
// the knob. The knob is grabbed when the pointer passes over it (the
// layout's hover callback) and follows the pointer along the track while the
// left button stays down, setting the volume; otherwise it stands where the
// current volume puts it.
//
// The sound may play at a share of the player's volume (the pause menu
// lowers it): the knob always shows and sets the player's volume, the sound
// gets that share of it. Ends that coincide give a knob that cannot move
// and a volume of 0 while dragged, never a division by zero.

#include <string>

namespace Engine {
class cUIButton;
}

namespace Game {

class cVolumeSlider {
public:
    // Where the end markers wait while nobody drags the knob: below the picture.
    static constexpr float kParkedMarkerY = 10.0f;

    // Finds the three buttons of the loaded layout (a missing one is logged
    // and leaves the slider inert) and installs the knob's hover callback.
    void Build(const std::string& left_end, const std::string& right_end, const std::string& knob_name);
    void Forget();
    // One frame of the slider; share is the part of the player's volume that sounds now.
    void Update(float share);

    // The knob is grabbed.
    bool knob_held = false;

private:
    void Drag(float left, float right, float share);
    void PlaceKnob(float left, float right, float share);

    Engine::cUIButton* left_marker = nullptr;
    Engine::cUIButton* right_marker = nullptr;
    Engine::cUIButton* knob = nullptr;
};

}  // namespace Game

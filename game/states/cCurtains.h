#pragma once
// cCurtains: the pair of stage curtains that the main menu and the results
// screen draw over themselves.
//
// The curtains open when a screen starts and close before it hands over to
// play. Each is half the screen wide; closed, the left one is centred at
// x 0.25 and the right one at 0.75. Opening, they slide apart by
// s = duration * sin(t * pi / 2) * 0.5 each; closing, they slide back in
// from off screen by the same law. Once they have been shut for a tenth of a
// second the close counts as finished, which the owner polls from Update.
// While open they wait off screen at x -0.5, and only then may the screen's
// buttons act (IsOpen).
//
// Either image may be missing (a layout without it): the motion and the
// state go on without it.

#include <cstdint>

namespace Engine {
class cUIElementBase;
}

namespace Game {

class cCurtains {
public:
    // The three states of the pair; the numbers are the ones the screens have always stored.
    enum eState : int32_t { kOpen = -1, kOpening = 0, kClosing = 1 };
    static constexpr float kClosedLeftX = 0.25f;
    static constexpr float kClosedRightX = 0.75f;
    static constexpr float kOffScreenX = -0.5f;
    static constexpr float kRow = 0.5f;
    // How long the closed curtains rest before the close counts as finished.
    static constexpr float kShutPause = 0.1f;

    // Takes the two images (either may be null) and starts opening them.
    void Start(Engine::cUIElementBase* left, Engine::cUIElementBase* right, float duration = 1.0f);
    // Starts closing; false (and nothing changes) unless the curtains are open.
    bool Close();
    // Moves the curtains by dt seconds; true on the one update at which a
    // close finishes (the curtains are then open again, as the screens expect).
    bool Update(float dt);

    bool IsOpen() const { return state == kOpen; }
    eState State() const { return state; }
    float Time() const { return time; }
    // How far each curtain has slid, at the current time.
    float Slide() const;

private:
    void Place(float left_x, float right_x);

    Engine::cUIElementBase* leftCurtain = nullptr;
    Engine::cUIElementBase* rightCurtain = nullptr;
    eState state = kOpen;
    float duration = 1.0f;
    float time = 0.0f;
};

}  // namespace Game

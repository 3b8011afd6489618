#pragma once
// cLevelPreview: a level file shown whole from above, the picture the level
// selection shows for it. A tool run of the game (--level-preview) puts it
// in place of every state and saves one frame of it: so a new level gets
// its preview from one command, drawn by the game itself.
//
// The level stands as a backdrop (no physics, no rules) and the camera looks
// down on it as play looks at the kid, from the south through the game's
// narrow lens, but from as far away as it takes to hold every object of the
// level in the picture. The floor's tiles reach beyond the level's objects
// and do not count.

#include <string>

#include "engine/core/Vector3.h"
#include "game/states/cBackdropScene.h"
#include "game/states/cBasicGameState.h"

namespace Game {

class cLevelPreview : public cBasicGameState {
public:
    static constexpr float kFieldOfView = 10.0f;
    static constexpr float kAzimuth = -90.0f;
    static constexpr float kLatitude = 55.0f;
    // A margin round the level's objects, as a share of the distance that just holds them.
    static constexpr float kMargin = 1.08f;

    explicit cLevelPreview(std::string level_name) : level(std::move(level_name)) {}

    void Enter() override;
    void Update(float dt) override;
    void Exit() override;

    // The level's objects: the middle and the size of the ground they cover.
    struct sGround {
        Engine::Vector3 centre;
        float width = 0.0f;
        float depth = 0.0f;
    };
    static sGround MeasureLevel();
    // How far the eye stands from the middle of the ground to hold all of it,
    // for a picture of the given aspect (width over height).
    static float FittingDistance(const sGround& ground, float aspect);

    const cBackdropScene& Backdrop() const { return backdrop; }

private:
    void FrameTheLevel();

    std::string level;
    cBackdropScene backdrop;
};

}  // namespace Game

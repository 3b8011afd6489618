#pragma once
// iCinematicCamera: a camera that can leave its usual work for a while to
// play a cinematic shot: swing round to the shot's azimuth and latitude at
// its distance from the target and hold there. The win point and the camera
// triggers hand their shot to the level's gameplay camera through it; the
// level loader gives them the camera as an entity, and a camera class that
// plays shots implements this interface.

#include "game/entities/LevelObjectValues.h"

namespace Game {

class iCinematicCamera {
public:
    virtual ~iCinematicCamera() = default;

    // Starts playing shot now, replacing any shot still playing.
    virtual void StartShot(const CinematicTarget& shot) = 0;
};

}  // namespace Game

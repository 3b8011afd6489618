#pragma once
// cBackdropScene: a small level that a screen shows behind its GUI, such as
// the kid in her garden under the main menu or after a won level.
//
// The level is read through the level manager like any level, lit as play
// lights it (the kid's lantern casts the shadows, the level's moon reaches
// the shaders, the night sky closes the picture) and seen through a frozen
// developer camera: the screen places the eye and the target, and the camera
// keeps them. The backdrop lives without physics: its entities animate where
// they stand. Clear gives every entity back to the factory and the moon to
// the light pool, and takes the camera, shadows and sky away again, so the
// pools end a screen as full as they began.
//
// A level that cannot be read leaves a backdrop without kid or camera: the
// screen then shows its GUI over the cleared picture, and every operation
// here stays safe.

#include <string>

namespace Engine {
class cLightGfxCmp;
class cSceneRenderer;
}  // namespace Engine

namespace Game {

class cDevCamera;
class cKid;
class cStroke;

class cBackdropScene {
public:
    static constexpr float kFieldOfView = 90.0f;
    static constexpr float kFarPlane = 1000.0f;

    // Reads the named level from the level folder, lights it and makes a
    // frozen developer camera the active one. False (logged) when the level
    // cannot be read or has no kid.
    bool Show(const std::string& level);
    // One frame: the factory's deliveries, every entity, the animations and the
    // particle systems; no physics. The camera keeps fitting the picture.
    void Update(float dt);
    // Everything Show made goes back where it came from.
    void Clear();

    cKid* Kid() const { return kid; }
    cStroke* Stroke() const { return stroke; }
    // The camera, or null when the level did not stand.
    cDevCamera* Camera() const { return camera; }

private:
    void CreateCamera();
    void FitCameraToPicture();
    void Light();

    Engine::cSceneRenderer* scene = nullptr;
    cDevCamera* camera = nullptr;
    cKid* kid = nullptr;
    cStroke* stroke = nullptr;
    Engine::cLightGfxCmp* moon = nullptr;
};

}  // namespace Game

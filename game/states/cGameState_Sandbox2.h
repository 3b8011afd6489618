#pragma once
// cGameState_Sandbox2: the render test scene (state 8), a developer state
// without game rules that shows everything the scene renderer draws.
//
// A moonlit garden read from a level file (a floor of tiles, a ring of the
// shipped decorations, glows on the ground), the kid walking a circle with three ghosts
// drifting after her, the kid's lantern (a spotlight that casts shadows)
// following her, the moon as a directional light and the night sky box,
// all seen through a narrow lens from far above.
// Effects run on it: sparks of the aura rise in the middle of the garden,
// pixie dust trails a point that loops round the kid as the stroke would,
// and a light rain falls round her. The camera follows the kid as play's does.
//
// Models come from the entities' model pool and go back to it on Exit, and
// the garden's entities go back to the game factory, so a run leaves the
// pools, the lights and the render tree as it found them.

#include <memory>
#include <vector>

#include "engine/core/Matrix4x4.h"
#include "engine/core/Vector3.h"
#include "engine/entity/cEntity.h"
#include "engine/render/scene/cCameraGfxCmp.h"
#include "game/states/cBasicGameState.h"

namespace Engine {
class cLightGfxCmp;
class cModelGfxCmp;
class cSceneRenderer;
}  // namespace Engine

namespace Game {

class cEmitterFairy;

class cGameState_Sandbox2 : public cBasicGameState {
public:
    cGameState_Sandbox2();
    ~cGameState_Sandbox2() override;

    void Enter() override;
    void Update(float dt) override;
    void Exit() override;

    // What the scene holds while it runs (tests count on these).
    std::size_t ModelCount() const { return placed.size(); }

private:
    // A model and the world matrix it points at; the matrix never moves.
    struct Placed {
        Engine::cModelGfxCmp* model = nullptr;
        Engine::Matrix4x4 world = Engine::Matrix4x4::Identity();
    };

    Placed* Place(const char* mesh, const char* texture_set, const char* material, const Engine::Matrix4x4& world,
                  bool moving);
    void LoadGarden();
    void BuildWalkers();
    void BuildLights();
    void BuildCamera();
    void FitCameraToPicture();
    void AttachLightsToMaterials();
    void MoveWalkers();
    void StartEffects();
    void RunEffects(float dt);
    void FollowKid();

    Engine::cSceneRenderer* scene = nullptr;
    std::vector<std::unique_ptr<Placed>> placed;
    Placed* kid = nullptr;
    std::vector<Placed*> ghosts;
    Engine::cLightGfxCmp* lantern = nullptr;
    Engine::cLightGfxCmp* moon = nullptr;
    Engine::cCameraGfxCmp camera;
    float clock = 0.0f;
    // What the weather follows: an entity of the kid's type standing where the kid model walks.
    struct KidStandIn : Engine::cEntity {
        std::int32_t GetType() const override;
    };
    KidStandIn weather_anchor;
    cEmitterFairy* pixie_dust = nullptr;
    float aura_carry = 0.0f;
};

}  // namespace Game

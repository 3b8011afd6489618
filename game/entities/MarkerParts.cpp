#include "game/entities/MarkerParts.h"

#include <cmath>
#include <string>

#include "engine/render/scene/SceneRendererAccess.h"
#include "engine/render/scene/cSceneRenderer.h"
#include "game/data/ContentNames.h"
#include "game/entities/cGlobalEffects.h"

namespace Game::MarkerParts {

namespace {

const std::string kHaloQuad = "HaloEffect";

}  // namespace

void CreateHalo(Engine::cBillBoardGfxCmp& halo, const Engine::Vector3& position, float size, float height) {
    Engine::cSceneRenderer* scene = Engine::GetSceneRenderer();
    halo.SetLayers(scene);
    halo.SetCameraSlot(scene);
    halo.Initialise(kHaloQuad, size, size, std::string(Content::kHaloTextureSet),
                    std::string(Content::kBillboardLampMaterial));
    halo.position = &position;
    halo.heightOffset = height;
    halo.visible = false;
    halo.emissive.r = 1.0f;
}

void SendSparks(float per_second, float dt, const Engine::Vector3& point, float& carry) {
    const float wanted = per_second * dt + carry;
    const float whole = std::floor(wanted);
    carry = wanted - whole;
    if (cEmitterAura* aura = cGlobalEffects::Instance().Aura()) aura->Burst(static_cast<int>(whole), point);
}

}  // namespace Game::MarkerParts

#include "game/states/cLevelPreview.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/core/cLog.h"
#include "engine/entity/cEntity.h"
#include "engine/particles/cParticleManager.h"
#include "engine/ui/cGUIManager.h"
#include "game/data/cEnemyStatsTable.h"
#include "game/data/cLevelManager.h"
#include "game/entities/cDevCamera.h"
#include "game/entities/cGlobalEffects.h"

namespace Game {

namespace {
constexpr float kDegreesToRadians = 0.017453292f;
}  // namespace

void cLevelPreview::Enter() {
    // The level's ghosts take their numbers from the enemy table, as in play.
    cEnemyStatsTable::Instance().Load("GameData/XML_Game/GameStats/", "EnemyStats.xml");
    Engine::cGUIManager::Instance().HideCursor();
    Engine::cParticleManager::Instance().Start();
    cGlobalEffects::Instance().Create();
    if (!backdrop.Show(level)) {
        Engine::LogError("Preview: the level " + level + " could not be shown; the picture stays empty");
        return;
    }
    FrameTheLevel();
    Engine::LogEngine("Preview: the level " + level + " is framed from above");
}

void cLevelPreview::Update(float dt) { backdrop.Update(dt); }

void cLevelPreview::Exit() {
    Engine::cParticleManager::Instance().Clear();
    cGlobalEffects::Instance().Forget();
    backdrop.Clear();
}

// ---- Framing ----------------------------------------------------------------------

void cLevelPreview::FrameTheLevel() {
    cDevCamera* camera = backdrop.Camera();
    if (camera == nullptr) return;
    const sGround ground = MeasureLevel();
    const float aspect = camera->aspect > 0.0f ? camera->aspect : 16.0f / 9.0f;
    const float distance = FittingDistance(ground, aspect);
    camera->fieldOfView = kFieldOfView;
    camera->far = std::max(camera->far, 2.0f * distance);
    camera->SetTarget(ground.centre);
    camera->SetEye(ground.centre + Engine::Vector3{0.0f, 0.0f, distance});
    camera->SetOrbitAzimuth(kAzimuth);
    camera->SetOrbitLatitude(kLatitude);
}

cLevelPreview::sGround cLevelPreview::MeasureLevel() {
    const cLevelManager& levels = cLevelManager::Instance();
    constexpr float kHuge = std::numeric_limits<float>::max();
    Engine::Vector3 low{kHuge, kHuge, kHuge};
    Engine::Vector3 high{-kHuge, -kHuge, -kHuge};
    auto take = [&](const Engine::Vector3& p) {
        low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
        high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
    };
    auto take_entity = [&](const Engine::iBaseEntity* entity) {
        if (const auto* placed = dynamic_cast<const Engine::cEntity*>(entity)) take(placed->position);
    };
    take_entity(levels.kid);
    for (const Engine::iBaseEntity* entity : levels.level_entities) take_entity(entity);
    for (const auto& [name, decoration] : levels.decorations) take_entity(decoration);
    for (const Engine::Vector3& point : levels.waypoints) take(point);
    if (low.x > high.x) return {};
    return {{(low.x + high.x) / 2.0f, low.y, (low.z + high.z) / 2.0f}, high.x - low.x, high.z - low.z};
}

// Seen from far away the ground is nearly a parallel projection: its width
// fills the horizontal angle, its depth foreshortened by the elevation the
// vertical one.
float cLevelPreview::FittingDistance(const sGround& ground, float aspect) {
    const float half_height = std::tan(kFieldOfView * 0.5f * kDegreesToRadians);
    const float half_width = half_height * aspect;
    const float for_width = ground.width * 0.5f / half_width;
    const float for_depth = ground.depth * std::sin(kLatitude * kDegreesToRadians) * 0.5f / half_height;
    return std::max({for_width, for_depth, 1.0f}) * kMargin;
}

}  // namespace Game

#include "game/entities/cKidKey.h"

#include "engine/render/scene/SceneRendererAccess.h"
#include "engine/render/scene/cModelGfxCmp.h"
#include "engine/render/scene/cModelGfxCmpPool.h"
#include "game/data/cModelCatalogue.h"

namespace Game {

void cKidKey::Setup() {
    Init(kEntityName);
    RebuildWorld();
    Engine::cModelGfxCmpPool* pool = Engine::GetModelPool();
    const auto entry = cModelCatalogue::Instance().FindPrefab(GAME_ENT_TYPES::KID_KEY);
    if (pool != nullptr && entry) {
        Engine::cModelGfxCmp* component = pool->Take();
        component->Initialise(entry->mesh, entry->texture_set, entry->material, true);
        component->transform = &world;
        model = component;
    }
    Show(false);
}

void cKidKey::Show(bool on) {
    shown = on;
    if (model != nullptr) model->visible = on;
}

}  // namespace Game

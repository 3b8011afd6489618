#include "game/entities/cBillboardObj.h"

#include <optional>

#include "engine/core/cLog.h"
#include "engine/render/scene/SceneRendererAccess.h"
#include "engine/render/scene/cSceneRenderer.h"
#include "game/data/cModelCatalogue.h"

namespace Game {

bool cBillboardObj::SetUpFromLevel(const LevelObjectValues& values) {
    const std::optional<sBillboardModel> entry = cModelCatalogue::Instance().FindBillboard(values.catalogue_id);
    if (!entry) {
        Engine::LogError("billboard \"" + values.catalogue_id + "\" is not in the billboard catalogue");
        return false;
    }
    billboard_id = values.catalogue_id;
    Engine::cSceneRenderer* scene = Engine::GetSceneRenderer();
    billboard.SetLayers(scene);
    billboard.SetCameraSlot(scene);
    // The quad is shared by every billboard of the id, as its size is the entry's.
    billboard.Initialise(billboard_id, entry->width, entry->height, entry->texture_set, entry->material);
    billboard.position = &position;
    billboard.flat = true;
    return true;
}

void cBillboardObj::Reset() {
    billboard.Reset();  // leaves the billboard list and hands the quad back, when in use
    billboard_id.clear();
    cEntity::Reset();
}

}  // namespace Game

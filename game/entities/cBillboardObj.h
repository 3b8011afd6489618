#pragma once
// cBillboardObj: a flat picture lying on the ground (a shadow, a stain, a
// painted mark), one entry of the billboard catalogue. It is a billboard
// quad with the entry's size, texture set and material, laid flat and facing
// up at the entity's position, drawn with the scene's other billboards.

#include <cstdint>
#include <string>

#include "engine/entity/cEntity.h"
#include "engine/render/scene/cBillBoardGfxCmp.h"
#include "game/entities/eGameEntityTypes.h"
#include "game/entities/iLevelObject.h"

namespace Game {

class cBillboardObj : public Engine::cEntity, public iLevelObject {
public:
    std::int32_t GetType() const override { return GAME_ENT_TYPES::BILLBOARD_OBJ; }

    // Looks values.catalogue_id up in the billboard catalogue and lays the
    // quad down; false, logged, when the catalogue has no such entry.
    bool SetUpFromLevel(const LevelObjectValues& values) override;
    // Releases the billboard, then runs the entity reset.
    void Reset() override;

    std::string billboard_id;
    Engine::cBillBoardGfxCmp billboard;
};

}  // namespace Game

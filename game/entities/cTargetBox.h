#pragma once
// cTargetBox: the scene editor's tile cursor, a wire box one tile wide (plus
// a little, so it shows around the tile under it) that the editor moves to
// the cell under the mouse. The editor makes it itself, not through the game
// factory, and moves it by its position; the world matrix follows on update.

#include <cstdint>

#include "engine/entity/cEntity.h"
#include "game/entities/eGameEntityTypes.h"

namespace Game {

class cTargetBox : public Engine::cEntity {
public:
    static constexpr const char* kMeshName = "targetBox";
    static constexpr const char* kMaterial = "StandardMat";
    // How much wider than a tile the box is.
    static constexpr float kMargin = 0.1f;

    std::int32_t GetType() const override { return GAME_ENT_TYPES::TARGET_BOX; }

    // Names the entity "EditorTargetBox" and gives it the box model, its edge
    // the catalogue's tile size plus the margin.
    void Setup();
};

}  // namespace Game

#pragma once
// cKidKey: the key the kid carries (type 4). It follows the kid and turns
// with it; its model is shown only while the kid holds at least one key.

#include <cstdint>

#include "engine/entity/cEntity.h"
#include "game/entities/eGameEntityTypes.h"

namespace Game {

class cKidKey : public Engine::cEntity {
public:
    static constexpr const char* kEntityName = "kidkey";

    std::int32_t GetType() const override { return GAME_ENT_TYPES::KID_KEY; }

    // Names the entity and gives it the key's prefab model, hidden.
    void Setup();
    // Shows or hides the model (a key without a model has nothing to show).
    void Show(bool on);
    // Whether the model is shown.
    bool Shown() const { return shown; }

private:
    bool shown = false;
};

}  // namespace Game

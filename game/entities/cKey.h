#pragma once
// cKey: a key lying in the level (type 34). The kid that touches it holds one
// key more and shows its carried key; the checkpoint record keeps the kid's
// key count and the key's ordinal, so that a restart neither brings the key
// back nor takes it from the kid. A touch of a key already taken (the kid may
// touch it again before it has left play) gives nothing more.

#include <cstdint>

#include "game/entities/cItem.h"
#include "game/entities/eGameEntityTypes.h"

namespace Game {

class cKey : public cItem {
public:
    static constexpr sItemKind kKind{"Key", "Key", GAME_ENT_TYPES::KEY, true};

    cKey() : cItem(kKind) {}

    std::int32_t GetType() const override { return GAME_ENT_TYPES::KEY; }

    void OnKidTouch() override;

protected:
    // The key's own sparkles.
    void FireCollectEffect() override;
};

}  // namespace Game

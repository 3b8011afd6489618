#pragma once
// cLockedDoor: a door that opens with a key (type 40). While it stands closed,
// a touch of a kid holding a key opens it: the kid uses the key up and the
// checkpoint record lists the door's ordinal, so that a restart leaves it
// out. A kid without a key gets the locked sign and sound (at most every
// 3 s). An opened door sinks and leaves play like every door.

#include <cstdint>

#include "game/entities/cDoor.h"
#include "game/entities/eGameEntityTypes.h"

namespace Game {

class cLockedDoor : public cDoor {
public:
    static constexpr const char* kEntityName = "LockedDoor";

    std::int32_t GetType() const override { return GAME_ENT_TYPES::LOCKED_DOOR; }

    // The door's set-up, then its ordinal from the level.
    bool SetUpFromLevel(const LevelObjectValues& values) override;
    // Forgets the door's own fields, then tears the door down.
    void Reset() override;
    // Opens with one of the kid's keys, or shows the kid that it is locked.
    void OnTouchKid() override;

    bool opened = false;
    std::uint32_t door_id = 0;

protected:
    const char* EntityName() const override { return kEntityName; }
    bool MayOpen() const override { return opened; }
};

}  // namespace Game

#include "game/entities/cLockedDoor.h"

#include "game/data/cLevelManager.h"
#include "game/entities/cKid.h"

namespace Game {

bool cLockedDoor::SetUpFromLevel(const LevelObjectValues& values) {
    opened = false;
    door_id = values.ordinal.value_or(0);
    return cDoor::SetUpFromLevel(values);
}

void cLockedDoor::Reset() {
    opened = false;
    door_id = 0;
    cDoor::Reset();
}

void cLockedDoor::OnTouchKid() {
    if (opened || !active || kid == nullptr) return;
    if (kid->keys > 0) {
        opened = true;
        kid->UseKey();
        cLevelManager::Instance().checkpoint.opened_doors.push_back(door_id);
    } else {
        kid->LockedDoorTouched();
    }
}

}  // namespace Game

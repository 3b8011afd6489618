#pragma once
// cCheckpointRecord: what the player has done in the current level since its
// last checkpoint, kept across a restart of the same level. The level loader
// reads it to put the kid back at the checkpoint and to leave out the doors
// already opened, the keys already taken and the candy already collected; the
// checkpoint and the items add to it as the player uses them. Items are named
// by their ordinal: the position of their element among the elements of the
// same kind in the level file.

#include <algorithm>
#include <vector>

#include "engine/core/Vector3.h"

namespace Game {

struct cCheckpointRecord {
    bool has_checkpoint = false;
    Engine::Vector3 position;
    int checkpoint_id = -1;
    std::vector<unsigned> opened_doors;
    std::vector<unsigned> taken_keys;
    std::vector<unsigned> collected_candy;

    // Forgets everything: no checkpoint, no item used.
    void Clear() { *this = cCheckpointRecord{}; }

    // Whether ordinal is listed in one of the lists above.
    static bool Holds(const std::vector<unsigned>& list, unsigned ordinal) {
        return std::find(list.begin(), list.end(), ordinal) != list.end();
    }
};

}  // namespace Game

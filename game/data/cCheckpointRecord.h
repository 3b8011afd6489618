#pragma once
// cCheckpointRecord: what the player has done in the current level since its
// last checkpoint, kept across a restart of the same level. The level loader
// reads it to put the kid back at the checkpoint and to leave out the doors
// already opened, the keys already taken and the candy already collected; the
// checkpoint and the items add to it as the player uses them. Items are named
// by their ordinal: the position of their element among the elements of the
// same kind in the level file.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "engine/core/Vector3.h"

namespace Game {

struct cCheckpointRecord {
    // The keys the kid held at its last key pick-up.
    std::int32_t key_count = 0;
    // A checkpoint has been touched since the record was last cleared.
    bool reached = false;
    Engine::Vector3 position;
    // The checkpoint touched last (-1: none), handed to the kid that restarts there.
    int checkpoint_id = -1;
    std::vector<std::uint32_t> collected_candy;
    std::vector<std::uint32_t> opened_doors;
    std::vector<std::uint32_t> collected_keys;

    // Forgets the checkpoint and every item used; the position is left as it
    // was, since nothing reads it until a checkpoint is reached again.
    void Clear() {
        key_count = 0;
        reached = false;
        checkpoint_id = -1;
        collected_candy.clear();
        opened_doors.clear();
        collected_keys.clear();
    }

    // The keys a kid restarting under this record holds: every key taken less
    // every door opened with one, each ordinal counted once (a key touched
    // twice is listed twice but gave one key). Derived from the lists rather
    // than key_count, which is written only at pick-ups and so still counts a
    // key spent on a door afterwards.
    std::int32_t KeysHeld() const {
        const std::int32_t held = Distinct(collected_keys) - Distinct(opened_doors);
        return held > 0 ? held : 0;
    }
    // The candy a kid restarting under this record has collected, each piece once.
    std::int32_t CandyTaken() const { return Distinct(collected_candy); }

    // The number of different ordinals in list.
    static std::int32_t Distinct(std::vector<std::uint32_t> list) {
        std::sort(list.begin(), list.end());
        return static_cast<std::int32_t>(std::unique(list.begin(), list.end()) - list.begin());
    }

    // Whether ordinal is listed in one of the lists above.
    static bool Holds(const std::vector<std::uint32_t>& list, std::uint32_t ordinal) {
        return std::find(list.begin(), list.end(), ordinal) != list.end();
    }
};

}  // namespace Game

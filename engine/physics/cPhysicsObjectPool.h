#pragma once
// cPhysicsObjectPool: the physics world's store of physics objects. Objects
// are built in blocks of 64 so that entities created and destroyed during
// play do not allocate one by one; handing out takes the front of the free
// queue and giving back appends to its back. Blocks live as long as the pool,
// so an object's address stays valid for the whole run even after it has
// been dropped or reused.

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "engine/physics/cPhysicsObject.h"

namespace Engine {

class cPhysicsObjectPool {
public:
    static constexpr std::int32_t kChunkSize = 64;

    // One block of released objects ready to hand out.
    cPhysicsObjectPool();

    // The front of the free queue; a new block is made first when it is empty.
    cPhysicsObject* Take();
    // Releases the object and appends it to the free queue. False, and
    // nothing done, when the object is not one of ours or is already free.
    bool GiveBack(cPhysicsObject* object);
    // Whether the object lives in one of this pool's blocks.
    bool Owns(const cPhysicsObject* object) const;

    // Every object ever built, in building order.
    const std::vector<cPhysicsObject*>& All() const { return all; }
    // The objects ready to hand out, front first.
    const std::deque<cPhysicsObject*>& Free() const { return free; }
    // Number of blocks built so far.
    std::size_t ChunkCount() const { return chunks.size(); }

private:
    // Builds a block: each object released, appended to all and to the back of free.
    void MakeChunk();

    std::vector<cPhysicsObject*> all;
    std::deque<cPhysicsObject*> free;
    std::vector<std::unique_ptr<cPhysicsObject[]>> chunks;
    std::int32_t chunkSize = kChunkSize;
};

}  // namespace Engine

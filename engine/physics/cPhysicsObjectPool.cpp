#include "engine/physics/cPhysicsObjectPool.h"

#include <functional>  // std::less orders addresses from different blocks

namespace Engine {

cPhysicsObjectPool::cPhysicsObjectPool() {
    all.reserve(kChunkSize);
    MakeChunk();
}

cPhysicsObject* cPhysicsObjectPool::Take() {
    if (free.empty()) MakeChunk();
    cPhysicsObject* object = free.front();
    free.pop_front();
    object->pooled = false;
    return object;
}

bool cPhysicsObjectPool::GiveBack(cPhysicsObject* object) {
    if (object == nullptr || object->pooled || !Owns(object)) return false;
    object->Release();
    object->pooled = true;
    free.push_back(object);
    return true;
}

bool cPhysicsObjectPool::Owns(const cPhysicsObject* object) const {
    const std::less<const cPhysicsObject*> before;
    for (const std::unique_ptr<cPhysicsObject[]>& chunk : chunks) {
        const cPhysicsObject* first = chunk.get();
        if (!before(object, first) && before(object, first + chunkSize)) return true;
    }
    return false;
}

void cPhysicsObjectPool::MakeChunk() {
    chunks.push_back(std::make_unique<cPhysicsObject[]>(static_cast<std::size_t>(chunkSize)));
    cPhysicsObject* block = chunks.back().get();
    for (std::int32_t i = 0; i < chunkSize; ++i) {
        cPhysicsObject* object = &block[i];
        object->Release();
        object->pooled = true;
        all.push_back(object);
        free.push_back(object);
    }
}

}  // namespace Engine

#pragma once
// cBlockPool: pre-built objects of one class, built BlockSize at a time and
// never freed before the pool goes, so a pointer handed out stays valid for
// the whole run. Take hands out the front of a free queue and GiveBack puts
// an object at its end: the object given back longest ago is reused first.
// The queue lives in one ring of as many slots as there are objects, so
// taking and giving back never allocate.
//
// The pool does not know which objects are in use; its users keep that flag
// and never give an object back twice.

#include <cassert>
#include <cstddef>
#include <memory>  // std::unique_ptr owns each block
#include <vector>

namespace Engine {

template <typename T, std::size_t BlockSize>
class cBlockPool {
public:
    static constexpr std::size_t kBlockSize = BlockSize;

    cBlockPool() = default;
    cBlockPool(const cBlockPool&) = delete;
    cBlockPool& operator=(const cBlockPool&) = delete;

    // The front of the free queue, building a block first when none is free.
    T* Take() {
        if (free_count == 0) Grow();
        T* object = ring[head];
        head = Wrap(head + 1);
        --free_count;
        return object;
    }

    // Puts an object at the end of the free queue.
    void GiveBack(T* object) {
        assert(free_count < ring.size() && "an object was given back to its pool twice");
        ring[Wrap(head + free_count)] = object;
        ++free_count;
    }

    // Makes the free queue every object ever built, in building order.
    void RequeueAll() {
        head = 0;
        free_count = objects.size();
        for (std::size_t i = 0; i < objects.size(); ++i) ring[i] = objects[i];
    }

    // Every object ever built, in building order.
    const std::vector<T*>& Objects() const { return objects; }
    // Objects waiting in the free queue.
    std::size_t FreeCount() const { return free_count; }
    // The object that the next Take hands out, or null when a block must be built first.
    const T* Front() const { return free_count == 0 ? nullptr : ring[head]; }
    // Blocks built so far.
    std::size_t BlockCount() const { return blocks.size(); }

private:
    std::size_t Wrap(std::size_t index) const { return index < ring.size() ? index : index - ring.size(); }

    // Builds a block and queues its objects behind the free ones.
    void Grow() {
        blocks.push_back(std::make_unique<T[]>(BlockSize));
        T* block = blocks.back().get();
        std::vector<T*> grown;
        grown.reserve(objects.size() + BlockSize);
        for (std::size_t i = 0; i < free_count; ++i) grown.push_back(ring[Wrap(head + i)]);
        for (std::size_t i = 0; i < BlockSize; ++i) {
            objects.push_back(&block[i]);
            grown.push_back(&block[i]);
        }
        free_count = grown.size();
        grown.resize(objects.size());
        ring.swap(grown);
        head = 0;
    }

    std::vector<std::unique_ptr<T[]>> blocks;
    std::vector<T*> objects;
    std::vector<T*> ring;  // the free queue: free_count objects from head, wrapping
    std::size_t head = 0;
    std::size_t free_count = 0;
};

}  // namespace Engine

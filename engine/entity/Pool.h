#pragma once
// Pool: the pre-built objects of one entity class. Objects are built sixteen
// at a time in contiguous blocks, reset at once, and never freed before the
// pool itself goes: a pointer to a pooled object stays valid for the whole
// run, though the object may be handed to a new user. Taking and giving back
// only move pointers on the free list, so a pool that holds enough objects
// costs no allocation. The free list works last in, first out: the object
// given back most recently is the next one handed out, and a new block hands
// out its last object first.
//
// T needs a default constructor that gives an inert object and a Reset that
// tears an object down to its pooled state.

#include <algorithm>  // std::max when reserving the free list
#include <cstddef>
#include <memory>  // std::unique_ptr owns each block
#include <vector>

#include "engine/entity/RingDeque.h"

namespace Engine {

template <typename T>
class Pool {
public:
    static constexpr std::size_t block_size = 16;

    // Builds the first block.
    Pool() {
        objects.reserve(block_size);
        Grow();
    }

    Pool(const Pool&) = delete;
    Pool& operator=(const Pool&) = delete;

    // An object off the back of the free list, growing by a block when none is free.
    T* Take() {
        if (free_list.Empty()) Grow();
        T* object = free_list.Back();
        free_list.PopBack();
        return object;
    }

    // Puts an object at the back of the free list and resets it.
    void GiveBack(T* object) {
        free_list.PushBack(object);
        object->Reset();
    }

    // Resets every object ever built, in building order, in use or not, and
    // makes the free list exactly that order.
    void ReleaseAll() {
        free_list.Clear();
        for (T* object : objects) {
            object->Reset();
            free_list.PushBack(object);
        }
    }

    // Every object ever built, in building order.
    const std::vector<T*>& Objects() const { return objects; }
    // The objects not in use, front (oldest) to back (next handed out).
    const RingDeque<T*>& FreeList() const { return free_list; }
    // Number of blocks built so far.
    std::size_t BlockCount() const { return blocks.size(); }

private:
    // Builds a block, resets its objects in order and puts them on the free list.
    void Grow() {
        blocks.push_back(std::make_unique<T[]>(block_size));
        T* block = blocks.back().get();
        ReserveFreeList(objects.size() + block_size);
        for (std::size_t i = 0; i < block_size; ++i) {
            block[i].Reset();
            objects.push_back(&block[i]);
            free_list.PushBack(&block[i]);
        }
    }

    // Lets the free list hold every object there will be, so that giving
    // objects back never allocates; doubles so that growth stays linear.
    void ReserveFreeList(std::size_t needed) {
        if (free_list.Capacity() >= needed) return;
        free_list.Reserve(std::max(needed, 2 * free_list.Capacity()));
    }

    std::vector<T*> objects;
    RingDeque<T*> free_list;
    std::vector<std::unique_ptr<T[]>> blocks;
};

}  // namespace Engine

#pragma once
// UIPool: the element objects of one GUI kind. Objects are built 128 at a
// time and never freed before the pool goes, so a pointer to an element stays
// valid all run long even after the element was released (its kind then says
// so). Taking pops the free stack; giving back releases the element and
// pushes it, and giving back an element already released does nothing, so a
// panel and a Clear may both give back the same child.

#include <cstddef>
#include <memory>
#include <vector>

#include "engine/ui/cUIElementBase.h"

namespace Engine {

template <typename T>
class UIPool {
public:
    static constexpr std::size_t kBlockSize = 128;

    UIPool() = default;
    UIPool(const UIPool&) = delete;
    UIPool& operator=(const UIPool&) = delete;

    // A free object, building a block of them when none is left.
    T* Take() {
        if (free.empty()) Grow();
        T* object = free.back();
        free.pop_back();
        return object;
    }

    // Releases the object and makes it free again; a released one is left alone.
    void GiveBack(T* object) {
        if (object->kind == cUIElementBase::kReleased) return;
        object->Release();
        free.push_back(object);
    }

    // Gives back every object in use.
    void ReleaseAll() {
        for (const auto& block : blocks) {
            for (std::size_t i = 0; i < kBlockSize; ++i) GiveBack(&block[i]);
        }
    }

    // Calls visit on every object in use.
    template <typename Visit>
    void ForEachInUse(Visit visit) {
        for (const auto& block : blocks) {
            for (std::size_t i = 0; i < kBlockSize; ++i) {
                if (block[i].kind != cUIElementBase::kReleased) visit(block[i]);
            }
        }
    }

    std::size_t Capacity() const { return blocks.size() * kBlockSize; }
    std::size_t FreeCount() const { return free.size(); }

private:
    void Grow() {
        blocks.push_back(std::make_unique<T[]>(kBlockSize));
        T* block = blocks.back().get();
        for (std::size_t i = kBlockSize; i > 0; --i) free.push_back(&block[i - 1]);
    }

    std::vector<std::unique_ptr<T[]>> blocks;
    std::vector<T*> free;
};

}  // namespace Engine

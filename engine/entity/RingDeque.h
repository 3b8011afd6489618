#pragma once
// RingDeque: a double-ended queue in one ring buffer that keeps its storage.
// The entity pools, the factory's deletion queue and the scene manager's
// pending list push and pop elements every frame; std::deque frees and
// allocates its chunks as elements come and go, while this queue only
// allocates when it holds more elements than ever before. Its capacity
// doubles then, so a warmed-up queue never touches the heap again.

#include <cassert>
#include <cstddef>
#include <utility>  // std::move while growing and erasing
#include <vector>

namespace Engine {

template <typename T>
class RingDeque {
public:
    // Number of elements held.
    std::size_t Size() const { return count; }
    // True when no element is held.
    bool Empty() const { return count == 0; }
    // Number of elements the storage holds before it has to grow.
    std::size_t Capacity() const { return slots.size(); }

    // The element at position i counted from the front.
    T& operator[](std::size_t i) {
        assert(i < count && "RingDeque index must be below Size()");
        return slots[Wrap(head + i)];
    }
    // The element at position i counted from the front.
    const T& operator[](std::size_t i) const {
        assert(i < count && "RingDeque index must be below Size()");
        return slots[Wrap(head + i)];
    }

    // The first element; the queue must not be empty.
    T& Front() { return (*this)[0]; }
    const T& Front() const { return (*this)[0]; }
    // The last element; the queue must not be empty.
    T& Back() { return (*this)[count - 1]; }
    const T& Back() const { return (*this)[count - 1]; }

    // Appends at the back.
    void PushBack(const T& value) {
        if (count == slots.size()) Grow();
        slots[Wrap(head + count)] = value;
        ++count;
    }

    // Removes the first element; the queue must not be empty.
    void PopFront() {
        assert(count > 0 && "PopFront needs a non-empty RingDeque");
        slots[head] = T();
        head = Wrap(head + 1);
        --count;
    }

    // Removes the last element; the queue must not be empty.
    void PopBack() {
        assert(count > 0 && "PopBack needs a non-empty RingDeque");
        slots[Wrap(head + count - 1)] = T();
        --count;
    }

    // Removes the element at position i keeping the order of the others;
    // moves whichever side of it is shorter, so erasing near either end is cheap.
    void Erase(std::size_t i) {
        assert(i < count && "Erase index must be below Size()");
        if (i < count / 2) {
            for (std::size_t k = i; k > 0; --k) (*this)[k] = std::move((*this)[k - 1]);
            PopFront();
        } else {
            for (std::size_t k = i; k + 1 < count; ++k) (*this)[k] = std::move((*this)[k + 1]);
            PopBack();
        }
    }

    // Removes every element and keeps the storage.
    void Clear() {
        while (count > 0) PopBack();
        head = 0;
    }

    // Makes room for at least n elements.
    void Reserve(std::size_t n) {
        if (n > slots.size()) Relocate(n);
    }

private:
    static constexpr std::size_t kFirstCapacity = 16;

    std::size_t Wrap(std::size_t index) const { return index < slots.size() ? index : index - slots.size(); }

    void Grow() { Relocate(slots.empty() ? kFirstCapacity : slots.size() * 2); }

    // Moves the elements in order to the front of a new storage of the given size.
    void Relocate(std::size_t new_capacity) {
        std::vector<T> moved(new_capacity);
        for (std::size_t i = 0; i < count; ++i) moved[i] = std::move((*this)[i]);
        slots.swap(moved);
        head = 0;
    }

    std::vector<T> slots;
    std::size_t head = 0;
    std::size_t count = 0;
};

}  // namespace Engine

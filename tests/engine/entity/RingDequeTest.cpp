// RingDeque against std::deque as a reference, over wrap-around, growth and
// erasure on both sides of the middle; and that a warm queue keeps its storage.

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>

#include "engine/entity/RingDeque.h"

namespace {

void ExpectSame(const Engine::RingDeque<int>& ring, const std::deque<int>& reference, int step) {
    ASSERT_EQ(ring.Size(), reference.size()) << "step " << step;
    for (std::size_t i = 0; i < reference.size(); ++i) ASSERT_EQ(ring[i], reference[i]) << "step " << step << " at " << i;
}

TEST(RingDequeTest, MatchesStdDequeOverMixedOperations) {
    Engine::RingDeque<int> ring;
    std::deque<int> reference;
    std::uint32_t seed = 12345;
    for (int step = 0; step < 5000; ++step) {
        seed = seed * 1103515245u + 12345u;
        const std::uint32_t roll = (seed >> 16) % 10;
        if (roll < 4 || reference.empty()) {
            ring.PushBack(step);
            reference.push_back(step);
        } else if (roll < 6) {
            ring.PopFront();
            reference.pop_front();
        } else if (roll < 8) {
            ring.PopBack();
            reference.pop_back();
        } else {
            const std::size_t at = (seed >> 8) % reference.size();
            ring.Erase(at);
            reference.erase(reference.begin() + static_cast<std::ptrdiff_t>(at));
        }
        ExpectSame(ring, reference, step);
    }
    ring.Clear();
    EXPECT_TRUE(ring.Empty());
}

TEST(RingDequeTest, FifoUseWithinCapacityNeverGrows) {
    Engine::RingDeque<int> ring;
    for (int i = 0; i < 16; ++i) ring.PushBack(i);
    const std::size_t capacity = ring.Capacity();
    for (int i = 16; i < 1000; ++i) {  // the head walks round the ring many times
        ring.PopFront();
        ring.PushBack(i);
        ASSERT_EQ(ring.Front(), i - 15);
        ASSERT_EQ(ring.Back(), i);
    }
    EXPECT_EQ(ring.Capacity(), capacity);
}

}  // namespace

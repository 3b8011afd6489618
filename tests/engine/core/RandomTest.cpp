// The game's random generator: its exact sequence, its range, seeding once
// per process, and rnd's range and its refusal of n <= 0.

#include <gtest/gtest.h>

#include <cstdint>

#include "engine/core/Random.h"

namespace {

TEST(RandomTest, LinearCongruentialSequenceFromSeedOne) {
    // The classic generator's first results from state 1.
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    std::uint32_t state = 1;
    for (int value : expected) EXPECT_EQ(value, Engine::NextRandom(state));
}

TEST(RandomTest, SameSeedGivesSameSequence) {
    std::uint32_t a = 12345, b = 12345, c = 12346;
    int differing = 0;
    for (int i = 0; i < 1000; ++i) {
        const int value = Engine::NextRandom(a);
        EXPECT_EQ(value, Engine::NextRandom(b));
        if (value != Engine::NextRandom(c)) ++differing;
    }
    EXPECT_GT(differing, 900);
}

TEST(RandomTest, StaysWithin0To32767AndReachesBothEnds) {
    std::uint32_t state = 7;
    int lowest = Engine::kRandMax, highest = 0;
    for (int i = 0; i < (1 << 20); ++i) {
        const int value = Engine::NextRandom(state);
        ASSERT_GE(value, 0);
        ASSERT_LE(value, Engine::kRandMax);
        if (value < lowest) lowest = value;
        if (value > highest) highest = value;
    }
    EXPECT_EQ(0, lowest);
    EXPECT_EQ(32767, highest);
    for (int i = 0; i < 10000; ++i) {
        const int value = Engine::Rand();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 32767);
    }
}

TEST(RandomTest, RndStaysBelowN) {
    const int sizes[] = {1, 2, 3, 100, 340, 72000};
    for (int n : sizes) {
        SCOPED_TRACE(n);
        int highest = -1;
        for (int i = 0; i < 20000; ++i) {
            const int value = Engine::rnd(n);
            ASSERT_GE(value, 0);
            ASSERT_LT(value, n);
            if (value > highest) highest = value;
        }
        if (n <= 100) {
            EXPECT_EQ(n - 1, highest);
        }
    }
}

// The only test in this executable that seeds the process generator, so the
// first call is the process's first whether the tests run together or apart.
TEST(RandomTest, SeedsOnceAndIgnoresLaterSeeds) {
    EXPECT_EQ(Engine::RandomSeed(), 0u);
    ASSERT_TRUE(Engine::SeedRandomOnce(2024u));
    EXPECT_TRUE(Engine::IsRandomSeeded());
    EXPECT_FALSE(Engine::SeedRandomOnce(99u));
    EXPECT_FALSE(Engine::SeedRandomOnce(2024u));
    EXPECT_TRUE(Engine::IsRandomSeeded());
    EXPECT_EQ(Engine::RandomSeed(), 2024u) << "the first seed is the one kept";

    // The process generator continues from seed 2024, untouched by the later calls.
    std::uint32_t mirror = 2024u;
    for (int i = 0; i < 5; ++i) EXPECT_EQ(Engine::NextRandom(mirror), Engine::Rand());
    // rnd(n) for n <= 0 gives 0 and draws nothing.
    const std::uint64_t draws = Engine::RandomDrawCount();
    EXPECT_EQ(0, Engine::rnd(0));
    EXPECT_EQ(0, Engine::rnd(-5));
    EXPECT_EQ(Engine::RandomDrawCount(), draws);
    EXPECT_EQ(Engine::NextRandom(mirror), Engine::Rand());
    EXPECT_EQ(Engine::NextRandom(mirror) % 10, Engine::rnd(10));
    EXPECT_EQ(Engine::RandomDrawCount(), draws + 2) << "one Rand and one rnd(10)";
}

TEST(RandomTest, ClockSeedFollowsTheClock) {
    const unsigned first = Engine::ClockSeed();
    const unsigned second = Engine::ClockSeed();
    EXPECT_LE(second - first, 1u);  // whole seconds: equal unless a second ticked between
    EXPECT_GT(first, 1'600'000'000u);  // after September 2020
}

}  // namespace

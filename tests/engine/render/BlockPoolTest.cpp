// The block pool: front-out, back-in order, growth a block at a time, requeueing.

#include <gtest/gtest.h>

#include <vector>

#include "engine/render/cBlockPool.h"

namespace {

using Pool = Engine::cBlockPool<int, 4>;

TEST(BlockPoolTest, TakesFromTheFrontAndGivesBackAtTheEnd) {
    Pool pool;
    int* a = pool.Take();
    int* b = pool.Take();
    int* c = pool.Take();
    EXPECT_EQ(pool.BlockCount(), 1u);
    pool.GiveBack(b);
    pool.GiveBack(a);
    const int* d = pool.Objects()[3];
    EXPECT_EQ(pool.Take(), d) << "the never-used object waits at the front";
    EXPECT_EQ(pool.Take(), b);
    EXPECT_EQ(pool.Take(), a);
    EXPECT_EQ(pool.FreeCount(), 0u);
    EXPECT_NE(pool.Take(), c);
    EXPECT_EQ(pool.BlockCount(), 2u);
}

TEST(BlockPoolTest, GrowingKeepsTheFreeObjectsAheadOfTheNewBlock) {
    Pool pool;
    std::vector<int*> taken;
    for (int i = 0; i < 4; ++i) taken.push_back(pool.Take());
    pool.GiveBack(taken[2]);
    EXPECT_EQ(pool.Take(), taken[2]);
    int* fresh = pool.Take();
    EXPECT_EQ(fresh, pool.Objects()[4]);
    pool.GiveBack(taken[0]);
    for (int i = 0; i < 3; ++i) pool.Take();  // the rest of the second block
    EXPECT_EQ(pool.Take(), taken[0]);
}

TEST(BlockPoolTest, RequeueAllQueuesEveryObjectInBuildingOrder) {
    Pool pool;
    for (int i = 0; i < 6; ++i) pool.Take();
    pool.RequeueAll();
    EXPECT_EQ(pool.FreeCount(), 8u);
    for (int* expected : std::vector<int*>(pool.Objects())) EXPECT_EQ(pool.Take(), expected);
}

}  // namespace

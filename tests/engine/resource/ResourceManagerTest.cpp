// ResourceManager: handing out by name, counting users, returning objects to the pool.
#include "engine/resource/ResourceManager.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/resource/cResource.h"

namespace Engine {
namespace {

class cCountedResource : public cResource {
public:
    void Unload() override {
        ClearIdentity();
        ++unloads;
    }
    int unloads = 0;
};

class cTestManager : public ResourceManager<cCountedResource, cCountedResource, 4> {
public:
    cTestManager() : ResourceManager("defaultThing") {}
};

TEST(ResourceManagerTest, GetMakesOnceAndCountsEveryUser) {
    cTestManager manager;
    cCountedResource* first = manager.Get("lamp");
    cCountedResource* second = manager.Get("lamp");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    EXPECT_EQ(first->Name(), "lamp");
    EXPECT_EQ(first->RefCount(), 2);
    EXPECT_EQ(manager.Registry().size(), 1u);
}

TEST(ResourceManagerTest, LastReleaseUnloadsAndQueuesTheObjectBehindTheFreeOnes) {
    cTestManager manager;
    cCountedResource* lamp = manager.Get("lamp");
    cCountedResource* held = lamp;
    manager.Get("lamp");
    manager.Release(lamp);
    EXPECT_EQ(lamp, nullptr);
    EXPECT_EQ(held->RefCount(), 1);
    EXPECT_EQ(held->unloads, 0);

    cCountedResource* again = held;
    manager.Release(again);
    EXPECT_EQ(held->unloads, 1);
    EXPECT_EQ(manager.Find("lamp"), nullptr);
    EXPECT_EQ(manager.PoolOf().FreeCount(), 4u);
    // The three untouched objects are handed out before the released one.
    for (int i = 0; i < 3; ++i) EXPECT_NE(manager.Get(std::string(1, static_cast<char>('a' + i))), held);
    EXPECT_EQ(manager.Get("fourth"), held);
}

TEST(ResourceManagerTest, EmptyNameAnswersOnlyARegisteredDefault) {
    cTestManager manager;
    EXPECT_EQ(manager.Get(""), nullptr);
    EXPECT_TRUE(manager.Registry().empty());
    cCountedResource* fallback = manager.Get("defaultThing");
    EXPECT_EQ(manager.Get(""), fallback);
    EXPECT_EQ(fallback->RefCount(), 2);
}

TEST(ResourceManagerTest, StaleOrForeignPointersChangeNothing) {
    cTestManager manager;
    cCountedResource* lamp = manager.Get("lamp");
    cCountedResource* stale = lamp;
    manager.Release(lamp);
    manager.Release(lamp);  // already null
    EXPECT_EQ(manager.PoolOf().FreeCount(), 4u);

    cCountedResource* current = manager.Get("lamp");
    ASSERT_NE(current, stale);
    manager.Release(stale);  // the old object, free in the pool
    EXPECT_EQ(stale, nullptr);
    cCountedResource impostor;
    impostor.InitResource("lamp", "");
    cCountedResource* foreign = &impostor;
    manager.Release(foreign);  // same name, not the registered object
    EXPECT_EQ(foreign, nullptr);
    manager.ReleaseByName("never-registered");

    EXPECT_EQ(current->RefCount(), 1);
    EXPECT_EQ(manager.PoolOf().FreeCount(), 3u);
}

TEST(ResourceManagerTest, CountNeverGoesBelowZero) {
    cCountedResource resource;
    resource.InitResource("a", "dir/");
    EXPECT_EQ(resource.DropRef(), 0);
    EXPECT_EQ(resource.DropRef(), 0);
    EXPECT_EQ(resource.Source(), "dir/");
}

TEST(ResourceManagerTest, PoolGrowsABlockAtATime) {
    cTestManager manager;
    for (int i = 0; i < 5; ++i) manager.Get(std::string(1, static_cast<char>('a' + i)));
    EXPECT_EQ(manager.PoolOf().BlockCount(), 2u);
    EXPECT_EQ(manager.PoolOf().FreeCount(), 3u);
}

TEST(ResourceManagerTest, ReleaseAllUnloadsEverythingAndFreesThePool) {
    cTestManager manager;
    cCountedResource* lamp = manager.Get("lamp");
    manager.Get("chair");
    manager.ReleaseAll();
    EXPECT_TRUE(manager.Registry().empty());
    EXPECT_EQ(manager.PoolOf().FreeCount(), 4u);
    EXPECT_TRUE(lamp->Name().empty());
    EXPECT_EQ(manager.Get("lamp")->RefCount(), 1);
}

}  // namespace
}  // namespace Engine

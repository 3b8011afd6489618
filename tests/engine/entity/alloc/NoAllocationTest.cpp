// Once the pools, queues and lists are warm, creating, setting up, stepping
// and deleting entities through the factory never touches the heap. This
// executable replaces the global operator new to count allocations.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <new>
#include <vector>

#include "engine/entity/GenericFactoryManager.h"
#include "engine/entity/InheritedEnum.h"
#include "engine/entity/cEntity.h"
#include "engine/entity/cSceneManager.h"
#include "engine/entity/eEngineEntityTypes.h"

namespace {

bool counting = false;
std::size_t allocations = 0;

void* CountedAllocation(std::size_t size) {
    if (counting) ++allocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) { return CountedAllocation(size); }
void* operator new[](std::size_t size) { return CountedAllocation(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }

namespace {

enum eChurnTypes : std::int32_t { CHURN = Engine::ENGINE_ENT_TYPES::ENGINE_ENT_TYPES_END, CHURN_TYPES_END };
using ChurnId = Engine::InheritedEnum<eChurnTypes, Engine::ENGINE_ENT_TYPES::eEngineEntityTypes>;

class cChurnEntity : public Engine::cEntity {
public:
    std::int32_t GetType() const override { return CHURN; }
};

class NoAllocationTest : public ::testing::Test {
protected:
    void SetUp() override {
        Engine::cSceneManager::Destroy();
        factory.SetTypeCount(CHURN_TYPES_END);
        factory.RegisterType<cChurnEntity>(CHURN);
        live.reserve(kPerFrame);
    }
    void TearDown() override {
        counting = false;
        factory.ReleaseAll();
        Engine::cSceneManager::Destroy();
    }

    // One gameplay frame: deliver last frame's deletions, step the scene,
    // then create and set up a new batch and queue the previous one.
    void Frame() {
        factory.FlushDeletions();
        Engine::cSceneManager::Instance().Update(0.016f);
        for (cChurnEntity* entity : live) factory.QueueDeletion(entity);
        live.clear();
        for (int i = 0; i < kPerFrame; ++i) {
            cChurnEntity* entity = factory.CreateTyped<cChurnEntity>(CHURN);
            entity->Init("Churn");
            entity->SetPosition({1.0f * i, 0, 0});
            live.push_back(entity);
        }
    }

    static constexpr int kPerFrame = 40;  // more than two blocks
    Engine::GenericFactoryManager<ChurnId, Engine::iBaseEntity> factory;
    std::vector<cChurnEntity*> live;
};

TEST_F(NoAllocationTest, ChurnThroughTheFactoryAndSceneAllocatesNothingOnceWarm) {
    for (int i = 0; i < 3; ++i) Frame();

    allocations = 0;
    counting = true;
    for (int i = 0; i < 20; ++i) Frame();
    counting = false;

    EXPECT_EQ(allocations, 0u);
}

TEST_F(NoAllocationTest, ImmediateCreateAndDestroyAllocatesNothing) {
    cChurnEntity* warm = factory.CreateTyped<cChurnEntity>(CHURN);
    warm->Init("Crate");  // the scene manager's pending list gets its storage here
    factory.Destroy(&warm);

    allocations = 0;
    counting = true;
    for (int i = 0; i < 100; ++i) {
        Engine::iBaseEntity* entity = factory.Create(CHURN);
        static_cast<cChurnEntity*>(entity)->Init("Crate");
        factory.Destroy(&entity);
    }
    counting = false;

    EXPECT_EQ(allocations, 0u);
}

TEST_F(NoAllocationTest, CounterSeesAllocations) {
    allocations = 0;
    counting = true;
    for (int i = 0; i < 17; ++i) factory.CreateTyped<cChurnEntity>(CHURN);  // the 17th grows the pool
    counting = false;
    EXPECT_GT(allocations, 0u);
}

}  // namespace

// Once the pools, queues and lists are warm, creating, setting up, stepping
// and deleting entities through the factory never touches the heap. This
// executable links the counting operator new.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "engine/entity/GenericFactoryManager.h"
#include "engine/entity/InheritedEnum.h"
#include "engine/entity/cEntity.h"
#include "engine/entity/cSceneManager.h"
#include "engine/entity/eEngineEntityTypes.h"
#include "tests/support/alloc/AllocationCounter.h"

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

    const std::size_t before = TestSupport::AllocationCount();
    for (int i = 0; i < 20; ++i) Frame();

    EXPECT_EQ(TestSupport::AllocationCount() - before, 0u);
}

TEST_F(NoAllocationTest, ImmediateCreateAndDestroyAllocatesNothing) {
    cChurnEntity* warm = factory.CreateTyped<cChurnEntity>(CHURN);
    warm->Init("Crate");  // the scene manager's pending list gets its storage here
    factory.Destroy(&warm);

    const std::size_t before = TestSupport::AllocationCount();
    for (int i = 0; i < 100; ++i) {
        Engine::iBaseEntity* entity = factory.Create(CHURN);
        static_cast<cChurnEntity*>(entity)->Init("Crate");
        factory.Destroy(&entity);
    }

    EXPECT_EQ(TestSupport::AllocationCount() - before, 0u);
}

TEST_F(NoAllocationTest, CounterSeesAllocations) {
    const std::size_t before = TestSupport::AllocationCount();
    for (int i = 0; i < 17; ++i) factory.CreateTyped<cChurnEntity>(CHURN);  // the 17th grows the pool
    EXPECT_GT(TestSupport::AllocationCount() - before, 0u);
}

}  // namespace

// The pool sizes a sub-factory reports through the type-erased interface:
// objects built (whole blocks of sixteen) and how many of them are free.

#include <gtest/gtest.h>

#include <vector>

#include "engine/core/cLog.h"
#include "engine/entity/GenericFactoryManager.h"
#include "engine/entity/cSceneManager.h"
#include "tests/engine/entity/EntityFakes.h"
#include "tests/support/TempDir.h"

namespace EntityTests {
namespace {

using Manager = Engine::GenericFactoryManager<TestTypeId, Engine::iBaseEntity>;

class FactoryPoolCountsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Engine::cSceneManager::Destroy();
        Engine::cEntity::SetModelPool(&model_pool);
        ASSERT_TRUE(manager.SetTypeCount(TEST_TYPES_END));
        ASSERT_TRUE(manager.RegisterType<cAlphaEntity>(ALPHA));
    }
    void TearDown() override {
        manager.ReleaseAll();
        Engine::cEntity::SetModelPool(nullptr);
        Engine::cSceneManager::Destroy();
        Engine::cLog::Destroy();
    }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory in_dir{dir.Path()};
    cFakeModelPool model_pool;
    Manager manager;
};

TEST_F(FactoryPoolCountsTest, CountsFollowTakingGivingBackAndReleasingAll) {
    const Manager::Factory_Base* alpha = manager.GetFactory(ALPHA);
    ASSERT_NE(alpha, nullptr);
    struct Step {
        int take;
        int give_back;
        std::size_t built, free;
    };
    // Running totals after each step: a seventeenth object builds a second block.
    const Step steps[] = {{0, 0, 16, 16}, {16, 0, 16, 0}, {1, 0, 32, 15}, {0, 3, 32, 18}};
    std::vector<Engine::iBaseEntity*> taken;
    for (const Step& step : steps) {
        for (int i = 0; i < step.take; ++i) taken.push_back(manager.Create(ALPHA));
        for (int i = 0; i < step.give_back; ++i) {
            Engine::iBaseEntity* entity = taken.back();
            taken.pop_back();
            manager.Destroy(&entity);
        }
        EXPECT_EQ(alpha->BuiltCount(), step.built) << step.take << " " << step.give_back;
        EXPECT_EQ(alpha->FreeCount(), step.free) << step.take << " " << step.give_back;
    }
    manager.ReleaseAll();
    EXPECT_EQ(alpha->BuiltCount(), 32u);
    EXPECT_EQ(alpha->FreeCount(), 32u);
}

}  // namespace
}  // namespace EntityTests

// GenericFactoryManager and its pools: growth by blocks, reuse order, immediate
// and deferred deletion, ReleaseAll.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "engine/core/cLog.h"
#include "engine/entity/GenericFactoryManager.h"
#include "engine/entity/cSceneManager.h"
#include "tests/engine/entity/EntityFakes.h"
#include "tests/support/TempDir.h"

namespace EntityTests {
namespace {

using Manager = Engine::GenericFactoryManager<TestTypeId, Engine::iBaseEntity>;

template <typename T>
using Factory = Manager::Factory_Derived<T>;

// A manager with ALPHA and BETA registered and EMPTY_SLOT left empty. Log
// lines land in a temporary folder.
class FactoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        Engine::cSceneManager::Destroy();
        Engine::cEntity::SetModelPool(&model_pool);
        ASSERT_TRUE(manager.SetTypeCount(TEST_TYPES_END));
        ASSERT_TRUE(manager.RegisterType<cAlphaEntity>(ALPHA));
        ASSERT_TRUE(manager.RegisterType<cBetaEntity>(BETA));
    }
    void TearDown() override {
        manager.ReleaseAll();
        Engine::cEntity::SetModelPool(nullptr);
        Engine::cSceneManager::Destroy();
        Engine::cLog::Destroy();
    }

    const Engine::Pool<cAlphaEntity>& AlphaPool() const { return manager.GetTypedFactory<cAlphaEntity>(ALPHA)->GetPool(); }
    const Engine::Pool<cBetaEntity>& BetaPool() const { return manager.GetTypedFactory<cBetaEntity>(BETA)->GetPool(); }

    // Takes n ALPHA objects and names them "a0", "a1", ...
    std::vector<cAlphaEntity*> TakeAlphas(int n) {
        std::vector<cAlphaEntity*> taken;
        for (int i = 0; i < n; ++i) {
            std::string name = "a";
            name += std::to_string(i);
            taken.push_back(manager.CreateTyped<cAlphaEntity>(ALPHA));
            taken.back()->Init(name);
        }
        return taken;
    }

    std::string LogText() {
        Engine::cLog::Destroy();
        return TestSupport::ReadFile(dir.File("Engine.log"));
    }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory in_dir{dir.Path()};
    cFakeModelPool model_pool;
    Journal journal;  // outlives the pools' final ReleaseAll in TearDown
    Manager manager;
};

TEST_F(FactoryTest, NewPoolHoldsOneBlockOfSixteenResetObjects) {
    const auto& pool = AlphaPool();
    EXPECT_EQ(pool.BlockCount(), 1u);
    ASSERT_EQ(pool.Objects().size(), 16u);
    EXPECT_EQ(pool.FreeList().Size(), 16u);
    for (std::size_t i = 0; i < 16; ++i) {
        EXPECT_EQ(pool.FreeList()[i], pool.Objects()[i]) << "free list in building order";
        EXPECT_EQ(pool.Objects()[i]->resets, 1) << "every new object is reset once";
        EXPECT_EQ(pool.Objects()[i] - pool.Objects()[0], static_cast<std::ptrdiff_t>(i)) << "one contiguous block";
    }
}

TEST_F(FactoryTest, PoolGrowthResetsTellSceneListenersAboutUnregisteredObjects) {
    cJournalListener listener(&journal, "l");
    Engine::cSceneManager::Instance().AddListener(&listener);
    for (int i = 0; i < 16; ++i) manager.CreateTyped<cAlphaEntity>(ALPHA);
    EXPECT_TRUE(journal.empty()) << "taking objects resets nothing";
    manager.CreateTyped<cAlphaEntity>(ALPHA);
    EXPECT_EQ(journal, Journal(16, "l removed ")) << "each object of the new block is reset";
    Engine::cSceneManager::Instance().RemoveListener(&listener);
}

TEST_F(FactoryTest, BlockHandsOutItsLastObjectFirst) {
    const auto& pool = AlphaPool();
    EXPECT_EQ(manager.CreateTyped<cAlphaEntity>(ALPHA), pool.Objects()[15]);
    EXPECT_EQ(manager.CreateTyped<cAlphaEntity>(ALPHA), pool.Objects()[14]);
    EXPECT_EQ(pool.FreeList().Size(), 14u);
}

TEST_F(FactoryTest, SeventeenthLiveObjectBuildsASecondBlock) {
    const auto& pool = AlphaPool();
    TakeAlphas(16);
    EXPECT_EQ(pool.BlockCount(), 1u);
    EXPECT_TRUE(pool.FreeList().Empty());

    cAlphaEntity* seventeenth = manager.CreateTyped<cAlphaEntity>(ALPHA);

    EXPECT_EQ(pool.BlockCount(), 2u);
    ASSERT_EQ(pool.Objects().size(), 32u);
    EXPECT_EQ(seventeenth, pool.Objects()[31]);
    EXPECT_EQ(pool.FreeList().Size(), 15u);
    EXPECT_EQ(BetaPool().BlockCount(), 1u) << "other types' pools are untouched";
}

TEST_F(FactoryTest, CreateAfterDestroyReturnsTheSameObjectReset) {
    cAlphaEntity* first = manager.CreateTyped<cAlphaEntity>(ALPHA);
    first->Init("Kid");
    first->SetPosition({1, 2, 3});
    cAlphaEntity* held = first;

    manager.Destroy(&first);

    EXPECT_EQ(first, nullptr) << "the caller's pointer is nulled";
    EXPECT_TRUE(held->name.empty());
    EXPECT_EQ(held->position, Engine::Vector3(0, 0, 0));
    EXPECT_EQ(Engine::cSceneManager::Instance().FindByName("Kid"), nullptr);
    EXPECT_EQ(manager.CreateTyped<cAlphaEntity>(ALPHA), held) << "last freed, first reused";
}

TEST_F(FactoryTest, DestroyRoutesByTypeToTheEntitysOwnPool) {
    Engine::iBaseEntity* alpha = manager.Create(ALPHA);
    Engine::iBaseEntity* beta = manager.Create(BETA);
    Engine::iBaseEntity* beta_held = beta;
    manager.Destroy(&beta);
    manager.Destroy(&alpha);
    EXPECT_EQ(AlphaPool().FreeList().Size(), 16u);
    EXPECT_EQ(BetaPool().FreeList().Size(), 16u);
    EXPECT_EQ(BetaPool().FreeList().Back(), beta_held);
}

TEST_F(FactoryTest, DestroyOfANullPointerChangesNothing) {
    cAlphaEntity* none = nullptr;
    manager.Destroy(&none);
    manager.GetFactory(ALPHA)->Destroy(nullptr);
    Engine::iBaseEntity* also_none = nullptr;
    manager.GetFactory(ALPHA)->Destroy(&also_none);
    EXPECT_EQ(AlphaPool().FreeList().Size(), 16u);
    EXPECT_EQ(LogText(), "");
}

TEST_F(FactoryTest, SubFactoryRefusesAnObjectOfAnotherClass) {
    Engine::iBaseEntity* alpha = manager.Create(ALPHA);
    Engine::iBaseEntity* held = alpha;

    manager.GetFactory(BETA)->Destroy(&alpha);

    EXPECT_EQ(alpha, held) << "the caller keeps its pointer";
    EXPECT_EQ(BetaPool().FreeList().Size(), 16u);
    EXPECT_EQ(AlphaPool().FreeList().Size(), 15u);
    EXPECT_EQ(LogText(), "Error: Factory_Derived::Destroy: object of type 2 does not belong to this pool\n");
}

TEST_F(FactoryTest, CreateOfAnEmptyOrUnknownSlotGivesNullAndLogs) {
    EXPECT_EQ(manager.Create(EMPTY_SLOT), nullptr);
    EXPECT_EQ(manager.Create(TestTypeId::FromValue(99)), nullptr);
    EXPECT_EQ(manager.CreateTyped<cBetaEntity>(ALPHA), nullptr) << "ALPHA's pool does not make cBetaEntity";
    EXPECT_EQ(AlphaPool().FreeList().Size(), 16u);
    EXPECT_EQ(LogText(),
              "Error: GenericFactoryManager: no class is registered for type 4\n"
              "Error: GenericFactoryManager: no class is registered for type 99\n"
              "Error: GenericFactoryManager: no class is registered for type 2\n");
}

TEST_F(FactoryTest, RegisterTypeRefusesTakenAndOutOfTableSlots) {
    const Engine::Pool<cAlphaEntity>* before = &AlphaPool();
    EXPECT_FALSE(manager.RegisterType<cAlphaEntity>(ALPHA));
    EXPECT_FALSE(manager.RegisterType<cAlphaEntity>(TestTypeId::FromValue(TEST_TYPES_END)));
    EXPECT_FALSE(manager.RegisterType<cAlphaEntity>(TestTypeId::FromValue(-1)));
    EXPECT_FALSE(manager.RegisterType<cBetaEntity>(EMPTY_SLOT)) << "cBetaEntity answers BETA";
    EXPECT_EQ(manager.GetFactory(EMPTY_SLOT), nullptr);
    EXPECT_EQ(&AlphaPool(), before);
    EXPECT_FALSE(manager.SetTypeCount(1)) << "a sized table with live pools is kept";
    EXPECT_EQ(manager.TypeCount(), static_cast<std::size_t>(TEST_TYPES_END));
    EXPECT_EQ(LogText(),
              "Error: GenericFactoryManager::RegisterType: type 2 is already registered\n"
              "Error: GenericFactoryManager::RegisterType: type 5 is outside the table\n"
              "Error: GenericFactoryManager::RegisterType: type -1 is outside the table\n"
              "Error: GenericFactoryManager::RegisterType: the class for type 4 answers GetType with 3\n"
              "Error: GenericFactoryManager::SetTypeCount: the table is already sized\n");
}

TEST_F(FactoryTest, QueuedDeletionDeactivatesAtOnceAndDestroysAtTheNextFlush) {
    cAlphaEntity* entity = TakeAlphas(1)[0];
    cFakeModel model;
    entity->SetModel(&model);
    model.visible = true;

    manager.QueueDeletion(entity);

    EXPECT_FALSE(entity->active);
    EXPECT_FALSE(model.visible);
    EXPECT_TRUE(entity->queued);
    EXPECT_EQ(Engine::cSceneManager::Instance().FindByName("a0"), entity) << "still registered until the flush";
    EXPECT_EQ(AlphaPool().FreeList().Size(), 15u);

    manager.FlushDeletions();

    EXPECT_EQ(Engine::cSceneManager::Instance().FindByName("a0"), nullptr);
    EXPECT_EQ(AlphaPool().FreeList().Size(), 16u);
    EXPECT_EQ(AlphaPool().FreeList().Back(), entity);
    EXPECT_EQ(manager.QueuedDeletions(), 0u);
    EXPECT_EQ(model.releases, 1);
}

TEST_F(FactoryTest, EntityQueuedTwiceIsQueuedAndDestroyedOnce) {
    cAlphaEntity* entity = TakeAlphas(1)[0];
    const int resets_before = entity->resets;
    manager.QueueDeletion(entity);
    manager.QueueDeletion(entity);
    EXPECT_EQ(manager.QueuedDeletions(), 1u);

    manager.FlushDeletions();

    EXPECT_EQ(entity->resets, resets_before + 1);
    EXPECT_EQ(AlphaPool().FreeList().Size(), 16u);
    std::set<const cAlphaEntity*> distinct;
    for (std::size_t i = 0; i < AlphaPool().FreeList().Size(); ++i) distinct.insert(AlphaPool().FreeList()[i]);
    EXPECT_EQ(distinct.size(), 16u) << "no object is on the free list twice";
}

TEST_F(FactoryTest, DestroyOfAQueuedEntityDropsItsQueuedDeletion) {
    std::vector<cAlphaEntity*> taken = TakeAlphas(2);
    manager.QueueDeletion(taken[0]);
    manager.QueueDeletion(taken[1]);
    cAlphaEntity* destroyed = taken[0];
    manager.Destroy(&destroyed);
    EXPECT_EQ(manager.QueuedDeletions(), 1u);

    manager.FlushDeletions();

    std::set<const cAlphaEntity*> distinct;
    for (std::size_t i = 0; i < AlphaPool().FreeList().Size(); ++i) distinct.insert(AlphaPool().FreeList()[i]);
    EXPECT_EQ(AlphaPool().FreeList().Size(), 16u);
    EXPECT_EQ(distinct.size(), 16u) << "no object is on the free list twice";
}

TEST_F(FactoryTest, FlushDestroysInQueueOrderAcrossTypes) {
    std::vector<cAlphaEntity*> alphas = TakeAlphas(2);
    cBetaEntity* beta = manager.CreateTyped<cBetaEntity>(BETA);
    beta->Init("b0");
    for (cJournalEntity* e : std::vector<cJournalEntity*>{alphas[1], beta, alphas[0]}) {
        e->journal = &journal;
        manager.QueueDeletion(e);
    }

    manager.FlushDeletions();

    // The name is still there when the derived Reset journals it.
    EXPECT_EQ(journal, Journal({"reset a1", "reset b0", "reset a0"}));
    EXPECT_EQ(AlphaPool().FreeList().Back(), alphas[0]) << "the last destroyed is reused first";
    EXPECT_EQ(BetaPool().FreeList().Back(), beta);
}

TEST_F(FactoryTest, ReleaseAllWithDeletionsPendingReclaimsEveryObjectOnce) {
    std::vector<cAlphaEntity*> live = TakeAlphas(20);  // two blocks
    manager.QueueDeletion(live[3]);
    manager.QueueDeletion(live[7]);
    cBetaEntity* beta = manager.CreateTyped<cBetaEntity>(BETA);
    beta->Init("b0");

    manager.ReleaseAll();

    EXPECT_EQ(manager.QueuedDeletions(), 0u);
    const auto& pool = AlphaPool();
    ASSERT_EQ(pool.Objects().size(), 32u);
    ASSERT_EQ(pool.FreeList().Size(), 32u);
    for (std::size_t i = 0; i < 32; ++i) EXPECT_EQ(pool.FreeList()[i], pool.Objects()[i]) << "building order";
    EXPECT_EQ(BetaPool().FreeList().Size(), 16u);
    EXPECT_TRUE(Engine::cSceneManager::Instance().GetPending().Empty());
    for (cAlphaEntity* e : live) {  // pointers stay valid: the objects are reset, not freed
        EXPECT_TRUE(e->name.empty());
        EXPECT_FALSE(e->active);
    }

    const int resets_before = live[3]->resets;
    manager.FlushDeletions();
    EXPECT_EQ(live[3]->resets, resets_before) << "dropped deletions are not delivered later";
    EXPECT_EQ(manager.CreateTyped<cAlphaEntity>(ALPHA), pool.Objects()[31]) << "the last built comes first";
}

}  // namespace
}  // namespace EntityTests

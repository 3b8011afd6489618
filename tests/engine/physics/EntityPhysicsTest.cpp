// Physics objects driving entities: an entity's object moves its position,
// follows its active state and leaves with it, and contact callbacks reach
// the entities through the owner and tell the other party by its tag.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "engine/entity/cEntity.h"
#include "engine/entity/Pool.h"
#include "engine/entity/cSceneManager.h"
#include "tests/engine/physics/PhysicsFixture.h"

namespace PhysicsTests {
namespace {

using Engine::ePhysicsFlags;
using Engine::iPhysicsCmp;
using Engine::Vector3;

// Whether the other object's tag begins with prefix, as the game's callbacks test it.
bool Tagged(const iPhysicsCmp* other, const std::string& prefix) { return other->GetName().rfind(prefix, 0) == 0; }

// An entity with a box in group, a tag and a contact handler that counts
// contacts with "Kid..." objects, deactivating itself on the first when fragile.
class cTestProp : public Engine::cEntity {
public:
    std::int32_t GetType() const override { return 2; }

    void Setup(const std::string& group, const std::string& tag, const Vector3& at) {
        Init(tag);
        position = at;
        physics = Engine::cPhysicsWorld::Instance().CreateObject(group, nullptr, tag, &position);
        physics->SetOwner(this);
        physics->SetCallback(&OnContact);
        physics->GetShape()->UpdatePosition(position);
    }

    static std::int32_t OnContact(iPhysicsCmp* self, iPhysicsCmp* other) {
        auto* prop = static_cast<cTestProp*>(self->GetOwner());
        if (Tagged(other, "Kid")) {
            ++prop->kid_contacts;
            if (prop->fragile) prop->SetActive(false);
        }
        return 0;
    }

    int kid_contacts = 0;
    bool fragile = false;
};

class EntityPhysicsTest : public PhysicsFixture {
protected:
    void SetUp() override {
        PhysicsFixture::SetUp();
        Engine::cSceneManager::Destroy();
        Manager().GetGroup("Item", Engine::eCollisionGroupKind::Singular);
        Manager().GetGroup("Kid", Engine::eCollisionGroupKind::Singular);
        Manager().AddGroupPair("Item", "Kid");
    }
    void TearDown() override {
        Engine::cSceneManager::Destroy();
        PhysicsFixture::TearDown();
    }
    void Frame() { World().Update(1.0f / 60); }

    cTestProp kid, candy, crate;
};

TEST_F(EntityPhysicsTest, TheObjectMovesItsEntity) {
    World().Reset({0, -10, 0});
    kid.Setup("Kid", "Kid", {1, 2, 3});
    kid.physics->SetVelocity({6, 0, 0});
    kid.physics->SetFlag(ePhysicsFlags::Gravity, true);
    World().Step(0.5f);
    EXPECT_FLOAT_EQ(kid.position.x, 4);
    EXPECT_FLOAT_EQ(kid.position.y, -0.5f);
    EXPECT_EQ(kid.physics->GetPosition(), kid.position);
}

TEST_F(EntityPhysicsTest, CallbacksReachTheirEntityAndReadTheOtherTag) {
    kid.Setup("Kid", "KidPlayer", {0, 0, 0});
    candy.Setup("Item", "Candy", {0.5f, 0, 0});
    crate.Setup("Item", "Crate", {10, 0, 0});
    Frame();
    EXPECT_EQ(candy.kid_contacts, 1);
    EXPECT_EQ(crate.kid_contacts, 0);
    EXPECT_EQ(kid.kid_contacts, 0) << "the kid met a candy, not a kid";
}

TEST_F(EntityPhysicsTest, AnInactiveEntityIsNeitherSteppedNorPaired) {
    kid.Setup("Kid", "Kid", {0, 0, 0});
    candy.Setup("Item", "Candy", {0, 0, 0});
    candy.physics->SetVelocity({1, 0, 0});
    candy.SetActive(false);
    Frame();
    EXPECT_EQ(candy.kid_contacts, 0);
    EXPECT_EQ(candy.position, Vector3(0, 0, 0));
    candy.SetActive(true);
    Frame();
    EXPECT_EQ(candy.kid_contacts, 1);
}

TEST_F(EntityPhysicsTest, AnEntityDeactivatedInItsCallbackStillMeetsEveryKidOfThatFrame) {
    Engine::cPhysicsWorld::Instance().CreateObject("Kid", nullptr, "KidShadow", &kid.position);
    kid.Setup("Kid", "Kid", {0, 0, 0});
    candy.Setup("Item", "Candy", {0, 0, 0});
    candy.fragile = true;
    Frame();
    EXPECT_EQ(candy.kid_contacts, 2) << "both kids touched it in this frame";
    EXPECT_FALSE(candy.active);
    EXPECT_TRUE(candy.physics->IsDisabled());
    Frame();
    EXPECT_EQ(candy.kid_contacts, 2) << "disabled from the next pass on";
}

TEST_F(EntityPhysicsTest, AResetEntityHandsItsObjectBackAndForgetsIt) {
    kid.Setup("Kid", "Kid", {0, 0, 0});
    candy.Setup("Item", "Candy", {0, 0, 0});
    iPhysicsCmp* object = candy.physics;
    const std::size_t free_before = World().GetPool().Free().size();
    candy.Reset();
    EXPECT_EQ(candy.physics, nullptr);
    EXPECT_EQ(World().GetPool().Free().size(), free_before + 1);
    EXPECT_EQ(World().GetPool().Free().back(), object);
    candy.Reset();
    candy.SetActive(false);
    EXPECT_EQ(World().GetPool().Free().size(), free_before + 1) << "nothing handed back twice";
    Frame();
    EXPECT_EQ(candy.kid_contacts, 0);
    EXPECT_EQ(Manager().FindGroup("Item")->GetCount(), 0);
    EXPECT_EQ(World().GetObjects().size(), 1u);
}

// Entities with physics objects recycled through whole runs, as levels are
// played one after another: entities torn down mid-run, their objects reused
// by newcomers, dead entities touched again by game code, and every pool
// reclaimed at the end of each run.
TEST_F(EntityPhysicsTest, RecycledEntitiesNeverReachAnotherEntitysObject) {
    Engine::Pool<cTestProp> props, newcomers;  // two pools: the dead stay dead this run
    const Engine::cPhysicsObjectPool& objects = World().GetPool();
    for (int run = 0; run < 3; ++run) {
        Manager().GetGroup("Item", Engine::eCollisionGroupKind::Singular);
        std::vector<cTestProp*> live, dead;
        auto spawn = [&](Engine::Pool<cTestProp>& pool, int count) {
            for (int i = 0; i < count; ++i) {
                cTestProp* prop = pool.Take();
                prop->Setup("Item", "Prop", {static_cast<float>(3 * live.size()), 0, 0});
                live.push_back(prop);
            }
        };
        spawn(props, 100);
        for (std::size_t i = 0; i < live.size(); i += 3) dead.push_back(live[i]);
        for (cTestProp* prop : dead) {
            live.erase(std::find(live.begin(), live.end(), prop));
            props.GiveBack(prop);
        }
        Frame();
        spawn(newcomers, 40);  // more than the pool's never-used objects: some reuse the dead ones'
        for (cTestProp* prop : dead) prop->SetActive(false);  // stale game code pokes the dead
        Frame();

        std::set<const iPhysicsCmp*> owned;
        for (cTestProp* prop : live) {
            ASSERT_NE(prop->physics, nullptr);
            EXPECT_TRUE(owned.insert(prop->physics).second) << "one object, one owner";
            EXPECT_FALSE(prop->physics->IsDisabled()) << "run " << run;
            EXPECT_FALSE(prop->physics->IsRemoved());
        }
        EXPECT_EQ(World().GetObjects().size(), live.size());
        for (const auto* free_object : objects.Free()) EXPECT_EQ(owned.count(free_object), 0u);

        Manager().Clear();
        props.ReleaseAll();
        newcomers.ReleaseAll();
        EXPECT_EQ(objects.Free().size(), objects.All().size()) << "every object back after run " << run;
        EXPECT_EQ(objects.ChunkCount(), 2u) << "the pool does not grow from run to run";
    }
}

}  // namespace
}  // namespace PhysicsTests

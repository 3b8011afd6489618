// Keys, candy and power-ups: a touch of the kid counts once, sparkles, plays
// the pick-up sound and takes the item out of play; the checkpoint record
// lists it by its ordinal; the lifetime candy count is saved and unlocks its
// achievement from the 100th candy on; items hover and turn.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "game/entities/cCollectable.h"
#include "game/entities/cKey.h"
#include "game/entities/cLockedDoor.h"
#include "game/entities/cPowerUpEnergy.h"
#include "tests/game/entities/ItemFixture.h"

namespace {

using Engine::Vector3;
using Game::cCollectable;
using Game::cItem;
using Game::cKey;
using Game::eItemState;
namespace Types = Game::GAME_ENT_TYPES;

constexpr float kGroundTop = -0.9f;

class ItemTest : public ItemFields::ItemFixture {
protected:
    // Stands the kid on the ground (the ground plane's top) where the item
    // hovers, for a few frames, then steps until the item has left play.
    void Touch(const cItem& item) {
        Place(*kid, {item.position.x, kGroundTop, item.position.z});
        for (int i = 0; i < 5; ++i) Step();
    }

    Game::cCheckpointRecord& Record() { return Game::cLevelManager::Instance().checkpoint; }
};

TEST_F(ItemTest, ACandyTouchedCountsOnceSparklesAndLeaves) {
    Game::cEmitterCollectable& sparkles = *Game::cGlobalEffects::Instance().Collect();
    const std::uint32_t room = sparkles.Room();
    cCollectable* candy = MakeItem<cCollectable>(Types::COLLECTABLE, {2.0f, 0.0f, 3.0f}, 4);
    ASSERT_NE(candy, nullptr);
    EXPECT_EQ(candy->name, "Collectable");
    EXPECT_EQ(candy->physics->GetName(), "Collectable");
    EXPECT_EQ(candy->physics->GetGroupName(), "Item");
    for (int i = 0; i < 30; ++i) Step();
    EXPECT_EQ(candy->State(), eItemState::Spin) << "untouched, it stays";
    EXPECT_TRUE(sounds.empty());

    Touch(*candy);
    EXPECT_EQ(kid->candy, 1);
    EXPECT_EQ(Game::cAchievementStore::Instance().CandyCount(), 1);
    EXPECT_NE(SavedAchievements().find("<CandyCount count=\"1\"/>"), std::string::npos) << SavedAchievements();
    EXPECT_EQ(PlayedOnce("CollectSound"), 1);
    EXPECT_EQ(sparkles.Room(), room - Game::cEmitterCollectable::kBurstCount);
    EXPECT_FALSE(candy->active);
    EXPECT_TRUE(candy->queued);
    ASSERT_FALSE(Record().collected_candy.empty());
    for (std::uint32_t listed : Record().collected_candy) EXPECT_EQ(listed, 4u);
}

TEST_F(ItemTest, AKeyTouchedGivesOneKeyRecordsItAndSparkles) {
    Game::cEmitterKey& sparkles = *Game::cGlobalEffects::Instance().KeyCollect();
    const std::uint32_t room = sparkles.Room();
    cKey* key = MakeItem<cKey>(Types::KEY, {-3.0f, 0.0f, 1.0f}, 2);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->physics->GetName(), "Key");
    Touch(*key);
    EXPECT_EQ(kid->keys, 1);
    EXPECT_EQ(Record().key_count, 1);
    ASSERT_FALSE(Record().collected_keys.empty());
    EXPECT_EQ(Record().collected_keys.front(), 2u);
    EXPECT_EQ(PlayedOnce("CollectSound"), 1);
    EXPECT_EQ(sparkles.Room(), room - Game::cEmitterKey::kBurstCount);
    EXPECT_TRUE(key->queued);
    EXPECT_EQ(kid->candy, 0);
    EXPECT_EQ(Game::cAchievementStore::Instance().CandyCount(), 0);
}

TEST_F(ItemTest, ASecondTouchOfATakenItemCountsNothingMoreButIsListedAgain) {
    kid->keys = 1;
    cKey* key = MakeItem<cKey>(Types::KEY, {0.0f, 0.0f, 0.0f}, 7);
    cCollectable* candy = MakeItem<cCollectable>(Types::COLLECTABLE, {5.0f, 0.0f, 0.0f}, 1);
    ASSERT_NE(key, nullptr);
    ASSERT_NE(candy, nullptr);
    for (cItem* item : std::vector<cItem*>{key, candy}) {
        item->OnKidTouch();
        item->OnKidTouch();
    }
    EXPECT_EQ(kid->keys, 2);
    EXPECT_EQ(Record().key_count, 2);
    EXPECT_EQ(Record().collected_keys, (std::vector<std::uint32_t>{7, 7}));
    EXPECT_EQ(kid->candy, 1);
    EXPECT_EQ(Game::cAchievementStore::Instance().CandyCount(), 1) << "the lifetime count counts a candy once";
    EXPECT_EQ(Record().collected_candy, (std::vector<std::uint32_t>{1, 1}));
}

TEST_F(ItemTest, TheHundredthCandyUnlocksTheAchievementWithOneBanner) {
    UseCandyCount(98);
    Game::cAchievementStore& store = Game::cAchievementStore::Instance();
    std::vector<cCollectable*> candies;
    for (std::uint32_t i = 0; i < 3; ++i) {
        candies.push_back(MakeItem<cCollectable>(Types::COLLECTABLE, {3.0f * static_cast<float>(i), 0.0f, 0.0f}, i));
        ASSERT_NE(candies.back(), nullptr);
    }
    candies[0]->OnKidTouch();
    EXPECT_EQ(store.CandyCount(), 99);
    EXPECT_FALSE(store.IsUnlocked(cCollectable::kCandyAchievement));
    candies[1]->OnKidTouch();
    EXPECT_TRUE(store.IsUnlocked(cCollectable::kCandyAchievement));
    EXPECT_EQ(store.QueuedBanners(), 1u);
    candies[2]->OnKidTouch();
    EXPECT_EQ(store.CandyCount(), 101);
    EXPECT_EQ(store.QueuedBanners(), 1u) << "an unlocked achievement queues no second banner";
    EXPECT_NE(SavedAchievements().find("<CandyCount count=\"101\"/>"), std::string::npos);
}

TEST_F(ItemTest, KeysAndCandyHoverHalfAUnitAboveTheGroundAndTurnOnceEveryThreeSeconds) {
    struct Case {
        Game::EntityTypeId type;
        float height;
    };
    const Case cases[] = {{Types::KEY, -0.4f}, {Types::COLLECTABLE, -0.4f}, {Types::POWER_UP_ENERGY, 2.0f}};
    for (const Case& c : cases) {
        cItem* item = MakeItem<cItem>(c.type, {1.0f, 2.0f, 1.0f});
        ASSERT_NE(item, nullptr);
        EXPECT_FLOAT_EQ(item->position.y, c.height) << item->name;
        // The first step leaves Wait and the turn lags one step behind its clock,
        // so 32 steps of 0.05 s turn the item by 1.5 s: half a turn, w = cos(90 degrees).
        for (int i = 0; i < 32; ++i) Step(0.05f);
        EXPECT_NEAR(item->rotation.w, 0.0f, 0.01f) << item->name;
        EXPECT_NEAR(std::fabs(item->rotation.y), 1.0f, 0.01f) << item->name;
        Engine::iBaseEntity* done = item;
        Game::cGameFactory::Instance().Destroy(&done);
    }
}

TEST_F(ItemTest, APowerUpGivesTheKidNothingAndTheStrokeTakesItAway) {
    cItem* power = MakeItem<cItem>(Types::POWER_UP_ENERGY, {0.0f, 0.0f, 0.0f});
    ASSERT_NE(power, nullptr);
    EXPECT_EQ(power->name, "powerup");
    EXPECT_EQ(power->physics->GetName(), "PowerUp_Energy");
    Touch(*power);
    EXPECT_TRUE(power->active);
    EXPECT_EQ(kid->candy, 0);
    EXPECT_TRUE(sounds.empty());
    Place(*kid, {0.0f, 0.0f, -50.0f});
    Place(*stroke, power->position);
    Step();
    EXPECT_FALSE(power->active);
    EXPECT_TRUE(power->queued);
}

}  // namespace

namespace {

class ItemRestartTest : public ItemTest {
protected:
    // The level's objects of type, in creation order.
    template <typename T>
    std::vector<T*> Loaded(std::int32_t type) const {
        std::vector<T*> found;
        for (Engine::iBaseEntity* e : Game::cLevelManager::Instance().level_entities) {
            if (e->GetType() == type) found.push_back(dynamic_cast<T*>(e));
        }
        return found;
    }

    bool LoadItems() {
        Game::cLevelManager& levels = Game::cLevelManager::Instance();
        levels.bake_decorations = [] {};
        return levels.Load("Items", dir.Path().string() + "/levels/");
    }
};

TEST_F(ItemRestartTest, ARestartLeavesOutTheItemsTakenAndTheDoorsOpenedByTheirOrdinals) {
    dir.Write("levels/Items.xml",
              "<LevelRoot>\n"
              "<LockedDoor posX=\"10\"/><LockedDoor posX=\"11\"/>\n"
              "<Key posX=\"5\"/><Key posX=\"6\"/>\n"
              "<Collectable posX=\"1\"/><Collectable posX=\"2\"/><Collectable posX=\"3\"/>\n"
              "</LevelRoot>\n");
    ASSERT_TRUE(LoadItems());
    const auto candies = Loaded<cCollectable>(Types::COLLECTABLE);
    const auto keys = Loaded<cKey>(Types::KEY);
    const auto doors = Loaded<Game::cLockedDoor>(Types::LOCKED_DOOR);
    ASSERT_EQ(candies.size(), 3u);
    ASSERT_EQ(keys.size(), 2u);
    ASSERT_EQ(doors.size(), 2u);
    candies[1]->OnKidTouch();
    keys[0]->OnKidTouch();
    doors[1]->kid = kid.get();
    kid->keys = 1;
    doors[1]->OnTouchKid();
    ASSERT_TRUE(doors[1]->opened);

    // The same level again, as a restart does: the record is kept.
    ASSERT_TRUE(LoadItems());
    EXPECT_EQ(Game::cLevelManager::Instance().candy_total, 3u) << "left-out candy still counts for the results";
    std::vector<float> left;
    for (Engine::cEntity* e : Loaded<Engine::cEntity>(Types::COLLECTABLE)) left.push_back(e->position.x);
    EXPECT_EQ(left, (std::vector<float>{1.0f, 3.0f}));
    left.clear();
    for (Engine::cEntity* e : Loaded<Engine::cEntity>(Types::KEY)) left.push_back(e->position.x);
    EXPECT_EQ(left, (std::vector<float>{6.0f}));
    left.clear();
    for (Engine::cEntity* e : Loaded<Engine::cEntity>(Types::LOCKED_DOOR)) left.push_back(e->position.x);
    EXPECT_EQ(left, (std::vector<float>{10.0f}));
    const auto candies_again = Loaded<cCollectable>(Types::COLLECTABLE);
    ASSERT_EQ(candies_again.size(), 2u);
    EXPECT_EQ(candies_again[1]->item_id, 2u) << "each keeps its ordinal in the file";
}

}  // namespace

// A level played up to a checkpoint, lost and loaded again: the kid comes
// back at the checkpoint it touched last, the keys and candy it took are left
// out of the new load, and it holds what it took from them (less the keys
// spent on doors), so nothing is lost and no candy counts twice. The level's
// items are stand-ins that write the checkpoint record the way the real ones
// do; the kid and the checkpoint are the real classes, meeting through the
// collision pass.

#include <string>
#include <vector>

#include "engine/render/scene/cLightManager.h"
#include "engine/render/scene/cLightPool.h"
#include "engine/render/scene/cShadowCasterList.h"
#include "game/data/cGameData.h"
#include "game/entities/cCheckPoint.h"
#include "game/entities/cKidKey.h"
#include "game/entities/cPath.h"
#include "tests/game/data/LevelRecorders.h"
#include "tests/game/entities/MarkerFixture.h"

namespace {

using Engine::Vector3;
using Game::cCheckPoint;
using Game::cGameFactory;
using Game::cKid;
using Game::cLevelManager;
namespace Types = Game::GAME_ENT_TYPES;

// A key or a piece of candy that the test hands to the kid; taking it adds
// to the kid and lists its ordinal in the record, as the real item does.
template <Types::eGameEntityTypes Type>
class cStandInItem : public Engine::cEntity, public Game::iLevelObject {
public:
    std::int32_t GetType() const override { return Type; }
    bool SetUpFromLevel(const Game::LevelObjectValues& values) override {
        ordinal = values.ordinal.value_or(0);
        return true;
    }
    void TakeBy(cKid& kid) {
        Game::cCheckpointRecord& record = cLevelManager::Instance().checkpoint;
        if (Type == Types::KEY) {
            ++kid.keys;
            record.key_count = kid.keys;
            record.collected_keys.push_back(ordinal);
        } else {
            ++kid.candy;
            record.collected_candy.push_back(ordinal);
        }
        cGameFactory::Instance().QueueDeletion(this);
    }
    std::uint32_t ordinal = 0;
};

using cStandInKey = cStandInItem<Types::KEY>;
using cStandInCandy = cStandInItem<Types::COLLECTABLE>;

class CheckpointRestartTest : public MarkerTest::MarkerFixture {
protected:
    void SetUp() override {
        MarkerFixture::SetUp();
        // Only the classes this level needs, so that the items are the stand-ins.
        cGameFactory::Instance().Shutdown();
        cGameFactory::Destroy();
        cGameFactory& factory = cGameFactory::Instance();
        ASSERT_TRUE(factory.SetTypeCount(Game::kEntityTypeCount));
        ASSERT_TRUE(factory.RegisterType<cKid>(Types::KID));
        ASSERT_TRUE(factory.RegisterType<Game::cKidKey>(Types::KID_KEY));
        ASSERT_TRUE(factory.RegisterType<Game::cPath>(Types::PATH));
        ASSERT_TRUE(factory.RegisterType<TestSupport::cRecorder<Types::STROKE>>(Types::STROKE));
        ASSERT_TRUE(factory.RegisterType<cCheckPoint>(Types::CHECK_POINT));
        ASSERT_TRUE(factory.RegisterType<cStandInKey>(Types::KEY));
        ASSERT_TRUE(factory.RegisterType<cStandInCandy>(Types::COLLECTABLE));
        Game::cGameData::Instance().challenge_spawning = false;
        cLevelManager& levels = cLevelManager::Instance();
        levels.current_state = [this] { return state; };
        levels.bake_decorations = [] {};
        levels.current_number = 3;
        dir.Write("levels/Level3.xml",
                  "<?xml version=\"1.0\"?>\n<LevelRoot>\n<Kid posX=\"0\" posY=\"0\" posZ=\"0\"/>\n"
                  "<CheckPoint posX=\"10\" posY=\"0\" posZ=\"0\"/>\n"
                  "<Key posX=\"3\"/>\n<Key posX=\"4\"/>\n<Key posX=\"5\"/>\n"
                  "<Collectable posX=\"6\"/>\n<Collectable posX=\"7\"/>\n</LevelRoot>\n");
    }

    void TearDown() override {
        MarkerFixture::TearDown();
        Engine::cLightPool::Destroy();
        Engine::cLightManager::Destroy();
        Engine::cShadowCasterList::Destroy();
    }

    // Loads Level3 as the gameplay state does for state; the level's kid.
    cKid* LoadLevel(int loading_state) {
        state = loading_state;
        cGameFactory::Instance().ReleaseAll();
        if (!cLevelManager::Instance().Load("", dir.File("levels/"))) return nullptr;
        return dynamic_cast<cKid*>(cLevelManager::Instance().kid);
    }

    // The level's objects of type, in creation order.
    template <typename T>
    static std::vector<T*> Listed(std::int32_t type) {
        std::vector<T*> found;
        for (Engine::iBaseEntity* e : cLevelManager::Instance().level_entities) {
            if (e->GetType() == type) found.push_back(dynamic_cast<T*>(e));
        }
        return found;
    }

    // One step with the kid held still at where.
    static void StepAt(cKid& level_kid, const Vector3& where) {
        level_kid.SetPosition(where);
        level_kid.physics->SetVelocity({0.0f, 0.0f, 0.0f});
        level_kid.physics->GetShape()->UpdatePosition(where);
        Step();
    }

    int state = 10;  // the gameplay state
};

TEST_F(CheckpointRestartTest, ALostLevelRestartsAtTheCheckpointWithoutTheItemsTakenAndTheKidHoldsThem) {
    cKid* level_kid = LoadLevel(10);
    ASSERT_NE(level_kid, nullptr);
    std::vector<cStandInKey*> keys = Listed<cStandInKey>(Types::KEY);
    std::vector<cStandInCandy*> candy = Listed<cStandInCandy>(Types::COLLECTABLE);
    ASSERT_EQ(keys.size(), 3u);
    ASSERT_EQ(candy.size(), 2u);

    // Two keys and a piece of candy before the checkpoint; one key opens a door.
    keys[0]->TakeBy(*level_kid);
    keys[2]->TakeBy(*level_kid);
    candy[1]->TakeBy(*level_kid);
    level_kid->UseKey();
    cLevelManager::Instance().checkpoint.opened_doors.push_back(0);
    ASSERT_EQ(level_kid->keys, 1);

    StepAt(*level_kid, {0.0f, 0.0f, -5.0f});
    StepAt(*level_kid, {10.0f, 0.0f, 0.0f});
    StepAt(*level_kid, {10.0f, 0.0f, 0.0f});
    cCheckPoint* checkpoint = Listed<cCheckPoint>(Types::CHECK_POINT).at(0);
    EXPECT_TRUE(checkpoint->lit);
    // The candy touched a second time after the checkpoint is listed again but is one piece.
    cLevelManager::Instance().checkpoint.collected_candy.push_back(1);

    // The kid dies; the same level is loaded again (the restart state).
    level_kid->status |= cKid::kStatusDead;
    level_kid = LoadLevel(14);
    ASSERT_NE(level_kid, nullptr);
    EXPECT_FLOAT_EQ(level_kid->position.x, 10.0f);
    EXPECT_FLOAT_EQ(level_kid->position.z, 0.0f);
    EXPECT_TRUE(level_kid->restarted_at_checkpoint);
    EXPECT_EQ(level_kid->keys, 1);
    EXPECT_EQ(level_kid->candy, 1);
    EXPECT_EQ(cLevelManager::Instance().candy_total, 2u);

    keys = Listed<cStandInKey>(Types::KEY);
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0]->ordinal, 1u);
    EXPECT_FLOAT_EQ(keys[0]->position.x, 4.0f);
    candy = Listed<cStandInCandy>(Types::COLLECTABLE);
    ASSERT_EQ(candy.size(), 1u);
    EXPECT_EQ(candy[0]->ordinal, 0u);
    EXPECT_FALSE(Listed<cCheckPoint>(Types::CHECK_POINT).at(0)->lit);

    // Loading the level from the menu starts it afresh with every item.
    level_kid = LoadLevel(cLevelManager::STATE_MAIN_MENU);
    ASSERT_NE(level_kid, nullptr);
    EXPECT_FLOAT_EQ(level_kid->position.x, 0.0f);
    EXPECT_EQ(level_kid->keys, 0);
    EXPECT_EQ(level_kid->candy, 0);
    EXPECT_EQ(Listed<cStandInKey>(Types::KEY).size(), 3u);
    EXPECT_EQ(Listed<cStandInCandy>(Types::COLLECTABLE).size(), 2u);
}

}  // namespace

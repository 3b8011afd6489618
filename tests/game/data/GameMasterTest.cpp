// The game master finds the run's kid and stroke by name and type when a run
// starts, and forgets the kid when it ends.

#include <gtest/gtest.h>

#include <cstdint>

#include "engine/entity/cEntity.h"
#include "engine/entity/cSceneManager.h"
#include "game/data/cGameMaster.h"
#include "game/entities/eGameEntityTypes.h"

namespace {

using Game::cGameMaster;
namespace Types = Game::GAME_ENT_TYPES;

class cTypedEntity : public Engine::cEntity {
public:
    explicit cTypedEntity(std::int32_t type) : type(type) {}
    std::int32_t GetType() const override { return type; }

private:
    std::int32_t type;
};

class GameMasterTest : public ::testing::Test {
protected:
    void SetUp() override {
        cGameMaster::Destroy();
        Engine::cSceneManager::Destroy();
    }
    void TearDown() override {
        cGameMaster::Instance().Unregister();
        for (cTypedEntity* e : {&kid, &stroke, &impostor}) e->Reset();
        cGameMaster::Destroy();
        Engine::cSceneManager::Destroy();
    }

    cTypedEntity kid{Types::KID};
    cTypedEntity stroke{Types::STROKE};
    cTypedEntity impostor{Types::KID_KEY};
};

TEST_F(GameMasterTest, RegisterFindsKidAndStrokeAndUnregisterForgetsTheKid) {
    kid.Init("Kid");
    stroke.Init("Stroke");
    cGameMaster::Instance().Register();
    EXPECT_EQ(cGameMaster::Instance().Kid(), &kid);
    EXPECT_EQ(cGameMaster::Instance().Stroke(), &stroke);
    cGameMaster::Instance().Unregister();
    EXPECT_EQ(cGameMaster::Instance().Kid(), nullptr);
    EXPECT_EQ(cGameMaster::Instance().Stroke(), &stroke);
}

TEST_F(GameMasterTest, EntitiesOfTheWrongTypeOrNameAreNotTaken) {
    impostor.Init("Kid");
    kid.Init("Kid2");
    stroke.Init("stroke");
    cGameMaster::Instance().Register();
    EXPECT_EQ(cGameMaster::Instance().Kid(), nullptr);
    EXPECT_EQ(cGameMaster::Instance().Stroke(), nullptr);
}

}  // namespace

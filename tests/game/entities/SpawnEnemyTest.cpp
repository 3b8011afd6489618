// The spawners: a trigger box that releases its held ghosts and arms its
// nested spawners when the kid walks in, once; and the time spawner that
// releases equal waves at its interval, with zero waves releasing nothing.

#include "game/entities/cSpawnEnemy.h"

#include <algorithm>
#include <vector>

#include "game/data/cLevelManager.h"
#include "game/entities/cDumbEnemy.h"
#include "game/entities/cTimeSpawnEnemy.h"
#include "tests/game/entities/EnemyFixture.h"

namespace {

using Engine::Vector3;
using Game::cDumbEnemy;
using Game::cSpawnEnemy;
using Game::cTimeSpawnEnemy;
using Game::eGhostState;
namespace Types = Game::GAME_ENT_TYPES;

class SpawnEnemyTest : public EnemyTest::EnemyFixture {
protected:
    void SetUp() override {
        EnemyFixture::SetUp();
        Place(*kid, {0.0f, 0.0f, -30.0f});
    }

    void TearDown() override {
        Game::cLevelManager::Destroy();
        EnemyFixture::TearDown();
    }

    // The spawners a level file made, of the type, in the order read.
    static std::vector<cSpawnEnemy*> LoadedSpawners(const std::string& level_file, Game::EntityTypeId type) {
        Game::cLevelManager& levels = Game::cLevelManager::Instance();
        levels.current_state = [] { return kGameplayState; };
        levels.bake_decorations = [] {};
        std::vector<cSpawnEnemy*> found;
        if (!levels.Load(level_file, "./")) return found;
        for (Engine::iBaseEntity* spawner : levels.spawners) {
            if (spawner->GetType() == type) found.push_back(dynamic_cast<cSpawnEnemy*>(spawner));
        }
        return found;
    }

    static constexpr int kGameplayState = 10;

    cSpawnEnemy* MakeSpawner(const Vector3& at, const Vector3& size) {
        auto* spawner = Game::cGameFactory::Instance().CreateTyped<cSpawnEnemy>(Types::SPAWN_ENEMY);
        Game::LevelObjectValues values;
        values.name = "SpawnEnemy";
        values.position = at;
        values.scale = size;
        spawner->Init(values.name);
        return spawner->SetUpFromLevel(values) ? spawner : nullptr;
    }

    cTimeSpawnEnemy* MakeTimeSpawner(float interval, std::uint32_t waves) {
        auto* spawner = Game::cGameFactory::Instance().CreateTyped<cTimeSpawnEnemy>(Types::TIME_SPAWN_ENEMY);
        Game::LevelObjectValues values;
        values.name = "TimeSpawnEnemy";
        values.position = {0.0f, 0.0f, 10.0f};
        values.time_interval = interval;
        values.no_of_waves = waves;
        spawner->Init(values.name);
        return spawner->SetUpFromLevel(values) ? spawner : nullptr;
    }

    // A ghost handed to a spawner the way the level loader does it: set up, then deactivated.
    cDumbEnemy* HeldGhost(Game::iLevelSpawner& spawner, const Vector3& at) {
        cDumbEnemy* ghost = Make<cDumbEnemy>(Types::DUMB_ENEMY, at);
        if (ghost == nullptr) return nullptr;
        ghost->SetActive(false);
        spawner.AddSpawn(ghost);
        return ghost;
    }
};

TEST_F(SpawnEnemyTest, TheKidWalkingInReleasesTheHeldGhostsAndArmsANestedSpawnerOnce) {
    cSpawnEnemy* spawner = MakeSpawner({10.0f, 0.0f, 0.0f}, {4.0f, 4.0f, 4.0f});
    ASSERT_NE(spawner, nullptr);
    cDumbEnemy* first = HeldGhost(*spawner, {12.0f, 0.0f, 3.0f});
    cDumbEnemy* second = HeldGhost(*spawner, {8.0f, 0.0f, 3.0f});
    cSpawnEnemy* nested = MakeSpawner({20.0f, 0.0f, 0.0f}, {2.0f, 2.0f, 2.0f});
    ASSERT_NE(nested, nullptr);
    cDumbEnemy* inner = HeldGhost(*nested, {22.0f, 0.0f, 0.0f});
    nested->SetActive(false);
    spawner->AddSpawn(nested);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(spawner->Enemies().size(), 3u);
    EXPECT_EQ(spawner->link_count, 4);

    // Far away nothing happens, and held ghosts do not rise.
    Run(2.0f);
    EXPECT_FALSE(first->active);
    EXPECT_EQ(first->State(), eGhostState::Rise);
    EXPECT_TRUE(spawner->active);

    Place(*kid, {11.0f, 0.0f, 0.0f});
    Step();
    for (cDumbEnemy* ghost : {first, second}) {
        EXPECT_TRUE(ghost->active);
        EXPECT_FLOAT_EQ(ghost->position.y, -2.0f);
    }
    EXPECT_TRUE(nested->active);
    EXPECT_FALSE(inner->active);
    EXPECT_FALSE(spawner->active);
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "once spawn"), 1);

    // The kid walking through the nested spawner's box releases its ghost in turn.
    Place(*kid, {20.0f, 0.0f, 0.0f});
    Step();
    EXPECT_TRUE(inner->active);
    EXPECT_FALSE(nested->active);

    // Released ghosts rise to their places.
    Place(*kid, {0.0f, 0.0f, -30.0f});
    Run(1.1f);
    EXPECT_EQ(first->State(), eGhostState::Walk);
    EXPECT_NEAR(first->position.y, 0.0f, 1e-4f);
}

TEST_F(SpawnEnemyTest, AnEmptySpawnerSwitchesOffWhenTheKidComes) {
    cSpawnEnemy* spawner = MakeSpawner({0.0f, 0.0f, 0.0f}, {2.0f, 2.0f, 2.0f});
    ASSERT_NE(spawner, nullptr);
    Place(*kid, {0.0f, 0.0f, 0.0f});
    Step();
    EXPECT_FALSE(spawner->active);
    EXPECT_TRUE(spawner->physics->IsDisabled());
}

TEST_F(SpawnEnemyTest, ResettingASpawnerForgetsItsGhostsWithoutTouchingThem) {
    cSpawnEnemy* spawner = MakeSpawner({0.0f, 0.0f, 0.0f}, {2.0f, 2.0f, 2.0f});
    ASSERT_NE(spawner, nullptr);
    cDumbEnemy* ghost = HeldGhost(*spawner, {3.0f, 0.0f, 0.0f});
    ASSERT_NE(ghost, nullptr);
    Engine::iBaseEntity* entity = spawner;
    Game::cGameFactory::Instance().Destroy(&entity);
    EXPECT_TRUE(spawner->Enemies().empty());
    EXPECT_EQ(ghost->name, "sampleEnemy");
    EXPECT_FALSE(ghost->active);
}

TEST_F(SpawnEnemyTest, ATimeSpawnerReleasesOneEqualWaveEachInterval) {
    cTimeSpawnEnemy* spawner = MakeTimeSpawner(1.0f, 3);
    ASSERT_NE(spawner, nullptr);
    std::vector<cDumbEnemy*> ghosts;
    for (int i = 0; i < 6; ++i) ghosts.push_back(HeldGhost(*spawner, {static_cast<float>(2 * i), 0.0f, 20.0f}));
    EXPECT_EQ(spawner->per_wave, 2u);
    const auto active_count = [&ghosts] {
        int count = 0;
        for (const cDumbEnemy* ghost : ghosts) count += ghost->active ? 1 : 0;
        return count;
    };

    Run(0.95f);
    EXPECT_EQ(active_count(), 0);
    Run(0.1f);
    EXPECT_EQ(active_count(), 2);
    EXPECT_TRUE(ghosts[0]->active && ghosts[1]->active);  // the first wave is the first handed over
    EXPECT_EQ(spawner->waves_released, 1u);
    Run(1.05f);
    EXPECT_EQ(active_count(), 4);
    Run(1.05f);
    EXPECT_EQ(active_count(), 6);
    EXPECT_EQ(spawner->waves_released, 3u);
    EXPECT_TRUE(spawner->Enemies().empty());
    Run(3.0f);
    EXPECT_EQ(spawner->waves_released, 3u);
}

TEST_F(SpawnEnemyTest, ATimeSpawnerWithoutWavesReleasesNothing) {
    cTimeSpawnEnemy* spawner = MakeTimeSpawner(0.5f, 0);
    ASSERT_NE(spawner, nullptr);
    EXPECT_EQ(spawner->per_wave, 0u);
    // Even handed a ghost by some other caller, it shares nothing out and never divides by zero.
    cDumbEnemy* ghost = HeldGhost(*spawner, {0.0f, 0.0f, 20.0f});
    ASSERT_NE(ghost, nullptr);
    EXPECT_EQ(spawner->per_wave, 0u);

    Run(3.0f);

    EXPECT_FALSE(ghost->active);
    EXPECT_EQ(spawner->waves_released, 0u);
}

TEST_F(SpawnEnemyTest, TheLevelLoaderHandsOverEveryWaveAndNestedEnemiesInactive) {
    dir.Write("Spawns.xml",
              "<LevelRoot>\n"
              "<SpawnEnemy posX=\"3\" scaleX=\"2\" scaleY=\"2\" scaleZ=\"2\">\n"
              "  <BasicEnemy posX=\"1\"/><BasicEnemyFast posX=\"2\"/>\n"
              "  <SpawnEnemy posX=\"6\"><BasicEnemyHP/></SpawnEnemy>\n"
              "</SpawnEnemy>\n"
              "<TimeSpawnEnemy TimeInterval=\"2.5\" NoOfWaves=\"3\"><BasicEnemy/><BasicEnemy/></TimeSpawnEnemy>\n"
              "<TimeSpawnEnemy NoOfWaves=\"0\"><BasicEnemy/></TimeSpawnEnemy>\n"
              "</LevelRoot>\n");

    const std::vector<cSpawnEnemy*> spawners = LoadedSpawners("Spawns", Types::SPAWN_ENEMY);
    ASSERT_EQ(spawners.size(), 1u);
    ASSERT_EQ(spawners[0]->Enemies().size(), 3u);
    EXPECT_EQ(spawners[0]->Enemies()[0]->GetType(), Types::DUMB_ENEMY);
    EXPECT_EQ(spawners[0]->Enemies()[1]->GetType(), Types::DUMB_ENEMY_FAST);
    EXPECT_EQ(spawners[0]->Enemies()[2]->GetType(), Types::SPAWN_ENEMY);
    for (Engine::iBaseEntity* held : spawners[0]->Enemies()) EXPECT_FALSE(dynamic_cast<Engine::cEntity*>(held)->active);
    EXPECT_TRUE(spawners[0]->active);

    std::vector<cTimeSpawnEnemy*> timed;
    for (Engine::iBaseEntity* spawner : Game::cLevelManager::Instance().spawners) {
        if (auto* time_spawner = dynamic_cast<cTimeSpawnEnemy*>(spawner)) timed.push_back(time_spawner);
    }
    ASSERT_EQ(timed.size(), 2u);
    EXPECT_FLOAT_EQ(timed[0]->interval, 2.5f);
    EXPECT_EQ(timed[0]->waves, 3u);
    EXPECT_EQ(timed[0]->Enemies().size(), 6u);
    EXPECT_EQ(timed[0]->per_wave, 2u);
    EXPECT_EQ(timed[1]->waves, 0u);
    EXPECT_TRUE(timed[1]->Enemies().empty());
    EXPECT_EQ(timed[1]->per_wave, 0u);
}

}  // namespace

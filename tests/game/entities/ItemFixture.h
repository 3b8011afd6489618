#pragma once
// ItemFixture: the enemy play field with what items, doors and crates need
// besides: their collision groups paired as in play ("Item", "Door" and "Wall"
// with the kid, "Destructable" with the kid and the stroke; "Item" with the
// stroke too, which play never pairs, to show what a power-up would do), a
// "Destructable" stats record, a clean checkpoint record, and the
// achievement store reading and saving the player's data under the test's
// own folder, starting from a lifetime candy count the test chooses.

#include <string>

#include "game/data/cAchievementStore.h"
#include "game/data/cLevelManager.h"
#include "tests/game/entities/EnemyFixture.h"

namespace ItemFields {

inline const char* const kStats = R"(<EnemyStats>
  <EnemyStat Name="DollEnemy" Health="0.25" Speed="2" AttPower="0.4"/>
  <EnemyStat Name="Destructable" Health="0.25" Speed="1" AttPower="1"/>
</EnemyStats>
)";

class ItemFixture : public EnemyTest::EnemyFixture {
protected:
    void SetUp() override {
        EnemyFixture::SetUp();
        LoadStats(kStats);
        Engine::cCollisionManager& collisions = Engine::cCollisionManager::Instance();
        for (const char* group : {"Item", "Door", "Destructable", "Wall"}) {
            collisions.GetGroup(group, Engine::eCollisionGroupKind::Singular);
        }
        collisions.AddGroupPair("Item", "Kid");
        collisions.AddGroupPair("Item", "Stroke");
        collisions.AddGroupPair("Door", "Kid");
        collisions.AddGroupPair("Destructable", "Kid");
        collisions.AddGroupPair("Destructable", "Stroke");
        collisions.AddGroupPair("Wall", "Kid");
        Game::cLevelManager::Instance().checkpoint.Clear();
        UseCandyCount(0);
        // Far from everything until a test places them.
        Place(*kid, {0.0f, 0.0f, -50.0f});
    }

    void TearDown() override {
        EnemyFixture::TearDown();
        Game::cAchievementStore::Destroy();
        Game::cLevelManager::Destroy();
    }

    // The player's data as a fresh install with count candies collected over all plays.
    void UseCandyCount(int count) {
        std::string text = "<AchievementResults>";
        for (int i = 0; i < 10; ++i) text += "<AchievementStat result=\"0\"/>";
        text += "<CandyCount count=\"" + std::to_string(count) + "\"/></AchievementResults>";
        dir.Write("shipped/PlayerData/achievementresult.xml", text);
        Game::cAchievementStore::Destroy();
        ASSERT_TRUE(Game::cAchievementStore::Instance().Load(PlayerFolder(), dir.Path().string() + "/shipped/"));
    }

    std::string PlayerFolder() const { return dir.Path().string() + "/player/"; }

    // The player's saved copy of the achievements, empty before the first save.
    std::string SavedAchievements() const {
        return TestSupport::ReadFile(PlayerFolder() + Game::cAchievementStore::kFileName);
    }

    // An entity of the type set up as the level loader would, with the
    // fixture's kid and stroke and the given ordinal.
    template <typename T>
    T* MakeItem(Game::EntityTypeId type, const Engine::Vector3& at, std::uint32_t ordinal = 0,
                const Engine::Vector3& size = {1.0f, 1.0f, 1.0f}) {
        Engine::iBaseEntity* created = Game::cGameFactory::Instance().Create(type);
        T* entity = dynamic_cast<T*>(created);
        if (entity == nullptr) {
            Game::cGameFactory::Instance().Destroy(&created);
            return nullptr;
        }
        Game::LevelObjectValues values;
        values.name = "Element";
        values.position = at;
        values.scale = size;
        values.kid = kid.get();
        values.stroke = stroke.get();
        values.ordinal = ordinal;
        entity->Init(values.name);
        entity->position = values.position;
        if (entity->SetUpFromLevel(values)) return entity;
        Engine::iBaseEntity* refused = entity;
        Game::cGameFactory::Instance().Destroy(&refused);
        return nullptr;
    }

    // How often sound was played once.
    int PlayedOnce(const std::string& sound) const {
        int n = 0;
        for (const std::string& event : sounds) n += event == "once " + sound ? 1 : 0;
        return n;
    }
};

}  // namespace ItemFields

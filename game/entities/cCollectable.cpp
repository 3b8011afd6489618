#include "game/entities/cCollectable.h"

#include "game/data/cAchievementStore.h"
#include "game/data/cLevelManager.h"
#include "game/entities/cKid.h"

namespace Game {

void cCollectable::OnKidTouch() {
    if (!collected) {
        if (kid != nullptr) ++kid->candy;
        CountLifetimeCandy();
    }
    collected = true;
    cLevelManager::Instance().checkpoint.collected_candy.push_back(item_id);
}

void cCollectable::CountLifetimeCandy() {
    cAchievementStore& store = cAchievementStore::Instance();
    store.SetCandyCount(store.CandyCount() + 1);
    store.SaveCandyCount();
    if (store.CandyCount() >= kCandyForAchievement) store.Unlock(kCandyAchievement);
}

}  // namespace Game

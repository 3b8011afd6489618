#include "game/entities/cKey.h"

#include "game/data/cLevelManager.h"
#include "game/entities/cGlobalEffects.h"
#include "game/entities/cKid.h"
#include "game/entities/cKidKey.h"

namespace Game {

namespace {

constexpr float kCollectStrength = 1.0f;

}  // namespace

void cKey::OnKidTouch() {
    cCheckpointRecord& record = cLevelManager::Instance().checkpoint;
    if (!collected && kid != nullptr) {
        ++kid->keys;
        if (cKidKey* carried = kid->CarriedKey()) carried->Show(true);
        record.key_count = kid->keys;
    }
    collected = true;
    record.collected_keys.push_back(item_id);
}

void cKey::FireCollectEffect() {
    if (cEmitterKey* sparkles = cGlobalEffects::Instance().KeyCollect()) sparkles->Burst(position, kCollectStrength);
}

}  // namespace Game

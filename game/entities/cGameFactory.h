#pragma once
// cGameFactory: the game's process-wide entity factory, with one pooled
// sub-factory per entity type of the 61-slot table. Game initialisation calls
// Register once; game states flush the deletion queue once per frame before
// the scene update and release every pool in their Exit; game shut-down calls
// Shutdown. Gameplay code takes entities with Create or CreateTyped, sets them
// up, and gives them back with Destroy or QueueDeletion (the inherited
// operations of GenericFactoryManager).
//
// Register fills the slot of every entity class that has been written; a type
// whose class does not exist yet keeps an empty slot, and Create of an empty
// slot logs an error and returns null. ReleaseAll also releases the
// decoration batches, the level's static models that no entity owns.

#include "engine/core/Singleton.h"
#include "engine/entity/GenericFactoryManager.h"
#include "engine/entity/iBaseEntity.h"
#include "game/entities/eGameEntityTypes.h"

namespace Game {

class cGameFactory : public Engine::GenericFactoryManager<EntityTypeId, Engine::iBaseEntity>,
                     public Engine::Singleton<cGameFactory> {
    friend class Engine::Singleton<cGameFactory>;

public:
    using Engine::GenericFactoryManager<EntityTypeId, Engine::iBaseEntity>::Destroy;
    using Engine::Singleton<cGameFactory>::Destroy;

    // Sizes the table to 61 empty slots and creates the sub-factory of every
    // existing entity class at its identifier. A second call logs and changes
    // nothing, so live pools are never thrown away.
    bool Register();

    // Reclaims every pooled entity and releases the decoration batches.
    void ReleaseAll() override;

    // ReleaseAll, then destroys every sub-factory with its pool and empties the table.
    void Shutdown();

    // Whether Register has run since the last Shutdown.
    bool IsRegistered() const { return TypeCount() != 0; }

private:
    cGameFactory() = default;
};

}  // namespace Game

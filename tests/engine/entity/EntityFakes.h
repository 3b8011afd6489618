#pragma once
// Small stand-ins for the entity framework's tests: entities of two test
// types, a model component, a model pool, a physics object and a scene
// listener. Each can write what happens to it into a shared journal, so a
// test can check the order of events across objects.

#include <cstdint>
#include <string>
#include <utility>  // std::move of the listener tag
#include <vector>

#include "engine/entity/InheritedEnum.h"
#include "engine/entity/cEntity.h"
#include "engine/entity/eEngineEntityTypes.h"
#include "engine/entity/iBaseEntity.h"
#include "engine/entity/iSceneManagerListener.h"
#include "engine/physics/cPhysicsObject.h"  // the fake stands in for the real object
#include "engine/physics/iPhysicsCmpPool.h"
#include "engine/render/iGraphicsCmp.h"
#include "engine/render/iGraphicsCmpPool.h"

namespace EntityTests {

using Journal = std::vector<std::string>;

// Test identifiers continuing after the engine's own, like the game's.
enum eTestTypes : std::int32_t {
    ALPHA = Engine::ENGINE_ENT_TYPES::ENGINE_ENT_TYPES_END,  // 2
    BETA,                                                     // 3
    EMPTY_SLOT,                                               // 4, never registered
    TEST_TYPES_END                                            // 5
};

using TestTypeId = Engine::InheritedEnum<eTestTypes, Engine::ENGINE_ENT_TYPES::eEngineEntityTypes>;

// An entity that journals its resets and updates under its name.
class cJournalEntity : public Engine::cEntity {
public:
    void Reset() override {
        ++resets;
        if (journal) journal->push_back("reset " + name);
        cEntity::Reset();
    }
    void Update(float dt) override {
        ++updates;
        if (journal) journal->push_back("update " + name);
        cEntity::Update(dt);
    }

    Journal* journal = nullptr;
    int resets = 0;
    int updates = 0;
};

// Type ALPHA.
class cAlphaEntity : public cJournalEntity {
public:
    std::int32_t GetType() const override { return ALPHA; }
};

// Type BETA.
class cBetaEntity : public cJournalEntity {
public:
    std::int32_t GetType() const override { return BETA; }
};

class cFakeModel : public Engine::iGraphicsCmp {
public:
    void Release() override {
        ++releases;
        if (journal) journal->push_back("model release");
        iGraphicsCmp::Release();
    }

    Journal* journal = nullptr;
    int releases = 0;
};

class cFakeModelPool : public Engine::iGraphicsCmpPool {
public:
    void GiveBack(Engine::iGraphicsCmp* component) override {
        given_back.push_back(component);
        if (journal) journal->push_back("model given back");
    }

    Journal* journal = nullptr;
    std::vector<Engine::iGraphicsCmp*> given_back;
};

class cFakePhysicsPool : public Engine::iPhysicsCmpPool {
public:
    void GiveBack(Engine::iPhysicsCmp* object) override {
        given_back.push_back(object);
        if (journal) journal->push_back("physics given back");
    }

    Journal* journal = nullptr;
    std::vector<Engine::iPhysicsCmp*> given_back;
};

class cFakePhysics : public Engine::cPhysicsObject {
public:
    void MarkRemoved() override {
        removed = true;
        if (journal) journal->push_back("physics removed");
    }
    bool IsRemoved() const override { return removed; }
    void SetDisabled(bool on) override { disabled = on; }
    bool IsDisabled() const override { return disabled; }

    Journal* journal = nullptr;
    bool removed = false;
    bool disabled = false;
};

// Journals every event as "<tag> added <name>", "<tag> removed <name>", "<tag> cleared".
class cJournalListener : public Engine::iSceneManagerListener {
public:
    cJournalListener(Journal* journal, std::string tag) : journal(journal), tag(std::move(tag)) {}

    void OnEntityAdded(Engine::iBaseEntity* entity) override { journal->push_back(tag + " added " + NameOf(entity)); }
    void OnEntityRemoved(Engine::iBaseEntity* entity) override {
        journal->push_back(tag + " removed " + NameOf(entity));
    }
    void OnSceneCleared() override { journal->push_back(tag + " cleared"); }

private:
    static std::string NameOf(Engine::iBaseEntity* entity) { return static_cast<Engine::cEntity*>(entity)->name; }

    Journal* journal;
    std::string tag;
};

}  // namespace EntityTests

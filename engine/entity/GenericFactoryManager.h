#pragma once
// GenericFactoryManager: makes and unmakes objects by type identifier. It
// holds one sub-factory per identifier (null where no class is registered),
// each with a pool of pre-built objects of its class, and a first-in,
// first-out deletion queue for objects that ask to be removed while the scene
// is being walked: they are destroyed at the next FlushDeletions instead.
// ReleaseAll reclaims every pooled object of every type at once.
//
// IdT is the identifier type (an InheritedEnum for entities), converting to a
// 32-bit index; BaseT is the root class (iBaseEntity), whose GetType gives an
// object's identifier. Every class must answer GetType with the identifier it
// is registered under, so that an object always goes back to its own pool.

#include <cstddef>
#include <cstdint>
#include <memory>  // std::unique_ptr owns each sub-factory
#include <string>
#include <typeinfo>  // typeid: a sub-factory takes back only objects of its own class
#include <utility>   // std::pair in the deletion queue
#include <vector>

#include "engine/core/cLog.h"
#include "engine/entity/Pool.h"
#include "engine/entity/RingDeque.h"

namespace Engine {

template <typename IdT, typename BaseT>
class GenericFactoryManager {
public:
    // A sub-factory: the pool of one class behind the root-class interface.
    class Factory_Base {
    public:
        // Destroys the pool and every object in it.
        virtual ~Factory_Base() = default;
        // A ready object: reset and unregistered.
        virtual BaseT* Create() = 0;
        // Gives back the object *entity_slot points at and nulls the caller's pointer.
        virtual void Destroy(BaseT** entity_slot) = 0;
        // Resets every object of the pool and puts them all back on its free list.
        virtual void ReleaseAll() = 0;
        // Objects the pool has built, and how many of them are free.
        virtual std::size_t BuiltCount() const = 0;
        virtual std::size_t FreeCount() const = 0;
    };

    // The sub-factory of class T.
    template <typename T>
    class Factory_Derived final : public Factory_Base {
    public:
        // A ready object through the root-class interface.
        BaseT* Create() override { return CreateTyped(); }

        // Nothing for a null pointer; an object of another class is refused,
        // since it does not belong to this pool.
        void Destroy(BaseT** entity_slot) override {
            if (entity_slot == nullptr || *entity_slot == nullptr) return;
            if (typeid(**entity_slot) != typeid(T)) {
                LogError("Factory_Derived::Destroy: object of type " + std::to_string((*entity_slot)->GetType()) +
                         " does not belong to this pool");
                return;
            }
            pool.GiveBack(static_cast<T*>(*entity_slot));
            *entity_slot = nullptr;
        }

        // Every object reset and free, in building order.
        void ReleaseAll() override { pool.ReleaseAll(); }

        std::size_t BuiltCount() const override { return pool.Objects().size(); }
        std::size_t FreeCount() const override { return pool.FreeList().Size(); }

        // A ready object of class T: the one given back last, or the last of a new block.
        virtual T* CreateTyped() { return pool.Take(); }

        // The pool, for inspection.
        const Pool<T>& GetPool() const { return pool; }

    private:
        Pool<T> pool;
    };

    GenericFactoryManager() = default;
    virtual ~GenericFactoryManager() = default;
    GenericFactoryManager(const GenericFactoryManager&) = delete;
    GenericFactoryManager& operator=(const GenericFactoryManager&) = delete;

    // Resets every object of every pool and drops the pending deletions (their
    // objects have been reset anyway). Pointers to objects stay valid.
    virtual void ReleaseAll() {
        for (const auto& factory : factories) {
            if (factory) factory->ReleaseAll();
        }
        deletion_queue.Clear();
    }

    // Makes the table count empty slots. Only an empty table is sized: a
    // sized one may hold live objects, so it is left alone and false returned.
    bool SetTypeCount(std::size_t count) {
        if (!factories.empty()) return Refuse("SetTypeCount: the table is already sized");
        factories.resize(count);
        return true;
    }

    // Number of slots in the table.
    std::size_t TypeCount() const { return factories.size(); }

    // Creates the sub-factory of class T at id (its pool builds its first
    // block at once); false, changing nothing, when id is outside the table
    // or taken, or when T's GetType answers another identifier (its queued
    // deletions would be sent to another pool).
    template <typename T>
    bool RegisterType(IdT id) {
        if (!InTable(id)) return Refuse("RegisterType: type " + Text(id) + " is outside the table");
        if (factories[Index(id)]) return Refuse("RegisterType: type " + Text(id) + " is already registered");
        auto factory = std::make_unique<Factory_Derived<T>>();
        const std::int32_t answered = factory->GetPool().Objects().front()->GetType();
        if (answered != id) {
            return Refuse("RegisterType: the class for type " + Text(id) + " answers GetType with " +
                          std::to_string(answered));
        }
        factories[Index(id)] = std::move(factory);
        return true;
    }

    // The sub-factory at id, or null when the slot is empty or outside the table.
    Factory_Base* GetFactory(IdT id) const { return InTable(id) ? factories[Index(id)].get() : nullptr; }

    // The sub-factory at id when it makes class T, else null.
    template <typename T>
    Factory_Derived<T>* GetTypedFactory(IdT id) const {
        return dynamic_cast<Factory_Derived<T>*>(GetFactory(id));
    }

    // A ready object of type id, or null (logged) when no class is registered there.
    BaseT* Create(IdT id) {
        Factory_Base* factory = GetFactory(id);
        if (factory == nullptr) {
            Missing(id);
            return nullptr;
        }
        return factory->Create();
    }

    // A ready object of class T from type id, or null (logged) when the slot
    // is empty or holds another class.
    template <typename T>
    T* CreateTyped(IdT id) {
        Factory_Derived<T>* factory = GetTypedFactory<T>(id);
        if (factory == nullptr) {
            Missing(id);
            return nullptr;
        }
        return factory->CreateTyped();
    }

    // Gives the object *entity_slot points at back to the pool of its type
    // at once and nulls the caller's pointer; nothing for a null pointer.
    // A queued deletion of the same object is dropped, so the object never
    // reaches its free list twice.
    template <typename T>
    void Destroy(T** entity_slot) {
        if (entity_slot == nullptr || *entity_slot == nullptr) return;
        BaseT* entity = *entity_slot;
        const IdT id = IdT::FromValue(entity->GetType());
        Factory_Base* factory = GetFactory(id);
        if (factory == nullptr) {
            Missing(id);
            return;
        }
        DropQueuedDeletion(entity);
        factory->Destroy(&entity);
        if (entity == nullptr) *entity_slot = nullptr;
    }

    // Deferred deletion of an entity that may still be being walked: it is
    // deactivated at once and destroyed by the next FlushDeletions. Queuing
    // an entity already queued changes nothing more. EntityT has SetActive,
    // GetType and the queued flag (cEntity).
    template <typename EntityT>
    void QueueDeletion(EntityT* entity) {
        if (entity == nullptr) return;
        entity->SetActive(false);
        if (!entity->queued) deletion_queue.PushBack({IdT::FromValue(entity->GetType()), entity});
        entity->queued = true;
    }

    // Destroys the queued entities, first queued first.
    void FlushDeletions() {
        while (!deletion_queue.Empty()) {
            std::pair<IdT, BaseT*> pending = deletion_queue.Front();
            deletion_queue.PopFront();
            Factory_Base* factory = GetFactory(pending.first);
            if (factory == nullptr) {
                Missing(pending.first);
                continue;
            }
            factory->Destroy(&pending.second);
        }
    }

    // Number of deletions waiting for the next flush.
    std::size_t QueuedDeletions() const { return deletion_queue.Size(); }

protected:
    // Destroys every sub-factory with its pool and empties the table, so
    // that it can be sized again.
    void DestroyFactories() {
        deletion_queue.Clear();
        factories.clear();
    }

private:
    void DropQueuedDeletion(const BaseT* entity) {
        for (std::size_t i = 0; i < deletion_queue.Size(); ++i) {
            if (deletion_queue[i].second == entity) {
                deletion_queue.Erase(i);
                return;
            }
        }
    }

    bool InTable(IdT id) const { return id >= 0 && static_cast<std::size_t>(id) < factories.size(); }
    static std::size_t Index(IdT id) { return static_cast<std::size_t>(static_cast<std::int32_t>(id)); }

    static std::string Text(IdT id) { return std::to_string(static_cast<std::int32_t>(id)); }

    static bool Refuse(const std::string& why) {
        LogError("GenericFactoryManager::" + why);
        return false;
    }

    static void Missing(IdT id) {
        LogError("GenericFactoryManager: no class is registered for type " + Text(id));
    }

    std::vector<std::unique_ptr<Factory_Base>> factories;
    RingDeque<std::pair<IdT, BaseT*>> deletion_queue;
};

}  // namespace Engine

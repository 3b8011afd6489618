#pragma once
// ResourceManager: the registry and the pool of one kind of resource.
//
// Resources are handed out by name. A name that is registered gives the
// registered object with one more user, whatever else the caller asks of it;
// a new name takes an object from the front of the pool's free queue,
// initialises it (refCount 1) and registers it. An empty name answers the
// kind's default resource ("defaultTS", "defaultMat") when one is registered,
// and null otherwise: Get never creates the default.
//
// Release lowers the count of the registered object and, at 0, unregisters
// it, unloads it and puts it at the back of the free queue. The caller's
// pointer is nulled in every case, and a pointer that is not the object
// registered under its name (released already, or never handed out) changes
// nothing: one pool object is never given to two users.
//
// T is the type the registry hands out (an interface such as iTexture, or a
// concrete class); Pooled is the class the pool builds, BlockSize objects at
// a time. A manager whose kind has several concrete classes keeps its other
// pools itself and overrides Recycle.

#include <cstddef>
#include <map>
#include <string>
#include <utility>

#include "engine/render/cBlockPool.h"

namespace Engine {

template <typename T, typename Pooled = T, std::size_t BlockSize = 64>
class ResourceManager {
public:
    explicit ResourceManager(std::string default_resource_name = {})
        : default_name(std::move(default_resource_name)) {}
    virtual ~ResourceManager() = default;

    ResourceManager(const ResourceManager&) = delete;
    ResourceManager& operator=(const ResourceManager&) = delete;

    // The resource of that name with one more user, made from the pool when
    // the name is new; an empty name answers the default (see above).
    T* Get(const std::string& name) {
        if (name.empty()) return Acquire(default_name);
        if (T* registered = Acquire(name)) return registered;
        Pooled* fresh = TakeFree();
        fresh->InitResource(name, {});
        Register(fresh);
        return fresh;
    }

    // The registered resource with one more user, or null; never creates.
    T* Acquire(const std::string& name) {
        T* registered = Find(name);
        if (registered) registered->AddRef();
        return registered;
    }

    // The registered resource, its count unchanged, or null.
    T* Find(const std::string& name) const {
        auto entry = registry.find(name);
        return entry == registry.end() ? nullptr : entry->second;
    }

    // One user fewer for the resource; the pointer becomes null in every case.
    void Release(T*& resource) {
        if (resource && Find(resource->Name()) == resource) ReleaseRegistered(resource);
        resource = nullptr;
    }

    // One user fewer for the resource registered under the name, if any.
    void ReleaseByName(const std::string& name) {
        if (T* registered = Find(name)) ReleaseRegistered(registered);
    }

    // Empties the registry: every object ever built is unloaded and free again.
    void ReleaseAll() {
        registry.clear();
        for (Pooled* object : pool.Objects()) object->Unload();
        pool.RequeueAll();
    }

    // Registered resources by name.
    const std::map<std::string, T*>& Registry() const { return registry; }
    // The pool of built objects, for inspection.
    const cBlockPool<Pooled, BlockSize>& PoolOf() const { return pool; }
    // The name an empty Get answers.
    const std::string& DefaultName() const { return default_name; }

protected:
    // The front of the free queue, uninitialised.
    Pooled* TakeFree() { return pool.Take(); }

    // Registers a resource under its name; a name already taken keeps its resource.
    bool Register(T* resource) { return registry.emplace(resource->Name(), resource).second; }

    // Returns an unloaded object to the back of its pool's free queue.
    virtual void Recycle(T* resource) { pool.GiveBack(static_cast<Pooled*>(resource)); }

private:
    void ReleaseRegistered(T* resource) {
        if (resource->DropRef() > 0) return;
        registry.erase(resource->Name());
        resource->Unload();
        Recycle(resource);
    }

    std::string default_name;
    std::map<std::string, T*> registry;
    cBlockPool<Pooled, BlockSize> pool;
};

}  // namespace Engine

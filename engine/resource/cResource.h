#pragma once
// cResource: the base of every named, shared resource (textures, texture
// sets, materials, shader stages, meshes).
//
// A resource is known by its name, the key under which its manager registers
// it, and carries a second identifying string, its source (the directory or
// path it was loaded from; empty for resources made in code). refCount counts
// the users: 1 when the resource is first handed out, one more for each later
// Get, one less for each Release. The managers (ResourceManager) own the
// objects; users hold plain pointers.

#include <cstdint>
#include <string>

namespace Engine {

class cResource {
public:
    virtual ~cResource() = default;

    // Sets name and source, each only when the argument is non-empty, and refCount to 1.
    virtual void InitResource(const std::string& new_name, const std::string& new_source);
    // Empties the resource so that it can go back to its pool; each kind says what it frees.
    virtual void Unload() = 0;

    const std::string& Name() const { return name; }
    const std::string& Source() const { return source; }
    int32_t RefCount() const { return refCount; }

    // One more user.
    void AddRef() { ++refCount; }
    // One user fewer, never below 0; returns the count left.
    int32_t DropRef();

protected:
    // Clears name and source, as every Unload does.
    void ClearIdentity();

    std::string name;
    std::string source;
    int32_t refCount = 0;
};

}  // namespace Engine

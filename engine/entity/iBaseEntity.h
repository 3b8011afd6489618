#pragma once
// iBaseEntity: the root of everything that lives in a level. An entity's type
// identifier is the index of the factory pool it comes from and goes back to,
// so every class answers GetType with the identifier it is registered under.

#include <cstdint>

namespace Engine {

class iBaseEntity {
public:
    virtual ~iBaseEntity() = default;

    // The entity's type identifier (0 to 60 in the game's table).
    virtual std::int32_t GetType() const = 0;
};

}  // namespace Engine

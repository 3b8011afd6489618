#pragma once
// eLockFlag: what a buffer lock promises about the locked bytes.

#include <cstdint>

namespace Engine {

enum eLockFlag : int32_t {
    LOCK_None = 0,      // read and write
    LOCK_ReadOnly = 1,  // the bytes are only read; nothing is written back
    LOCK_Discard = 2,   // the old bytes of the range are not needed
};

// True for the three lock flags.
constexpr bool IsLockFlag(int32_t value) { return value >= LOCK_None && value <= LOCK_Discard; }

}  // namespace Engine

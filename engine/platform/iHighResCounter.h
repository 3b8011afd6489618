#pragma once
// iHighResCounter: the high-resolution counter that times frames and sections.
//
// Count() rises monotonically at Frequency() counts per second. The frame loop
// reads it at the start and end of every frame; tests install a counter they
// advance by hand.

#include <cstdint>  // int64_t

namespace Engine {

class iHighResCounter {
public:
    // The counter's value now.
    virtual int64_t Count() const = 0;
    // Counts per second; never 0.
    virtual int64_t Frequency() const = 0;
    virtual ~iHighResCounter() = default;
};

}  // namespace Engine

#pragma once
// cProfileRecord: what the profile registry keeps about one named profile.
//
// Times are in seconds. depth is the profile's nesting level, 0 at the top,
// and sets its indent in the profile report.

#include <cstdint>

namespace Engine {

struct cProfileRecord {
    float total_time = 0.0f;
    float min_time = 0.0f;
    float max_time = 0.0f;
    uint32_t sample_count = 0;
    int32_t depth = 0;
};

}  // namespace Engine

#include "engine/platform/cSectionTimer.h"

#include "engine/platform/cPerformanceCounter.h"

namespace Engine {

cSectionTimer::cSectionTimer() : cSectionTimer(SystemCounter()) {}

cSectionTimer::cSectionTimer(const iHighResCounter& counter_)
    : counter(counter_),
      seconds_per_count(1.0 / static_cast<double>(counter_.Frequency())),
      start_count(counter_.Count()) {}

void cSectionTimer::Start() {
    start_count = counter.Count();
}

void cSectionTimer::Stop() {
    elapsed = static_cast<double>(counter.Count() - start_count) * seconds_per_count;
}

const iHighResCounter& cSectionTimer::SystemCounter() {
    static const cPerformanceCounter system_counter;
    return system_counter;
}

}  // namespace Engine

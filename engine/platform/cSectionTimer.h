#pragma once
// cSectionTimer: one measured interval of a frame, for the profiler overlay.
//
// Start() notes the high-resolution counter; Stop() turns the counts since
// then into seconds and keeps them as the last interval. Every Stop()
// overwrites the last value: nothing is summed or averaged, so the value
// always describes the latest completed interval. The counter's rate is read
// once, at construction. A Stop() before any Start() measures from
// construction, never from the counter's origin.

#include <cstdint>  // int64_t counts

#include "engine/platform/iHighResCounter.h"

namespace Engine {

class cSectionTimer {
public:
    // A timer on the platform's own high-resolution counter.
    cSectionTimer();
    // A timer on the given counter, which must outlive the timer.
    explicit cSectionTimer(const iHighResCounter& counter);

    // Begins an interval.
    void Start();
    // Ends the interval begun by the last Start and keeps its length.
    void Stop();
    // Seconds of the last completed interval; 0 before the first Stop.
    double Elapsed() const { return elapsed; }

    // The counter every timer made without one uses; it lives for the process.
    static const iHighResCounter& SystemCounter();

private:
    const iHighResCounter& counter;
    double elapsed = 0.0;
    double seconds_per_count;
    int64_t start_count;
};

}  // namespace Engine

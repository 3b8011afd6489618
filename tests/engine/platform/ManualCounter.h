#pragma once
// ManualCounter: a high-resolution counter that moves only when a test moves
// it. 1024 counts per second, so that every count is an exact binary fraction
// of a second and timed values compare exactly.

#include "engine/platform/iHighResCounter.h"

class ManualCounter : public Engine::iHighResCounter {
public:
    static constexpr int64_t kFrequency = 1024;

    int64_t Count() const override { return now; }
    int64_t Frequency() const override { return kFrequency; }
    void Advance(int64_t counts) { now += counts; }

private:
    int64_t now = 1000;  // not 0, so a timer that forgot its start shows it
};

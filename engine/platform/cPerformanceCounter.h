#pragma once
// cPerformanceCounter: the platform's high-resolution counter (SDL's
// performance counter), usable before and without SDL's video subsystem.

#include "engine/platform/iHighResCounter.h"

namespace Engine {

class cPerformanceCounter : public iHighResCounter {
public:
    int64_t Count() const override;
    int64_t Frequency() const override;
};

}  // namespace Engine

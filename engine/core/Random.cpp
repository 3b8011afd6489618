#include "engine/core/Random.h"

#include <chrono>  // std::chrono::system_clock for ClockSeed

namespace Engine {

namespace {

// The process generator: its state and whether it has been seeded.
struct ProcessGenerator {
    std::uint32_t state = 1;
    std::uint64_t draws = 0;
    unsigned seed = 0;
    bool seeded = false;
};

ProcessGenerator& Generator() {
    static ProcessGenerator generator;
    return generator;
}

}  // namespace

int NextRandom(std::uint32_t& state) {
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7FFFu);
}

int Rand() {
    ProcessGenerator& generator = Generator();
    ++generator.draws;
    return NextRandom(generator.state);
}

int rnd(int n) {
    if (n <= 0) return 0;
    return Rand() % n;
}

bool SeedRandomOnce(unsigned seed) {
    ProcessGenerator& generator = Generator();
    if (generator.seeded) return false;
    generator.state = seed;
    generator.seed = seed;
    generator.seeded = true;
    return true;
}

bool IsRandomSeeded() { return Generator().seeded; }

std::uint64_t RandomDrawCount() { return Generator().draws; }

unsigned RandomSeed() { return Generator().seed; }

unsigned ClockSeed() {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(
        std::chrono::system_clock::now().time_since_epoch());
    return static_cast<unsigned>(seconds.count());
}

}  // namespace Engine

#pragma once
// Random: the game's random number generator. Gameplay arithmetic assumes
// results from 0 to 32767 (rnd(100) / 100, lowest-bit coin flips, ...), so
// the engine carries its own linear congruential generator,
//   state = state * 214013 + 2531011 (mod 2^32), result = (state >> 16) & 0x7FFF,
// instead of the C library's rand, whose range differs between platforms.
//
// One process-wide generator serves Rand and rnd. It starts from state 1 and
// is seeded once per process, from --seed or from the clock; later seeding
// attempts are ignored so that nothing reseeds in the middle of a run.
// Single thread only, like the rest of the game.

#include <cstdint>  // uint32_t for the generator state

namespace Engine {

constexpr int kRandMax = 32767;

// Advances a caller-owned state by one step and returns its result (0..32767).
// Gives reproducible sequences apart from the process generator.
int NextRandom(std::uint32_t& state);

// The next number of the process generator, 0..32767.
int Rand();

// Rand() % n: a whole number from 0 to n - 1. For n <= 0 there is no such
// number: returns 0 without drawing, rather than dividing by zero.
int rnd(int n);

// Seeds the process generator on the first call and returns true; every
// later call changes nothing and returns false.
bool SeedRandomOnce(unsigned seed);

// True once SeedRandomOnce has seeded the process generator.
bool IsRandomSeeded();

// How many numbers the process generator has given (Rand and rnd with n > 0).
std::uint64_t RandomDrawCount();

// The seed the process generator was seeded with; 0 before it was seeded.
// A recorded run writes it down so that its replay draws the same numbers.
unsigned RandomSeed();

// A seed taken from the current wall-clock time in seconds.
unsigned ClockSeed();

}  // namespace Engine

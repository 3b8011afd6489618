#pragma once
// AllocationCounter: counts the heap allocations of the whole program.
//
// Linking the library alloc_counter replaces the global operator new and
// delete with versions that count every allocation, so only the programs that
// measure allocations (the no-allocation tests and benchmarks) link it. Take
// AllocationCount() before and after the code under test and compare.

#include <cstddef>  // std::size_t

namespace TestSupport {

// Allocations made through operator new since the program started.
std::size_t AllocationCount();

}  // namespace TestSupport

// The engine's benchmark: a fixed set of positions searched to fixed depths.
#pragma once

#include <cstdint>
#include <ostream>

struct BenchPosition {
    const char* pszName;
    const char* pszPosition;  // text form, see position_text.h
    int nDepth;
};

// The fixed set: placing, sliding, jumping, mills with and without capturable stones and a
// decided game.
extern const BenchPosition BENCH_POSITIONS[];
extern const int BENCH_POSITION_COUNT;

// Searches every position of the set to its depth with the random term off and no message
// pump, the engine's globals given back afterwards; prints a line per position with nodes, milliseconds and nodes per second, then a
// total line whose node count is the engine's signature. Returns the total node count.
std::uint64_t RunBench(std::ostream& out);

// Move-path counting for checking the move generator.
#pragma once

#include <cstdint>

#include "position.h"

// Number of sequences of nDepth complete turns from pos, nSide moving first and the sides
// alternating; a capture is part of its turn. Counts on the move generator alone, without
// testing for decided games. nDepth 0 counts the position itself.
std::uint64_t Perft(const Position& pos, int nSide, int nDepth);

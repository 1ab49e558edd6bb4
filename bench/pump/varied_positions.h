// Positions for timing searches: the start position played on at random.
#pragma once

#include <cstdint>
#include <vector>

#include "position_text.h"

// nCount positions, each reached from the start position by up to 39 random complete
// turns (the same ones for the same nSeed), spread over placing, sliding and jumping.
// Every position is undecided and its side to move has a move; a search there may still
// find a quick win and end before its think time.
std::vector<PositionText> VariedPositions(int nCount, std::uint32_t nSeed);

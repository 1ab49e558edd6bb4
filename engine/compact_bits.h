// Bit counting and bit finding for the compact board. Internal linkage: each source builds
// its own copy for its instruction set, so a source built with the population-count
// instruction never lends its code to one built without it.
#pragma once

#include <cstdint>

namespace {

inline int PopCount(std::uint64_t nBits) {
#if defined(__POPCNT__)
    return __builtin_popcountll(nBits);
#else
    nBits = nBits - ((nBits >> 1) & 0x5555'5555'5555'5555ULL);
    nBits = (nBits & 0x3333'3333'3333'3333ULL) + ((nBits >> 2) & 0x3333'3333'3333'3333ULL);
    nBits = (nBits + (nBits >> 4)) & 0x0F0F'0F0F'0F0F'0F0FULL;
    return static_cast<int>((nBits * 0x0101'0101'0101'0101ULL) >> 56);
#endif
}

// The number of the lowest set bit; the mask must not be 0.
inline unsigned LowestPoint(std::uint32_t nPoints) {
    return static_cast<unsigned>(__builtin_ctz(nPoints));
}
inline unsigned LowestPair(std::uint64_t nPairs) {
    return static_cast<unsigned>(__builtin_ctzll(nPairs));
}

}  // namespace

// The C runtime's random generator as the engine relies on it: rand yields 0..32767 and
// srand reseeds the sequence. The platform's own rand has a far larger range and takes a
// lock on every call, so the engine carries this classic linear congruential generator,
// inline because the search draws a number at nearly every node.
#pragma once

inline constexpr int CRT_RAND_MAX = 32767;

// The generator's state; only the two functions below touch it.
inline unsigned int g_nCrtRandomState = 1;

// Next number of the sequence, 0..CRT_RAND_MAX.
inline int CrtRand() {
    g_nCrtRandomState = g_nCrtRandomState * 214013u + 2531011u;
    return static_cast<int>((g_nCrtRandomState >> 16) & 0x7fffu);
}

// Restarts the sequence from nSeed; equal seeds give equal sequences.
inline void CrtSrand(unsigned int nSeed) {
    g_nCrtRandomState = nSeed;
}

// The C runtime's random generator as the engine relies on it: rand yields 0..32767 and
// srand reseeds the sequence. The platform's own rand has a far larger range and takes a
// lock on every call, so the engine carries this classic linear congruential generator.
#pragma once

inline constexpr int CRT_RAND_MAX = 32767;

// Next number of the sequence, 0..CRT_RAND_MAX.
int CrtRand();

// Restarts the sequence from nSeed; equal seeds give equal sequences.
void CrtSrand(unsigned int nSeed);

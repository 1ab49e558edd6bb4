#include "crt_random.h"

namespace {
unsigned int g_nRandomState = 1;
}

int CrtRand() {
    g_nRandomState = g_nRandomState * 214013u + 2531011u;
    return static_cast<int>((g_nRandomState >> 16) & 0x7fffu);
}

void CrtSrand(unsigned int nSeed) {
    g_nRandomState = nSeed;
}

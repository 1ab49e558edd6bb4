// A violated invariant ends the fuzzing run with the reason on standard error; abort makes
// libFuzzer keep the input as a crash, and makes the replay of a kept input fail.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

[[noreturn]] inline void FuzzFail(const std::string& strWhat) {
    std::fprintf(stderr, "invariant violated: %s\n", strWhat.c_str());
    std::fflush(stderr);
    std::abort();
}

// strWhat is built only when bCondition fails, so checks in inner loops stay cheap.
#define FUZZ_CHECK(bCondition, strWhat) \
    do {                                \
        if (!(bCondition)) {            \
            FuzzFail(strWhat);          \
        }                               \
    } while (false)

#include "think_time.h"

#include <charconv>
#include <cmath>

int ThinkTimeMilliseconds(double dSeconds) {
    if (!(dSeconds >= MIN_SECONDS_PER_MOVE)) {
        dSeconds = MIN_SECONDS_PER_MOVE;
    }
    if (dSeconds > MAX_SECONDS_PER_MOVE) {
        dSeconds = MAX_SECONDS_PER_MOVE;
    }
    // Shortest round-trip form in fixed notation, such as "2.01" or "3600".
    char acText[64];
    const auto [pEnd, error] =
        std::to_chars(acText, acText + sizeof acText, dSeconds, std::chars_format::fixed);
    if (error != std::errc()) {
        return static_cast<int>(std::trunc(dSeconds * 1000.0));
    }
    int nMilliseconds = 0;
    const char* p = acText;
    for (; p != pEnd && *p != '.'; ++p) {
        nMilliseconds = nMilliseconds * 10 + (*p - '0');
    }
    nMilliseconds *= 1000;
    if (p != pEnd) {
        ++p;
    }
    for (int nScale = 100; nScale > 0 && p != pEnd; nScale /= 10, ++p) {
        nMilliseconds += (*p - '0') * nScale;
    }
    return nMilliseconds > 0 ? nMilliseconds : 1;
}

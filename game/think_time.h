// The conversion of the thinking time in seconds into the think timer's milliseconds.
#pragma once

// Smallest and largest thinking time the settings accept, in seconds.
inline constexpr double MIN_SECONDS_PER_MOVE = 0.001;
inline constexpr double MAX_SECONDS_PER_MOVE = 3600.0;

// dSeconds times 1000 with the fraction of a millisecond dropped, as the decimal number the
// user typed says: 3.5 gives 3500, 1.99 gives 1990, 2.01 gives 2010. The double nearest to
// 2.01 lies just below it, so a plain truncated product would give 2009; the conversion
// works on the shortest decimal form that reads back as dSeconds instead. Values outside
// the accepted range (and NaN) are clamped into it, so the result is 1 to 3600000 and the
// think time is never 0.
int ThinkTimeMilliseconds(double dSeconds);

// Order statistics of a set of measurements.
#pragma once

#include <vector>

struct SampleSummary {
    int nCount = 0;
    double dMin = 0;
    double dMedian = 0;
    double dP99 = 0;  // nearest rank: the smallest value that at least 99 % do not exceed
    double dMax = 0;
};

// The summary of samples (all zero when there are none). The median of an even count is
// the mean of the two middle values.
SampleSummary Summarize(std::vector<double> samples);

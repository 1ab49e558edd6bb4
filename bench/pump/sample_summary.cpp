#include "sample_summary.h"

#include <algorithm>
#include <cmath>

SampleSummary Summarize(std::vector<double> samples) {
    SampleSummary summary;
    if (samples.empty()) {
        return summary;
    }
    std::sort(samples.begin(), samples.end());
    const std::size_t nCount = samples.size();
    summary.nCount = static_cast<int>(nCount);
    summary.dMin = samples.front();
    summary.dMax = samples.back();
    summary.dMedian =
        nCount % 2 ? samples[nCount / 2] : (samples[nCount / 2 - 1] + samples[nCount / 2]) / 2;
    const auto nRank = static_cast<std::size_t>(std::ceil(0.99 * static_cast<double>(nCount)));
    summary.dP99 = samples[std::max<std::size_t>(nRank, 1) - 1];
    return summary;
}

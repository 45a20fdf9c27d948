// Order statistics of a run of timings: medians and high percentiles say
// more than means on a machine shared with other work.
#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

namespace vintrel::bench {

// The nearest-rank percentile, `p` in (0, 100].
inline double Percentile(std::vector<double> samples, double p) {
    if (samples.empty()) return 0;
    const auto rank = std::size_t(std::ceil(p / 100 * double(samples.size())));
    const std::size_t index = std::clamp<std::size_t>(rank, 1, samples.size()) - 1;
    std::nth_element(samples.begin(), samples.begin() + std::ptrdiff_t(index), samples.end());
    return samples[index];
}

inline double Median(const std::vector<double>& samples) { return Percentile(samples, 50); }

}  // namespace vintrel::bench

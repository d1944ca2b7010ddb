#include "sample_stats.hpp"

#include <algorithm>
#include <cmath>
#include <numeric>

double SampleStats::percentile(double percent) const
{
    if (samples.empty()) {
        return 0.0;
    }
    std::vector<double> sorted = samples;
    std::sort(sorted.begin(), sorted.end());
    const double rank = std::ceil(percent / 100.0 * static_cast<double>(sorted.size()));
    const auto index = static_cast<std::size_t>(std::clamp(rank, 1.0, static_cast<double>(sorted.size()))) - 1;
    return sorted[index];
}

double SampleStats::mean() const
{
    if (samples.empty()) {
        return 0.0;
    }
    return std::accumulate(samples.begin(), samples.end(), 0.0) / static_cast<double>(samples.size());
}

double SampleStats::fractionAbove(double limit) const
{
    if (samples.empty()) {
        return 0.0;
    }
    const auto above = std::count_if(samples.begin(), samples.end(), [limit](double v) { return v > limit; });
    return static_cast<double>(above) / static_cast<double>(samples.size());
}

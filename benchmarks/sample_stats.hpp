// Order statistics of measured samples (frame times, run times): the median and the high
// percentiles that hitches show in.
#pragma once

#include <vector>

class SampleStats {
public:
    void add(double value) { samples.push_back(value); }
    bool empty() const { return samples.empty(); }
    std::size_t count() const { return samples.size(); }
    // Nearest rank: the smallest sample with at least `percent` % of the samples at or below it.
    // 0 when there are no samples.
    double percentile(double percent) const;
    double median() const { return percentile(50.0); }
    double mean() const;
    double max() const { return percentile(100.0); }
    // The share of samples above `limit`, 0 to 1.
    double fractionAbove(double limit) const;

private:
    std::vector<double> samples;
};

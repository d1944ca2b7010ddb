// The order statistics behind every reported median and percentile.
#include <gtest/gtest.h>

#include "sample_stats.hpp"

namespace {

TEST(SampleStats, NearestRankPercentilesOfManyFewAndNoSamples)
{
    SampleStats stats;
    for (int i = 100; i >= 1; --i) stats.add(static_cast<double>(i));  // out of order on purpose
    EXPECT_TRUE(stats.median() == 50.0 && stats.percentile(99.0) == 99.0 && stats.percentile(0.0) == 1.0);
    EXPECT_EQ(stats.percentile(99.9), 100.0) << "one slow frame in a hundred is the 99.9th percentile";
    EXPECT_DOUBLE_EQ(stats.mean(), 50.5);
    EXPECT_DOUBLE_EQ(stats.fractionAbove(33.0), 0.67);
    EXPECT_DOUBLE_EQ(stats.fractionAbove(100.0), 0.0) << "a sample at the limit is not above it";

    SampleStats none;
    EXPECT_EQ(none.median() + none.percentile(99.0) + none.fractionAbove(1.0), 0.0);
    SampleStats two;
    for (double sample : {40.0, 16.0}) two.add(sample);
    EXPECT_TRUE(two.median() == 16.0 && two.percentile(99.0) == 40.0) << "a high percentile of few is the slowest";
}

}  // namespace

// The fractions and pulses behind every fade: their bounds, their clamps and the signed clock.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "entities/timing.hpp"

namespace {

TEST(TimingTest, ElapsedFractionRisesFromStartToEndAndReadsTheStartAsSigned)
{
    EXPECT_FLOAT_EQ(elapsedFraction(1000, 1000u, 2000), 0.0f) << "now equal to start";
    EXPECT_FLOAT_EQ(elapsedFraction(1001, 1000u, 2000), 0.001f);
    EXPECT_FLOAT_EQ(elapsedFraction(1500, 1000u, 2000), 0.5f);
    EXPECT_FLOAT_EQ(elapsedFraction(2000, 1000u, 2000), 1.0f) << "now equal to end";
    EXPECT_FLOAT_EQ(elapsedFraction(900000, 1000u, 2000), 1.0f);
    EXPECT_FLOAT_EQ(elapsedFraction(500, 1000u, 2000), 0.0f) << "born after the frame's clock";

    // A start past 2^31 ms is a negative int, and so before a small now...
    EXPECT_FLOAT_EQ(elapsedFraction(50, static_cast<std::uint32_t>(-50), 150), 0.5f);
    // ...and a negative now is before a small start: an unsigned comparison gets both wrong.
    EXPECT_FLOAT_EQ(elapsedFraction(-5, 10u, 100), 0.0f);
}

TEST(TimingTest, ClampedFractionIsZeroAtOrBelowAndOneAtOrAbove)
{
    EXPECT_FLOAT_EQ(clampedFraction(1.0f, 1.0f, 3.0f), 0.0f);
    EXPECT_FLOAT_EQ(clampedFraction(-7.0f, 1.0f, 3.0f), 0.0f);
    EXPECT_FLOAT_EQ(clampedFraction(2.5f, 1.0f, 3.0f), 0.75f);
    EXPECT_FLOAT_EQ(clampedFraction(3.0f, 1.0f, 3.0f), 1.0f);
    EXPECT_FLOAT_EQ(clampedFraction(30.0f, 1.0f, 3.0f), 1.0f);
}

TEST(TimingTest, SinePulseIsZeroAtBothEndsAndClampedToOne)
{
    EXPECT_FLOAT_EQ(sinePulse(100, 100u, 200, 1.0f), 0.0f);
    EXPECT_FLOAT_EQ(sinePulse(200, 100u, 200, 1.0f), 0.0f);
    EXPECT_FLOAT_EQ(sinePulse(99, 100u, 200, 1.0f), 0.0f);
    EXPECT_FLOAT_EQ(sinePulse(201, 100u, 200, 1.0f), 0.0f);
    EXPECT_NEAR(sinePulse(150, 100u, 200, 0.8f), 0.8f, 1e-6);
    EXPECT_NEAR(sinePulse(125, 100u, 200, 1.0f), std::sqrt(0.5f), 1e-6);
    EXPECT_FLOAT_EQ(sinePulse(125, 100u, 200, 2.0f), 1.0f) << "gain pushes the sine past 1";
    EXPECT_FLOAT_EQ(sinePulse(150, 100u, 200, -1.0f), 0.0f) << "negative pulses are cut off";
    EXPECT_NEAR(sinePulse(50, static_cast<std::uint32_t>(-50), 150, 1.0f), std::sin(3.141592f * 0.5f), 1e-6);

    // The pulse is shaped with 3.141592: just before the end it has not quite come down.
    EXPECT_NEAR(sinePulse(999999, 0u, 1000000, 1000.0f), 1000.0 * std::sin(3.141592 * 0.999999), 3e-4);
}

}  // namespace

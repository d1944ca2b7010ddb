// The fractions and pulses behind every fade: their bounds, their clamps and the signed clock.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "entities/timing.hpp"

namespace {

constexpr std::uint32_t past2To31 = static_cast<std::uint32_t>(-50);  // a negative int as a start

TEST(TimingTest, FractionsAndPulsesHoldTheirBoundsAndReadTheStartAsSigned)
{
    // now, start, end, fraction. Born after the frame's clock counts as 0; a start past 2^31 ms is
    // before a small now, and a negative now before a small start.
    const struct { std::int32_t now; std::uint32_t start; std::int32_t end; float fraction; } fractions[] = {
        {1000, 1000u, 2000, 0.0f}, {1500, 1000u, 2000, 0.5f}, {2000, 1000u, 2000, 1.0f}, {900000, 1000u, 2000, 1.0f},
        {500, 1000u, 2000, 0.0f},  {50, past2To31, 150, 0.5f}, {-5, 10u, 100, 0.0f}};
    for (const auto& c : fractions) {
        EXPECT_FLOAT_EQ(elapsedFraction(c.now, c.start, c.end), c.fraction) << c.now << " from " << c.start;
    }
    EXPECT_FLOAT_EQ(clampedFraction(-7.0f, 1.0f, 3.0f), 0.0f);
    EXPECT_FLOAT_EQ(clampedFraction(2.5f, 1.0f, 3.0f), 0.75f);
    EXPECT_FLOAT_EQ(clampedFraction(30.0f, 1.0f, 3.0f), 1.0f);

    for (std::int32_t outside : {99, 100, 200, 201}) {
        EXPECT_FLOAT_EQ(sinePulse(outside, 100u, 200, 1.0f), 0.0f) << outside;
    }
    EXPECT_NEAR(sinePulse(125, 100u, 200, 1.0f), std::sqrt(0.5f), 1e-6);
    EXPECT_FLOAT_EQ(sinePulse(125, 100u, 200, 2.0f), 1.0f) << "gain pushes the sine past 1";
    EXPECT_FLOAT_EQ(sinePulse(150, 100u, 200, -1.0f), 0.0f) << "negative pulses are cut off";
    EXPECT_NEAR(sinePulse(50, past2To31, 150, 1.0f), std::sin(3.141592f * 0.5f), 1e-6);
}

}  // namespace

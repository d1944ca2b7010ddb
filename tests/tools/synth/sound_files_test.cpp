// What the synth writes must read back as written, and damaged files must read as nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "wav_file.hpp"

namespace synth {
namespace {

TEST(SoundFiles, WavRoundTripClampingAndDamage)
{
    AudioBuffer b;
    b.channels = 2;
    for (int i = 0; i < 2000; ++i) b.samples.push_back(0.5f * std::sin(0.0627f * static_cast<float>(i)));
    b.samples[10] = 1.7f;  // beyond full scale: clamped, never wrapped round
    b.samples[11] = -1.7f;
    const std::string path = ::testing::TempDir() + "round.wav";
    ASSERT_TRUE(writeWav(path, b));
    const AudioBuffer back = readWav(path);
    ASSERT_TRUE(back.channels == 2 && back.samples.size() == b.samples.size());
    b.samples[10] = 1.0f;
    b.samples[11] = -1.0f;
    for (std::size_t i = 0; i < b.samples.size(); ++i) ASSERT_NEAR(back.samples[i], b.samples[i], 1.0 / 32767) << i;
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes.size(), 44 + 2 * b.samples.size()) << "plain 44-byte header";
    // A cut file reads as nothing.
    for (std::size_t keep : {std::size_t(0), std::size_t(10), std::size_t(40), bytes.size() - 7}) {
        std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<long>(keep));
        EXPECT_TRUE(readWav(path).samples.empty()) << "cut to " << keep << " bytes";
    }
    EXPECT_FALSE(writeWav(::testing::TempDir() + "no/such/dir/x.wav", b));
}

}  // namespace
}  // namespace synth

// What the mixer played, heard through SDL's disk audio driver: it writes every mixed buffer to a
// file, many times faster than real time, and a counter notes how far the mixer has got.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>
#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "support/scoped_env.hpp"
#include "support/test_support.hpp"

namespace testing_support {

constexpr int framesPerMs = 44;  // 44100 Hz, rounded down: only used for tolerances

// Counted on the mixer's thread after each buffer is mixed, just before the driver writes it.
inline std::atomic<long> mixedFrames{0};
inline std::atomic<int> largestBuffer{0};

inline void countMixed(void*, Uint8*, int bytes)
{
    mixedFrames += bytes / 4;
    largestBuffer = std::max(largestBuffer.load(), bytes);
}

// Starts counting what the open mixer mixes from here on.
inline void countMixing()
{
    mixedFrames = 0;
    largestBuffer = 0;
    Mix_SetPostMix(countMixed, nullptr);
}

// Waits, by the mixer's own clock, until the condition holds; false if it did not within limitMs.
inline bool mixUntil(const std::function<bool()>& done, int limitMs)
{
    const long limit = mixedFrames + static_cast<long>(limitMs) * framesPerMs;
    const Uint32 wallLimit = SDL_GetTicks() + 30000;
    while (!done()) {
        if (mixedFrames >= limit || SDL_GetTicks() > wallLimit) return false;
        SDL_Delay(2);
    }
    return true;
}

inline void mixFor(int ms)
{
    mixUntil([] { return false; }, ms);
}

struct MixedOutput {
    std::vector<std::int16_t> samples;  // interleaved left, right, the same tone on both

    // What the driver wrote to its file; read once the device is closed, which flushes it.
    static MixedOutput readFrom(const std::string& path)
    {
        Mix_SetPostMix(nullptr, nullptr);
        const std::vector<std::uint8_t> bytes = readFile(path);
        MixedOutput out{std::vector<std::int16_t>(bytes.size() / 2)};
        std::memcpy(out.samples.data(), bytes.data(), out.samples.size() * 2);  // little-endian, as is the host
        return out;
    }
    long frames() const { return static_cast<long>(samples.size() / 2); }
    int peak(long fromFrame, long toFrame) const
    {
        int loudest = 0;
        for (long i = 2 * std::max(0L, fromFrame); i < 2 * std::min(toFrame, frames()); ++i) {
            loudest = std::max(loudest, std::abs(static_cast<int>(samples[static_cast<std::size_t>(i)])));
        }
        return loudest;
    }
    long soundingFrames() const { return std::count_if(samples.begin(), samples.end(), sounding) / 2; }
    long lastSoundingFrame() const
    {
        return (samples.rend() - std::find_if(samples.rbegin(), samples.rend(), sounding) - 1) / 2;
    }
    static bool sounding(std::int16_t sample) { return sample != 0; }
};

// SDL's disk driver for the life of the object, writing to `path`. It pauses this long between
// buffers of 93 ms: the default 5 ms runs the mixer many times faster than real time.
struct DiskAudio {
    explicit DiskAudio(const std::string& path, int pauseMs = 5)
        : file("SDL_DISKAUDIOFILE", path), pause("SDL_DISKAUDIODELAY", std::to_string(pauseMs))
    {}
    ScopedEnv driver{"SDL_AUDIODRIVER", "disk"};
    ScopedEnv file;
    ScopedEnv pause;
};

}  // namespace testing_support

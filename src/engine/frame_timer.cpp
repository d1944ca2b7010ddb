#include "engine/frame_timer.hpp"

#include <algorithm>

#include "engine/tick_source.hpp"

FrameTimer::FrameTimer() : lastTicks(currentTicks()) {}

void FrameTimer::tick()
{
    TickSource& clock = TickSource::current();
    const std::uint32_t ring = frameCount % ringSize;

    // Unsigned arithmetic: wrap-around of the tick counter still gives the true difference.
    std::uint32_t now = clock.ticks();
    if (now - lastTicks < minFrameMs) {
        clock.delay(minFrameMs - (now - lastTicks));
    }
    now = clock.ticks();
    const std::uint32_t elapsed = now - lastTicks;

    frameMs = elapsed;
    frameSeconds = secondsOf(elapsed);
    frameTimes[ring] = elapsed;

    lastTicks = now;
    ++frameCount;

    const std::uint32_t kept = std::min(frameCount, ringSize);
    float sum = 0.0f;
    for (std::uint32_t i = 0; i < kept; ++i) {
        sum += static_cast<float>(frameTimes[i]);
    }
    fps = 1000.0f / (sum / static_cast<float>(kept));
}

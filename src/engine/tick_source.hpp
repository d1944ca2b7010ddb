// The game's one clock. SDL's millisecond counter and sleep by default; tests and the level
// checker install their own source so that every timed rule runs from a single, repeatable clock.
#pragma once

#include <cstdint>

class TickSource {
public:
    virtual ~TickSource() = default;
    virtual std::uint32_t ticks() = 0;
    virtual void delay(std::uint32_t ms) = 0;

    // The source in use; SDL's unless another was installed.
    static TickSource& current();
    // Installs a source (not owned); nullptr goes back to SDL's.
    static void install(TickSource* source);
};

// Shorthand for TickSource::current().ticks(): what constructors read for their birth time.
std::uint32_t currentTicks();

#include "engine/tick_source.hpp"

#include <SDL.h>

namespace {

class SdlTickSource final : public TickSource {
public:
    std::uint32_t ticks() override { return SDL_GetTicks(); }
    void delay(std::uint32_t ms) override { SDL_Delay(ms); }
};

SdlTickSource sdlTicks;
TickSource* installed = nullptr;

}  // namespace

TickSource& TickSource::current()
{
    return installed != nullptr ? *installed : sdlTicks;
}

void TickSource::install(TickSource* source)
{
    installed = source;
}

std::uint32_t currentTicks()
{
    return TickSource::current().ticks();
}

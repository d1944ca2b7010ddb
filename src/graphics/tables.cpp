#include "graphics/tables.hpp"

#include <initializer_list>
#include <utility>

namespace {

template <std::size_t N>
constexpr std::array<Rect, N> sizes(std::initializer_list<std::pair<int, Rect>> runs)
{
    // Each run fills the entries from its index up to the next run's index.
    std::array<Rect, N> table{};
    const auto* run = runs.begin();
    for (std::size_t i = 0; i < N; ++i) {
        if (run + 1 != runs.end() && static_cast<std::size_t>((run + 1)->first) == i) {
            ++run;
        }
        table[i] = run->second;
    }
    return table;
}

}  // namespace

// Constant-initialised, so even code run before main sees them filled.
constexpr std::array<const char*, levelNameCount> levelNames = {
    "Easy start          ", "Easy Rider          ", "Taxi Driver         ", "Raging Bull         ",
    "Meet the Feebles    ", "Hercules            ", "Deer Hunter         ", "Ninja Assassins     ",
    "Daredevil           ", "War of Worls        ", "Gigli               ", "Crossroads          ",
    "Castaway            ", "Ponterosa           ", "Over the Top        ", "Scanners            ",
    "The cat in the Hat  ", "Taking Lives        ", "Ultraviolet         ", "",
};

constexpr std::array<Rect, foregroundPictureCount> foregroundRects = sizes<foregroundPictureCount>({
    //  from  { x, y,   w,   h }
    {0, {0, 0, 256, 256}},
    {2, {0, 0, 400, 400}},
});

constexpr std::array<Rect, parallaxPictureCount> parallaxRects = sizes<parallaxPictureCount>({
    {0, {0, 0, 200, 200}},
    {1, {0, 0, 400, 400}},
});

constexpr std::array<Rect, collisionPictureCount> collisionRects = sizes<collisionPictureCount>({
    {0, {0, 0, 256, 512}},
    {1, {0, 0, 512, 64}},
    {2, {0, 0, 64, 64}},
    {3, {0, 0, 100, 64}},
    {4, {0, 0, 400, 400}},
    {30, {0, 0, 64, 64}},
    {40, {0, 0, 128, 128}},
});

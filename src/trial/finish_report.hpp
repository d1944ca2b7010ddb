// The lines under the finish message: the difference to the best before this run and the medal it
// earned, taken once at the finish, before the run's time is submitted.
#pragma once

#include <cstdint>
#include <string>

#include "trial/medal_table.hpp"

class SaveData;
struct TextureSet;

class FinishReport {
public:
    FinishReport(const SaveData& save, const MedalTable& medals, int level, std::int32_t runMs);

    // In the overlay, under the finish message; a line that is empty is left out.
    void draw(const TextureSet& textures) const;

    // "" on a level's first finish.
    std::string difference;
    bool faster = false;
    bool same = false;
    // "" when the level has no medal times.
    std::string medal;
    Medal earned = Medal::None;
};

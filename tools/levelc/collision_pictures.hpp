// The alpha of every collision picture as the build made it, for measuring what the pictures cover.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct PictureAlpha {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> alpha;  // row by row, top row first

    std::uint8_t at(int x, int y) const { return alpha[static_cast<std::size_t>(y * width + x)]; }
};

class CollisionPictures {
public:
    // Reads collision1.png ... from `folder`; throws a LevelError naming a picture that cannot be read.
    static CollisionPictures load(const std::string& folder);

    // Picture number 1 and up.
    const PictureAlpha& picture(int number) const { return pictures[static_cast<std::size_t>(number - 1)]; }

    std::vector<PictureAlpha> pictures;
};

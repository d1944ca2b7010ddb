// A springy cushion that bobs up and down about its start height and squashes as it goes; the
// hat bounces off it 1.6 times as hard as off anything else. The fading bumper shares all this.
#pragma once

#include <cstdint>

#include "entities/entity.hpp"

// What tells the two bumper kinds apart.
struct BumperNumbers {
    float bobPixels;         // each way about baseY
    double bobRatePerMs;     // radians of the bob per ms
    double widthRatePerMs;   // radians of the squash across per ms
    double heightRatePerMs;  // radians of the stretch up per ms
    int sheet;               // kuva<sheet>.png, whole
};

class Bumper : public Entity {
public:
    static constexpr float sizePixels = 60.0f;
    static constexpr BumperNumbers numbers{30.0f, 0.00076923077, 0.001, 0.001, 39};

    Bumper(int x, int y);

    void update(GameEngine* engine) override;
    bool collide(GameEngine* engine, Entity* other, Level* level) override;
    void draw(GameEngine* engine) override;

    std::uint32_t bornAt;
    float baseY;

protected:
    Bumper(int x, int y, EntityType kindType, const BumperNumbers& kindNumbers);
    // The size it is drawn at.
    virtual float shownScale(const GameEngine* engine) const;

private:
    BumperNumbers tuning;
};

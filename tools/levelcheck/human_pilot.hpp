// A pilot that flies like a person who knows the level's route: it sees the hat and the objects
// on screen as they were a reaction time ago and guesses the hat's motion since from the keys it
// held, knows the flight rules only roughly, holds keys for a while, and watches the gas meter,
// letting gas out in time to keep it well clear of the red.
#pragma once

#include <cstdint>
#include <deque>
#include <vector>

#include "flight_controller.hpp"
#include "graphics/rect.hpp"
#include "hat_model.hpp"
#include "hat_state.hpp"
#include "level_route.hpp"
#include "pilot_hands.hpp"
#include "trial_random.hpp"

class Level;
class LevelRun;

// What one person is like: drawn per trial.
struct PilotTraits {
    // From seeing a thing to a key moving, on average.
    int reactionMs = 200;
    HatBeliefs beliefs;
    // How fast the hat seems to go, as a share of its real speed.
    float speedSense = 1.0f;
    // How fast this person likes to fly, and how far ahead on the route it looks.
    float cruisePixelsPerSecond = 200.0f;
    float lookaheadPixels = 140.0f;

    static PilotTraits draw(TrialRandom& random);
};

class HumanPilot {
public:
    HumanPilot(const LevelRoute& route, const PilotTraits& traits, std::uint64_t seed);

    // The keys for the next frame of `run`, looking at it as it stands now.
    std::uint8_t keys(const LevelRun& run);
    // How far along the route the pilot believes it has come.
    float progress() const { return controller.progress; }

    // Something on screen to keep clear of: a box in level pixels and how it moves.
    struct Hazard {
        float left = 0.0f;
        float top = 0.0f;
        float right = 0.0f;
        float bottom = 0.0f;
        float velocityX = 0.0f;
        float velocityY = 0.0f;
    };

private:
    struct Sight {
        HatState hat;
        std::vector<Hazard> hazards;
        // The part of the level on screen.
        Rect view;
    };

    void look(const LevelRun& run);
    HatState guessNow() const;
    std::uint8_t want(const HatState& hat, const std::vector<Hazard>& hazards, const Level& level);
    // The velocity the pilot adds to keep clear of what it saw, moved on by what it saw them do.
    void dodge(const HatState& hat, const std::vector<Hazard>& hazards, FlightStyle& flight) const;
    // The velocity the pilot adds to keep off the terrain close to where the hat is heading.
    static void keepOff(const HatState& hat, const Level& level, FlightStyle& flight);
    // The point of the route ahead that the pilot aims at: as far ahead as it likes, nearer or a
    // little over or under it where terrain would stand in the way.
    void aimInSight(const HatState& hat, const Level& level, FlightStyle& flight);
    // How the pilot flies the route just now.
    FlightStyle style(const HatState& hat, const Level& level);
    // Hard mode: the speed from which the pilot could still slow down for every bend and narrow
    // gap of the route that it sees on screen ahead.
    float safeSpeed(const HatState& hat, const Level& level) const;
    // Hard mode: the tilt from upright that the pilot dares for the tail direction the aim wants.
    float hardTilt(float aimAngle) const;
    std::uint8_t steer(const HatState& hat, float wantedAngle) const;
    // Whether to hold thrust in the next frame, blowing the given share of the frames in puffs.
    bool blow(float share);
    // Whether the meter, as the player reads it, asks for gas to be let out.
    bool watchMeter(const HatState& hat);

    PilotTraits traits;
    HatModel model;
    FlightController controller;
    PilotHands hands;
    int lagFrames;
    // What the pilot saw, oldest first, and the keys it held in each frame since the oldest.
    std::deque<Sight> seen;
    std::deque<std::uint8_t> heldSince;
    float thrustDebt = 0.0f;
    bool blowing = false;
    bool venting = false;
    // The side of the aim the tail is rocked towards: +1 or -1.
    float rockSide = 1.0f;
};

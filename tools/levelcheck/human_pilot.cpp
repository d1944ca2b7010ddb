#include "human_pilot.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "entities/hat.hpp"
#include "entities/projectile.hpp"
#include "graphics/sprite.hpp"
#include "input_track.hpp"
#include "level_run.hpp"
#include "world/level.hpp"
#include "world/world.hpp"

namespace {

// Reaction times of an attentive player to something seen, in ms.
constexpr int fastestReactionMs = 150;
constexpr int slowestReactionMs = 250;
// Nobody knows the hat's push, turn or speed exactly: each is misjudged by up to this share.
constexpr float beliefSpread = 0.1f;
constexpr float speedSenseSpread = 0.15f;
// Calm players fly slowly and look further ahead; eager ones the other way round.
constexpr float slowestCruise = 160.0f;
constexpr float fastestCruise = 260.0f;
constexpr float nearestLookahead = 110.0f;
constexpr float furthestLookahead = 170.0f;

constexpr float thrustPerSecond2 = 850.0f;
// The player watches the bars: the green one's share of the red one is the meter's fill. The meter
// fills by 18 (20 in hard mode) a frame and a thrust empties 40, so holding room takes thrust on
// about half the frames, more than holding the hat up needs at most heights. Once the fill passes
// ventFrom the player lets gas out, thrusting at least ventShare of the frames, until it is down
// to ventTo: the meter swings well clear of the red.
constexpr float ventFrom = 0.45f;
constexpr float ventTo = 0.3f;
constexpr float ventShare = 0.7f;
// Bumps shorten the red bar: while the room above the green one is shorter than this (as a
// part of the full 10000 the meter starts with), the player keeps letting gas out, and goes on
// until it is this much longer again.
constexpr float tightRoom = 3000.0f;
constexpr float tightRoomGap = 500.0f;
// Thrust beyond what the line needs would carry the hat off it: the player rocks the tail to
// either side of where it should point, up to this far, so that the pushes sideways cancel out,
// leaning to the other side once the tail gets there or the hat drifts this fast off the speed it
// wants. The swing of hard mode turns the tail slowly, so there the rock is narrower, the drift
// it lets pass wider, and thrust waits for the tail to come nearer to the rock.
constexpr float easyMostRock = 1.0f;
constexpr float hardMostRock = 0.8f;
constexpr float easyRockDrift = 30.0f;
constexpr float hardRockDrift = 100.0f;
constexpr float rockReach = 0.1f;
constexpr float easyRockSlack = 0.25f;
constexpr float hardRockSlack = 0.1f;
// That late swing falls short of the planned rock, so in hard mode the rock's thrust lifts the hat
// over its line. Once the hat is this far above the route, the player blows only while the tail is
// out beyond this share of the rock, where the push goes sideways rather than up.
constexpr float highAbovePixels = 30.0f;
constexpr float highRockOut = 0.75f;
// Where the route runs on in plain sight this many times as far as the player likes to look,
// gas is let out by speeding up: at the hat's speed limit the forward push is spent for nothing.
constexpr float hurrySight = 3.0f;
constexpr float hurryPixelsPerSecond = 300.0f;
// Below this room, in meter units or as a share of the red bar, the player blows whatever the hat
// points at: a burst is worse than any bump.
constexpr float panicRoom = 1000.0f;
constexpr float panicShare = 0.09f;
// A bubble holds the hat still whatever it blows: gas let out there is free, down to this fill.
constexpr float carriedFill = 0.15f;
// A person blows in puffs, not in single frames: the frames owed to the wanted share of thrust
// swing this far either way before a puff starts or ends.
constexpr float thrustSwing = 2.5f;
// Thrust with the tail this far from where it should point (cosine) only helps.
constexpr float usefulAlignment = 0.5f;
// Hard mode answers late: where the way ahead is hidden (the point aimed at comes nearer than the
// player likes to look), it slows down with the share of the view left, to no less than this.
constexpr float slowestNearWalls = 0.55f;

// Hard mode: a person slows down for what it sees coming on screen, not for what lies beyond it.
// Along the route, as far as it stays on screen, every bend and narrow gap sets a speed to be down
// to by then, and so does the screen's edge, behind which anything may come. The swing tilts the
// tail back slowly, so the player counts on shedding speed only gently and only after a while,
// and corrects harder while faster than that. (The easy tail turns at once: there the player
// brakes in time without planning for it, and planning cost easy finishes and gas when tried.)
constexpr float brakeStepPixels = 24.0f;
constexpr float screenReachPixels = 800.0f;
constexpr float headingSpanPixels = 32.0f;
constexpr float brakePerSecond2 = 150.0f;
constexpr float brakeLagSeconds = 0.8f;
constexpr float brakingVelocityGain = 3.0f;
// Round a right-angle bend or back through a U-turn at about this speed; gentler bends faster.
constexpr float cornerSpeed = 120.0f;
// Where the route leaves the screen.
constexpr float unseenSpeed = 300.0f;
// Between walls on both sides, this much speed per pixel of room the hat has on either side.
constexpr float gapSpeedPerPixel = 4.0f;
constexpr float gapProbePixels = 128.0f;
constexpr float gapStepPixels = 8.0f;
// Nobody crawls: below this the hat hardly gets anywhere while the meter fills.
constexpr float slowestSafeSpeed = 60.0f;

// How hard the pilot corrects a wrong velocity, per second: the swing of hard mode answers
// slowly, and asking it for more than it gives only rocks the hat.
constexpr float easyVelocityGain = 3.0f;
constexpr float hardVelocityGain = 1.2f;
// Easy mode: a turn key is let go once the tail points this close to where it should.
constexpr float turnTolerance = 0.12f;
// Hard mode: the pendulum only forgives a tilt it can swing back from, so the pilot keeps the tail
// within this of straight down; the wanted spin grows with the error up to a limit, and is kept
// within a band.
constexpr float pi = 3.1415927f;
constexpr float mostTilt = 0.9f;
constexpr float spinPerError = 2.0f;
constexpr float mostSpin = 1.0f;
constexpr float spinBand = 0.2f;

// A person steers round a corner, not through it: the point aimed at must be in plain sight of
// the whole hat with a little room, else the pilot aims at a nearer point of the route.
constexpr float sightStepPixels = 8.0f;
constexpr float sightClearance = 4.0f;
constexpr float nearestAim = 24.0f;
constexpr float aimShrink = 0.7f;
// When the route ahead is hidden behind something, a point over or under it that is in sight.
constexpr std::array<float, 5> aimOffsets = {0.0f, -48.0f, 48.0f, -96.0f, 96.0f};

int framesOf(int ms)
{
    return (ms + HatModel::frameMs / 2) / HatModel::frameMs;
}

// Items, bumpers and blowers knock the hat about: the pilot veers away from one it would pass
// closer than this, harder the closer, looking this far ahead along both paths.
constexpr float dodgeRange = 90.0f;
constexpr float dodgeSpeed = 260.0f;
constexpr std::array<float, 4> lookAheadSeconds = {0.0f, 0.3f, 0.6f, 0.9f};

// Terrain too: the pilot keeps the hat, where it will be in a moment, this far off walls.
constexpr float wallRange = 28.0f;
constexpr float wallSpeed = 160.0f;
constexpr float wallLookAheadSeconds = 0.2f;

// The distance between the hat's box at (x, y) and another box; 0 when they overlap.
float gapTo(float x, float y, float left, float top, float right, float bottom)
{
    const float size = HatState::halfSize * 2.0f;
    return std::hypot(std::max({left - (x + size), x - right, 0.0f}), std::max({top - (y + size), y - bottom, 0.0f}));
}

bool isHazard(std::int32_t type)
{
    return type == typeId(EntityType::Item) || type == typeId(EntityType::Bumper) ||
           type == typeId(EntityType::FadingBumper) || type == typeId(EntityType::BubbleBlower);
}

// The green bar's share of the red one, and the room left above it.
float fillOf(const HatState& hat)
{
    return static_cast<float>(hat.pressure) / static_cast<float>(std::max(1, hat.capacity));
}

float roomOf(const HatState& hat)
{
    return 1.0f - fillOf(hat);
}

bool blocked(const Level& level, float x, float y)
{
    if (x < 0.0f || y < 0.0f || x >= static_cast<float>(Level::widthPixels) ||
        y >= static_cast<float>(Level::heightPixels)) {
        return true;
    }
    return level.solidAt(static_cast<int>(x) / Level::cellPixels, static_cast<int>(y) / Level::cellPixels);
}

// Whether the hat's box, a little enlarged, could slide from one centre point to the other.
bool inSight(const Level& level, float fromX, float fromY, float toX, float toY)
{
    const float reach = HatState::halfSize + sightClearance;
    const int steps = 1 + static_cast<int>(std::hypot(toX - fromX, toY - fromY) / sightStepPixels);
    for (int i = 1; i <= steps; ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(steps);
        const float x = fromX + (toX - fromX) * t;
        const float y = fromY + (toY - fromY) * t;
        for (float dx : {-reach, 0.0f, reach}) {
            for (float dy : {-reach, 0.0f, reach}) {
                if (blocked(level, x + dx, y + dy)) {
                    return false;
                }
            }
        }
    }
    return true;
}

bool onView(const Rect& view, const RoutePoint& point)
{
    return point.x >= static_cast<float>(view.x) && point.x < static_cast<float>(view.x + view.w) &&
           point.y >= static_cast<float>(view.y) && point.y < static_cast<float>(view.y + view.h);
}

// How far free space reaches from (x, y) along (dirX, dirY), up to the probe's length.
float freeReach(const Level& level, float x, float y, float dirX, float dirY)
{
    for (float reach = gapStepPixels; reach < gapProbePixels; reach += gapStepPixels) {
        if (blocked(level, x + dirX * reach, y + dirY * reach)) {
            return reach;
        }
    }
    return gapProbePixels;
}

}  // namespace

PilotTraits PilotTraits::draw(TrialRandom& random)
{
    PilotTraits traits;
    traits.reactionMs = random.between(fastestReactionMs, slowestReactionMs);
    traits.beliefs.thrustShare = random.between(1.0f - beliefSpread, 1.0f + beliefSpread);
    traits.beliefs.turnShare = random.between(1.0f - beliefSpread, 1.0f + beliefSpread);
    traits.speedSense = random.between(1.0f - speedSenseSpread, 1.0f + speedSenseSpread);
    const float eagerness = random.between(0.0f, 1.0f);
    traits.cruisePixelsPerSecond = slowestCruise + (fastestCruise - slowestCruise) * eagerness;
    traits.lookaheadPixels = furthestLookahead - (furthestLookahead - nearestLookahead) * eagerness;
    return traits;
}

HumanPilot::HumanPilot(const LevelRoute& route, const PilotTraits& person, std::uint64_t seed)
    : traits(person), model(person.beliefs), controller(route), hands(seed),
      lagFrames(std::max(0, framesOf(person.reactionMs - PilotHands::jitterMs)))
{}

std::uint8_t HumanPilot::keys(const LevelRun& run)
{
    look(run);
    const HatState now = guessNow();
    const std::uint8_t held = hands.press(want(now, seen.front().hazards, *run.world->level));
    if ((held & HeldKeys::thrust) != 0) {
        thrustDebt -= 1.0f;
    }
    thrustDebt = std::clamp(thrustDebt, -thrustSwing - 1.0f, thrustSwing + 1.0f);
    heldSince.push_back(held);
    return held;
}

void HumanPilot::look(const LevelRun& run)
{
    Sight sight{HatState::of(*run.hat), {}, viewRect};
    sight.hat.velocityX *= traits.speedSense;
    sight.hat.velocityY *= traits.speedSense;
    for (const Entity* entity : run.world->objects) {
        if (!isHazard(entity->type)) {
            continue;
        }
        const float x = entity->getX();
        const float y = entity->getY();
        const float w = entity->getWidth();
        const float h = entity->getHeight();
        if (isOnScreen(static_cast<int>(x), static_cast<int>(y), static_cast<int>(w), static_cast<int>(h))) {
            HumanPilot::Hazard hazard{x, y, x + w, y + h, 0.0f, 0.0f};
            if (entity->type == typeId(EntityType::Item)) {
                const auto* item = static_cast<const Projectile*>(entity);
                hazard.velocityX = item->velocityX;
                hazard.velocityY = item->velocityY;
            }
            sight.hazards.push_back(hazard);
        }
    }
    if (seen.empty()) {
        // The level waits paused until the first key: the player has looked at it for a while.
        seen.assign(static_cast<std::size_t>(lagFrames), sight);
        heldSince.assign(static_cast<std::size_t>(lagFrames), 0);
    }
    seen.push_back(std::move(sight));
    while (seen.size() > static_cast<std::size_t>(lagFrames) + 1) {
        seen.pop_front();
        heldSince.pop_front();
    }
}

HatState HumanPilot::guessNow() const
{
    HatState hat = seen.front().hat;
    for (std::uint8_t keys : heldSince) {
        model.step(hat, keys);
    }
    return hat;
}

void HumanPilot::aimInSight(const HatState& hat, const Level& level, FlightStyle& flight)
{
    controller.track(hat);
    for (float lookahead = traits.lookaheadPixels; lookahead > nearestAim; lookahead *= aimShrink) {
        const RoutePoint target = controller.pointAhead(lookahead);
        for (float offset : aimOffsets) {
            if (inSight(level, hat.centerX(), hat.centerY(), target.x, target.y + offset)) {
                flight.lookaheadPixels = lookahead;
                flight.offsetY = offset;
                return;
            }
        }
    }
    flight.lookaheadPixels = nearestAim;
}

std::uint8_t HumanPilot::want(const HatState& hat, const std::vector<Hazard>& hazards, const Level& level)
{
    FlightStyle flight = style(hat, level);
    dodge(hat, hazards, flight);
    keepOff(hat, level, flight);
    const FlightController::Aim aim = controller.aim(hat, flight);
    const float need = std::min(1.0f, aim.pushPerSecond2 / thrustPerSecond2);
    const float mostRock = hat.hardMode ? hardMostRock : easyMostRock;
    const float rockDrift = hat.hardMode ? hardRockDrift : easyRockDrift;
    // Letting gas out never holds the hat up where it should sink: no more thrust than the rock
    // can spend.
    const float share = watchMeter(hat) ? std::clamp(ventShare, need, need / std::cos(mostRock)) : need;
    const float rock = share > need ? std::acos(need / share) : 0.0f;
    const float centre = hat.hardMode ? pi * 0.5f + hardTilt(aim.angle) : aim.angle;
    // A tail turned to the side +1 pushes the hat along (sin, -cos) of the centre.
    const float drift = (hat.velocityX - aim.wantX) * std::sin(centre) - (hat.velocityY - aim.wantY) * std::cos(centre);
    const float fromCentre = FlightController::angleBetween(hat.angle, centre);
    const bool reached = fromCentre * rockSide >= rock - rockReach;
    if (drift * rockSide > rockDrift || (reached && drift * rockSide > -rockDrift)) {
        rockSide = -rockSide;
    }
    float wantedAngle = centre + rockSide * rock;
    if (hat.hardMode) {
        wantedAngle =
            pi * 0.5f + std::clamp(FlightController::angleBetween(wantedAngle, pi * 0.5f), -mostTilt, mostTilt);
    }
    std::uint8_t wanted = steer(hat, wantedAngle);
    const float slack = hat.hardMode ? hardRockSlack : easyRockSlack;
    const bool high = hat.hardMode && controller.pointAhead(0.0f).y - hat.centerY() > highAbovePixels;
    const float innerRock = high ? rock * highRockOut : 0.0f;
    const bool useful = rock > 0.0f ? std::fabs(fromCentre) < rock + slack && std::fabs(fromCentre) >= innerRock
                                    : std::cos(fromCentre) > usefulAlignment;
    float blown = useful ? share : 0.0f;
    if (hat.carried) {
        blown = fillOf(hat) > carriedFill ? 1.0f : 0.0f;
    }
    if (static_cast<float>(hat.margin()) < panicRoom || roomOf(hat) < panicShare) {
        blown = 1.0f;
    }
    if (blow(blown)) {
        wanted |= HeldKeys::thrust;
    }
    return wanted;
}

bool HumanPilot::watchMeter(const HatState& hat)
{
    const float fill = fillOf(hat);
    const float room = static_cast<float>(hat.margin());
    if (fill >= ventFrom || room <= tightRoom) {
        venting = true;
    } else if (fill <= ventTo && room >= tightRoom + tightRoomGap) {
        venting = false;
    }
    return venting;
}

FlightStyle HumanPilot::style(const HatState& hat, const Level& level)
{
    FlightStyle flight;
    aimInSight(hat, level, flight);
    flight.cruisePixelsPerSecond = traits.cruisePixelsPerSecond;
    const float view = flight.lookaheadPixels / traits.lookaheadPixels;
    const RoutePoint far = controller.pointAhead(traits.lookaheadPixels * hurrySight);
    if (venting && view >= 1.0f && inSight(level, hat.centerX(), hat.centerY(), far.x, far.y)) {
        flight.cruisePixelsPerSecond += hurryPixelsPerSecond;
    }
    if (hat.hardMode) {
        flight.cruisePixelsPerSecond *= std::clamp(view, slowestNearWalls, 1.0f);
    }
    flight.velocityGainPerSecond = hat.hardMode ? hardVelocityGain : easyVelocityGain;
    if (hat.hardMode) {
        const float safe = safeSpeed(hat, level);
        flight.cruisePixelsPerSecond = std::min(flight.cruisePixelsPerSecond, safe);
        if (std::hypot(hat.velocityX, hat.velocityY) > safe) {
            flight.velocityGainPerSecond = brakingVelocityGain;
        }
    }
    return flight;
}

float HumanPilot::safeSpeed(const HatState& hat, const Level& level) const
{
    const float top = traits.cruisePixelsPerSecond + hurryPixelsPerSecond;
    const float speed = std::hypot(hat.velocityX, hat.velocityY);
    const float lag = speed * brakeLagSeconds;
    // A bend is judged against the way the hat goes, or while it hardly moves, the way the route goes.
    const RoutePoint here = controller.pointAhead(0.0f);
    const RoutePoint next = controller.pointAhead(headingSpanPixels);
    const bool moving = speed > slowestSafeSpeed;
    const float wayX = moving ? hat.velocityX : next.x - here.x;
    const float wayY = moving ? hat.velocityY : next.y - here.y;
    const float wayLength = std::max(1.0f, std::hypot(wayX, wayY));
    float safe = top;
    const auto slowBy = [&](float allowed, float ahead) {
        safe = std::min(safe, std::sqrt(allowed * allowed + 2.0f * brakePerSecond2 * std::max(0.0f, ahead - lag)));
    };
    for (float ahead = brakeStepPixels; ahead <= screenReachPixels; ahead += brakeStepPixels) {
        const RoutePoint point = controller.pointAhead(ahead);
        if (!onView(seen.front().view, point)) {
            slowBy(unseenSpeed, ahead);
            break;
        }
        const RoutePoint beyond = controller.pointAhead(ahead + headingSpanPixels);
        const float runX = beyond.x - point.x;
        const float runY = beyond.y - point.y;
        const float run = std::hypot(runX, runY);
        if (run <= 0.0f) {
            break;  // the route's end
        }
        const float turn = std::max(0.0f, (runX * wayX + runY * wayY) / (run * wayLength));
        float allowed = cornerSpeed + (top - cornerSpeed) * turn * turn;
        const float left = freeReach(level, point.x, point.y, -runY / run, runX / run);
        const float right = freeReach(level, point.x, point.y, runY / run, -runX / run);
        if (std::max(left, right) < gapProbePixels) {
            allowed = std::min(allowed, gapSpeedPerPixel * ((left + right) * 0.5f - HatState::halfSize));
        }
        slowBy(std::max(allowed, slowestSafeSpeed), ahead);
    }
    return safe;
}

void HumanPilot::dodge(const HatState& hat, const std::vector<Hazard>& hazards, FlightStyle& flight) const
{
    const float seenAgo = static_cast<float>(lagFrames * HatModel::frameMs) * 0.001f;
    for (const Hazard& hazard : hazards) {
        // Where it is now, and the nearest it comes to the hat over the next moment.
        float nearest = dodgeRange;
        for (float ahead : lookAheadSeconds) {
            const float t = seenAgo + ahead;
            const float moveX = hazard.velocityX * t;
            const float moveY = hazard.velocityY * t;
            nearest = std::min(nearest,
                               gapTo(hat.x + hat.velocityX * ahead, hat.y + hat.velocityY * ahead, hazard.left + moveX,
                                     hazard.top + moveY, hazard.right + moveX, hazard.bottom + moveY));
        }
        if (nearest >= dodgeRange) {
            continue;
        }
        const float awayX = hat.centerX() - ((hazard.left + hazard.right) * 0.5f + hazard.velocityX * seenAgo);
        const float awayY = hat.centerY() - ((hazard.top + hazard.bottom) * 0.5f + hazard.velocityY * seenAgo);
        const float away = std::max(1.0f, std::hypot(awayX, awayY));
        const float strength = dodgeSpeed * (1.0f - nearest / dodgeRange);
        flight.nudgeX += awayX / away * strength;
        flight.nudgeY += awayY / away * strength;
    }
}

void HumanPilot::keepOff(const HatState& hat, const Level& level, FlightStyle& flight)
{
    const float x = hat.x + hat.velocityX * wallLookAheadSeconds;
    const float y = hat.y + hat.velocityY * wallLookAheadSeconds;
    const float size = HatState::halfSize * 2.0f;
    const float cell = static_cast<float>(Level::cellPixels);
    // The cells near enough to matter.
    float pushX = 0.0f;
    float pushY = 0.0f;
    const int firstColumn = static_cast<int>(std::floor((x - wallRange) / cell));
    const int lastColumn = static_cast<int>(std::floor((x + size + wallRange) / cell));
    const int firstRow = static_cast<int>(std::floor((y - wallRange) / cell));
    const int lastRow = static_cast<int>(std::floor((y + size + wallRange) / cell));
    for (int column = firstColumn; column <= lastColumn; ++column) {
        for (int row = firstRow; row <= lastRow; ++row) {
            const float left = static_cast<float>(column) * cell;
            const float top = static_cast<float>(row) * cell;
            if (!blocked(level, left + cell * 0.5f, top + cell * 0.5f)) {
                continue;
            }
            const float gap = gapTo(x, y, left, top, left + cell, top + cell);
            if (gap >= wallRange) {
                continue;
            }
            const float awayX = x + HatState::halfSize - (left + cell * 0.5f);
            const float awayY = y + HatState::halfSize - (top + cell * 0.5f);
            const float away = std::max(1.0f, std::hypot(awayX, awayY));
            pushX += awayX / away * (1.0f - gap / wallRange);
            pushY += awayY / away * (1.0f - gap / wallRange);
        }
    }
    const float push = std::hypot(pushX, pushY);
    if (push > 0.0f) {
        const float strength = wallSpeed * std::min(1.0f, push);
        flight.nudgeX += pushX / push * strength;
        flight.nudgeY += pushY / push * strength;
    }
}

float HumanPilot::hardTilt(float aimAngle) const
{
    return std::clamp(FlightController::angleBetween(aimAngle, pi * 0.5f), -mostTilt, mostTilt);
}

bool HumanPilot::blow(float share)
{
    thrustDebt += share;
    if (share <= 0.0f) {
        blowing = false;
        thrustDebt = std::min(thrustDebt, 0.0f);
    } else if (!blowing && thrustDebt >= thrustSwing) {
        blowing = true;
    } else if (blowing && thrustDebt <= -thrustSwing) {
        blowing = false;
    }
    return blowing;
}

std::uint8_t HumanPilot::steer(const HatState& hat, float wantedAngle) const
{
    const float error = FlightController::angleBetween(wantedAngle, hat.angle);
    if (!hat.hardMode) {
        // Right turns the tail towards larger angles.
        if (error > turnTolerance) {
            return HeldKeys::right;
        }
        return error < -turnTolerance ? HeldKeys::left : 0;
    }
    const float wantedSpin = std::clamp(error * spinPerError, -mostSpin, mostSpin);
    if (hat.angularVelocity < wantedSpin - spinBand) {
        return HeldKeys::left;
    }
    return hat.angularVelocity > wantedSpin + spinBand ? HeldKeys::right : 0;
}

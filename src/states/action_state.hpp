// One level in play: loads it, runs its world while not paused, follows the hat with the camera,
// turns keys into the hat's flags, times the run and submits the time as a record.
#pragma once

#include <cstdint>
#include <memory>

#include "engine/game_state.hpp"
#include "engine/input_path.hpp"

class FinishReport;
class GhostPath;
class Hat;
class LevelStepper;
class World;

class ActionState : public GameState {
public:
    // After the finish the result shows this long before the menu takes over.
    static constexpr std::uint32_t finishShownMs = 2000;
    // What the skip key adds to the level time: a record only where there is none or a worse one.
    static constexpr std::int32_t skipPenaltyMs = 1200000;

    // Escape and the end of the level hand over to a new menu on the level list, or to what
    // `next` makes (a retry, the screen a watched run was chosen from).
    explicit ActionState(StateMaker next = {});
    ~ActionState() override;

    void init(GameEngine* engine) override;
    void cleanup(GameEngine* engine) override;
    // Pausing stops the level's world; it shows only its layers behind the pause sign.
    void pause() override;
    void resume() override;
    // Reads the input path; Escape changes state from in here: the state is gone when that returns.
    void handleEvents(GameEngine* engine) override;
    void update(GameEngine* engine) override;
    void draw(GameEngine* engine) override;

    // lastTicks at the first update that saw the finish; 0 until then.
    std::uint32_t finishTime = 0;
    // The level in play; the world and the hat are its.
    std::unique_ptr<LevelStepper> level;
    World* world = nullptr;
    Hat* hat = nullptr;

    // Every input the level reacts to comes through here, from the queue or from a playback: the
    // hat's keys, the digit 1, Escape, the loss of focus and the key that resumes. True when the
    // state was left (and destroyed).
    bool takeInput(GameEngine* engine, const Input& input);

    // What Escape and the end of the level hand over to; a menu on the level list when unset.
    StateMaker leaveTo;
    // How the finished run compared, taken at the finish.
    std::unique_ptr<FinishReport> report;
    // The best run of this level and mode, flown beside the hat; null when there is none.
    std::unique_ptr<GhostPath> ghost;
    // Whether init looks for the best run's ghost: a watched replay flies none, so whoever plays one
    // back clears this before handing the state over.
    bool withGhost = true;
    // Until when the notice of the ghost key shows, in lastTicks.
    std::uint32_t ghostNoticeUntil = 0;

private:
    // Hands over to the next state: this one is destroyed inside.
    void leave(GameEngine* engine);
    // Starts the same level afresh, leading where this one led: this one is destroyed inside.
    void retry(GameEngine* engine);
    // True when the state was left (and destroyed).
    bool keyPressed(GameEngine* engine, InputAction action);
    // Holds or lets go of the hat's key flag that the action drives.
    void hold(InputAction action, bool held);
    void drawPauseSign(GameEngine* engine) const;
    // The first update after the finish fixes its moment and submits the time, once, paused or not.
    void finish(GameEngine* engine);
    void drawFailure(GameEngine* engine) const;
    void toggleGhost(GameEngine* engine);
    // The ghost where the best run's hat was at this run's level time, if it is shown.
    void drawGhostNow(GameEngine* engine) const;
    // The hints of the keys and the ghost key's notice.
    void drawKeyHints(GameEngine* engine) const;
};

// One level in play: loads it, runs its world while not paused, follows the hat with the camera,
// turns keys into the hat's flags, times the run and submits the time as a record.
#pragma once

#include <cstdint>
#include <memory>

#include "engine/game_random.hpp"
#include "engine/game_state.hpp"
#include "engine/input_path.hpp"

class FinishReport;
class GhostPath;
class Hat;
class LevelStepper;
class ReplayPlayback;
class ReplayRecorder;
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
    // Watches a recorded run instead of taking the player's keys; with `anyKeyLeaves` (the attract
    // mode) every key hands over to `next`, else only Escape does.
    ActionState(StateMaker next, std::unique_ptr<ReplayPlayback> watched, bool anyKeyLeaves = false);
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
    // The best run of this level and mode, flown beside the hat; null when there is none, and in a
    // watched run.
    std::unique_ptr<GhostPath> ghost;
    // Until when the notice of the ghost key shows, in lastTicks.
    std::uint32_t ghostNoticeUntil = 0;

    // Every live run is recorded from the level's construction to its finish or burst; a finish
    // that sets a record keeps it as the level's best run.
    std::unique_ptr<ReplayRecorder> recorder;
    // The run watched, if any: it is stepped at its own frame lengths, and never recorded again.
    std::unique_ptr<ReplayPlayback> playback;
    // Steps the watched run to its end at once, unpaced and undrawn: how a run is checked.
    void playOut(GameEngine* engine);
    // Whether every frame of the watched run so far played back as it was recorded.
    bool watchMatched() const { return !watching.broken; }
    // What a key does while a run is watched: Right held plays faster, Space holds the run, Escape
    // (any key in the attract mode) hands over; the hat never sees it. True when the state was left.
    bool watchInput(GameEngine* engine, const Input& input);

private:
    // What watching a run keeps apart from the level: the viewer's own controls, the pacing, the
    // end, and the settings of the player that the run's replace while it plays.
    struct Watching {
        bool anyKeyLeaves = false;
        bool fast = false;
        bool held = false;
        // Real time owed to the run, in ms: frames are stepped while it lasts.
        std::int64_t owedMs = 0;
        bool ended = false;
        // The run left its recording: it stops there with a message.
        bool broken = false;
        std::uint32_t endedAt = 0;
        bool effectsOff = false;
        GameRandom::State random;
    };
    void initWatching(GameEngine* engine);
    void updateWatching(GameEngine* engine);
    // One recorded frame: its inputs, its tick and its step, checked against its sample.
    void stepWatched(GameEngine* engine);
    void endWatching(GameEngine* engine);
    void drawWatching(GameEngine* engine) const;
    void drawScene(GameEngine* engine);
    // The finish or failure, how the run compared, and the hints of the keys.
    void drawLiveMessages(GameEngine* engine) const;

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
    // Keeps the recorded run as the best one of its level and mode.
    void keepRun(GameEngine* engine);

    // Finished with the digit 1: such a run keeps no replay.
    bool skipped = false;
    Watching watching;
};

#include "replay/ReplayWatching.h"

#include "app/FightSession.h"
#include "app/FixedSteps.h"
#include "app/Game.h"
#include "app/Latches.h"
#include "app/Victory.h"
#include "audio/Audio.h"
#include "replay/LevelFiles.h"
#include "replay/ReplayLevel.h"
#include "replay/StartWorld.h"
#include "resources/Caption.h"

#include <string>

namespace {

constexpr double settledFightCurtain = 10.0;  // s: the curtain lifted long ago
constexpr unsigned barTextSize = 30;                // px
constexpr float barY = 1040.f;                      // px: the bar's centre line, near the bottom
constexpr float resultHintY = 1010.f;               // px
const sf::Color barColour(255, 255, 255, 220);

const char* const speedNames[playbackSpeedCount] = {"1/2x", "1x", "2x", "4x"};

FightPlan planOf(const ReplayHeader& header, const std::string& levelPath)
{
    FightPlan plan;
    plan.mode = header.mode == ReplayMode::Caa ? FightMode::Caa : FightMode::Classic;
    plan.level = header.customLevel ? levelPath : std::string();
    plan.kinds[0] = header.kinds[0];
    plan.kinds[1] = header.kinds[1];
    plan.seed = header.seed;
    return plan;
}

void restartWatching(Game& game)
{
    ReplaySession& session = game.replay;
    startDrive(game, session.drive.record);
    session.watch.playback = startPlayback(session.drive.record);
}

void leaveWatching(Game& game)
{
    ReplaySession& session = game.replay;
    session.watch.active = false;
    session.drive.active = false;
    game.scriptedButtons.playing = false;
    stopMusic("JUNGLE");
    returnToHub(game);
}

void applyWatchCommand(Game& game, PlaybackCommand command)
{
    ReplayWatch& watch = game.replay.watch;
    const int speed = watch.playback.speed;
    const bool paused = watch.playback.paused;
    const PlaybackRequest request = applyCommand(watch.playback, command);
    if (request.restart) {
        restartWatching(game);
        watch.playback.speed = speed;
        watch.playback.paused = paused;
    }
    if (request.leave)
        leaveWatching(game);
}

}  // namespace

std::string startDrive(Game& game, const ReplayRecord& record)
{
    ReplaySession& session = game.replay;
    const LevelToPlay level = levelToPlay(record.header, session.folder);
    if (!level.problem.empty())
        return level.problem;
    ReplayDrive& drive = session.drive;
    drive = ReplayDrive{};
    drive.record = record;
    drive.inputs.emplace(drive.record.runs);
    // 1. The fight as its header sets it up; 2. the level it was played on;
    // 3. the world as the match's first step found it.
    startFight(game, planOf(record.header, level.path));
    const std::string mismatch = levelMismatch(record.header, readLevelFiles(game.tileMap.levelPath));
    if (!mismatch.empty())
        return mismatch;
    if (!record.header.startWorld.empty()) {
        const std::string problem = readStartWorld(game.world, record.header.startWorld);
        if (!problem.empty())
            return problem;
    }
    game.screenFade.clock.startedAt = game.world.time.now - settledFightCurtain;
    drive.active = true;
    return "";
}

bool driveStep(Game& game)
{
    const ReplayDrive& drive = game.replay.drive;
    if (!drive.active || drive.inputs->step() >= drive.record.finalStep || game.state != SceneState::Fight)
        return false;
    const FightInput replaced[2];  // the step takes the replay's own (beforeFightStep)
    stepFight(game, replaced);
    return true;
}

std::string watchReplay(Game& game, const ReplayRecord& record)
{
    const std::string problem = startDrive(game, record);
    if (!problem.empty())
        return problem;
    ReplayWatch& watch = game.replay.watch;
    watch = ReplayWatch{};
    watch.active = true;
    watch.playback = startPlayback(record);
    return "";
}

void watchFrame(Game& game)
{
    // 1. The steps this frame earns at the bar's speed, run as the fight's
    // own fixed steps (each takes the replay's buttons in beforeFightStep).
    const float frame = game.frameTime;
    const int steps = stepsForFrame(game.replay.watch.playback, frame);
    game.steps.carried = 0.0;
    game.frameTime = static_cast<float>(steps) * fixedStep;
    simulateFrame(game);
    // 2. A finished match ends on its result screen, as it did when it was played.
    if (game.state == SceneState::Victory) {
        game.replay.watch.active = false;
        game.replay.drive.active = false;
        game.scriptedButtons.playing = false;
    }
    game.frameTime = frame;
}

bool watchEvent(Game& game, const sf::Event& event)
{
    PlaybackCommand command = PlaybackCommand::None;
    if (event.type == sf::Event::KeyPressed)
        command = keyCommand(event.key.code);
    else if (event.type == sf::Event::JoystickButtonPressed)
        command = padButtonCommand(event.joystickButton.button);
    else if (event.type == sf::Event::JoystickMoved && event.joystickMove.axis == sf::Joystick::PovX)
        command = dpadCommand(game.replay.watch.dpad, event.joystickMove.position);
    else
        return false;
    if (command != PlaybackCommand::None)
        applyWatchCommand(game, command);
    return true;
}

void drawReplayOverlay(Game& game, sf::RenderTarget& target)
{
    const ReplaySession& session = game.replay;
    target.setView(target.getDefaultView());
    const float middle = game.resolution.x / 2.f;
    if (session.watch.active) {
        const ReplayPlayback& playback = session.watch.playback;
        const int seconds = static_cast<int>(playback.step / replayStepsPerSecond);
        const int total = static_cast<int>(playback.lastStep / replayStepsPerSecond);
        const std::string clock = std::to_string(seconds / 60) + ":" + (seconds % 60 < 10 ? "0" : "") +
                                  std::to_string(seconds % 60) + " / " + std::to_string(total / 60) + ":" +
                                  (total % 60 < 10 ? "0" : "") + std::to_string(total % 60);
        const std::string bar = std::string("REPLAY  ") + (playback.paused ? "PAUSED" : speedNames[playback.speed]) +
                                "  " + clock + "   Space: pause   Left/Right: speed   R: restart   Esc: leave";
        drawCaption(target, game.font, bar, barTextSize, {middle, barY}, barColour);
    } else if (game.state == SceneState::Victory && session.lastMatch) {
        drawCaption(target, game.font, "R / Back: watch the replay", barTextSize, {middle, resultHintY}, barColour);
    }
}

bool replayAsked(const Game& game)
{
    return game.replay.lastMatch &&
           (game.input.keyDown(sf::Keyboard::R) || game.input.buttonDown(0, buttonBack));
}

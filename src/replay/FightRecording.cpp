#include "replay/FightRecording.h"

#include "app/FightSession.h"
#include "app/Game.h"
#include "world/WorldBytes.h"

#include <ctime>
#include <iostream>
#include <utility>

namespace {

// The plan of the fight the rooms (or the result screen) just set up; its
// seed the one that puts the world's generator where it stands now.
FightPlan chosenFight(const Game& game)
{
    FightPlan plan;
    const bool caa = game.world.match.caaMode;
    plan.mode = caa ? FightMode::Caa : FightMode::Classic;
    plan.level = !caa && game.customMapChosen ? game.customMapPath : std::string();
    for (int i = 0; i < 2; ++i)
        plan.kinds[i] = characterKind(game.world.players[i]);
    plan.seed = seedOf(game.world.random);
    return plan;
}

// The fighters wait while the curtain is up or has only just gone.
bool curtainHolds(const Game& game)
{
    const ScreenFade& fade = game.screenFade;
    return fade.active || fade.clock.elapsed(game.world.time) < fade.settleTime;
}

void noteStep(Game& game, ReplayRecording& recording)
{
    const FightWorld& world = game.world;
    if (!recording.curtainOpen && curtainHolds(game))
        ++recording.curtainSteps;
    else
        recording.curtainOpen = true;
    recording.lastChecksum = checksum(world);
    if (recording.recorder->addStep(recording.stepInputs[0], recording.stepInputs[1]))
        recording.recorder->addChecksum(recording.lastChecksum);
}

// Ends the recording: kept for the result screen and written to the replays folder.
void endRecording(Game& game, bool won)
{
    ReplaySession& session = game.replay;
    ReplayRecording& recording = session.recording;
    ReplayRecord record = recording.recorder->finish(won, recording.lastChecksum);
    record.header.curtainSteps = std::min(recording.curtainSteps, record.finalStep);
    recording = ReplayRecording{};
    if (!session.folder.empty()) {
        const SavedReplay saved = saveReplay(record, std::time(nullptr), session.folder);
        if (!saved.problem.empty())
            std::cerr << saved.problem << '\n';
    }
    session.lastMatch = std::move(record);
}

void notePlayedBack(Game& game, ReplayDrive& drive)
{
    const std::uint32_t step = drive.inputs->step();
    if (step % replayChecksumEvery == 0)
        drive.checksums.push_back(checksum(game.world));
    if (step == drive.record.finalStep)
        drive.finalChecksum = checksum(game.world);
}

}  // namespace

ReplayMode replayModeOf(bool caa)
{
    return caa ? ReplayMode::Caa : ReplayMode::Classic;
}

void beginRecording(Game& game, const FightPlan& plan)
{
    ReplayRecording& recording = game.replay.recording;
    recording = ReplayRecording{};
    recording.phase = RecordingPhase::Recording;
    const TileMap& map = game.tileMap;
    const bool custom = plan.mode == FightMode::Classic && game.customMapChosen && map.levelPath == plan.level;
    ReplayHeader header = matchHeader(replayModeOf(plan.mode == FightMode::Caa), map.levelPath, custom,
                                      plan.kinds[0], plan.kinds[1], plan.seed);
    header.startWorld = serialize(game.world);
    recording.recorder.emplace(std::move(header));
}

void beforeFightStep(Game& game)
{
    ReplaySession& session = game.replay;
    // A replay: its next step's buttons, and the curtain holding the fighters
    // for as many steps as it did in the match.
    if (session.drive.active) {
        ReplayDrive& drive = session.drive;
        game.scriptedButtons.playing = true;
        drive.inputs->next(game.scriptedButtons.inputs[0], game.scriptedButtons.inputs[1]);
        game.screenFade.active = drive.inputs->step() <= drive.record.header.curtainSteps;
        return;
    }
    ReplayRecording& recording = session.recording;
    if (recording.phase == RecordingPhase::Idle)
        beginRecording(game, chosenFight(game));
}

void noteFightInputs(Game& game, const FightInput inputs[2])
{
    ReplayRecording& recording = game.replay.recording;
    if (game.replay.drive.active || recording.phase != RecordingPhase::Recording)
        return;
    recording.stepInputs[0] = inputs[0];
    recording.stepInputs[1] = inputs[1];
}

void afterFightStep(Game& game)
{
    ReplaySession& session = game.replay;
    if (session.drive.active) {
        notePlayedBack(game, session.drive);
        return;
    }
    if (session.recording.phase != RecordingPhase::Recording)
        return;
    noteStep(game, session.recording);
    if (game.state == SceneState::Victory)
        endRecording(game, true);
}

void followFightRecording(Game& game)
{
    ReplayRecording& recording = game.replay.recording;
    switch (game.state) {
    case SceneState::Fight:
    case SceneState::Pause:
    case SceneState::Options:
    case SceneState::KeyBindings:
        return;
    default:
        break;
    }
    if (recording.phase == RecordingPhase::Recording)
        endRecording(game, false);
    recording.phase = RecordingPhase::Idle;
}

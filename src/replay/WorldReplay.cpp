#include "replay/WorldReplay.h"

#include "replay/LevelFiles.h"
#include "replay/ReplayLevel.h"
#include "replay/StartWorld.h"
#include "world/FightStep.h"
#include "world/FightWorld.h"
#include "world/WorldBytes.h"

FightChoice choiceOf(const ReplayHeader& header, const std::string& levelPath)
{
    FightChoice choice;
    choice.caa = header.mode == ReplayMode::Caa;
    choice.level = header.customLevel ? levelPath : std::string();
    choice.kinds[0] = header.kinds[0];
    choice.kinds[1] = header.kinds[1];
    choice.seed = header.seed;
    return choice;
}

std::string startWorldReplay(WorldReplay& replay, FightWorld& world, FightGround& ground, const ReplayRecord& record,
                             const std::string& replaysFolder)
{
    const LevelToPlay level = levelToPlay(record.header, replaysFolder);
    if (!level.problem.empty())
        return level.problem;
    replay = WorldReplay{};
    replay.record = record;
    replay.inputs.emplace(replay.record.runs);
    // 1. The fight as its header sets it up; 2. the level it was played on;
    // 3. the world as the match's first step found it.
    setUpFight(world, ground, choiceOf(record.header, level.path));
    const std::string mismatch = levelMismatch(record.header, readLevelFiles(ground.tileMap.levelPath));
    if (!mismatch.empty())
        return mismatch;
    return record.header.startWorld.empty() ? "" : readStartWorld(world, record.header.startWorld);
}

bool stepWorldReplay(WorldReplay& replay, FightWorld& world)
{
    if (!replay.inputs || replay.won || replay.inputs->step() >= replay.record.finalStep)
        return false;
    // 1. The step's buttons, and the curtain as the match had it: up for its
    // first steps, long settled after.
    FightInput inputs[2];
    replay.inputs->next(inputs[0], inputs[1]);
    const std::uint32_t step = replay.inputs->step();
    world.curtain = Curtain{};
    world.curtain.active = step <= replay.record.header.curtainSteps;
    world.match.fightScene = true;
    // 2. The step, then the checksums the replay keeps.
    replay.won = stepFight(world, inputs).matchWon;
    if (step % replayChecksumEvery == 0)
        replay.checksums.push_back(checksum(world));
    if (step == replay.record.finalStep)
        replay.finalChecksum = checksum(world);
    return true;
}

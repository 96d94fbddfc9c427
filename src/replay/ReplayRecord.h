#pragma once

#include "level/HeldLevel.h"
#include "world/FightInput.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A recorded match as the game holds it: what the fight was started from,
// both players' buttons for every step, and the world's checksum now and then
// so that playing it again proves the fight went the same way.

constexpr int replayStepsPerSecond = 300;   // steps of 1/300 s, the fight's own rate
constexpr int replayChecksumEvery = 300;    // steps between stored checksums (1 s)
constexpr int replayMaxSteps = 30 * 60 * replayStepsPerSecond;  // a replay keeps at most 30 minutes
constexpr int replayKindCount = 4;          // fighter kinds: Napollo, Atoola, Gigachill, Swapper
constexpr std::size_t replayMaxLevelFiles = 257;           // the level file and up to 256 sections
constexpr std::size_t replayMaxLevelBytes = 2u << 20;      // bytes of a custom level's files together
constexpr std::size_t replayMaxNameBytes = 255;            // a level's name, a stored file's name
constexpr std::size_t replayMaxWorldBytes = 64u << 10;    // of the starting world

// The game's version as replays record it.
extern const char* const currentGameVersion;

enum class ReplayMode : std::uint8_t { Classic = 0, Caa = 1 };

// One file of a custom level as it was when the match was played. A file the
// game could not read (missing, a folder) is kept as absent: the fight read
// that section as ground, and so does its replay.
using ReplayLevelFile = HeldLevelFile;

struct ReplayHeader {
    std::string gameVersion = currentGameVersion;
    ReplayMode mode = ReplayMode::Classic;
    std::string levelName;        // "Jungle", "caa" or the custom level's name
    std::uint64_t levelHash = 0;  // see levelHash(): over the level's files
    bool customLevel = false;     // the level's files are stored below
    std::vector<ReplayLevelFile> levelFiles;  // level file first, then each section once
    std::uint8_t kinds[2] = {0, 0};           // both fighters' kinds at the start
    std::uint64_t seed = 0;                   // the world generator's seed
    // The first steps, during which the fighters waited for the curtain to
    // lift (its fade runs by frames, not steps, so the replay keeps the count).
    std::uint32_t curtainSteps = 0;
    // The world as the first step found it (WorldBytes), so that a fight set
    // up from any scene plays back from the same world; empty: as set up
    // from this header.
    std::vector<std::uint8_t> startWorld;
    bool finished = false;  // won; false when left from the pause menu or cut at 30 minutes
};

// A run of steps on which both players held the same buttons.
struct ReplayRun {
    FightInput p1;
    FightInput p2;
    std::uint32_t steps = 0;
};

struct ReplayRecord {
    ReplayHeader header;
    std::vector<ReplayRun> runs;
    // The checksum after steps 300, 600, ... (one per whole 300 steps played).
    std::vector<std::uint64_t> checksums;
    std::uint32_t finalStep = 0;  // the number of steps played
    std::uint64_t finalChecksum = 0;
};

bool operator==(const ReplayRecord& a, const ReplayRecord& b);

// "" when the record holds what a replay may hold (names, kinds, level files
// and their hash, known buttons, runs and checksums agreeing with the step
// count) and so can be written and read back; otherwise why not, in one line.
std::string replayRecordProblem(const ReplayRecord& record);

// Steps the runs add up to.
std::uint64_t runSteps(const std::vector<ReplayRun>& runs);

// Walks a replay's inputs step by step (for playing it back).
class ReplayInputs {
public:
    explicit ReplayInputs(const std::vector<ReplayRun>& runs) : runs_(&runs) {}
    // The buttons of the next step; false once every step was given.
    bool next(FightInput& p1, FightInput& p2);
    // Back to the first step.
    void restart() { run_ = 0, inRun_ = 0, step_ = 0; }
    // Steps given so far.
    std::uint32_t step() const { return step_; }

private:
    const std::vector<ReplayRun>* runs_;
    std::size_t run_ = 0;
    std::uint32_t inRun_ = 0;
    std::uint32_t step_ = 0;
};

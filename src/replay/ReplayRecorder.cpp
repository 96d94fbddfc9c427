#include "replay/ReplayRecorder.h"

#include "level/CustomLevelList.h"
#include "replay/LevelFiles.h"

#include <utility>

static_assert(replayMaxSteps % replayChecksumEvery == 0, "the last step kept has its checksum");

ReplayHeader matchHeader(ReplayMode mode, const std::string& levelPath, bool customLevel, int p1Kind, int p2Kind,
                         std::uint64_t seed)
{
    ReplayHeader header;
    header.mode = mode;
    // The name is what a replay's file name and messages show: plain text only.
    header.levelName = levelDisplayName(levelPath).substr(0, replayMaxNameBytes);
    for (char& c : header.levelName)
        if (c < 0x20 || c >= 0x7F)
            c = '?';
    if (header.levelName.empty())
        header.levelName = "level";
    std::vector<ReplayLevelFile> files = readLevelFiles(levelPath);
    header.levelHash = levelHash(files);
    header.customLevel = customLevel;
    if (customLevel)
        header.levelFiles = std::move(files);
    header.kinds[0] = static_cast<std::uint8_t>(p1Kind);
    header.kinds[1] = static_cast<std::uint8_t>(p2Kind);
    header.seed = seed;
    return header;
}

ReplayRecorder::ReplayRecorder(ReplayHeader header)
{
    record_.header = std::move(header);
}

bool ReplayRecorder::addStep(FightInput p1, FightInput p2)
{
    checksumDue_ = false;
    if (full()) {
        cut_ = true;
        return false;
    }
    p1.buttons &= fightButtonMask;
    p2.buttons &= fightButtonMask;
    std::vector<ReplayRun>& runs = record_.runs;
    if (!runs.empty() && runs.back().p1 == p1 && runs.back().p2 == p2)
        ++runs.back().steps;
    else
        runs.push_back({p1, p2, 1});
    ++record_.finalStep;
    checksumDue_ = record_.finalStep % replayChecksumEvery == 0;
    // Its place is kept even when the caller skips it: playback then names this step.
    if (checksumDue_)
        record_.checksums.push_back(0);
    return checksumDue_;
}

void ReplayRecorder::addChecksum(std::uint64_t checksum)
{
    if (checksumDue_)
        record_.checksums.back() = checksum;
    checksumDue_ = false;
}

ReplayRecord ReplayRecorder::finish(bool won, std::uint64_t finalChecksum)
{
    ReplayRecord record = record_;
    record.header.finished = won && !cut_;
    // Cut at 30 minutes: the world played on, so its end is not this replay's end.
    record.finalChecksum = cut_ ? record.checksums.back() : finalChecksum;
    return record;
}

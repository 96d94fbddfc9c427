#include "replay/ReplayRecord.h"

#include "replay/LevelFiles.h"
#include "resources/TextFile.h"

#include <algorithm>

const char* const currentGameVersion = "1.1";

namespace {

constexpr std::size_t maxGameVersionBytes = 32;

// 1 to `most` bytes of printable ASCII.
bool plainText(const std::string& text, std::size_t most)
{
    return !text.empty() && text.size() <= most &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

std::string levelFilesProblem(const ReplayHeader& header)
{
    if (header.customLevel != !header.levelFiles.empty() || header.levelFiles.size() > replayMaxLevelFiles)
        return header.customLevel ? "keeps no files of its custom level" : "keeps level files of an official level";
    std::size_t total = 0;
    for (const ReplayLevelFile& file : header.levelFiles) {
        const std::string refused = listedPathProblem(file.name);
        if (!refused.empty())
            return "the level file " + quotedWord(file.name, 64) + " " + refused;
        if (!file.present && !file.bytes.empty())
            return "the level file " + quotedWord(file.name, 64) + " is absent but holds bytes";
        total += file.bytes.size();
    }
    if (total > replayMaxLevelBytes)
        return "keeps " + std::to_string(total) + " bytes of level files; a replay keeps at most 2 MiB";
    if (header.customLevel && levelHash(header.levelFiles) != header.levelHash)
        return "its level's files do not match its level hash";
    return "";
}

std::string headerProblem(const ReplayHeader& header)
{
    if (!plainText(header.gameVersion, maxGameVersionBytes))
        return "its game version " + quotedWord(header.gameVersion, 32) + " is not a version";
    if (header.mode != ReplayMode::Classic && header.mode != ReplayMode::Caa)
        return "its mode is neither classic nor kill race";
    if (!plainText(header.levelName, replayMaxNameBytes))
        return "its level name " + quotedWord(header.levelName, 40) + " is not 1 to 255 plain characters";
    if (header.startWorld.size() > replayMaxWorldBytes)
        return "its starting world of " + std::to_string(header.startWorld.size()) + " bytes is larger than 64 KiB";
    for (int i = 0; i < 2; ++i)
        if (header.kinds[i] >= replayKindCount)
            return "P" + std::to_string(i + 1) + "'s fighter kind " + std::to_string(header.kinds[i]) +
                   " is not one of the " + std::to_string(replayKindCount);
    return levelFilesProblem(header);
}

std::string playProblem(const ReplayRecord& record)
{
    if (record.finalStep > static_cast<std::uint32_t>(replayMaxSteps))
        return "holds more than 30 minutes of steps";
    if (record.header.curtainSteps > record.finalStep)
        return "says the curtain hid " + std::to_string(record.header.curtainSteps) + " of its " +
               std::to_string(record.finalStep) + " steps";
    for (std::size_t i = 0; i < record.runs.size(); ++i) {
        const ReplayRun& run = record.runs[i];
        const std::uint16_t unknown = (run.p1.buttons | run.p2.buttons) & ~fightButtonMask;
        if (unknown != 0)
            return "input run " + std::to_string(i + 1) + " holds button bits this game does not know (" +
                   std::to_string(unknown) + ")";
        if (run.steps == 0)
            return "input run " + std::to_string(i + 1) + " is empty";
    }
    if (runSteps(record.runs) != record.finalStep)
        return "its input runs hold " + std::to_string(runSteps(record.runs)) + " steps, not the " +
               std::to_string(record.finalStep) + " it says were played";
    if (record.checksums.size() != record.finalStep / replayChecksumEvery)
        return "holds " + std::to_string(record.checksums.size()) + " checksums for " +
               std::to_string(record.finalStep) + " steps";
    return "";
}

}  // namespace

std::string replayRecordProblem(const ReplayRecord& record)
{
    const std::string header = headerProblem(record.header);
    return header.empty() ? playProblem(record) : header;
}

bool operator==(const ReplayRecord& a, const ReplayRecord& b)
{
    const ReplayHeader& x = a.header;
    const ReplayHeader& y = b.header;
    const bool sameHeader = x.gameVersion == y.gameVersion && x.mode == y.mode && x.levelName == y.levelName &&
                            x.levelHash == y.levelHash && x.customLevel == y.customLevel &&
                            x.levelFiles == y.levelFiles && x.kinds[0] == y.kinds[0] && x.kinds[1] == y.kinds[1] &&
                            x.seed == y.seed && x.curtainSteps == y.curtainSteps &&
                            x.startWorld == y.startWorld && x.finished == y.finished;
    const auto sameRun = [](const ReplayRun& r, const ReplayRun& s) {
        return r.p1 == s.p1 && r.p2 == s.p2 && r.steps == s.steps;
    };
    const bool sameRuns =
        a.runs.size() == b.runs.size() && std::equal(a.runs.begin(), a.runs.end(), b.runs.begin(), sameRun);
    return sameHeader && sameRuns && a.checksums == b.checksums && a.finalStep == b.finalStep &&
           a.finalChecksum == b.finalChecksum;
}

std::uint64_t runSteps(const std::vector<ReplayRun>& runs)
{
    std::uint64_t steps = 0;
    for (const ReplayRun& run : runs)
        steps += run.steps;
    return steps;
}

bool ReplayInputs::next(FightInput& p1, FightInput& p2)
{
    while (run_ < runs_->size() && inRun_ >= (*runs_)[run_].steps)
        ++run_, inRun_ = 0;
    if (run_ >= runs_->size())
        return false;
    p1 = (*runs_)[run_].p1;
    p2 = (*runs_)[run_].p2;
    ++inRun_;
    ++step_;
    return true;
}

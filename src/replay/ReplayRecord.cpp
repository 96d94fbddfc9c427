#include "replay/ReplayRecord.h"

#include <algorithm>

const char* const currentGameVersion = "1.1";

bool operator==(const ReplayRecord& a, const ReplayRecord& b)
{
    const ReplayHeader& x = a.header;
    const ReplayHeader& y = b.header;
    const bool sameHeader = x.gameVersion == y.gameVersion && x.mode == y.mode && x.levelName == y.levelName &&
                            x.levelHash == y.levelHash && x.customLevel == y.customLevel &&
                            x.levelFiles == y.levelFiles && x.kinds[0] == y.kinds[0] && x.kinds[1] == y.kinds[1] &&
                            x.seed == y.seed && x.finished == y.finished;
    const bool sameRuns = a.runs.size() == b.runs.size() &&
                          std::equal(a.runs.begin(), a.runs.end(), b.runs.begin(), [](const ReplayRun& r, const ReplayRun& s) {
                              return r.p1 == s.p1 && r.p2 == s.p2 && r.steps == s.steps;
                          });
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

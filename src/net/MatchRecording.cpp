#include "net/MatchRecording.h"

#include "replay/LevelFiles.h"

ReplayHeader replayHeaderOf(const MatchSetup& setup, const std::string& levelPath)
{
    const bool custom = !setup.levelFiles.empty();
    ReplayHeader header = matchHeader(setup.mode, levelPath, false, setup.kinds[0], setup.kinds[1], setup.seed);
    if (custom) {
        header.levelName = setup.levelName;
        for (char& c : header.levelName)
            if (c < 0x20 || c >= 0x7F)
                c = '?';  // a replay's name is plain text
        header.customLevel = true;
        header.levelFiles = setup.levelFiles;
        header.levelHash = levelHash(setup.levelFiles);
    }
    return header;
}

void MatchRecording::follow(const RollbackSession& session)
{
    const std::vector<FightInput>& p1 = session.inputs(0);
    const std::vector<FightInput>& p2 = session.inputs(1);
    for (std::uint32_t s = recorder_.steps(); s < session.confirmedSteps() && !recorder_.full(); ++s)
        if (recorder_.addStep(p1[s], p2[s]))
            recorder_.addChecksum(session.ourChecksum(s + 1).value_or(0));
}

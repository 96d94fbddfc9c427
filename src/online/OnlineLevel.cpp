#include "online/OnlineLevel.h"

#include "editor/EditorLevelFiles.h"
#include "level/HeldLevel.h"
#include "replay/LevelFiles.h"

std::string putCustomLevel(MatchSetup& setup, const std::string& path, const std::string& shownName)
{
    if (std::string problem = playableLevelProblem(path, shownName); !problem.empty())
        return problem;
    HeldLevel files = readLevelFiles(path);
    std::size_t bytes = 0;
    for (const HeldLevelFile& file : files)
        bytes += file.bytes.size();
    if (bytes > replayMaxLevelBytes)
        return shownName + " is too large to send (over " + std::to_string(replayMaxLevelBytes >> 20) + " MiB)";
    // The joiner refuses a level that does not read cleanly: say so here first.
    if (const std::string unread = heldLevelProblem(files, classicColumns); !unread.empty())
        return shownName + " cannot be played online: " + unread;
    setup.levelName = shownName;
    setup.levelFiles = std::move(files);
    return "";
}

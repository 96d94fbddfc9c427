#include "replay/ReplayLevel.h"

#include "replay/LevelFiles.h"
#include "resources/Paths.h"
#include "resources/TextFile.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

const char* const privateLevelFolder = ".level";

// The level file's words naming a kept section, each put under `root`.
std::string pointedAt(const std::string& bytes, const ReplayHeader& header, const std::string& root)
{
    std::string out;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t end = std::min(bytes.find_first_of(" \t\r\n", at), bytes.size());
        const std::string word = bytes.substr(at, end - at);
        if (!word.empty() && word != header.levelFiles.front().name && storedLevelFile(header, word))
            out += root;
        out += word;
        if (end < bytes.size())
            out += bytes[end];
        at = end + 1;
    }
    return out;
}

// The kept files under `root`; returns the copy's level file.
std::string writePrivateCopy(const ReplayHeader& header, const std::string& root, std::string& problem)
{
    for (const ReplayLevelFile& file : header.levelFiles) {
        if (!file.present)
            continue;
        const bool levelFile = &file == &header.levelFiles.front();
        const std::string path = root + file.name;
        std::error_code ignored;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
        std::string reason;
        if (!writeFileAtomically(path, levelFile ? pointedAt(file.bytes, header, root) : file.bytes, &reason)) {
            problem = path + ": cannot be written (" + reason + "); the replay's level cannot be played";
            return "";
        }
    }
    return root + header.levelFiles.front().name;
}

}  // namespace

LevelToPlay levelToPlay(const ReplayHeader& header, const std::string& replaysFolder)
{
    LevelToPlay level;
    if (!header.customLevel)
        return level;
    const std::string& levelFile = header.levelFiles.front().name;
    if (levelHash(readLevelFiles(levelFile)) == header.levelHash) {
        level.path = levelFile;
        return level;
    }
    const std::string root = (replaysFolder.empty() ? std::string(".") : replaysFolder) + "/" + privateLevelFolder + "/";
    level.path = writePrivateCopy(header, root, level.problem);
    return level;
}

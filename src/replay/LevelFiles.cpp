#include "replay/LevelFiles.h"

#include "level/LevelFile.h"
#include "replay/ReplayBytes.h"
#include "resources/TextFile.h"

#include <algorithm>

namespace {

ReplayLevelFile readOne(const std::string& path)
{
    Problems ignored;  // the game says them when it loads the level
    TextFile file = readTextFile(path, ignored, "");
    ReplayLevelFile kept;
    kept.name = path;
    kept.present = file.status == TextFileStatus::Read;
    if (kept.present)
        kept.bytes = std::move(file.text);
    return kept;
}

}  // namespace

std::vector<ReplayLevelFile> readLevelFiles(const std::string& levelPath)
{
    std::vector<ReplayLevelFile> files{readOne(levelPath)};
    // Only the section paths matter here; the columns only shape the flags' defaults.
    const LevelRecord level = parseLevelFile(files.front().bytes, classicColumns);
    for (const std::string& section : level.sectionFiles) {
        const bool seen = std::any_of(files.begin() + 1, files.end(),
                                      [&](const ReplayLevelFile& file) { return file.name == section; });
        if (!section.empty() && !seen)  // a refused path is ground, said by the level file
            files.push_back(readOne(section));
    }
    return files;
}

const ReplayLevelFile* storedLevelFile(const ReplayHeader& header, const std::string& name)
{
    for (const ReplayLevelFile& file : header.levelFiles)
        if (file.name == name)
            return &file;
    return nullptr;
}

std::uint64_t levelHash(const std::vector<ReplayLevelFile>& files)
{
    Hash64 hash;
    for (const ReplayLevelFile& file : files) {
        hash.add(static_cast<std::uint64_t>(file.name.size()));
        hash.add(file.name);
        hash.add(static_cast<std::uint64_t>(file.present));
        hash.add(static_cast<std::uint64_t>(file.bytes.size()));
        hash.add(file.bytes);
    }
    return hash.value();
}

std::string levelMismatch(const ReplayHeader& header, const std::vector<ReplayLevelFile>& installed)
{
    if (header.customLevel || levelHash(installed) == header.levelHash)
        return "";
    return "was recorded on another version of the level " + quotedWord(header.levelName, 40) +
           " than the one installed; it cannot be played back";
}

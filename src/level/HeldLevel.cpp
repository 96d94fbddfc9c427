#include "level/HeldLevel.h"

#include "level/LevelFile.h"

namespace {

std::string firstProblem(const std::string& name, const Problems& problems)
{
    const Problem& p = problems.front();
    return shownPath(name) + ":" + std::to_string(p.line) + ": " + p.what;
}

}  // namespace

TextFile heldTextFile(const HeldLevel& held, const std::string& path, Problems& problems, const std::string& fallback)
{
    TextFile file;
    file.name = shownPath(path);
    for (const HeldLevelFile& one : held) {
        if (one.name != path || !one.present)
            continue;
        file.status = TextFileStatus::Read;
        file.cut = one.bytes.size() > maxTextFileBytes;
        file.text = one.bytes.substr(0, maxTextFileBytes);
        if (file.cut)
            problems.push_back({0, "is larger than 4 MiB; only its first 4 MiB are read"});
        return file;
    }
    problems.push_back({0, "is missing; " + fallback});
    return file;
}

TextFile levelText(const HeldLevel* held, const std::string& path, Problems& problems, const std::string& fallback)
{
    return held ? heldTextFile(*held, path, problems, fallback) : readTextFile(path, problems, fallback);
}

std::string heldLevelProblem(const HeldLevel& held, int columns)
{
    if (held.empty())
        return "the level came without its files";
    const std::string& levelName = held.front().name;
    LevelRecord level;
    readLevelFile(levelName, columns, level, &held);
    if (!level.problems.empty())
        return firstProblem(levelName, level.problems);
    for (const std::string& section : level.sectionFiles) {
        SectionRecord codes;
        readSectionFile(section, columns, codes, &held);
        if (!codes.problems.empty())
            return firstProblem(section, codes.problems);
    }
    return "";
}

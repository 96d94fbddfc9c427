#include "editor/LevelStore.h"

#include "editor/EditorLevelFiles.h"
#include "editor/LevelName.h"
#include "level/CustomLevelList.h"
#include "resources/BoundedFile.h"
#include "resources/Paths.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr int maxSectionFiles = 9;  // Map0..Map8: the most a saved level has
constexpr std::size_t maxReplacedFileBytes = std::size_t{4} << 20;

FileOutcome refused(std::string message)
{
    return FileOutcome{false, std::move(message)};
}

fs::file_type entryType(const std::string& resolved)
{
    std::error_code error;
    return fs::symlink_status(resolved, error).type();
}

// The level's folder as it stands: only a real folder (not a link, not a
// file) is ever written into or emptied.
std::string folderProblem(const std::string& name, const std::string& folder)
{
    const fs::file_type type = entryType(folder);
    if (type == fs::file_type::not_found || type == fs::file_type::directory)
        return "";
    return customFolderOf(name) + " is not a folder: it is left alone";
}

// The listed spelling of `name` when the list holds it only with other letter case.
std::string caseVariantOf(const CustomLevelList& list, const std::string& name)
{
    for (const CustomLevelEntry& entry : list.entries)
        if (entry.levelName == name)
            return "";
    for (const CustomLevelEntry& entry : list.entries)
        if (sameNameIgnoringCase(entry.levelName, name))
            return entry.levelName;
    return "";
}

bool isListed(const CustomLevelList& list, const std::string& name)
{
    for (const CustomLevelEntry& entry : list.entries)
        if (entry.levelName == name)
            return true;
    return false;
}

// A file about to be replaced, with what it held, so a failed save can put it back.
struct Replaced {
    std::string path;  // as given to writeFileAtomically
    bool existed = false;
    std::string oldContent;
};

void restore(const std::vector<Replaced>& written)
{
    for (auto it = written.rbegin(); it != written.rend(); ++it) {
        if (it->existed) {
            writeFileAtomically(it->path, it->oldContent);
        } else {
            std::error_code error;
            fs::remove(resolvePath(it->path), error);
        }
    }
}

// Checks that every target is a plain file or absent and keeps its content.
std::string prepareTargets(const std::vector<std::string>& paths, std::vector<Replaced>& targets)
{
    for (const std::string& path : paths) {
        Replaced target{path, false, ""};
        const fs::file_type type = entryType(resolvePath(path));
        if (type == fs::file_type::regular) {
            if (readFileBounded(path, maxReplacedFileBytes, target.oldContent) != FileRead::Read)
                return path + " cannot be read back: level not saved";
            target.existed = true;
        } else if (type != fs::file_type::not_found) {
            return path + " is in the way (not a file): level not saved";
        }
        targets.push_back(std::move(target));
    }
    return "";
}

std::string ensureFolder(const std::string& name, const std::string& folder, bool& created)
{
    created = false;
    std::error_code error;
    const std::string root = resolvePath(customLevelFolder);
    fs::create_directories(root, error);
    if (!fs::is_directory(root, error))
        return std::string(customLevelFolder) + " cannot be made: level not saved";
    const std::string problem = folderProblem(name, folder);
    if (!problem.empty())
        return problem;
    if (entryType(folder) == fs::file_type::not_found) {
        if (!fs::create_directory(folder, error) || error)
            return customFolderOf(name) + " cannot be made: level not saved";
        created = true;
    }
    return "";
}

std::vector<std::string> pathsOf(const std::vector<CustomLevelEntry>& entries)
{
    std::vector<std::string> paths;
    for (const CustomLevelEntry& entry : entries)
        paths.push_back(entry.path);
    return paths;
}

}  // namespace

FileOutcome saveCustomLevel(const std::vector<Section>& sections, const std::string& name)
{
    // 1. The name, the list and the folder, before anything is written.
    const std::string nameProblem = levelNameProblem(name);
    if (!nameProblem.empty())
        return refused(nameProblem);
    const CustomLevelList list = loadCustomLevelList();
    if (list.damaged)
        return refused("Custom.txt is damaged: nothing saved");
    const std::string variant = caseVariantOf(list, name);
    if (!variant.empty())
        return refused("A level named " + variant + " exists already: save under that spelling");
    // Overwriting a listed level adds no entry; only a new name needs room.
    const bool listed = isListed(list, name);
    if (!listed && list.entries.size() >= static_cast<std::size_t>(maxCustomLevels))
        return refused(std::to_string(list.entries.size()) + " levels are saved already: delete one first");
    const std::string folder = resolvePath(customFolderOf(name));
    bool createdFolder = false;
    const std::string folderIssue = ensureFolder(name, folder, createdFolder);
    if (!folderIssue.empty())
        return refused(folderIssue);

    // 2. The sections, then the level file, each new-then-rename.
    const int lastSection = static_cast<int>(sections.size()) - 1;
    std::vector<std::string> paths;
    for (int i = 0; i <= lastSection; ++i)
        paths.push_back(sectionFileOf(name, i));
    paths.push_back(customLevelFilePath(name));
    std::vector<Replaced> targets;
    std::string problem = prepareTargets(paths, targets);
    std::vector<Replaced> written;
    for (std::size_t i = 0; problem.empty() && i < targets.size(); ++i) {
        const bool isLevelFile = i + 1 == targets.size();
        const std::string content =
            isLevelFile ? levelFileText(name, lastSection) : sectionFileText(sections[i]);
        if (!writeFileAtomically(targets[i].path, content))
            problem = targets[i].path + " cannot be written: level not saved";
        else
            written.push_back(targets[i]);
    }

    // 3. The list, once every level file is on disk.
    if (problem.empty() && !listed) {
        std::vector<std::string> listPaths = pathsOf(list.entries);
        listPaths.push_back(customLevelFilePath(name));
        if (!writeFileAtomically(customListPath, customListText(listPaths, false)))
            problem = "Custom.txt cannot be written: level not saved";
    }
    if (!problem.empty()) {
        restore(written);
        if (createdFolder) {
            std::error_code error;
            fs::remove(folder, error);
        }
        return refused(problem);
    }
    return FileOutcome{true, "Saved " + name};
}

OpenedLevel openCustomLevel(const std::string& name)
{
    OpenedLevel opened;
    const std::string nameProblem = levelNameProblem(name);
    if (!nameProblem.empty())
        return OpenedLevel{refused(nameProblem), {}};
    std::string bytes;
    const FileRead read = readFileBounded(customLevelFilePath(name), maxLevelFileBytes, bytes);
    if (read == FileRead::Missing)
        return OpenedLevel{refused("No level named " + name), {}};
    if (read != FileRead::Read)
        return OpenedLevel{refused(name + ".txt cannot be read"), {}};
    const LevelHeader header = parseLevelHeader(bytes, name + ".txt");
    const std::string headerProblem = levelHeaderProblem(header, name + ".txt");
    if (!headerProblem.empty())
        return OpenedLevel{refused(headerProblem), {}};
    const int count = header.lastSection + 1;
    for (int i = 0; i < count; ++i) {
        const std::string label = "Map" + std::to_string(i) + ".txt";
        const FileRead sectionRead = readFileBounded(sectionFileOf(name, i), maxSectionFileBytes, bytes);
        if (sectionRead == FileRead::Missing)
            return OpenedLevel{refused(label + " is missing"), {}};
        if (sectionRead != FileRead::Read)
            return OpenedLevel{refused(label + " cannot be read"), {}};
        SectionRead section = parseSectionFile(bytes, label);
        if (!section.problem.empty())
            return OpenedLevel{refused(section.problem), {}};
        opened.sections.push_back(std::move(section.codes));
    }
    // Letter case aside the same level: say it as the list spells it.
    const std::string listedAs = caseVariantOf(loadCustomLevelList(), name);
    opened.outcome = FileOutcome{true, "Opened " + (listedAs.empty() ? name : listedAs)};
    return opened;
}

FileOutcome deleteCustomLevel(const std::string& name)
{
    // 1. The name, the list and the folder, before anything changes.
    const std::string nameProblem = levelNameProblem(name);
    if (!nameProblem.empty())
        return refused(nameProblem);
    const CustomLevelList list = loadCustomLevelList();
    if (list.damaged)
        return refused("Custom.txt is damaged: nothing deleted");
    const std::string variant = caseVariantOf(list, name);
    if (!variant.empty())
        return refused("The level is listed as " + variant + ": type that spelling");
    const std::string folder = resolvePath(customFolderOf(name));
    const std::string folderIssue = folderProblem(name, folder);
    if (!folderIssue.empty())
        return refused(folderIssue);
    const bool listed = isListed(list, name);
    const bool hasFolder = entryType(folder) == fs::file_type::directory;
    if (!listed && !hasFolder)
        return refused("No level named " + name);

    // 2. The list first: a level that cannot leave the list keeps its files.
    if (listed) {
        std::vector<std::string> remaining;
        for (const CustomLevelEntry& entry : list.entries)
            if (entry.levelName != name)
                remaining.push_back(entry.path);
        if (!writeFileAtomically(customListPath, customListText(remaining, true)))
            return refused("Custom.txt cannot be written: nothing deleted");
    }

    // 3. Only the level's own plain files, then the folder if nothing else is in it.
    if (hasFolder) {
        std::vector<std::string> files{customLevelFilePath(name)};
        for (int i = 0; i < maxSectionFiles; ++i)
            files.push_back(sectionFileOf(name, i));
        for (const std::string& file : files) {
            const std::string resolved = resolvePath(file);
            std::error_code error;
            if (entryType(resolved) == fs::file_type::regular)
                fs::remove(resolved, error);
        }
        std::error_code error;
        if (fs::is_empty(folder, error) && !error)
            fs::remove(folder, error);
    }
    return FileOutcome{true, "Deleted " + name};
}

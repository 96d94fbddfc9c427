#include "editor/EditorLevelFiles.h"

#include "editor/LevelName.h"
#include "resources/BoundedFile.h"
#include "resources/Paths.h"
#include "resources/TextFile.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Visits the white-space separated words of `bytes` with their line numbers
// until `visit` returns false.
template <class Visit>
void forEachWord(std::string_view bytes, Visit visit)
{
    int line = 1;
    std::size_t at = 0;
    while (at < bytes.size()) {
        if (isSpace(bytes[at])) {
            line += bytes[at++] == '\n';
            continue;
        }
        const std::size_t start = at;
        while (at < bytes.size() && !isSpace(bytes[at]))
            ++at;
        if (!visit(bytes.substr(start, at - start), line))
            return;
    }
}

// A whole number written plainly ("-1", "12"); anything else is refused.
bool parseWhole(std::string_view word, int& value)
{
    const char* end = word.data() + word.size();
    const std::from_chars_result result = std::from_chars(word.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

std::string quoted(std::string_view word)
{
    return "\"" + std::string(word.substr(0, 20)) + (word.size() > 20 ? "...\"" : "\"");
}

// A path with control bytes in it (a NUL would cut it short) names no file.
bool hasControlBytes(const std::string& path)
{
    return std::any_of(path.begin(), path.end(), [](unsigned char c) { return c < 0x20; });
}

bool isRegularFile(const std::string& path)
{
    if (hasControlBytes(path))
        return false;
    std::error_code error;
    return fs::is_regular_file(resolvePath(path), error);
}

bool isFolder(const std::string& path)
{
    std::error_code error;
    return !hasControlBytes(path) && fs::is_directory(resolvePath(path), error);
}

std::string fileNameOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string sectionFileText(const Section& section)
{
    std::string text;
    text.reserve(static_cast<std::size_t>(editorCellCount) * 4);
    for (int row = 0; row < sectionRows; ++row) {
        for (int column = 0; column < editorColumns; ++column) {
            const bool inside = column < static_cast<int>(section.size());
            text += std::to_string(inside ? section[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)]
                                          : emptyCode);
            text += ' ';
        }
        text += '\n';
    }
    return text;
}

std::string levelFileText(const std::string& name, int lastSection)
{
    char flag0X[64];
    std::snprintf(flag0X, sizeof flag0X, "%f",
                  static_cast<double>((lastSection + 1) * editorColumns * tileSize - tileSize));
    std::string text = std::to_string(lastSection) + "\n" + flag0X + "\n64\n";
    for (int i = 0; i <= lastSection; ++i)
        text += sectionFileOf(name, i) + "\n";
    return text;
}

SectionRead parseSectionFile(std::string_view bytes, const std::string& label)
{
    SectionRead read;
    TileColumn empty;
    empty.fill(emptyCode);
    read.codes.assign(static_cast<std::size_t>(editorColumns), empty);
    int count = 0;
    forEachWord(bytes, [&](std::string_view word, int line) {
        int code = 0;
        if (!parseWhole(word, code)) {
            read.problem = label + " line " + std::to_string(line) + ": " + quoted(word) + " is not a tile code";
            return false;
        }
        if (code < emptyCode || code > highestTileCode) {
            read.problem = label + " line " + std::to_string(line) + ": tile code " + std::to_string(code) +
                           " is outside -1..19";
            return false;
        }
        const int row = count / editorColumns, column = count % editorColumns;
        read.codes[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)] = code;
        return ++count < editorCellCount;
    });
    if (read.problem.empty() && count < editorCellCount)
        read.problem = label + " is short: " + std::to_string(count) + " of " + std::to_string(editorCellCount) +
                       " tile codes";
    return read;
}

LevelHeader parseLevelHeader(std::string_view bytes, const std::string& label)
{
    LevelHeader header;
    int index = 0;
    forEachWord(bytes, [&](std::string_view word, int line) {
        if (index == 0 && !parseWhole(word, header.lastSection)) {
            header.problem = label + " line " + std::to_string(line) + ": " + quoted(word) +
                             " is not a section count";
            return false;
        }
        if (index >= 3)
            header.sectionPaths.emplace_back(word);
        ++index;
        return static_cast<int>(header.sectionPaths.size()) < maxSections;
    });
    if (index == 0 && header.problem.empty())
        header.problem = label + " is empty";
    return header;
}

std::string levelHeaderProblem(const LevelHeader& header, const std::string& label)
{
    if (!header.problem.empty())
        return header.problem;
    const long long count = static_cast<long long>(header.lastSection) + 1;
    if (count != 3 && count != 5 && count != 7 && count != 9)
        return label + ": " + std::to_string(count) + " sections; a level has 3, 5, 7 or 9";
    return "";
}

std::string playableLevelProblem(const std::string& path, const std::string& shownName)
{
    // Only files inside the game folder are played, as every listed path.
    const std::string refused = listedPathProblem(path);
    if (!refused.empty())
        return shownName + " cannot be played: its path " + refused;
    std::string bytes;
    const FileRead read = readFileBounded(path, maxLevelFileBytes, bytes);
    if (read == FileRead::Missing)
        return shownName + " cannot be played: its level file is missing";
    if (read != FileRead::Read)
        return shownName + " cannot be played: its level file cannot be read";
    const LevelHeader header = parseLevelHeader(bytes, fileNameOf(path));
    const std::string headerProblem = levelHeaderProblem(header, fileNameOf(path));
    if (!headerProblem.empty())
        return shownName + " cannot be played: " + headerProblem;
    const int sections = header.lastSection + 1;
    if (static_cast<int>(header.sectionPaths.size()) < sections)
        return shownName + " cannot be played: it names " + std::to_string(header.sectionPaths.size()) + " of its " +
               std::to_string(sections) + " sections";
    for (int i = 0; i < sections; ++i) {
        const std::string& section = header.sectionPaths[static_cast<std::size_t>(i)];
        const std::string sectionRefused = listedPathProblem(section);
        if (!sectionRefused.empty())
            return shownName + " cannot be played: the section path " + quotedWord(section, 64) + " " +
                   sectionRefused;
        if (isFolder(section))
            return shownName + " cannot be played: " + section + " is a folder, not a file";
        if (!isRegularFile(section))
            return shownName + " cannot be played: " + section + " is missing";
    }
    return "";
}

#include "level/LevelFile.h"

#include <algorithm>
#include <iostream>

namespace {

constexpr int flagInset = 64;  // px: each flag stands one column inside its end of the level

std::string rowAndColumn(long long index, int columns)
{
    return "row " + std::to_string(index / columns + 1) + ", column " + std::to_string(index % columns + 1);
}

// What the editor writes for flag 0: the x of the last column of the last section.
float editorFlag0X(int lastSection, int columns)
{
    return static_cast<float>((static_cast<double>(lastSection) + 1.0) * columns * tileSize - flagInset);
}

// Which header values were read; the others get what the editor writes.
struct Header {
    bool lastSection = false;
    bool flags[2] = {false, false};
};

Header readHeader(WordScanner& words, LevelRecord& level)
{
    Header read;
    Word word;
    if (!words.next(word)) {
        level.problems.push_back({0, "is empty; the level has no sections"});
        return read;
    }
    read.lastSection = parseIntWord(word.text, level.lastSection) && level.lastSection >= 0;
    if (!read.lastSection)
        level.problems.push_back({word.line, quotedWord(word.text) +
                                                 " is not a last section number; the section files named decide it"});
    const char* names[2] = {"flag 0", "flag 1"};
    float* flags[2] = {&level.flag0X, &level.flag1X};
    for (int i = 0; i < 2; ++i) {
        if (!words.next(word)) {
            level.problems.push_back({words.line(), std::string("the file ends before the x of ") + names[i]});
            return read;
        }
        read.flags[i] = parseFloatWord(word.text, *flags[i]);
        if (!read.flags[i])
            level.problems.push_back({word.line, quotedWord(word.text) + " is not the x of " + names[i] +
                                                     "; it stands where the editor puts it"});
    }
    return read;
}

}  // namespace

LevelRecord parseLevelFile(std::string_view text, int columns)
{
    LevelRecord level;
    WordScanner words(text);
    const Header read = readHeader(words, level);
    Word word;
    while (words.next(word)) {
        if (static_cast<int>(level.sectionFiles.size()) == maxSections) {
            level.problems.push_back(
                {word.line, "names more than " + std::to_string(maxSections) + " sections; the rest are ignored"});
            break;
        }
        const std::string refused = listedPathProblem(word.text);
        if (!refused.empty())
            level.problems.push_back({word.line, "the section path " + quotedWord(word.text, 64) + " " + refused +
                                                     "; that section is ground everywhere"});
        level.sectionFiles.emplace_back(refused.empty() ? std::string(word.text) : std::string());
    }
    const int named = static_cast<int>(level.sectionFiles.size());
    if (named == 0 && !text.empty() && read.flags[1])
        level.problems.push_back({0, "names no section file; the level has no sections"});
    if (read.lastSection && named > 0 && level.lastSection != named - 1)
        level.problems.push_back({1, "the last section is " + std::to_string(level.lastSection) + " but " +
                                         std::to_string(named) + " section files are named; the last section is " +
                                         std::to_string(std::min(level.lastSection, named - 1))});
    if (!read.lastSection)
        level.lastSection = named - 1;
    level.lastSection = std::clamp(level.lastSection, 0, std::max(named - 1, 0));
    if (!read.flags[0])
        level.flag0X = editorFlag0X(level.lastSection, columns);
    if (!read.flags[1])
        level.flag1X = static_cast<float>(flagInset);
    return level;
}

SectionRecord parseSectionFile(std::string_view text, int columns)
{
    SectionRecord section;
    columns = std::clamp(columns, 0, classicColumns);
    TileColumn zeros;
    zeros.fill(0);
    section.codes.assign(static_cast<std::size_t>(columns), zeros);
    const long long wanted = static_cast<long long>(columns) * sectionRows;
    WordScanner words(text);
    Word word;
    long long read = 0, strange = 0;
    Word firstStrange;
    while (read < wanted && words.next(word)) {
        int code = 0;
        if (!parseIntWord(word.text, code)) {
            section.problems.push_back({word.line, quotedWord(word.text) + " is not a tile code; from " +
                                                       rowAndColumn(read, columns) + " on the codes are ground (0)"});
            return section;
        }
        if (code < emptyCode || code > lastTileCode) {
            if (strange++ == 0)
                firstStrange = word;
            code = 0;
        }
        section.codes[static_cast<std::size_t>(read % columns)][static_cast<std::size_t>(read / columns)] = code;
        ++read;
    }
    if (strange > 0)
        section.problems.push_back({firstStrange.line, std::to_string(strange) + " codes (the first " +
                                                           quotedWord(firstStrange.text) +
                                                           ") are no tile (-1 to 19); they are ground tile 0"});
    if (read < wanted) {
        section.problems.push_back({words.line(), "holds " + std::to_string(read) + " codes where 20 rows of " +
                                                      std::to_string(columns) + " (" + std::to_string(wanted) +
                                                      ") are needed; the rest are ground (0)"});
    } else if (words.next(word)) {
        long long extra = 1;
        while (words.next(word))
            ++extra;
        section.problems.push_back({0, "holds " + std::to_string(read + extra) + " words where 20 rows of " +
                                           std::to_string(columns) + " (" + std::to_string(wanted) +
                                           ") codes are needed; the rest are ignored"});
    }
    return section;
}

bool readLevelFile(const std::string& path, int columns, LevelRecord& level, const HeldLevel* held)
{
    Problems problems;
    const TextFile file = levelText(held, path, problems, "the level has no sections");
    return takeRecordText(file, problems, level, "load error\n",
                          [columns](std::string_view text) { return parseLevelFile(text, columns); });
}

bool readSectionFile(const std::string& path, int columns, SectionRecord& section, const HeldLevel* held)
{
    Problems problems;
    const TextFile file = levelText(held, path, problems, "the section is ground everywhere");
    section = parseSectionFile(file.status == TextFileStatus::Read ? std::string_view(file.text) : "", columns);
    if (file.status != TextFileStatus::Read) {
        section.problems.clear();
        std::cout << "Error loading map" << std::endl;
    }
    section.problems.insert(section.problems.begin(), problems.begin(), problems.end());
    return file.status == TextFileStatus::Read;
}

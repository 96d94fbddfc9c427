#include "assets/LevelFiles.h"

#include <fstream>
#include <sstream>

std::string runFile(const std::string& relativePath)
{
    return std::string(KESTRELFALL_RUN_DIR) + "/" + relativePath;
}

LevelFile readLevelFile(const std::string& path)
{
    LevelFile level;
    std::ifstream file(path);
    if (!file) {
        level.error = "cannot open " + path;
        return level;
    }
    std::string lastText, flag0Text, flag1Text;
    if (!std::getline(file, lastText) || !std::getline(file, flag0Text) || !std::getline(file, flag1Text)) {
        level.error = "short header";
        return level;
    }
    try {
        level.lastSection = std::stoi(lastText);
        level.flag0X = std::stof(flag0Text);
        level.flag1X = std::stof(flag1Text);
    } catch (const std::exception&) {
        level.error = "header is not numeric";
        return level;
    }
    std::string line;
    while (std::getline(file, line))
        if (!line.empty())
            level.sectionPaths.push_back(line);
    level.ok = true;
    return level;
}

int SectionFile::at(int column, int row) const
{
    if (column < 0 || column >= columns() || row < 0 || row >= sectionRows)
        return emptyCode;
    return grid[column][row];
}

SectionFile readSectionFile(const std::string& path, int columns)
{
    SectionFile section;
    section.grid.assign(columns, std::vector<int>(sectionRows, emptyCode));
    std::ifstream file(path);
    if (!file) {
        section.error = "cannot open " + path;
        return section;
    }
    std::string line;
    int row = 0;
    while (std::getline(file, line)) {
        if (row >= sectionRows) {
            section.error = "more than 20 rows";
            return section;
        }
        std::istringstream words(line);
        int column = 0, code = 0;
        while (words >> code) {
            if (column >= columns) {
                section.error = "row " + std::to_string(row) + " is longer than " + std::to_string(columns);
                return section;
            }
            if (code < -1 || code > 19) {
                section.error = "code " + std::to_string(code) + " out of range";
                return section;
            }
            section.grid[column++][row] = code;
        }
        const bool editorSpacing = !line.empty() && line.back() == ' ' && line.find("  ") == std::string::npos;
        if (column != columns || !editorSpacing) {
            section.error = "row " + std::to_string(row) + " is not " + std::to_string(columns) + " codes each followed by a space";
            return section;
        }
        ++row;
    }
    if (row != sectionRows) {
        section.error = "has " + std::to_string(row) + " rows";
        return section;
    }
    section.ok = true;
    return section;
}

bool isSolid(int code)
{
    return code != emptyCode && code != waterCode && code != spikeCode;
}

int floorRowFromTop(const SectionFile& section, int column)
{
    for (int row = 0; row + 1 < sectionRows; ++row) {
        const int below = section.at(column, row + 1);
        if (section.at(column, row) == emptyCode && below != emptyCode)
            return isSolid(below) ? row + 1 : -1;
    }
    return -1;
}

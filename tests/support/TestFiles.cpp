#include "support/TestFiles.h"

#include "editor/EditorLevelFiles.h"
#include "editor/LevelName.h"
#include "level/CustomLevelList.h"

#include <filesystem>
#include <fstream>
#include <sstream>

void writeTestFile(const std::string& path, const std::string& text)
{
    const std::filesystem::path file(path);
    if (file.has_parent_path())
        std::filesystem::create_directories(file.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

std::string readTestFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string uniformSection(int columns, int code)
{
    std::ostringstream out;
    for (int row = 0; row < 20; ++row) {
        for (int column = 0; column < columns; ++column)
            out << code << ' ';
        out << '\n';
    }
    return out.str();
}

HeldLevel heldTestLevel(const std::string& name, int sections)
{
    HeldLevel level{{customLevelFilePath(name), true, levelFileText(name, sections - 1)}};
    for (int i = 0; i < sections; ++i) {
        TileColumn column;
        column.fill(emptyCode);
        column[sectionRows - 1] = 0;
        Section section(static_cast<std::size_t>(editorColumns), column);
        for (int c = 25; c < 35; ++c)
            section[static_cast<std::size_t>(c)][14] = i + 1;
        level.push_back({sectionFileOf(name, i), true, sectionFileText(section)});
    }
    return level;
}

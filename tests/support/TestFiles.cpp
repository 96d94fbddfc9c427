#include "support/TestFiles.h"

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

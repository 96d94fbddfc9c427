#include "support/HostileFiles.h"

#include "support/Headless.h"
#include "support/TestFiles.h"

#include <filesystem>
#include <fstream>
#include <random>

HostileFile missingFile()
{
    return {HostileFile::Missing, "", "", 0};
}

HostileFile folderInstead()
{
    return {HostileFile::Folder, "", "", 0};
}

HostileFile bytesFile(std::string bytes)
{
    return {HostileFile::Bytes, std::move(bytes), "", 0};
}

HostileFile fiftyMegabytes(std::string start, std::string padding)
{
    return {HostileFile::Bytes, std::move(start), std::move(padding), 50u << 20};
}

void placeHostileFile(const std::string& path, const HostileFile& file)
{
    if (file.kind == HostileFile::Folder)
        std::filesystem::create_directories(path + "/inside");
    if (file.kind != HostileFile::Bytes)
        return;
    writeTestFile(path, file.bytes);
    if (file.padding.empty())
        return;
    std::string chunk;
    while (chunk.size() < (1u << 20))
        chunk += file.padding;
    std::ofstream out(path, std::ios::binary | std::ios::app);
    for (std::size_t written = file.bytes.size(); written < file.size; written += chunk.size())
        out << chunk;
}

void placeInEmptyFolder(const std::string& path, const HostileFile& file)
{
    enterEmptyFolder();
    placeHostileFile(path, file);
}

std::string randomBytes(std::size_t count)
{
    std::mt19937 random(12345);
    std::string bytes(count, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random() & 0xFF);
    return bytes;
}

std::string oneLongLine(std::size_t count, const std::string& word)
{
    std::string line;
    line.reserve(count * (word.size() + 1));
    for (std::size_t i = 0; i < count; ++i)
        line += word + " ";
    return line;
}

std::string problemText(const Problems& problems)
{
    std::string text;
    for (const Problem& problem : problems)
        text += std::to_string(problem.line) + ": " + problem.what + "\n";
    return text;
}

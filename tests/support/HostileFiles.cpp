#include "support/HostileFiles.h"

#include "support/TestFiles.h"

#include <filesystem>
#include <random>

HostileFile missingFile()
{
    return {HostileFile::Missing, ""};
}

HostileFile folderInstead()
{
    return {HostileFile::Folder, ""};
}

HostileFile bytesFile(std::string bytes)
{
    return {HostileFile::Bytes, std::move(bytes)};
}

void placeHostileFile(const std::string& path, const HostileFile& file)
{
    if (file.kind == HostileFile::Folder)
        std::filesystem::create_directories(path + "/inside");
    else if (file.kind == HostileFile::Bytes)
        writeTestFile(path, file.bytes);
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

std::string repeatedTo(const std::string& text, std::size_t size)
{
    std::string out;
    out.reserve(size + text.size());
    while (out.size() < size)
        out += text;
    return out;
}

std::string problemText(const Problems& problems)
{
    std::string text;
    for (const Problem& problem : problems)
        text += std::to_string(problem.line) + ": " + problem.what + "\n";
    return text;
}

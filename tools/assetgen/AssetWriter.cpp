#include "AssetWriter.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool readIfPresent(const fs::path& path, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream text;
    text << in.rdbuf();
    bytes = text.str();
    return true;
}

bool writeAtomically(const fs::path& path, const std::string& bytes)
{
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    const fs::path fresh = path.string() + ".new";
    {
        std::ofstream out(fresh, std::ios::binary | std::ios::trunc);
        out << bytes;
        if (!out)
            return false;
    }
    fs::rename(fresh, path, error);
    return !error;
}

}  // namespace

void writeGenerated(AssetContext& ctx, const std::string& relativePath, const std::string& bytes)
{
    const fs::path path = ctx.runDir / relativePath;
    std::string old;
    if (readIfPresent(path, old) && old == bytes) {
        ++ctx.unchanged;
        return;
    }
    if (writeAtomically(path, bytes)) {
        ++ctx.written;
    } else {
        ++ctx.failures;
        std::printf("assetgen: cannot write %s\n", path.string().c_str());
    }
}

void seedUserFile(AssetContext& ctx, const std::string& relativePath, const std::string& bytes)
{
    const fs::path path = ctx.runDir / relativePath;
    std::error_code error;
    if (fs::exists(path, error))
        return;
    if (writeAtomically(path, bytes)) {
        ++ctx.seeded;
    } else {
        ++ctx.failures;
        std::printf("assetgen: cannot write %s\n", path.string().c_str());
    }
}

std::string readFileBytes(AssetContext& ctx, const fs::path& path)
{
    std::string bytes;
    if (!readIfPresent(path, bytes)) {
        ++ctx.failures;
        std::printf("assetgen: cannot read %s\n", path.string().c_str());
    }
    return bytes;
}

void installDataFile(AssetContext& ctx, const std::string& dataPath, const std::string& runPath)
{
    writeGenerated(ctx, runPath, readFileBytes(ctx, ctx.dataDir / dataPath));
}

void writePng(AssetContext& ctx, const std::string& relativePath, const sf::Image& image)
{
    // SFML 2.5 encodes PNG only to a file: encode beside the target, then
    // compare and install like any other generated file.
    const fs::path scratch = ctx.runDir / (relativePath + ".encoding.png");
    std::error_code error;
    fs::create_directories(scratch.parent_path(), error);
    if (!image.saveToFile(scratch.string())) {
        ++ctx.failures;
        std::printf("assetgen: cannot encode %s\n", relativePath.c_str());
        return;
    }
    std::string bytes;
    readIfPresent(scratch, bytes);
    fs::remove(scratch, error);
    writeGenerated(ctx, relativePath, bytes);
}

#include "replay/ReplayStore.h"

#include "resources/BoundedFile.h"
#include "resources/Paths.h"
#include "resources/TextFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

const char* const replayFolder = "Replays";

namespace {

constexpr std::size_t stampBytes = 19;  // "yyyy-mm-dd_hh-mm-ss"
constexpr int maxSameSecond = 100;      // replays of one second told apart by "-2", "-3", ...
const char* const extension = ".kfr";

// "yyyy-mm-dd_hh-mm-ss_" followed by anything and ".kfr".
bool namedByThisGame(const std::string& name)
{
    const char* shape = "dddd-dd-dd_dd-dd-dd_";
    if (name.size() < stampBytes + 1 + std::strlen(extension) ||
        name.compare(name.size() - std::strlen(extension), std::string::npos, extension) != 0)
        return false;
    for (std::size_t i = 0; i <= stampBytes; ++i) {
        const bool digit = name[i] >= '0' && name[i] <= '9';
        if (shape[i] == 'd' ? !digit : name[i] != shape[i])
            return false;
    }
    return true;
}

bool folderWritable(const fs::path& folder)
{
    std::error_code error;
    const fs::perms perms = fs::status(folder, error).permissions();
    return error || (perms & fs::perms::owner_write) != fs::perms::none;
}

std::string cannotWrite(const std::string& path, int reason)
{
    return shownPath(path) + ": could not be written (" + std::strerror(reason) +
           "); this match's replay is not kept";
}

// A name not yet taken in `folder`: the match's own, or with "-2", "-3", ...
std::string freshPath(const fs::path& folder, const std::string& name)
{
    const std::string stem = name.substr(0, name.size() - std::strlen(extension));
    std::string path = (folder / name).string();
    std::error_code error;
    for (int i = 2; i <= maxSameSecond && fs::exists(resolvePath(path), error); ++i)
        path = (folder / (stem + "-" + std::to_string(i) + extension)).string();
    return path;
}

void deleteOldest(const std::string& folder)
{
    const std::vector<std::string> replays = listReplays(folder);
    std::error_code error;
    for (std::size_t i = keptReplays; i < replays.size(); ++i)
        fs::remove(replays[i], error);
}

}  // namespace

std::string fileNameWord(const std::string& name)
{
    std::string word;
    for (char c : name.substr(0, maxLevelWordBytes)) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
        word += plain ? c : '_';
    }
    return word.empty() ? "level" : word;
}

std::string replayFileName(const ReplayHeader& header, const std::tm& when)
{
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%S", &when);
    const char* mode = header.mode == ReplayMode::Caa ? "caa" : "classic";
    return std::string(stamp) + "_" + mode + "_" + fileNameWord(header.levelName) + extension;
}

SavedReplay saveReplay(const ReplayRecord& record, std::time_t now, const std::string& folder)
{
    std::tm when{};
    localtime_r(&now, &when);
    const std::string name = (fs::path(folder) / replayFileName(record.header, when)).string();
    const std::string refused = replayRecordProblem(record);
    if (!refused.empty())
        return {"", shownPath(name) + ": is not written: the replay " + refused};
    std::error_code error;
    fs::create_directories(resolvePath(folder), error);
    if (error)
        return {"", cannotWrite(name, error.value())};
    // A folder the player made read-only is left alone, whoever runs the game.
    if (!folderWritable(resolvePath(folder)))
        return {"", cannotWrite(name, EACCES)};
    const std::string path = freshPath(resolvePath(folder), fs::path(name).filename().string());
    if (!writeFileAtomically(path, encodeReplay(record)))
        return {"", cannotWrite(path, errno)};
    deleteOldest(folder);
    return {path, ""};
}

std::vector<std::string> listReplays(const std::string& folder)
{
    std::vector<std::string> replays;
    std::error_code error;
    for (fs::directory_iterator it(resolvePath(folder), error), end; !error && it != end; it.increment(error))
        if (namedByThisGame(it->path().filename().string()) && it->is_regular_file(error))
            replays.push_back(it->path().string());
    std::sort(replays.begin(), replays.end(), [](const std::string& a, const std::string& b) {
        return fs::path(a).filename() > fs::path(b).filename();
    });
    return replays;
}

DecodedReplay readReplayFile(const std::string& path)
{
    DecodedReplay decoded;
    std::string bytes;
    switch (readFileBounded(path, maxReplayBytes, bytes)) {
    case FileRead::Missing:
        decoded.problem = "is missing";
        break;
    case FileRead::TooLarge:
        decoded.problem = replayTooLarge;
        break;
    case FileRead::Unreadable:
        decoded.problem = "cannot be read (a folder, or a file without read permission)";
        break;
    case FileRead::Read:
        decoded = decodeReplay(bytes);
        break;
    }
    if (!decoded.problem.empty())
        decoded.problem = shownPath(path) + ": " + decoded.problem;
    return decoded;
}

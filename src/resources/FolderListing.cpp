#include "resources/FolderListing.h"

#include <filesystem>
#include <map>
#include <mutex>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t maxRememberedFolders = 512;  // listings kept at once

struct Remembered {
    std::mutex guard;
    int scopes = 0;
    std::map<std::string, std::vector<std::string>> listings;  // by folder
};

Remembered& remembered()
{
    static Remembered held;
    return held;
}

std::vector<std::string> listFolder(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), error), end;
         !error && it != end; it.increment(error))
        names.push_back(it->path().filename().string());
    return names;
}

}  // namespace

std::vector<std::string> folderNames(const std::string& folder)
{
    Remembered& held = remembered();
    {
        std::lock_guard<std::mutex> lock(held.guard);
        if (held.scopes == 0)
            return listFolder(folder);
        const auto known = held.listings.find(folder);
        if (known != held.listings.end())
            return known->second;
    }
    std::vector<std::string> names = listFolder(folder);
    std::lock_guard<std::mutex> lock(held.guard);
    if (held.scopes > 0) {
        if (held.listings.size() >= maxRememberedFolders)
            held.listings.clear();
        held.listings[folder] = names;
    }
    return names;
}

RememberedFolders::RememberedFolders()
{
    std::lock_guard<std::mutex> lock(remembered().guard);
    ++remembered().scopes;
}

RememberedFolders::~RememberedFolders()
{
    Remembered& held = remembered();
    std::lock_guard<std::mutex> lock(held.guard);
    if (--held.scopes == 0)
        held.listings.clear();
}

void forgetFolderListings()
{
    Remembered& held = remembered();
    std::lock_guard<std::mutex> lock(held.guard);
    held.listings.clear();
}

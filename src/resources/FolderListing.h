#pragma once

#include <string>
#include <vector>

// The names in a folder, as the case-tolerant path lookup reads them. While a
// `RememberedFolders` is alive, each folder is listed once and its names
// remembered: loading hundreds of pictures from the same few folders then
// lists each folder once, not once per picture and path part. The game's own
// writes forget what was remembered; a scope should still only cover reading.

// The names in `folder` ("" is the working directory); none when it cannot
// be listed.
std::vector<std::string> folderNames(const std::string& folder);

class RememberedFolders {
public:
    RememberedFolders();
    ~RememberedFolders();
    RememberedFolders(const RememberedFolders&) = delete;
    RememberedFolders& operator=(const RememberedFolders&) = delete;
};

// Drops every remembered listing (after a write or a new folder).
void forgetFolderListings();

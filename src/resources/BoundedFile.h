#pragma once

#include <cstddef>
#include <string>

// Reading a file a player may have edited or replaced: never more than a set
// number of bytes, and a clear outcome instead of a silent empty string.
enum class FileRead { Read, Missing, TooLarge, Unreadable };

// Reads the file at `path` (resolved letter case aside) into `content` when it
// holds at most `maxBytes` bytes. A folder or other non-file is Unreadable.
FileRead readFileBounded(const std::string& path, std::size_t maxBytes, std::string& content);

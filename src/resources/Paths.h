#pragma once

#include <string>

// File names are matched without regard to letter case: "Assets/..." and
// "assets/...", "Binds.txt" and "binds.txt" reach the same file. Every read and
// every write of the game goes through these two functions.

// The existing file or folder whose path matches `path` letter case aside
// (relative paths are taken from the working directory). When nothing matches,
// the path is returned with its existing leading folders resolved, so that a
// write creates the file inside the folder that is already there. Where a
// folder holds two spellings of a name ("Assets/" and "assets/"), the one
// under which more of the path exists wins, then the first in sorted order:
// every spelling of a path reaches the same file.
std::string resolvePath(const std::string& path);

// Writes `content` to the file at `path` (resolved as above) without ever
// leaving a truncated file: the text goes to a new file `<name>.new`, created
// exclusively (whatever stood at that name is removed, never written
// through), flushed to disk and given the old file's permissions, which is
// then renamed over the old one. A symbolic link is followed: the file it
// names is replaced and the link stays. Returns false when the folder is
// missing or not writable, the disk is full, or the target is a folder; the
// old file is then untouched and `reason` (when given) says why, in the
// system's words ("No space left on device", "Read-only file system", ...);
// errno says why as well.
bool writeFileAtomically(const std::string& path, const std::string& content, std::string* reason = nullptr);

// Reads a whole file (resolved as above). Returns false when it cannot be read.
bool readWholeFile(const std::string& path, std::string& content);

#pragma once

#include <string>

// The player's own files the game rewrites at exit (settings, bindings) are
// never lost to it: a file that was read with problems is first kept beside
// as "<name>.bad" (one copy, the latest, itself written new-then-rename), and
// a read-only file, or one on a read-only disk, is left as it is.
struct PlayerFileState {
    bool damaged = false;       // read with problems: keep a copy before replacing it
    bool readOnlySaid = false;  // the read-only message was given (it is said once)
    bool read = false;          // read this run: until then there is nothing of it to write back
};

// Both of them, as the Game keeps them.
struct PlayerFiles {
    PlayerFileState settings;
    PlayerFileState binds;
};

enum class SaveOutcome { Written, LeftReadOnly, Failed };

// How a file is written: new-then-rename, false with the reason on failure.
using FileWriter = bool (*)(const std::string& path, const std::string& content, std::string* reason);

// Replaces the file at `path` with `text` under the rules above; messages go
// to standard error, one line per failed write naming the file and the
// reason. `Failed` leaves the old file untouched.
SaveOutcome savePlayerFile(const std::string& path, const std::string& text, PlayerFileState& state);
SaveOutcome savePlayerFile(const std::string& path, const std::string& text, PlayerFileState& state,
                           FileWriter write);

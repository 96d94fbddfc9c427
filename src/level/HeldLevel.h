#pragma once

#include "resources/TextFile.h"

#include <string>
#include <vector>

// A level's files held in memory instead of read from the run folder: one
// that came over the network, or one a replay keeps. The level readers take
// their text from here or from disk alike, so both sources read the same way.

// One file of a level. A file the game could not read (missing, a folder) is
// held as absent: the level reads that section as ground.
struct HeldLevelFile {
    std::string name;  // the path as the level file names it ("Assets/Map/Custom/N/N.txt")
    bool present = true;
    std::string bytes;
    friend bool operator==(const HeldLevelFile& a, const HeldLevelFile& b)
    {
        return a.name == b.name && a.present == b.present && a.bytes == b.bytes;
    }
};
// The level file first, then each section it names once.
using HeldLevel = std::vector<HeldLevelFile>;

// The file named `path` as `readTextFile` gives a file on disk: absent or not
// held is missing (a problem ending in `fallback`), more than 4 MiB is cut.
TextFile heldTextFile(const HeldLevel& held, const std::string& path, Problems& problems,
                      const std::string& fallback);

// The text of `path`: from `held` when it is given, otherwise from disk.
TextFile levelText(const HeldLevel* held, const std::string& path, Problems& problems, const std::string& fallback);

// Why a held level cannot be played, as "<file>:<line>: <what>" of the first
// thing its readers found wrong ("" when it reads cleanly): no level file,
// sections missing or unnamed, words that are no tile codes, too few codes.
// Both sides of an online match play the same bytes, so only a level that
// reads without a single problem is played.
std::string heldLevelProblem(const HeldLevel& held, int columns);

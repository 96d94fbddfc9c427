#pragma once

#include "level/TileMap.h"

#include <string>
#include <vector>

// Saving, opening and deleting the custom level N under "Assets/Map/Custom/N/".
// Every operation checks the name first, refuses with a one-line reason
// rather than half-doing its work, writes each file new-then-rename, and
// touches nothing outside that folder and the list file.

struct FileOutcome {
    bool done = false;
    std::string message;  // what happened, or why nothing did
};

// Writes the sections, then the level file, then (for a new name) the list.
// A failure part-way restores the files already replaced and leaves the list as it was.
FileOutcome saveCustomLevel(const std::vector<Section>& sections, const std::string& name);

struct OpenedLevel {
    FileOutcome outcome;
    std::vector<Section> sections;  // 3, 5, 7 or 9 sections of 60 x 20 codes when done
};
// Reads the level back; a missing, short or garbled file refuses the whole open.
OpenedLevel openCustomLevel(const std::string& name);

// Removes the level from the list first, then its own files (the level file
// and Map0..Map8), then its folder if that is empty.
FileOutcome deleteCustomLevel(const std::string& name);

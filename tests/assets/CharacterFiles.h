#pragma once

#include "fighters/Character.h"

#include <map>
#include <string>
#include <vector>

// A small reader of the roster and character files for the data tests: it
// keeps every word it meets so the tests can judge what the game's loader
// would make of them.
struct ClipLine {
    int first = 0;
    int last = 0;  // one past the last frame
    float duration = 0.f;
    std::string mode;
    bool contains(int frame) const { return frame >= first && frame < last; }
};

struct CharacterFile {
    bool opened = false;
    int declaredFrames = -1;
    std::vector<std::string> frames;
    std::map<std::string, ClipLine> clips;
};

// Reads from the working directory (the names are resolved letter case aside).
std::vector<std::string> readRoster();
CharacterFile readCharacterFile(const std::string& path);

// The kinds in slot order (P1's four slots, then P2's).
extern const char* const kindNames[kindCount];

// The frame numbers the fight rules look at, per kind.
struct FrameWindow {
    int first, last;  // inclusive
};
struct KindFrames {
    std::vector<FrameWindow> hits;  // standing swing, running swing
    FrameWindow parry;
    std::string skillClip;  // empty: the kind's skill has no clip
};
extern const KindFrames kindFrames[kindCount];

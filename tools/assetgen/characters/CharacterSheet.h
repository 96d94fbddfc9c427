#pragma once

#include <map>
#include <string>
#include <vector>

// What the generator needs to know of one hand-written character file: the
// frame pictures it names, in order, and the clip each frame belongs to.
struct Clip {
    std::string name;  // "IDLE", "ATTACKING", ...
    int first = 0;     // first frame
    int last = 0;      // one past the last frame
    float duration = 0.f;
    bool once = false;
};

struct CharacterSheet {
    std::vector<std::string> framePaths;
    std::vector<Clip> clips;
};

// Reads the words of a character file: "SPRITES n path…" and
// "ANIM name first last duration LOOP|ONCE". Unknown words are skipped.
CharacterSheet parseCharacterSheet(const std::string& text);

// Where a frame sits: its clip and its place in it. A frame that no clip
// shows gets the idle clip's first pose.
struct FrameSlot {
    std::string clip;
    int index = 0;   // position inside the clip
    int length = 1;  // frames in the clip
    int frame = 0;   // frame number in the file
};
FrameSlot slotOfFrame(const CharacterSheet& sheet, int frame);
